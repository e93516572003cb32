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
#include "platform/qt/linux_desktop.h"
#include "platform/qt/qt_menu.h"
#include "platform/qt/qt_popup.h"

namespace vx::platform {
namespace {

constexpr int kTrayIconId = 153;
constexpr int kAboutStringId = 101;
constexpr int kSysCommandMinimize = 0xF020;
constexpr int kSysCommandClose = 0xF060;
constexpr int kSysCommandRestore = 0xF120;
constexpr char kApplicationName[] = "ZUV_GMouse";
constexpr char kTrayTip[] = "VX230 Gaming Mouse Driver";

Point PointOf(const QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    return Point{p.x(), p.y()};
}

struct KeyPair {
    int qtKey;
    std::uint32_t virtualKey;
};

// Keys whose Windows code is not their character.
constexpr KeyPair kKeyTable[] = {
    {Qt::Key_Backspace, 0x08},
    {Qt::Key_Tab, 0x09},
    {Qt::Key_Backtab, 0x09},
    {Qt::Key_Return, 0x0D},
    {Qt::Key_Enter, 0x0D},
    {Qt::Key_Shift, 0x10},
    {Qt::Key_Control, 0x11},
    {Qt::Key_Alt, 0x12},
    {Qt::Key_AltGr, 0x12},
    {Qt::Key_Pause, 0x13},
    {Qt::Key_CapsLock, 0x14},
    {Qt::Key_Escape, 0x1B},
    {Qt::Key_Space, 0x20},
    {Qt::Key_PageUp, 0x21},
    {Qt::Key_PageDown, 0x22},
    {Qt::Key_End, 0x23},
    {Qt::Key_Home, 0x24},
    {Qt::Key_Left, 0x25},
    {Qt::Key_Up, 0x26},
    {Qt::Key_Right, 0x27},
    {Qt::Key_Down, 0x28},
    {Qt::Key_Print, 0x2C},
    {Qt::Key_Insert, 0x2D},
    {Qt::Key_Delete, 0x2E},
    {Qt::Key_Meta, 0x5B},
    {Qt::Key_Super_L, 0x5B},
    {Qt::Key_Super_R, 0x5C},
    {Qt::Key_Menu, 0x5D},
    {Qt::Key_NumLock, 0x90},
    {Qt::Key_ScrollLock, 0x91},
    {Qt::Key_Semicolon, 0xBA},
    {Qt::Key_Colon, 0xBA},
    {Qt::Key_Equal, 0xBB},
    {Qt::Key_Plus, 0xBB},
    {Qt::Key_Comma, 0xBC},
    {Qt::Key_Less, 0xBC},
    {Qt::Key_Minus, 0xBD},
    {Qt::Key_Underscore, 0xBD},
    {Qt::Key_Period, 0xBE},
    {Qt::Key_Greater, 0xBE},
    {Qt::Key_Slash, 0xBF},
    {Qt::Key_Question, 0xBF},
    {Qt::Key_QuoteLeft, 0xC0},
    {Qt::Key_AsciiTilde, 0xC0},
    {Qt::Key_BracketLeft, 0xDB},
    {Qt::Key_BraceLeft, 0xDB},
    {Qt::Key_Backslash, 0xDC},
    {Qt::Key_Bar, 0xDC},
    {Qt::Key_BracketRight, 0xDD},
    {Qt::Key_BraceRight, 0xDD},
    {Qt::Key_Apostrophe, 0xDE},
    {Qt::Key_QuoteDbl, 0xDE},
    // Shifted digits keep the digit's key.
    {Qt::Key_Exclam, '1'},
    {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},
    {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'},
};

// The low-level hook that records on Windows tells left from right
// modifiers; so does the X key symbol.
std::uint32_t SidedModifier(std::uint32_t virtualKey, quint32 keySymbol) {
    constexpr quint32 kShiftRight = 0xFFE2, kControlRight = 0xFFE4, kAltRight = 0xFFEA, kAltGr = 0xFE03;
    switch (virtualKey) {
        case 0x10: return keySymbol == kShiftRight ? 0xA1 : 0xA0;
        case 0x11: return keySymbol == kControlRight ? 0xA3 : 0xA2;
        case 0x12: return keySymbol == kAltRight || keySymbol == kAltGr ? 0xA5 : 0xA4;
        default: return virtualKey;
    }
}

}  // namespace

std::uint32_t VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::KeypadModifier) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return static_cast<std::uint32_t>(0x60 + qtKey - Qt::Key_0);
        if (qtKey == Qt::Key_Asterisk) return 0x6A;
        if (qtKey == Qt::Key_Plus) return 0x6B;
        if (qtKey == Qt::Key_Minus) return 0x6D;
        if (qtKey == Qt::Key_Period) return 0x6E;
        if (qtKey == Qt::Key_Slash) return 0x6F;
    }
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
        return static_cast<std::uint32_t>(qtKey);
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return static_cast<std::uint32_t>(0x70 + qtKey - Qt::Key_F1);
    for (const KeyPair& pair : kKeyTable) {
        if (pair.qtKey == qtKey) return pair.virtualKey;
    }
    return 0;
}

