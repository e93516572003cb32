#include "ui/function_menus.h"

#include <mutex>

#include "skin/skin_elements.h"
#include "ui/paint.h"
#include "ui/paint_parts.h"
#include "ui/window_shape.h"

namespace vx::ui {

namespace {

constexpr const char* kMenuNormal = "\\menu_normal.jpg";
constexpr const char* kMenuOver = "\\menu_over.jpg";
constexpr const char* kMenuDown = "\\menu_down.jpg";
constexpr const char* kMenuMask = "\\menu_mask.jpg";
constexpr const char* kSubMenuNormal = "\\advanced menu_normal.jpg";
constexpr const char* kSubMenuOver = "\\advanced menu_over.jpg";
constexpr const char* kSubMenuDown = "\\advanced menu_down.jpg";
constexpr const char* kSubMenuMask = "\\advanced menu_mask.jpg";
constexpr const char* kWarningNormal = "\\warning_normal.jpg";
constexpr const char* kWarningOver = "\\warning_over.jpg";
constexpr const char* kWarningMask = "\\warning_mask.jpg";
namespace warning = skin::elements::warning;
constexpr skin::elements::Range kFunctionFields = skin::elements::main::kFunctionFields;
constexpr int kNoButton = 255;

Region RectRegion(int width, int height) {
    Region region;
    if (width > 0 && height > 0) region.rects.push_back(Rect{0, 0, width, height});
    return region;
}

skin::LayoutEntry EntryOfRow(const MenuGeometry& geometry, int row) {
    const Rect r = geometry.Row(row);
    return skin::LayoutEntry{r.left, r.top, r.right - r.left, r.bottom - r.top, ""};
}

// One menu's paint: the normal picture, the hovered row from the over or
// down picture, the rows' captions, one transfer.
template <typename Caption>
void PaintRows(platform::Drawing& drawing, SkinImages& images, const char* normal, const char* over, const char* down,
               const MenuGeometry& geometry, int rows, std::int32_t hovered, bool pressed, platform::FontHandle font,
               Caption caption) {
    drawing.BeginCanvas(images.Get(normal), geometry.width, geometry.visibleHeight);
    if (hovered != NoRow) drawing.CopyRect(images.Get(pressed ? down : over), geometry.Row(hovered));
    drawing.SelectFont(font);
    for (int row = 1; row <= rows; ++row) {
        paint_parts::DrawCentred(drawing, EntryOfRow(geometry, row), caption(row),
                                 row == hovered ? kHotRed : kCaptionWhite);
    }
    drawing.Present(nullptr);
}

// The warning's two buttons are entries 0 and 1 of its layout; entry 2 is
// a text area.
class WarningEvents : public platform::PopupEvents {
public:
    explicit WarningEvents(const MenuContext& context) : context_(context) {}

