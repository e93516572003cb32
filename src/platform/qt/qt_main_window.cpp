#include "platform/qt/qt_main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCursor>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWindow>

#include "platform/portable/menu_resources.h"
#include "platform/portable/program_paths.h"
#include "platform/product.h"
#include "platform/qt/desktop_notice.h"
#include "platform/qt/linux_desktop.h"
#include "platform/qt/qt_keys.h"
#include "platform/qt/qt_menu.h"
#include "platform/qt/qt_popup.h"
#include "platform/qt/x11_key_repeat.h"

namespace vx::platform {
namespace {

constexpr int kTrayIconId = 153;
constexpr int kAboutStringId = 101;
constexpr const char* kApplicationName = product::kProgramName;
constexpr const char* kTrayTip = product::kProductName;

PointerButton ButtonOf(const QMouseEvent* event) {
    switch (event->button()) {
        case Qt::LeftButton: return PointerButton::Left;
        case Qt::RightButton: return PointerButton::Right;
        case Qt::MiddleButton: return PointerButton::Middle;
        default: return PointerButton::None;
    }
}

}  // namespace

class QtMainWindow::Surface final : public QWidget {
public:
    explicit Surface(QtMainWindow& owner) : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), owner_(owner) {
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
        // A click on the skin takes the focus from no control, as on a
        // dialog: an in-place edit stays open.
        setFocusPolicy(Qt::TabFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        owner_.Paint(painter);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (owner_.dragging_) {
            move(event->globalPosition().toPoint() - owner_.dragOffset_);
            return;
        }
        Deliver(PointerAction::Move, event);
    }
    void mousePressEvent(QMouseEvent* event) override { Deliver(PointerAction::Press, event); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { Deliver(PointerAction::DoublePress, event); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        // A drag's release ends the drag and nothing else.
        if (owner_.dragging_ && event->button() == Qt::LeftButton) {
            owner_.dragging_ = false;
            return;
        }
        Deliver(PointerAction::Release, event);
    }
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        if (owner_.Exists()) owner_.events_->OnCloseRequest();
    }

private:
    void Deliver(PointerAction action, const QMouseEvent* event) {
        if (!owner_.Exists()) return;
        const QPoint p = event->position().toPoint();
        owner_.events_->OnPointer(PointerEvent{
            action, action == PointerAction::Move ? PointerButton::None : ButtonOf(event), Point{p.x(), p.y()}});
    }

    QtMainWindow& owner_;
};

// Every key and right-button release meant for the main window or its
// controls reaches the logic first, and is dropped when the logic takes it.
class QtMainWindow::KeyFilter final : public QObject {
public:
    explicit KeyFilter(QtMainWindow& owner) : owner_(owner) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::MouseButtonRelease) {
            return QObject::eventFilter(watched, event);
        }
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr || !owner_.Exists() || widget->window() != owner_.surface_.data()) return false;
        if (type == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            // The release travels up the parents; the logic hears it once.
            if (mouse->button() != Qt::RightButton || mouse->timestamp() == lastRightRelease_) return false;
            lastRightRelease_ = mouse->timestamp();
            return owner_.events_->OnFilterRightButtonUp();
        }
        // The first receiver only: a key not taken travels up the parents.
        QWidget* first = QWidget::keyboardGrabber();
        if (first == nullptr) first = QApplication::focusWidget();
        if (first == nullptr) first = owner_.surface_.data();
        if (widget != first) return false;
        return FilterKey(widget, *static_cast<QKeyEvent*>(event));
    }

private:
    bool FilterKey(QWidget* target, const QKeyEvent& key) {
        const bool press = key.type() == QEvent::KeyPress;
        std::optional<KeyEvent> event = KeyEventOf(key, owner_.recording_);
        if (!event) return owner_.recording_;
        owner_.controls_.ObserveKey(target, *event);
        if (owner_.events_->OnFilterKey(*event)) return true;
        // While recording, keystrokes are kept from the controls.
        if (owner_.recording_) return true;
        // Alt+Space opens the window menu, which carries the about entry.
        if (press && event->menuKey && key.key() == Qt::Key_Space) {
            owner_.Post([this] { owner_.ShowSystemMenu(); });
            return true;
        }
        return false;
    }

    QtMainWindow& owner_;
    std::uint64_t lastRightRelease_ = 0;
};

