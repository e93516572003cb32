#include "platform/qt/qt_menu.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

#include <memory>
#include <vector>

#include "platform/portable/menu_resources.h"
#include "platform/qt/qt_drawing.h"

namespace vx::platform {

void QtMenuItemPainter::OutlineRect(const Rect& rect) {
    // A menu's surface starts with a black pen and a white brush.
    painter_.setPen(Qt::black);
    painter_.setBrush(Qt::white);
    painter_.drawRect(QRect(rect.left, rect.top, rect.right - rect.left - 1, rect.bottom - rect.top - 1));
}

void QtMenuItemPainter::FillRect(const Rect& rect, Color color) {
    painter_.fillRect(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top), ToQColor(color));
}

void QtMenuItemPainter::Text(const Rect& rect, std::string_view text, Color color) {
    painter_.setPen(ToQColor(color));
    painter_.setFont(QApplication::font("QMenu"));
    painter_.drawText(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

namespace {

constexpr const char* kItemDataProperty = "vxItemData";

// Finds the owner-drawn item a style call is about: by its place when the
// menu knows it, else by its text (unique within one menu of the table).
QAction* ActionOf(const QStyleOption* option, const QWidget* widget) {
    const auto* menu = qobject_cast<const QMenu*>(widget);
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (menu == nullptr || item == nullptr) return nullptr;
    if (!item->rect.isEmpty()) {
        if (QAction* action = menu->actionAt(item->rect.center())) return action;
    }
    for (QAction* action : menu->actions()) {
        if (action->text() == item->text) return action;
    }
    return nullptr;
}

constexpr int kCheckRoom = 15;
constexpr int kFrameWidth = 2;

class OwnerDrawnStyle final : public QProxyStyle {
public:
    explicit OwnerDrawnStyle(WindowEvents& events) : events_(events) {}

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element == CE_MenuItem) {
            if (QAction* action = ActionOf(option, widget);
                action != nullptr && action->property(kItemDataProperty).isValid()) {
                // Qt lays an item out wider than the menu it sits in (the room
                // it keeps for a submenu arrow): the logic draws into what shows.
                const QRect r = widget != nullptr ? option->rect.intersected(widget->rect().adjusted(
                                                        kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth))
                                                  : option->rect;
                QtMenuItemPainter itemPainter(*painter);
                painter->save();
                events_.OnDrawMenuItem(action->property(kItemDataProperty).value<quintptr>(),
                                       Rect{r.left(), r.top(), r.right() + 1, r.bottom() + 1},
                                       (option->state & State_Selected) != 0, itemPainter);
                painter->restore();
                // A submenu's arrow is the item's own, drawn by the logic.
                return;
            }
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        if (type == CT_MenuItem) {
            if (QAction* action = ActionOf(option, widget);
                action != nullptr && action->property(kItemDataProperty).isValid()) {
                const MenuItemSize measured =
                    events_.OnMeasureMenuItem(action->property(kItemDataProperty).value<quintptr>());
                // Windows widens an owner-drawn item by the check-mark room,
                // where a submenu's arrow goes.
                return QSize(measured.width + kCheckRoom, measured.height);
            }
        }
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        // The items fill the menu, as owner-drawn Windows menu items do.
        if (metric == PM_MenuHMargin || metric == PM_MenuVMargin) return 0;
        if (metric == PM_MenuPanelWidth) return kFrameWidth;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    // The raised frame of a Windows menu: light outside, grey within.
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_FrameMenu || element == PE_PanelMenu) {
            const QRect r = option->rect;
            painter->fillRect(r, QColor(240, 240, 240));
            painter->fillRect(r.adjusted(1, 1, -1, -1), QColor(160, 160, 160));
            painter->fillRect(r.adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth), Qt::black);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

private:
    WindowEvents& events_;
};

void Fill(QMenu& target, TableMenu& source, QStyle& style) {
    target.setStyle(&style);
    for (int position = 0; position < source.ItemCount(); ++position) {
        const QString text = QString::fromStdString(source.ItemText(position));
        QAction* action = nullptr;
        if (auto* submenu = static_cast<TableMenu*>(source.SubMenu(position))) {
            QMenu* child = target.addMenu(text);
            Fill(*child, *submenu, style);
            action = child->menuAction();
        } else if (source.ItemId(position) == 0) {
            action = target.addSeparator();
        } else {
            action = target.addAction(text);
            action->setData(source.ItemId(position));
        }
        if (const std::optional<std::uintptr_t> data = source.ItemData(position)) {
            action->setProperty(kItemDataProperty, QVariant::fromValue<quintptr>(*data));
        }
    }
}

}  // namespace

int RunQtMenu(Menu& menu, QPoint screenPoint, WindowEvents& events, QWidget* parent) {
    auto* first = static_cast<TableMenu*>(menu.SubMenu(0));
    if (first == nullptr) return 0;
    OwnerDrawnStyle style(events);
    QMenu shown(parent);
    Fill(shown, *first, style);
    QAction* chosen = shown.exec(screenPoint);
    return chosen != nullptr && chosen->data().isValid() ? chosen->data().toInt() : 0;
}

}  // namespace vx::platform
