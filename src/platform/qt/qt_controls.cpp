#include "platform/qt/qt_controls.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include "platform/qt/qt_drawing.h"

namespace vx::platform {

int QtListBox::LineCount() { return list ? list->count() : 0; }

std::string QtListBox::LineText(int line) {
    if (!list || line < 0 || line >= list->count()) return {};
    return list->item(line)->text().toStdString();
}

void QtListBox::AddLine(const std::string& text) {
    if (!list) return;
    quiet = true;
    list->addItem(QString::fromStdString(text));
    quiet = false;
}

void QtListBox::DeleteLine(int line) {
    if (!list || line < 0 || line >= list->count()) return;
    quiet = true;
    delete list->takeItem(line);
    quiet = false;
}

int QtListBox::SelectedLine() {
    if (!list) return -1;
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}

void QtListBox::SelectLine(int line) {
    if (!list) return;
    quiet = true;
    if (line < 0 || line >= list->count()) {
        list->clearSelection();
        list->setCurrentRow(-1);
    } else {
        list->setCurrentRow(line);
        list->scrollToItem(list->item(line));
    }
    quiet = false;
}

void QtListBox::SetRedraw(bool on) {
    if (list) list->setUpdatesEnabled(on);
}

void QtListBox::Focus() {
    if (list) list->setFocus();
}

int QtListBox::TopLine() {
    if (!list) return 0;
    const QModelIndex top = list->indexAt(QPoint(1, 1));
    return top.isValid() ? top.row() : 0;
}

int QtListBox::LineHeight() {
    if (!list) return 0;
    const int height = list->sizeHintForRow(0);
    return height > 0 ? height : list->fontMetrics().height();
}

Rect QtListBox::ScreenClientRect() {
    if (!list) return {};
    QWidget* client = list->viewport();
    const QPoint topLeft = client->mapToGlobal(QPoint(0, 0));
    return Rect{topLeft.x(), topLeft.y(), topLeft.x() + client->width(), topLeft.y() + client->height()};
}

void QtListBox::SendCharacter(int code) {
    if (list && onCharacter) onCharacter(code);
}

std::string QtEdit::Text() { return edit ? edit->text().toStdString() : std::string(); }

void QtEdit::SetText(const std::string& text) {
    if (edit) edit->setText(QString::fromStdString(text));
}

void QtEdit::Enable(bool enabled) {
    if (edit) edit->setEnabled(enabled);
}

void QtEdit::Focus() {
    if (edit) edit->setFocus();
}

namespace {

// A focus loss of the in-place edit field commits it.
class EditorFocus final : public QObject {
public:
    EditorFocus(std::function<void()> lost, QObject* parent) : QObject(parent), lost_(std::move(lost)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) lost_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> lost_;
};

// A list box leaves its selection alone on a right-button press; the
// release still travels on (the event list's menu opens on it).
class RightPressKeepsSelection final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) &&
            static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

// Ctrl+A typed into the event list arrives as the character 1, as on
// Windows; a scroll of the list ends an open edit.
class ListKeys final : public QObject {
public:
    ListKeys(QtListBox& box, std::function<void()> scrolled, QObject* parent)
        : QObject(parent), box_(box), scrolled_(std::move(scrolled)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const QString text = static_cast<QKeyEvent*>(event)->text();
            if (text.size() == 1 && box_.onCharacter) box_.onCharacter(text.at(0).unicode());
        } else if (event->type() == QEvent::Resize || event->type() == QEvent::Wheel) {
            scrolled_();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QtListBox& box_;
    std::function<void()> scrolled_;
};

}  // namespace

class QtEditorControls::EventListSurface final : public ListEditSurface {
public:
    EventListSurface(QtListBox& list, std::function<void()> focusLost, std::function<void()> ended)
        : list_(list), focusLost_(std::move(focusLost)), ended_(std::move(ended)) {}

