#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/skin_elements.h"
#include "ui/mouse_handlers.h"

namespace vx::ui {
namespace {

using skin::LayoutEntry;
namespace main = skin::elements::main;
namespace advanced = skin::elements::advanced;
namespace color = skin::elements::color;

// Records repaint requests as text, in order.
class RecordingRepainter : public Repainter {
public:
    std::vector<std::string> log;
    void InvalidateAll() override { log.push_back("all"); }
    void InvalidateRegion(const Region& region) override {
        log.push_back("region " + std::to_string(region.rects.size()));
    }
    void UpdateNow() override { log.push_back("update"); }
};

class RecordingActions : public ClickActions {
public:
    std::vector<std::string> log;
    void ShowMainPage() override { log.push_back("main"); }
    void ShowAdvancedPage() override { log.push_back("advanced"); }
    void ShowColorPage() override { log.push_back("color"); }
    void CloseFunctionMenu() override { log.push_back("close menu"); }
    void OpenFunctionMenu(std::int32_t element) override { log.push_back("menu " + std::to_string(element)); }
    void StartWindowMove(Point p) override { log.push_back("move " + std::to_string(p.x)); }
    void SaveCurrentConfig() override { log.push_back("save"); }
    void RevertToApplied() override { log.push_back("revert"); }
    void ApplyConfiguration() override { log.push_back("apply"); }
    void SwitchConfig(int number) override { log.push_back("config " + std::to_string(number)); }
    void Minimize(Point) override { log.push_back("minimize"); }
    void HideToTray() override { log.push_back("hide"); }
    void ImportConfig() override { log.push_back("import"); }
    void ExportConfig() override { log.push_back("export"); }
    void ResetAllConfigs() override { log.push_back("reset"); }
    void SwitchLanguage(settings::UiLanguage language) override {
        log.push_back(language == settings::UiLanguage::English ? "english" : "chinese");
    }
    void OpenUserGuide() override { log.push_back("guide"); }
    void ImportMacros() override { log.push_back("import macros"); }
    void ExportMacros() override { log.push_back("export macros"); }
    void AddMacro() override { log.push_back("add macro"); }
    void DeleteMacro() override { log.push_back("delete macro"); }
    void ToggleRecording() override { log.push_back("record"); }
    void CommitRepeatCount() override { log.push_back("commit"); }
    void ToggleRepeat() override { log.push_back("repeat"); }
};

// Main elements in a row of 10-pixel cells: element i at x = 10 i, y 0.
// A colour and an advanced element share the cell of main::kApply.
class PointerHandling : public ::testing::Test {
protected:
    PointerHandling() {
        for (int i = 0; i < main::kCount; ++i)
            layouts.main[static_cast<std::size_t>(i)] = LayoutEntry{10 * i, 0, 10, 10, ""};
        layouts.color[kSharingColour] = CellEntry(main::kApply);
        layouts.advanced[kSharingAdvanced] = CellEntry(main::kApply);
        // Drawing-only entries never react to the pointer.
        layouts.color[color::kPointable.first + color::kPointable.count] = LayoutEntry{0, 100, 10, 10, ""};
        layouts.advanced[advanced::kPointable.first + advanced::kPointable.count] = LayoutEntry{0, 100, 10, 10, ""};
        region.rects.push_back(Rect{0, 0, 500, 500});
    }
    static constexpr int kSharingColour = color::kLedSteady;
    static constexpr int kSharingAdvanced = advanced::kSetRepeat;
    static LayoutEntry CellEntry(int mainElement) { return LayoutEntry{10 * mainElement, 0, 10, 10, ""}; }
    static Point CellOfMain(int element) { return Point{5 + 10 * element, 5}; }
    void Move(Point p) { OnMouseMove(context, p); }