class QtMainWindow::Surface final : public QWidget {
public:
    explicit Surface(QtMainWindow& owner) : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), owner_(owner) {
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::StrongFocus);
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
        if (WindowEvents* events = Events()) events->OnMouseMove(PointOf(event));
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return;
        if (WindowEvents* events = Events()) events->OnLeftButtonDown(PointOf(event));
    }
    // The window class has no double clicks: the second press is a press.
    void mouseDoubleClickEvent(QMouseEvent* event) override { mousePressEvent(event); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) return;
        // A drag's release ends the drag and nothing else.
        if (owner_.dragging_) {
            owner_.dragging_ = false;
            return;
        }
        if (WindowEvents* events = Events()) events->OnLeftButtonUp(PointOf(event));
    }
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        if (WindowEvents* events = Events()) events->OnCloseRequest();
    }

private:
    WindowEvents* Events() const { return owner_.Exists() ? owner_.events_ : nullptr; }

    QtMainWindow& owner_;
};

// The message filter of the Windows dialog: every key and right-button
// release meant for the main window or its controls reaches the logic
// first (OnPreTranslateMessage), and is dropped when the logic takes it.
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
            return owner_.events_->OnPreTranslateMessage(messages::kRightButtonUp, 0);
        }
        // The first receiver only: a key not taken travels up the parents.
        QWidget* first = QWidget::keyboardGrabber();
        if (first == nullptr) first = QApplication::focusWidget();
        if (first == nullptr) first = owner_.surface_.data();
        if (widget != first) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        std::uint32_t virtualKey = VirtualKeyOf(key->key(), key->modifiers());
        if (virtualKey == 0) return owner_.recording_;
        if (owner_.recording_) virtualKey = SidedModifier(virtualKey, key->nativeVirtualKey());
        // Alt and F10 make system keys on Windows.
        const bool system = (key->modifiers() & Qt::AltModifier) || key->key() == Qt::Key_F10;
        const std::uint32_t message = type == QEvent::KeyPress ? (system ? messages::kSysKeyDown : messages::kKeyDown)
                                                               : (system ? messages::kSysKeyUp : messages::kKeyUp);
        const bool consumed = owner_.events_->OnPreTranslateMessage(message, virtualKey);
        // While recording, keystrokes are kept from the controls.
        if (consumed || owner_.recording_) return true;
        // Alt+Space opens the system menu, which carries the about entry.
        if (type == QEvent::KeyPress && system && key->key() == Qt::Key_Space) {
            owner_.Post([this] { owner_.ShowSystemMenu(); });
            return true;
        }
        return false;
    }

private:
    QtMainWindow& owner_;
    std::uint64_t lastRightRelease_ = 0;
};

QtMainWindow::QtMainWindow(StartVisibility startVisibility, QIcon icon)
    : startVisibility_(startVisibility),
      icon_(std::move(icon)),
      keyFilter_(std::make_unique<KeyFilter>(*this)),
      controls_([this]() -> QWidget* { return surface_.data(); },
                [this]() -> WindowEvents* { return Exists() ? events_ : nullptr; }) {}

QtMainWindow::~QtMainWindow() {
    RemoveRecordingHook();
    delete surface_.data();
}

void QtMainWindow::Paint(QPainter& painter) {
    if (!Exists()) return;
    // The controls take the logic's colours, as WM_CTLCOLOR* asks each paint.
    if (controls_.Exist()) controls_.ApplyColors(events_->OnControlColor(), fonts_);
    paintDrawing_ = CreateQtDrawing(painter, surface_->size(), fonts_);
    events_->OnPaint();
    paintDrawing_.reset();
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
        for (QAbstractButton* button : box.buttons()) buttons += button->text().remove(QLatin1Char('&')) + QStringLiteral("   ");
        QApplication::clipboard()->setText(rule + box.windowTitle() + QLatin1Char('\n') + rule + box.text() +
                                           QLatin1Char('\n') + rule + buttons + QLatin1Char('\n') + rule);
    });
    box.exec();
}

