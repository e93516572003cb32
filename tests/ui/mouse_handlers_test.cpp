#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/mouse_handlers.h"

namespace vx::ui {
namespace {

using skin::LayoutEntry;

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
// Colour element 2 and advanced element 5 share the cell of main element 3.
class PointerHandling : public ::testing::Test {
protected:
    PointerHandling() {
        for (int i = 0; i < 124; ++i) layouts.main[static_cast<std::size_t>(i)] = LayoutEntry{10 * i, 0, 10, 10, ""};
        layouts.color[2] = LayoutEntry{30, 0, 10, 10, ""};
        layouts.advanced[5] = LayoutEntry{30, 0, 10, 10, ""};
        // Drawing-only entries never react to the pointer.
        layouts.color[5] = LayoutEntry{0, 100, 10, 10, ""};
        layouts.advanced[38] = LayoutEntry{0, 100, 10, 10, ""};
        region.rects.push_back(Rect{0, 0, 500, 500});
    }
    static Point CellOfMain(int element) { return Point{10 * element + 5, 5}; }
    void Move(Point p) { OnMouseMove(context, p); }

    skin::Layouts layouts;
    InterfaceState ui;
    RecordingRepainter repainter;
    Region region;
    PointerContext context{ui, layouts, repainter, region};
    settings::SettingsStore settings;
    RecordingActions actions;
};

TEST_F(PointerHandling, MainPageSearchesElementsUpTo114) {
    Move(CellOfMain(114));
    EXPECT_EQ(ui.hotMain, 114);
    Move(CellOfMain(115));
    EXPECT_EQ(ui.hotMain, NoElement);
}

TEST_F(PointerHandling, OtherPagesSearchOnlyTheCommonElements) {
    for (SkinPage page : {SkinPage::AdvancedPage, SkinPage::ColorPage}) {
        ui.page = page;
        Move(CellOfMain(19));
        EXPECT_EQ(ui.hotMain, 19);
        Move(CellOfMain(20));
        EXPECT_EQ(ui.hotMain, NoElement);
    }
}

TEST_F(PointerHandling, AllThreeTablesAreTestedOnEveryPage) {
    Move(CellOfMain(3));
    EXPECT_EQ(ui.hotMain, 3);
    EXPECT_EQ(ui.hotColor, 2);
    EXPECT_EQ(ui.hotAdvanced, 5);
    Move(Point{5, 105});
    EXPECT_EQ(ui.hotColor, NoElement);
    EXPECT_EQ(ui.hotAdvanced, NoElement);
}

TEST_F(PointerHandling, EachChangedValueRepaintsAtOnce) {
    Move(CellOfMain(3));  // main, colour and advanced all change
    EXPECT_EQ(repainter.log, (std::vector<std::string>{"all", "update", "all", "update", "all", "update"}));
    repainter.log.clear();
    Move(Point{36, 6});  // same elements
    EXPECT_TRUE(repainter.log.empty());
    Move(CellOfMain(1));  // main changes, colour and advanced leave their cells
    EXPECT_EQ(repainter.log.size(), 6u);
    repainter.log.clear();
    Move(CellOfMain(2));  // only main changes
    EXPECT_EQ(repainter.log, (std::vector<std::string>{"all", "update"}));
    EXPECT_EQ(ui.lastHotMain, 2);
    EXPECT_EQ(ui.lastHotColor, NoElement);
}

TEST_F(PointerHandling, AdvancedPageRepaintsOnlyTheRepaintRegion) {
    ui.page = SkinPage::AdvancedPage;
    Move(CellOfMain(1));
    EXPECT_EQ(repainter.log, (std::vector<std::string>{"region 1", "update"}));
}

TEST_F(PointerHandling, ButtonDownOverAnElementPressesAndRepaints) {
    Move(CellOfMain(1));
    repainter.log.clear();
    OnLeftButtonDown(context, settings, actions, CellOfMain(1));
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
    Move(CellOfMain(11));
    OnLeftButtonDown(context, settings, actions, Point{5, 300});
    EXPECT_EQ(actions.log, (std::vector<std::string>{"color"}));
}

TEST_F(PointerHandling, ButtonUpReleasesAndRepaintsEvenOverNothing) {
    Move(CellOfMain(4));
    OnLeftButtonDown(context, settings, actions, CellOfMain(4));
    Move(Point{5, 300});
    repainter.log.clear();
    OnLeftButtonUp(context, actions, Point{5, 300});
    EXPECT_FALSE(ui.pressed);
    EXPECT_EQ(repainter.log, (std::vector<std::string>{"all"}));
}

TEST_F(PointerHandling, LeavingTheWindowKeepsTheHoverAndPressedState) {
    Move(CellOfMain(6));
    OnLeftButtonDown(context, settings, actions, CellOfMain(6));
    // The release happens outside: no handler runs.
    EXPECT_TRUE(ui.pressed);
    EXPECT_EQ(ui.hotMain, 6);
    Move(CellOfMain(7));
    OnLeftButtonUp(context, actions, CellOfMain(7));
    EXPECT_FALSE(ui.pressed);
    EXPECT_EQ(ui.hotMain, 7);
}

TEST_F(PointerHandling, PageTabsSwitchFromTheOtherPagesOnly) {
    struct Case {
        SkinPage page;
        int element;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases{
        {SkinPage::MainPage, 9, {}},         {SkinPage::MainPage, 10, {"advanced"}},
        {SkinPage::MainPage, 11, {"color"}}, {SkinPage::AdvancedPage, 9, {"main"}},
        {SkinPage::AdvancedPage, 10, {}},    {SkinPage::AdvancedPage, 11, {"color"}},
        {SkinPage::ColorPage, 9, {"main"}},  {SkinPage::ColorPage, 10, {"advanced"}},
        {SkinPage::ColorPage, 11, {}},
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
    Move(CellOfMain(11));
    OnLeftButtonDown(context, settings, actions, CellOfMain(11));
    EXPECT_EQ(actions.log, (std::vector<std::string>{"close menu", "color"}));
    EXPECT_FALSE(ui.menuOpen);

    // Other pages leave the menu alone.
    ui.page = SkinPage::ColorPage;
    ui.menuOpen = true;
    actions.log.clear();
    Move(CellOfMain(9));
    OnLeftButtonDown(context, settings, actions, CellOfMain(9));
    EXPECT_EQ(actions.log, (std::vector<std::string>{"main"}));
    EXPECT_TRUE(ui.menuOpen);
}

TEST_F(PointerHandling, CommonElementsActOnReleaseOnEveryPage) {
    const std::vector<std::pair<int, std::string>> table{
        {0, "save"},  {1, ""},        {2, "revert"},  {3, "apply"},  {4, "config 1"}, {8, "config 5"}, {12, "minimize"},
        {13, "hide"}, {14, "import"}, {15, "export"}, {16, "reset"}, {17, "chinese"}, {18, "english"}, {19, "guide"},
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
            const bool clears = element == 2 || element == 12 || element == 13;
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
        Move(CellOfMain(3));
        ui.hotAdvanced = ui.hotColor = NoElement;
        OnLeftButtonDown(context, settings, actions, CellOfMain(3));
        Move(Point{5, 300});
        OnLeftButtonDown(context, settings, actions, Point{9, 300});
        EXPECT_EQ(actions.log, (std::vector<std::string>{"move 9"}));
    }
}

TEST_F(PointerHandling, PressesEditTheConfigurationOfTheShownPageOnly) {
    layouts.color[2] = LayoutEntry{};
    layouts.advanced[5] = LayoutEntry{};
    layouts.advanced[8] = LayoutEntry{0, 200, 10, 10, ""};  // pointer speed 0
    layouts.color[3] = LayoutEntry{20, 200, 10, 10, ""};    // LED mode 3
    settings.config.DPI_SPEED = 5;
    settings.config.LED_STATUS = 1;

    Move(CellOfMain(42));
    OnLeftButtonDown(context, settings, actions, CellOfMain(42));
    EXPECT_EQ(settings.config.WHEEL_STATUS, 1);
    Move(Point{5, 205});  // advanced element 8, on the main page
    OnLeftButtonDown(context, settings, actions, Point{5, 205});
    EXPECT_EQ(settings.config.DPI_SPEED, 5);

    ui.page = SkinPage::AdvancedPage;
    Move(Point{5, 205});
    OnLeftButtonDown(context, settings, actions, Point{5, 205});
    EXPECT_EQ(settings.config.DPI_SPEED, 0);
    Move(Point{25, 205});  // colour element 3, on the advanced page
    OnLeftButtonDown(context, settings, actions, Point{25, 205});
    EXPECT_EQ(settings.config.LED_STATUS, 1);

    ui.page = SkinPage::ColorPage;
    OnLeftButtonDown(context, settings, actions, Point{25, 205});
    EXPECT_EQ(settings.config.LED_STATUS, 3);
    Move(CellOfMain(42));  // a main-page element is not tested on the colour page
    settings.config.WHEEL_STATUS = 0;
    OnLeftButtonDown(context, settings, actions, CellOfMain(42));
    EXPECT_EQ(settings.config.WHEEL_STATUS, 0);
    // The presses outside the shown page's elements moved the window instead.
    EXPECT_EQ(actions.log, (std::vector<std::string>{"move 5", "move 25", "move 425"}));
}

TEST_F(PointerHandling, MacroEditorElementsStartTheirOperationsOnlyOnTheAdvancedPage) {
    const std::vector<std::string> expected{"import macros", "export macros", "add macro", "delete macro",
                                            "record",        "commit",        "repeat"};
    for (int element = 0; element <= 6; ++element) layouts.advanced[static_cast<std::size_t>(element)] =
        LayoutEntry{10 * element, 300, 10, 10, ""};
    for (SkinPage page : {SkinPage::MainPage, SkinPage::AdvancedPage, SkinPage::ColorPage}) {
        ui.page = page;
        actions.log.clear();
        for (int element = 0; element <= 6; ++element) {
            const Point p{10 * element + 5, 305};
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