    skin::Layouts layouts;
    InterfaceState ui;
    RecordingRepainter repainter;
    Region region;
    PointerContext context{ui, layouts, repainter, region};
    settings::SettingsStore settings;
    RecordingActions actions;
};

TEST_F(PointerHandling, MainPageSearchesOnlyItsPageElements) {
    Move(CellOfMain(main::kPageElements.Last()));
    EXPECT_EQ(ui.hotMain, main::kPageElements.Last());
    Move(CellOfMain(main::kPageElements.Last() + 1));
    EXPECT_EQ(ui.hotMain, NoElement);
}

TEST_F(PointerHandling, OtherPagesSearchOnlyTheCommonElements) {
    for (SkinPage page : {SkinPage::AdvancedPage, SkinPage::ColorPage}) {
        ui.page = page;
        Move(CellOfMain(main::kCommon.Last()));
        EXPECT_EQ(ui.hotMain, main::kCommon.Last());
        Move(CellOfMain(main::kCommon.Last() + 1));
        EXPECT_EQ(ui.hotMain, NoElement);
    }
}

TEST_F(PointerHandling, AllThreeTablesAreTestedOnEveryPage) {
    Move(CellOfMain(main::kApply));
    EXPECT_EQ(ui.hotMain, main::kApply);
    EXPECT_EQ(ui.hotColor, kSharingColour);
    EXPECT_EQ(ui.hotAdvanced, kSharingAdvanced);
    Move(Point{5, 105});
    EXPECT_EQ(ui.hotColor, NoElement);
    EXPECT_EQ(ui.hotAdvanced, NoElement);
}

TEST_F(PointerHandling, EachChangedValueRepaintsAtOnce) {
    Move(CellOfMain(main::kApply));  // main, colour and advanced all change
    EXPECT_EQ(repainter.log, (std::vector<std::string>{"all", "update", "all", "update", "all", "update"}));
    repainter.log.clear();
    Move(Point{10 * main::kApply + 6, 6});  // same elements
    EXPECT_TRUE(repainter.log.empty());
    Move(CellOfMain(main::kProfileLabel));  // main changes, colour and advanced leave their cells
    EXPECT_EQ(repainter.log.size(), 6u);
    repainter.log.clear();
    Move(CellOfMain(main::kCancel));  // only main changes
    EXPECT_EQ(repainter.log, (std::vector<std::string>{"all", "update"}));
    EXPECT_EQ(ui.lastHotMain, main::kCancel);
    EXPECT_EQ(ui.lastHotColor, NoElement);
}

TEST_F(PointerHandling, AdvancedPageRepaintsOnlyTheRepaintRegion) {
    ui.page = SkinPage::AdvancedPage;
    Move(CellOfMain(main::kProfileLabel));
    EXPECT_EQ(repainter.log, (std::vector<std::string>{"region 1", "update"}));
}

TEST_F(PointerHandling, ButtonDownOverAnElementPressesAndRepaints) {
    Move(CellOfMain(main::kProfileLabel));
    repainter.log.clear();
    OnLeftButtonDown(context, settings, actions, CellOfMain(main::kProfileLabel));
    EXPECT_TRUE(ui.pressed);
    EXPECT_EQ(repainter.log, (std::vector<std::string>{"all"}));
}

TEST_F(PointerHandling, ButtonDownOverNothingDoesNotPress) {
    Move(Point{5, 300});
    repainter.log.clear();
    OnLeftButtonDown(context, settings, actions, Point{5, 300});
    EXPECT_FALSE(ui.pressed);
    EXPECT_TRUE(repainter.log.empty());
}

TEST_F(PointerHandling, ButtonsUseTheLastMoveNotTheClickPoint) {
    Move(CellOfMain(main::kTabColor));
    OnLeftButtonDown(context, settings, actions, Point{5, 300});
    EXPECT_EQ(actions.log, (std::vector<std::string>{"color"}));
}

TEST_F(PointerHandling, ButtonUpReleasesAndRepaintsEvenOverNothing) {
    Move(CellOfMain(main::kProfile1));
    OnLeftButtonDown(context, settings, actions, CellOfMain(main::kProfile1));
    Move(Point{5, 300});
    repainter.log.clear();
    OnLeftButtonUp(context, actions, Point{5, 300});
    EXPECT_FALSE(ui.pressed);
    EXPECT_EQ(repainter.log, (std::vector<std::string>{"all"}));
}

TEST_F(PointerHandling, LeavingTheWindowKeepsTheHoverAndPressedState) {
    Move(CellOfMain(main::kProfile3));
    OnLeftButtonDown(context, settings, actions, CellOfMain(main::kProfile3));
    // The release happens outside: no handler runs.
    EXPECT_TRUE(ui.pressed);
    EXPECT_EQ(ui.hotMain, main::kProfile3);
    Move(CellOfMain(main::kProfile4));
    OnLeftButtonUp(context, actions, CellOfMain(main::kProfile4));
    EXPECT_FALSE(ui.pressed);
    EXPECT_EQ(ui.hotMain, main::kProfile4);
}

TEST_F(PointerHandling, PageTabsSwitchFromTheOtherPagesOnly) {
    struct Case {
        SkinPage page;
        int element;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases{
        {SkinPage::MainPage, main::kTabMain, {}},         {SkinPage::MainPage, main::kTabAdvanced, {"advanced"}},
        {SkinPage::MainPage, main::kTabColor, {"color"}}, {SkinPage::AdvancedPage, main::kTabMain, {"main"}},
        {SkinPage::AdvancedPage, main::kTabAdvanced, {}}, {SkinPage::AdvancedPage, main::kTabColor, {"color"}},
        {SkinPage::ColorPage, main::kTabMain, {"main"}},  {SkinPage::ColorPage, main::kTabAdvanced, {"advanced"}},
        {SkinPage::ColorPage, main::kTabColor, {}},
    };
    for (const Case& c : cases) {
        ui.page = c.page;
        actions.log.clear();
        Move(CellOfMain(c.element));
        OnLeftButtonDown(context, settings, actions, CellOfMain(c.element));
        EXPECT_EQ(actions.log, c.expected) << "page " << static_cast<int>(c.page) << " element " << c.element;
        OnLeftButtonUp(context, actions, CellOfMain(c.element));
    }
}

TEST_F(PointerHandling, MainPageClickClosesAnOpenFunctionMenuFirst) {
    ui.menuOpen = true;
    Move(CellOfMain(main::kTabColor));
    OnLeftButtonDown(context, settings, actions, CellOfMain(main::kTabColor));
    EXPECT_EQ(actions.log, (std::vector<std::string>{"close menu", "color"}));
    EXPECT_FALSE(ui.menuOpen);

    // Other pages leave the menu alone.
    ui.page = SkinPage::ColorPage;
    ui.menuOpen = true;
    actions.log.clear();
    Move(CellOfMain(main::kTabMain));
    OnLeftButtonDown(context, settings, actions, CellOfMain(main::kTabMain));
    EXPECT_EQ(actions.log, (std::vector<std::string>{"main"}));
    EXPECT_TRUE(ui.menuOpen);
}

TEST_F(PointerHandling, CommonElementsActOnReleaseOnEveryPage) {
    const std::vector<std::pair<int, std::string>> table{
        {main::kSave, "save"},           {main::kProfileLabel, ""},     {main::kCancel, "revert"},
        {main::kApply, "apply"},         {main::kProfile1, "config 1"}, {main::kProfile5, "config 5"},
        {main::kMinimize, "minimize"},   {main::kClose, "hide"},        {main::kImportConfig, "import"},
        {main::kExportConfig, "export"}, {main::kResetAll, "reset"},    {main::kLangCn, "chinese"},
        {main::kLangEn, "english"},      {main::kWebsite, "guide"},
    };
    for (SkinPage page : {SkinPage::MainPage, SkinPage::AdvancedPage, SkinPage::ColorPage}) {
        for (const auto& [element, expected] : table) {
            ui.page = page;
            Move(CellOfMain(element));
            actions.log.clear();
            OnLeftButtonUp(context, actions, CellOfMain(element));
            EXPECT_EQ(actions.log, expected.empty() ? std::vector<std::string>{} : std::vector<std::string>{expected})
                << "element " << element;
            // Hiding and minimising leave nothing highlighted for when the window comes back.
            const bool clears = element == main::kCancel || element == main::kMinimize || element == main::kClose;
            EXPECT_EQ(ui.hotMain, clears ? NoElement : element);
        }
    }
}

TEST_F(PointerHandling, PressOnNoElementMovesTheWindowFromTheClickPoint) {
    Move(Point{5, 300});
    ui.menuOpen = true;
    OnLeftButtonDown(context, settings, actions, Point{7, 301});
    EXPECT_EQ(actions.log, (std::vector<std::string>{"close menu", "move 7"}));

    // On the other pages a common element under the pointer keeps the window still.
    for (SkinPage page : {SkinPage::AdvancedPage, SkinPage::ColorPage}) {
        ui.page = page;
        actions.log.clear();
        Move(CellOfMain(main::kApply));
        ui.hotAdvanced = ui.hotColor = NoElement;
        OnLeftButtonDown(context, settings, actions, CellOfMain(main::kApply));
        Move(Point{5, 300});
        OnLeftButtonDown(context, settings, actions, Point{9, 300});
        EXPECT_EQ(actions.log, (std::vector<std::string>{"move 9"}));
    }
}

TEST_F(PointerHandling, PressesEditTheConfigurationOfTheShownPageOnly) {
    layouts.color[kSharingColour] = LayoutEntry{};
    layouts.advanced[kSharingAdvanced] = LayoutEntry{};
    layouts.advanced[advanced::kPointerSpeed_1] = LayoutEntry{0, 200, 10, 10, ""};  // pointer speed 0
    layouts.color[color::kLedOff] = LayoutEntry{20, 200, 10, 10, ""};               // LED mode 3
    settings.config.DPI_SPEED = 5;
    settings.config.LED_STATUS = 1;

    Move(CellOfMain(main::kWheelAlternate));
    OnLeftButtonDown(context, settings, actions, CellOfMain(main::kWheelAlternate));
    EXPECT_EQ(settings.config.WHEEL_STATUS, 1);
    Move(Point{5, 205});  // a pointer speed step, on the main page
    OnLeftButtonDown(context, settings, actions, Point{5, 205});
    EXPECT_EQ(settings.config.DPI_SPEED, 5);

    ui.page = SkinPage::AdvancedPage;
    Move(Point{5, 205});
    OnLeftButtonDown(context, settings, actions, Point{5, 205});
    EXPECT_EQ(settings.config.DPI_SPEED, 0);
    Move(Point{25, 205});  // an LED mode, on the advanced page
    OnLeftButtonDown(context, settings, actions, Point{25, 205});
    EXPECT_EQ(settings.config.LED_STATUS, 1);

    ui.page = SkinPage::ColorPage;
    OnLeftButtonDown(context, settings, actions, Point{25, 205});
    EXPECT_EQ(settings.config.LED_STATUS, 3);
    Move(CellOfMain(main::kWheelAlternate));  // a main-page element is not tested on the colour page
    settings.config.WHEEL_STATUS = 0;
    OnLeftButtonDown(context, settings, actions, CellOfMain(main::kWheelAlternate));
    EXPECT_EQ(settings.config.WHEEL_STATUS, 0);
    // The presses outside the shown page's elements moved the window instead.
    EXPECT_EQ(actions.log, (std::vector<std::string>{"move 5", "move 25",
                                                     "move " + std::to_string(CellOfMain(main::kWheelAlternate).x)}));
}

TEST_F(PointerHandling, MacroEditorElementsStartTheirOperationsOnlyOnTheAdvancedPage) {
    const std::vector<std::string> expected{"import macros", "export macros", "add macro", "delete macro",
                                            "record",        "commit",        "repeat"};
    for (int element = advanced::kImportMacros; element <= advanced::kLoop; ++element) {
        layouts.advanced[static_cast<std::size_t>(element)] = LayoutEntry{10 * element, 300, 10, 10, ""};
    }
    for (SkinPage page : {SkinPage::MainPage, SkinPage::AdvancedPage, SkinPage::ColorPage}) {
        ui.page = page;
        actions.log.clear();
        for (int element = advanced::kImportMacros; element <= advanced::kLoop; ++element) {
            const Point p{5 + 10 * element, 305};
            Move(p);
            OnLeftButtonDown(context, settings, actions, p);
        }
        if (page == SkinPage::AdvancedPage) {
            EXPECT_EQ(actions.log, expected);
        } else {
            for (const std::string& line : actions.log) EXPECT_EQ(line.rfind("move", 0), 0u) << line;
        }
    }
}

}  // namespace
}  // namespace vx::ui