std::string QtMainWindow::LoadResourceString(int id) {
    return id == kAboutStringId ? std::string("&About ZUV_GMouse...") : std::string();
}

void QtMainWindow::AppendSystemMenuItem(const std::string& text, int commandId) {
    systemMenuItems_.emplace_back(text, commandId);
}

void QtMainWindow::ShowSystemMenu() {
    if (!Exists()) return;
    QMenu menu(surface_.data());
    QAction* minimize = menu.addAction(QStringLiteral("Mi&nimize"));
    minimize->setData(kSysCommandMinimize);
    QAction* close = menu.addAction(QStringLiteral("&Close"));
    close->setData(kSysCommandClose);
    for (const auto& [text, commandId] : systemMenuItems_) {
        menu.addSeparator();
        menu.addAction(QString::fromStdString(text))->setData(commandId);
    }
    QAction* chosen = menu.exec(surface_->mapToGlobal(QPoint(0, 0)));
    if (chosen != nullptr) RunSystemCommand(chosen->data().toInt());
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
    if (!alive_) return;
    // One pending request is enough: the repaint draws the latest state.
    if (repaintPosted_.exchange(true)) return;
    QMetaObject::invokeMethod(
        &dispatcher_,
        [this] {
            repaintPosted_ = false;
            if (Exists()) events_->OnRepaintRequest();
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

void QtMainWindow::PostSystemCommand(int command, Point /*point*/) {
    Post([this, command] { RunSystemCommand(command); });
}

void QtMainWindow::RunSystemCommand(int command) {
    if (!Exists() || events_->OnSystemCommand(command)) return;
    switch (command) {
        case kSysCommandMinimize: surface_->showMinimized(); break;
        case kSysCommandRestore: Show(ShowCommand::Restore); break;
        case kSysCommandClose: events_->OnCloseRequest(); break;
        default: break;
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
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
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
    if (!alive_) return;
    QMetaObject::invokeMethod(&dispatcher_, std::move(task), Qt::QueuedConnection);
}

void QtMainWindow::ShowAboutBox() {
    QDialog box(Exists() ? surface_.data() : nullptr);
    box.setWindowTitle(QStringLiteral("About ZUV_GMouse"));
    auto* icon = new QLabel;
    icon->setPixmap(icon_.pixmap(32, 32));
    auto* text = new QLabel(QStringLiteral("ZUV_GMouse Version 1.0"));
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
    std::optional<MenuNode> node = MenuResource(resourceId);
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

void QtMainWindow::AddTrayIcon() {
    if (!tray_) {
        tray_ = std::make_unique<QSystemTrayIcon>(icon_);
        tray_->setToolTip(QString::fromLatin1(kTrayTip));
        QObject::connect(tray_.get(), &QSystemTrayIcon::activated, &dispatcher_,
                         [this](QSystemTrayIcon::ActivationReason reason) {
                             if (!Exists()) return;
                             MouseButtonEvent event = MouseButtonEvent::Other;
                             if (reason == QSystemTrayIcon::DoubleClick) event = MouseButtonEvent::LeftDoubleClick;
                             if (reason == QSystemTrayIcon::Context) event = MouseButtonEvent::RightUp;
                             // A single click shows the window too: many Linux trays
                             // send no double click.
                             if (reason == QSystemTrayIcon::Trigger) event = MouseButtonEvent::LeftDoubleClick;
                             events_->OnTrayCallback(kTrayIconId, event);
                         });
    }
    tray_->show();
}

void QtMainWindow::RemoveTrayIcon() {
    if (tray_) tray_->hide();
}

void QtMainWindow::Destroy() {
    if (!surface_ || destroyed_) return;
    destroyed_ = true;
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
    if (!alive_) return;
    QMetaObject::invokeMethod(
        &dispatcher_,
        [this, path = std::move(path)] {
            if (Exists()) events_->OnDeviceRemoved(DeviceNotification{true, path});
        },
        Qt::QueuedConnection);
}

void QtMainWindow::RestoreFromOtherInstance(const std::string& title) {
    if (!Exists() || title != title_) return;
    Show(ShowCommand::Show);
    Show(ShowCommand::Restore);
}

}  // namespace vx::platform
