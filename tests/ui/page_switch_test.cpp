#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/page_switch.h"

namespace vx::ui {
namespace {

// Repaints and side effects in one log, so their order shows.
class Recorder : public Repainter, public PageSideEffects {
public:
    std::vector<std::string> log;
    void InvalidateAll() override { log.push_back("invalidate all"); }
    void InvalidateRegion(const Region&) override { log.push_back("invalidate region"); }
    void UpdateNow() override { log.push_back("update"); }
    void CreateMacroEditorControls() override { log.push_back("create controls"); }
    void DestroyMacroEditorControls() override { log.push_back("destroy controls"); }
    void RefreshMacroList() override { log.push_back("refresh list"); }
    void StartLedPreviewUnlessRunning() override { log.push_back("start preview"); }
};

class PageSwitching : public ::testing::Test {
protected:
    PageSwitching() { region.rects.push_back(Rect{0, 0, 10, 10}); }
    InterfaceState ui;
    Recorder recorder;
    Region region;
    PageSwitchContext context{ui, recorder, region, recorder};
};

TEST_F(PageSwitching, AdvancedPageCreatesControlsBetweenItsTwoUpdates) {
    ShowAdvancedPage(context);
    EXPECT_EQ(ui.Page(), SkinPage::AdvancedPage);
    EXPECT_EQ(recorder.log,
              (std::vector<std::string>{"invalidate region", "create controls", "update", "refresh list", "update"}));
}

TEST_F(PageSwitching, LeavingTheAdvancedPageDestroysItsControls) {
    ui.page = SkinPage::AdvancedPage;
    ShowMainPage(context);
    EXPECT_EQ(ui.Page(), SkinPage::MainPage);
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"destroy controls", "invalidate all"}));

    ui.page = SkinPage::AdvancedPage;
    recorder.log.clear();
    ShowColorPage(context);
    EXPECT_EQ(ui.Page(), SkinPage::ColorPage);
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"start preview", "destroy controls", "invalidate all"}));
}

TEST_F(PageSwitching, SwitchesBetweenMainAndColourTouchNoControls) {
    ShowColorPage(context);
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"start preview", "invalidate all"}));
    recorder.log.clear();
    ShowMainPage(context);
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"invalidate all"}));
}

TEST_F(PageSwitching, WithoutARepaintRegionTheWholeWindowIsRepainted) {
    region.rects.clear();
    ShowAdvancedPage(context);
    EXPECT_EQ(recorder.log.front(), "invalidate all");
    recorder.log.clear();
    InvalidateShownPage(context);
    EXPECT_EQ(recorder.log, (std::vector<std::string>{"invalidate all"}));
}

}  // namespace
}  // namespace vx::ui