    int SelectedLine() override { return list_.SelectedLine(); }
    Rect LineRect(int line) override {
        if (!list_.list || line < 0 || line >= list_.list->count()) return {};
        const QRect r = list_.list->visualItemRect(list_.list->item(line));
        return Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    }
    std::string LineText(int line) override { return list_.LineText(line); }
    void ReplaceLine(int line, const std::string& text) override {
        if (!list_.list || line < 0 || line >= list_.list->count()) return;
        list_.list->item(line)->setText(QString::fromStdString(text));
        list_.SelectLine(line);
    }
    void OpenEditor(const Rect& rect, const std::string& text) override {
        if (!list_.list) return;
        editor_ = new QLineEdit(list_.list->viewport());
        editor_->setGeometry(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
        editor_->setFont(list_.list->font());
        editor_->setText(QString::fromStdString(text));
        editor_->selectAll();
        editor_->installEventFilter(new EditorFocus(focusLost_, editor_));
        editor_->show();
        editor_->setFocus();
    }
    bool EditorOpen() override { return !editor_.isNull(); }
    bool IsEditor(const QWidget* widget) const { return widget != nullptr && widget == editor_.data(); }
    std::string EditorText() override { return editor_ ? editor_->text().toStdString() : std::string(); }
    void CloseEditor() override {
        QLineEdit* editor = editor_.data();
        editor_.clear();
        // The editor's own key or focus event may be running: it goes once
        // that is over.
        if (editor != nullptr) {
            editor->hide();
            editor->deleteLater();
        }
    }
    void NotifyEditEnded() override { ended_(); }

private:
    QtListBox& list_;
    std::function<void()> focusLost_;
    std::function<void()> ended_;
    QPointer<QLineEdit> editor_;
};

QtEditorControls::QtEditorControls(std::function<QWidget*()> parent, std::function<WindowEvents*()> events)
    : parent_(std::move(parent)), events_(std::move(events)) {
    surface_ = std::make_unique<EventListSurface>(
        eventList_, [this] { editing_->OnEditorFocusLost(); },
        [this] {
            if (WindowEvents* listener = events_()) listener->OnEventListEditEnded();
        });
    editing_ = std::make_unique<EditableListBox>(*surface_);
    eventList_.onCharacter = [this](int code) { editing_->OnCharacter(static_cast<unsigned>(code)); };
}

QtEditorControls::~QtEditorControls() = default;

namespace {

QLineEdit* MakeEdit(QWidget* parent, const Rect& r) {
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(r.left, r.top, r.right - r.left, r.bottom - r.top);
    edit->setAlignment(Qt::AlignCenter);
    edit->setFrame(false);
    edit->show();
    return edit;
}

QListWidget* MakeList(QWidget* parent, const Rect& r) {
    auto* list = new QListWidget(parent);
    list->setGeometry(r.left, r.top, r.right - r.left, r.bottom - r.top);
    list->setFrameShape(QFrame::NoFrame);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setUniformItemSizes(true);
    list->show();
    return list;
}

}  // namespace

void QtEditorControls::Create(const MacroEditorRects& rects) {
    QWidget* parent = parent_();
    if (parent == nullptr || Exist()) return;
    repeatCount_.edit = MakeEdit(parent, rects.repeatCount);
    name_.edit = MakeEdit(parent, rects.name);
    macroList_.list = MakeList(parent, rects.macroList);
    eventList_.list = MakeList(parent, rects.eventList);
    // Only the user's own choice in the macro list is news to the logic.
    QObject::connect(macroList_.list, &QListWidget::currentRowChanged, macroList_.list, [this](int) {
        if (macroList_.quiet) return;
        if (WindowEvents* listener = events_()) listener->OnControlNotification(kMacroListId, kListSelectionChanged);
    });
    for (QListWidget* list : {macroList_.list.data(), eventList_.list.data()}) {
        list->viewport()->installEventFilter(new RightPressKeepsSelection(list));
    }
    auto* keys = new ListKeys(
        eventList_, [this] { editing_->OnResizedOrScrolled(); }, eventList_.list);
    eventList_.list->installEventFilter(keys);
    QObject::connect(eventList_.list->verticalScrollBar(), &QScrollBar::valueChanged, eventList_.list,
                     [this](int) { editing_->OnResizedOrScrolled(); });
}

void QtEditorControls::ObserveKey(QWidget* target, const KeyEvent& event) {
    if (surface_->IsEditor(target)) editing_->OnEditorKey(event);
}

void QtEditorControls::Destroy() {
    applied_.reset();
    // An edit still open is closed with its list, as the Windows child is.
    for (QWidget* widget :
         std::initializer_list<QWidget*>{repeatCount_.edit, name_.edit, macroList_.list, eventList_.list}) {
        delete widget;
    }
}

void QtEditorControls::ApplyColors(const ControlColors& colors, const QtFonts& fonts) {
    if (applied_ && applied_->font == colors.font && applied_->text == colors.text &&
        applied_->background == colors.background) {
        return;
    }
    applied_ = colors;
    const QFont* font = fonts.Find(colors.font);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{repeatCount_.edit, name_.edit, macroList_.list, eventList_.list}) {
        if (widget == nullptr) continue;
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Base, ToQColor(colors.background));
        palette.setColor(QPalette::Window, ToQColor(colors.background));
        palette.setColor(QPalette::Text, ToQColor(colors.text));
        palette.setColor(QPalette::WindowText, ToQColor(colors.text));
        widget->setPalette(palette);
        if (font != nullptr) widget->setFont(*font);
    }
}

}  // namespace vx::platform