QtMainWindow::QtMainWindow(StartVisibility startVisibility, QIcon icon)
    : startVisibility_(startVisibility),
      icon_(std::move(icon)),
      keyFilter_(std::make_unique<KeyFilter>(*this)),
      trayTip_(QString::fromLatin1(kTrayTip)),
      controls_([this]() -> QWidget* { return surface_.data(); },
                [this]() -> WindowEvents* { return Exists() ? events_ : nullptr; }) {}

QtMainWindow::~QtMainWindow() {
    RemoveRecordingHook();
    delete surface_.data();
}

void QtMainWindow::Paint(QPainter& painter) {
    if (!Exists()) return;
    // The controls take the logic's colours, asked for at each paint.
    if (controls_.Exist()) controls_.ApplyColors(events_->OnControlColor(), fonts_);
    paintDrawing_ = CreateQtDrawing(painter, surface_->size(), fonts_);
    events_->OnPaint();
    paintDrawing_.reset();
    if (startupTrace_ != nullptr) {
        startupTrace_->Finish("first paint of the shown window");
        startupTrace_ = nullptr;
    }
}

void QtMainWindow::MessageBox(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption.empty() ? kApplicationName : caption),
                    QString::fromStdString(text), QMessageBox::Ok, Exists() ? surface_.data() : nullptr);
    // Ctrl+C copies the box as a Windows message box does (caption, text,
    // buttons between dashed lines), so its text can be pasted into a report.
    QShortcut copy(QKeySequence::Copy, &box);
    QObject::connect(&copy, &QShortcut::activated, &box, [&box] {
        const QString rule = QStringLiteral("---------------------------\n");
        QString buttons;
        for (QAbstractButton* button : box.buttons())
            buttons += button->text().remove(QLatin1Char('&')) + QStringLiteral("   ");
        QApplication::clipboard()->setText(rule + box.windowTitle() + QLatin1Char('\n') + rule + box.text() +
                                           QLatin1Char('\n') + rule + buttons + QLatin1Char('\n') + rule);
    });
    box.exec();
}

std::string QtMainWindow::LoadResourceString(int id) {
    return id == kAboutStringId ? std::string(product::kAboutMenuItem) : std::string();
}

void QtMainWindow::AppendSystemMenuItem(const std::string& text, SystemCommand command) {
    systemMenuItems_.emplace_back(text, command);
}

void QtMainWindow::ShowSystemMenu() {
    if (!Exists()) return;
    QMenu menu(surface_.data());
    menu.addAction(QStringLiteral("Mi&nimize"))->setData(static_cast<int>(SystemCommand::Minimize));
    menu.addAction(QStringLiteral("&Close"))->setData(static_cast<int>(SystemCommand::Close));
    for (const auto& [text, command] : systemMenuItems_) {
        menu.addSeparator();
        menu.addAction(QString::fromStdString(text))->setData(static_cast<int>(command));
    }
    QAction* chosen = menu.exec(surface_->mapToGlobal(QPoint(0, 0)));
    if (chosen != nullptr) RunSystemCommand(static_cast<SystemCommand>(chosen->data().toInt()));
}

void QtMainWindow::SetLargeIcon(int /*iconResourceId*/) {
    if (surface_) surface_->setWindowIcon(icon_);
}

void QtMainWindow::SetTitle(const std::string& title) {
    title_ = title;
    if (surface_) surface_->setWindowTitle(QString::fromStdString(title));
}

void QtMainWindow::SetShape(const Region& region, int width, int height) {
    if (!surface_ || width <= 0 || height <= 0) return;
    surface_->setFixedSize(width, height);
    surface_->setMask(ToQRegion(region));
}

void QtMainWindow::Invalidate() {
    if (surface_) surface_->update();
}

void QtMainWindow::InvalidateRegion(const Region& region) {
    if (surface_) surface_->update(ToQRegion(region));
}

void QtMainWindow::UpdateNow() {
    if (surface_ && surface_->isVisible()) surface_->repaint();
}

void QtMainWindow::PostRepaint() {
    if (!alive_ || !work_.RequestRepaint()) return;
    QMetaObject::invokeMethod(
        &dispatcher_,
        [this] {
            if (work_.TakeRepaint() && Exists()) events_->OnRepaintRequest();
        },
        Qt::QueuedConnection);
}

void QtMainWindow::Show(ShowCommand command) {
    if (!surface_) return;
    switch (command) {
        case ShowCommand::Show: surface_->show(); break;
        case ShowCommand::Hide: surface_->hide(); break;
        case ShowCommand::Minimize: surface_->showMinimized(); break;
        case ShowCommand::Restore:
            surface_->showNormal();
            surface_->raise();
            surface_->activateWindow();
            break;
    }
}

