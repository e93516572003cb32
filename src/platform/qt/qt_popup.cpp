#include "platform/qt/qt_popup.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QRegion>

#include <algorithm>
#include <vector>

namespace vx::platform {

QRegion ToQRegion(const Region& region) {
    // QRegion::setRects wants y-x banded rectangles; sorted runs of a mask
    // image are, and one call is far quicker than a union per run.
    std::vector<QRect> rects;
    rects.reserve(region.rects.size());
    for (const Rect& r : region.rects) {
        if (!r.IsEmpty()) rects.emplace_back(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    const bool banded =
        std::all_of(region.rects.begin(), region.rects.end(), [](const Rect& r) { return r.bottom - r.top <= 1; });
    if (!banded) {
        QRegion united;
        for (const QRect& r : rects) united += r;
        return united;
    }
    std::sort(rects.begin(), rects.end(), [](const QRect& a, const QRect& b) {
        return a.top() != b.top() ? a.top() < b.top() : a.left() < b.left();
    });
    QRegion result;
    result.setRects(rects.data(), static_cast<int>(rects.size()));
    return result;
}

namespace {

PointerEvent PointerEventOf(PointerAction action, const QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    PointerButton button = PointerButton::None;
    if (action != PointerAction::Move) {
        if (event->button() == Qt::LeftButton) button = PointerButton::Left;
        if (event->button() == Qt::RightButton) button = PointerButton::Right;
        if (event->button() == Qt::MiddleButton) button = PointerButton::Middle;
    }
    return PointerEvent{action, button, Point{p.x(), p.y()}};
}

class PopupSurface final : public QWidget {
public:
    PopupSurface(PopupEvents& events, QWidget* owner, const QtFonts& fonts, bool modal)
        : QWidget(owner, modal ? Qt::Dialog | Qt::FramelessWindowHint : Qt::Tool | Qt::FramelessWindowHint),
          events_(events),
          fonts_(fonts) {
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
        if (modal) setWindowModality(Qt::ApplicationModal);
    }

    PopupEvents& events_;
    const QtFonts& fonts_;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        std::unique_ptr<Drawing> drawing = CreateQtDrawing(painter, size(), fonts_);
        events_.OnPaint(*drawing);
    }
    void mouseMoveEvent(QMouseEvent* event) override { events_.OnPointer(PointerEventOf(PointerAction::Move, event)); }
    void mousePressEvent(QMouseEvent* event) override {
        events_.OnPointer(PointerEventOf(PointerAction::Press, event));
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        events_.OnPointer(PointerEventOf(PointerAction::DoublePress, event));
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        events_.OnPointer(PointerEventOf(PointerAction::Release, event));
    }
    void keyPressEvent(QKeyEvent* event) override {
        // Escape cancels; Enter does nothing in these windows.
        if (event->key() == Qt::Key_Escape) events_.OnCancelKey();
    }
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        events_.OnCloseRequest();
    }
};

class QtPopup final : public PopupWindow {
public:
    QtPopup(PopupEvents& events, QWidget* owner, const QtFonts& fonts, bool modal)
        : surface_(new PopupSurface(events, owner, fonts, modal)) {}
    ~QtPopup() override { delete surface_.data(); }
    QtPopup(const QtPopup&) = delete;
    QtPopup& operator=(const QtPopup&) = delete;

    void Place(const Rect& r) override {
        if (!surface_) return;
        surface_->setGeometry(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    void SetTitle(const std::string& title) override {
        if (surface_) surface_->setWindowTitle(QString::fromStdString(title));
    }
    void SetShape(const Region& region) override {
        if (!surface_) return;
        // A window shaped to nothing cannot be seen or clicked; without a
        // mask a widget would show whole, so it is hidden instead.
        shapeEmpty_ = region.rects.empty();
        if (shapeEmpty_) {
            surface_->hide();
            return;
        }
        surface_->setMask(ToQRegion(region));
        if (wantShown_) Show();
    }
    void Show() override {
        wantShown_ = true;
        if (!surface_ || shapeEmpty_) return;
        surface_->show();
        surface_->raise();
        // A shown dialog takes the keyboard, so Escape reaches it.
        surface_->activateWindow();
    }
    void Hide() override {
        wantShown_ = false;
        if (surface_) surface_->hide();
    }
    void Invalidate() override {
        if (surface_) surface_->update();
    }
    Rect ScreenRect() override {
        if (!surface_) return {};
        const QRect r = surface_->frameGeometry();
        return Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    }
    void EndModal(int result) override {
        result_ = result;
        ended_ = true;
        loop_.exit(result);
    }

    QWidget* Widget() const { return surface_.data(); }
    int RunModal() {
        surface_->events_.OnInit(*this);
        if (ended_) return result_;
        surface_->show();
        surface_->raise();
        surface_->activateWindow();
        loop_.exec();
        surface_->hide();
        return result_;
    }

private:
    QPointer<PopupSurface> surface_;
    QEventLoop loop_;
    int result_ = 0;
    bool ended_ = false;
    bool shapeEmpty_ = false;
    bool wantShown_ = false;
};

}  // namespace

std::unique_ptr<PopupWindow> CreateQtPopup(PopupEvents& events, QWidget* owner, const QtFonts& fonts) {
    auto popup = std::make_unique<QtPopup>(events, owner, fonts, false);
    events.OnInit(*popup);
    return popup;
}

int RunQtModalPopup(PopupEvents& events, QWidget* owner, const QtFonts& fonts) {
    QtPopup popup(events, owner, fonts, true);
    return popup.RunModal();
}

void CancelModalPopups() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* popup = dynamic_cast<PopupSurface*>(window);
        if (popup != nullptr && popup->isModal()) {
            QMetaObject::invokeMethod(
                popup, [popup] { popup->events_.OnCancelKey(); }, Qt::QueuedConnection);
        }
    }
}

QWidget* WidgetOfPopup(PopupWindow& popup) {
    auto* own = dynamic_cast<QtPopup*>(&popup);
    return own != nullptr ? own->Widget() : nullptr;
}

}  // namespace vx::platform