    void OnInit(platform::PopupWindow& window) override {
        window_ = &window;
        const platform::Image& mask = context_.images.Get(kWarningMask);
        width_ = mask.width;
        height_ = mask.height;
        if (width_ > 0 && height_ > 0) window.SetShape(BuildWindowShape(mask, {}).window);
        const Point at = context_.ui.menuPosition;
        window.Place(Rect{at.x, at.y, at.x + width_, at.y + height_});
    }
    void OnMouseMove(Point p) override {
        const auto& layout = context_.layouts.warning;
        int hovered = kNoButton;
        if (layout[warning::kContinue].Contains(p)) {
            hovered = kWarningGoOn;
        } else if (layout[warning::kGiveUp].Contains(p)) {
            hovered = kWarningGiveUp;
        }
        if (hovered == hovered_) return;
        hovered_ = hovered;
        if (window_ != nullptr) window_->Invalidate();
    }
    void OnLeftButtonUp(Point) override {
        if (hovered_ != kNoButton && window_ != nullptr) window_->EndModal(hovered_);
    }
    void OnCancelKey() override {
        if (window_ != nullptr) window_->EndModal(kWarningGiveUp);
    }
    void OnPaint(platform::Drawing& drawing) override {
        const auto& layout = context_.layouts.warning;
        drawing.BeginCanvas(context_.images.Get(kWarningNormal), width_, height_);
        if (hovered_ == kWarningGoOn || hovered_ == kWarningGiveUp) {
            const int element = hovered_ == kWarningGoOn ? warning::kContinue : warning::kGiveUp;
            drawing.CopyRect(context_.images.Get(kWarningOver), layout[element].Bounds());
        }
        drawing.SelectFont(context_.resources.FontFor(context_.settings.UiLanguage));
        for (const skin::LayoutEntry& entry : layout) paint_parts::DrawCentred(drawing, entry, entry.caption, kHotRed);
        drawing.Present(nullptr);
    }

private:
    const MenuContext& context_;
    platform::PopupWindow* window_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int hovered_ = kNoButton;
};

}  // namespace

int RunPrimaryClickWarning(const MenuContext& context) {
    WarningEvents events(context);
    return context.mainWindow.RunModalPopup(platform::PopupTemplate::Warning, events);
}

class FunctionMenus::MenuEvents : public platform::PopupEvents {
public:
    explicit MenuEvents(FunctionMenus& menus) : menus_(menus) {}
    void OnInit(platform::PopupWindow& window) override { menus_.OnMenuInit(window); }
    void OnMouseMove(Point p) override { menus_.OnMenuMove(p); }
    void OnLeftButtonDown(Point) override { menus_.OnMenuDown(); }
    void OnLeftButtonUp(Point) override { menus_.OnMenuUp(); }
    void OnPaint(platform::Drawing& drawing) override { menus_.PaintMenu(drawing); }
    // The close request a sub-menu choice sends: hidden now, destroyed by
    // the main window's next paint.
    void OnCloseRequest() override {
        if (menus_.menu_) menus_.menu_->Hide();
    }

private:
    FunctionMenus& menus_;
};

class FunctionMenus::SubMenuEvents : public platform::PopupEvents {
public:
    explicit SubMenuEvents(FunctionMenus& menus) : menus_(menus) {}
    void OnInit(platform::PopupWindow& window) override { menus_.OnSubMenuInit(window); }
    void OnMouseMove(Point p) override { menus_.OnSubMenuMove(p); }
    void OnLeftButtonDown(Point) override { menus_.OnSubMenuDown(); }
    void OnLeftButtonUp(Point) override { menus_.OnSubMenuUp(); }
    void OnPaint(platform::Drawing& drawing) override { menus_.PaintSubMenu(drawing); }

private:
    FunctionMenus& menus_;
};

FunctionMenus::FunctionMenus(const MenuContext& context)
    : context_(context),
      menuEvents_(std::make_unique<MenuEvents>(*this)),
      subMenuEvents_(std::make_unique<SubMenuEvents>(*this)) {}

FunctionMenus::~FunctionMenus() { Close(); }

platform::FontHandle FunctionMenus::Font() const { return context_.resources.FontFor(context_.settings.UiLanguage); }

int FunctionMenus::UserMacroCount() const {
    std::lock_guard lock(context_.settings.ConfigLock);
    return context_.macros.userMacroCount;
}

void FunctionMenus::Open(std::int32_t element) {
    if (!kFunctionFields.Contains(element)) return;
    InterfaceState& ui = context_.ui;
    ui.menuButton = element;
    const Rect window = context_.mainWindow.ScreenRect();
    const skin::LayoutEntry& field = context_.layouts.main[static_cast<std::size_t>(element)];
    ui.menuPosition = Point{window.left + field.x, window.top + field.y + field.height};

    bool warn = false;
    {
        std::lock_guard lock(context_.settings.ConfigLock);
        warn = NeedsPrimaryClickWarning(context_.settings.config, kFunctionFields.IndexOf(element));
    }
    if (warn && RunPrimaryClickWarning(context_) == kWarningGiveUp) return;

    Close();
    ++generation_;
    menu_ = context_.mainWindow.CreatePopup(platform::PopupTemplate::FunctionMenu, *menuEvents_, nullptr);
    if (!menu_) return;
    ui.menuOpen = true;
    menu_->Place(Rect{ui.menuPosition.x, ui.menuPosition.y, ui.menuPosition.x + kFunctionMenuWindowSize,
                      ui.menuPosition.y + kFunctionMenuWindowSize});
    menu_->Show();
}

void FunctionMenus::Close() {
    subMenu_.reset();
    menu_.reset();
}

void FunctionMenus::CloseLater() {
    if (menu_) menu_->Hide();
    if (subMenu_) subMenu_->Hide();
    const int generation = generation_;
    context_.mainWindow.Post([this, generation] {
        if (generation == generation_) Close();
    });
}

void FunctionMenus::OnMainWindowPaint() {
    if (!subMenuChosen_) return;
    subMenuChosen_ = false;
    CloseLater();
}

void FunctionMenus::OnMenuInit(platform::PopupWindow& window) {
    window.SetTitle(kFunctionMenuTitle);
    menuGeometry_ = FunctionMenuGeometry(context_.images.Get(kMenuMask));
    window.SetShape(RectRegion(menuGeometry_.width, menuGeometry_.visibleHeight));
    hoveredRow_ = NoRow;
    menuPressed_ = false;
}

void FunctionMenus::OnMenuMove(Point point) {
    hoveredRow_ = MenuRowAt(menuGeometry_, kFunctionMenuHitRows, point);
    if (hoveredRow_ == lastRow_) return;
    lastRow_ = hoveredRow_;
    if (menu_) menu_->Invalidate();
}

void FunctionMenus::OnMenuDown() {
    menuPressed_ = true;
    if (menu_) menu_->Invalidate();
}

void FunctionMenus::OnMenuUp() {
    menuPressed_ = false;
    if (menu_) menu_->Invalidate();
    if (hoveredRow_ < 1 || hoveredRow_ > kLastFunctionRow) return;
    Choose(hoveredRow_);
    CloseLater();
}

void FunctionMenus::Choose(std::int32_t code) {
    {
        std::lock_guard lock(context_.settings.ConfigLock);
        AssignButtonFunction(context_.settings.config, kFunctionFields.IndexOf(context_.ui.menuButton), code);
    }
    // The field shows its new function at once.
    context_.mainWindow.Invalidate();
}

void FunctionMenus::PaintMenu(platform::Drawing& drawing) {
    const skin::FunctionNames& names = context_.layouts.functionNames;
    PaintRows(drawing, context_.images, kMenuNormal, kMenuOver, kMenuDown, menuGeometry_, kFunctionMenuRows,
              hoveredRow_, menuPressed_, Font(), [&names](int row) { return names[static_cast<std::size_t>(row)]; });
    subMenu_.reset();
    if (IsGroupHeading(hoveredRow_)) OpenSubMenu(hoveredRow_);
}

void FunctionMenus::OpenSubMenu(std::int32_t heading) {
    if (!menu_) return;
    subHeading_ = heading;
    subItemCount_ = SubItemCount(heading, UserMacroCount());
    subMenu_ = context_.mainWindow.CreatePopup(platform::PopupTemplate::SubMenu, *subMenuEvents_, menu_.get());
    if (!subMenu_) return;
    const Rect menu = menu_->ScreenRect();
    const int left = menu.left + menuGeometry_.width;
    const int top = menu.top + SubMenuTopRows(heading, UserMacroCount()) * menuGeometry_.itemHeight;
    subMenu_->Place(Rect{left, top, left + kSubMenuWindowWidth, top + kSubMenuWindowHeight});
    subMenu_->Show();
}

void FunctionMenus::OnSubMenuInit(platform::PopupWindow& window) {
    subGeometry_ = SubMenuGeometry(context_.images.Get(kSubMenuMask), subItemCount_);
    window.SetShape(RectRegion(subGeometry_.width, subGeometry_.visibleHeight));
    subHoveredRow_ = NoRow;
    subPressed_ = false;
    subMenuChosen_ = false;
}

void FunctionMenus::OnSubMenuMove(Point point) {
    subHoveredRow_ = MenuRowAt(subGeometry_, subItemCount_, point);
    if (subHoveredRow_ == lastSubRow_) return;
    lastSubRow_ = subHoveredRow_;
    if (subMenu_) subMenu_->Invalidate();
}

void FunctionMenus::OnSubMenuDown() {
    subPressed_ = true;
    if (subMenu_) subMenu_->Invalidate();
}

void FunctionMenus::OnSubMenuUp() {
    subPressed_ = false;
    if (subHoveredRow_ == NoRow) return;
    Choose(SubItemCodeBase(subHeading_) + subHoveredRow_);
    subMenuChosen_ = true;
    if (subMenu_) subMenu_->Invalidate();
    menuEvents_->OnCloseRequest();
    // Its paint sees the choice and closes the menus.
    context_.mainWindow.UpdateNow();
}

void FunctionMenus::PaintSubMenu(platform::Drawing& drawing) {
    std::array<std::string, macro::kUserMacroSlots> macroNames;
    if (subHeading_ == 9) {
        std::lock_guard lock(context_.settings.ConfigLock);
        macroNames = UserMacroNames(context_.macros);
    }
    const skin::FunctionNames& names = context_.layouts.functionNames;
    const std::int32_t heading = subHeading_;
    PaintRows(drawing, context_.images, kSubMenuNormal, kSubMenuOver, kSubMenuDown, subGeometry_, subItemCount_,
              subHoveredRow_, subPressed_, Font(),
              [&](int row) { return SubItemCaption(heading, row, names, macroNames); });
}

}  // namespace vx::ui