void QtMainWindow::BeginDrag(Point /*clientPoint*/) {
    if (!surface_) return;
    // The desktop moves the window where it can; without a window manager
    // (a bare X server) the window follows the pointer itself.
    if (QWindow* window = surface_->windowHandle(); window != nullptr && window->startSystemMove()) return;
    dragging_ = true;
    dragOffset_ = QCursor::pos() - surface_->pos();
}

void QtMainWindow::PostSystemCommand(SystemCommand command, Point /*point*/) {
    Post([this, command] { RunSystemCommand(command); });
}

void QtMainWindow::RunSystemCommand(SystemCommand command) {
    if (!Exists() || events_->OnSystemCommand(command)) return;
    // What the system does with the commands the logic leaves to it.
    switch (command) {
        case SystemCommand::Minimize: surface_->showMinimized(); break;
        case SystemCommand::Restore: Show(ShowCommand::Restore); break;
        case SystemCommand::Close: events_->OnCloseRequest(); break;
        case SystemCommand::About: break;
    }
}

std::optional<std::string> QtMainWindow::ChooseFile(const FileDialogSpec& request) {
    QFileDialog dialog(Exists() ? surface_.data() : nullptr, QString(),
                       QString::fromStdString(ForwardSlashPath(request.initialDirectory)));
    // The same dialog everywhere, whatever the desktop offers.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const bool save = request.mode == FileDialogMode::Save;
    // The common dialogs' own captions.
    dialog.setWindowTitle(save ? QStringLiteral("Save As") : QStringLiteral("Open"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QStringList filters;
    for (const std::string& filter : NameFiltersFrom(request.filter)) filters << QString::fromStdString(filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (!request.defaultExtension.empty()) dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    if (save && !request.confirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // The program ended while the dialog was open: nothing is to be written.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty() || !Exists()) return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

Rect QtMainWindow::ScreenRect() {
    if (!surface_) return {};
    const QRect r = surface_->frameGeometry();
    return Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

std::unique_ptr<PopupWindow> QtMainWindow::CreatePopup(PopupTemplate /*kind*/, PopupEvents& events,
                                                       PopupWindow* owner) {
    QWidget* ownerWidget = owner != nullptr ? WidgetOfPopup(*owner) : nullptr;
    return CreateQtPopup(events, ownerWidget != nullptr ? ownerWidget : surface_.data(), fonts_);
}

int QtMainWindow::RunModalPopup(PopupTemplate /*kind*/, PopupEvents& events) {
    return RunQtModalPopup(events, surface_.data(), fonts_);
}

void QtMainWindow::Post(std::function<void()> task) {
    if (!alive_ || !work_.Post(std::move(task))) return;
    QMetaObject::invokeMethod(
        &dispatcher_, [this] { work_.RunTasks(); }, Qt::QueuedConnection);
}

void QtMainWindow::ShowAboutBox() {
    QDialog box(Exists() ? surface_.data() : nullptr);
    box.setWindowTitle(QString::fromUtf8(product::kAboutTitle));
    auto* icon = new QLabel;
    icon->setPixmap(icon_.pixmap(32, 32));
    auto* text = new QLabel(QString::fromUtf8(product::kAboutVersionLine));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addWidget(text, 1);
    auto* column = new QVBoxLayout(&box);
    column->addLayout(row);
    column->addWidget(buttons);
    box.exec();
}

std::unique_ptr<Menu> QtMainWindow::LoadMenu(int resourceId) {
    // The Linux program offers the start with the session in its tray menu.
    std::optional<MenuNode> node = MenuResourceWithSessionStart(resourceId);
    if (!node) return nullptr;
    return std::make_unique<TableMenu>(std::move(*node));
}

void QtMainWindow::ShowTrayMenu(Menu& menu) { ShowContextMenu(menu, CursorScreenPos()); }

void QtMainWindow::ShowContextMenu(Menu& menu, Point screenPoint) {
    if (!Exists()) return;
    const int command = RunQtMenu(menu, QPoint(screenPoint.x, screenPoint.y), *events_, surface_.data());
    // The chosen command arrives after the menu is gone, as a posted one.
    if (command != 0) {
        Post([this, command] {
            if (Exists()) events_->OnCommand(command);
        });
    }
}

Point QtMainWindow::CursorScreenPos() {
    const QPoint cursor = QCursor::pos();
    return Point{cursor.x(), cursor.y()};
}

bool QtMainWindow::InstallRecordingHook() {
    // Keys are recorded while the window has the keyboard: grabbing it
    // keeps them from the other programs of the X session meanwhile.
    recording_ = true;
    if (surface_) surface_->grabKeyboard();
    return true;
}

void QtMainWindow::RemoveRecordingHook() {
    if (!recording_) return;
    recording_ = false;
    if (surface_) surface_->releaseKeyboard();
}

bool QtMainWindow::RegisterHotkey(int id, const Hotkey& hotkey) {
    if (!hotkeys_) {
        hotkeys_ = std::make_unique<X11Hotkeys>([this](int pressed) {
            Post([this, pressed] {
                if (Exists()) events_->OnHotkey(pressed);
            });
        });
    }
    return hotkeys_->Grab(id, hotkey);
}

void QtMainWindow::ShowNotice(const std::string& text) { ShowDesktopNotice(kTrayTip, text, diagnostics_); }

void QtMainWindow::AddTrayIcon() {
    if (!tray_) {
        tray_ = std::make_unique<QSystemTrayIcon>(icon_);
        tray_->setToolTip(trayTip_);
        QObject::connect(tray_.get(), &QSystemTrayIcon::activated, &dispatcher_,
                         [this](QSystemTrayIcon::ActivationReason reason) {
                             if (!Exists()) return;
                             PointerEvent event;
                             // A single click shows the window too: many Linux trays
                             // send no double click.
                             if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger) {
                                 event = PointerEvent{PointerAction::DoublePress, PointerButton::Left, {}};
                             }
                             if (reason == QSystemTrayIcon::Context) {
                                 event = PointerEvent{PointerAction::Release, PointerButton::Right, {}};
                             }
                             events_->OnTrayCallback(kTrayIconId, event);
                         });
    }
    tray_->show();
}

void QtMainWindow::SetTrayTip(const std::string& tip) {
    trayTip_ = QString::fromStdString(tip);
    if (tray_) tray_->setToolTip(trayTip_);
}

void QtMainWindow::RemoveTrayIcon() {
    if (tray_) tray_->hide();
}

void QtMainWindow::Destroy() {
    if (!surface_ || destroyed_) return;
    destroyed_ = true;
    // The program is ending: a dialog of its own still open (a file dialog,
    // a message box, the about box, the warning) is cancelled at once, so
    // that its loop returns and the window's can end.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(window); dialog != nullptr && dialog->isVisible()) {
            QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
        }
    }
    CancelModalPopups();
    // Ends the run once the current event is handled, as EndDialog does.
    QMetaObject::invokeMethod(
        &loop_, [this] { loop_.quit(); }, Qt::QueuedConnection);
}

void QtMainWindow::RunModal(WindowEvents& events) {
    events_ = &events;
    destroyed_ = false;
    surface_ = new Surface(*this);
    surface_->setWindowIcon(icon_);
    alive_ = true;
    qApp->installEventFilter(keyFilter_.get());
    // Qt flags a repeat's release and press only when both have arrived;
    // presses alone are repeats the recording always recognises.
    AskForRepeatAsPressesOnly();
    events.OnInitDialog();
    if (!destroyed_ && startVisibility_ == StartVisibility::Shown) {
        surface_->show();
        surface_->activateWindow();
    }
    loop_.exec();
    qApp->removeEventFilter(keyFilter_.get());
    // Keys must never stay captured, whichever way the window ends.
    RemoveRecordingHook();
    controls_.Destroy();
    RemoveTrayIcon();
    alive_ = false;
    delete surface_.data();
    events_ = nullptr;
}

void QtMainWindow::PostDeviceRemoval(std::string path) {
    Post([this, path = std::move(path)] {
        if (Exists()) events_->OnDeviceRemoved(DeviceNotification{true, path});
    });
}

void QtMainWindow::PostDeviceArrival(std::string path) {
    Post([this, path = std::move(path)] {
        if (Exists()) events_->OnDeviceArrived(DeviceNotification{true, path});
    });
}

void QtMainWindow::PostPowerEvent(PowerEvent event) {
    if (!alive_) return;
    QMetaObject::invokeMethod(
        &dispatcher_,
        [this, event] {
            if (Exists()) events_->OnPowerEvent(event);
        },
        Qt::QueuedConnection);
}

void QtMainWindow::RestoreFromOtherInstance(const std::string& title) {
    if (!Exists() || title != title_) return;
    Show(ShowCommand::Show);
    Show(ShowCommand::Restore);
}

}  // namespace vx::platform
