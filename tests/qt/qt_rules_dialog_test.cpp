// The per-program profiles' Qt dialog: its texts, the list's edits and what
// OK and Cancel give back. With VX_RULES_DIALOG_SHOT=<file> the screen is
// saved there (import -window root) while the dialog shows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <cstdlib>

#include "platform/portable/program_rules_dialog_model.h"
#include "platform/qt/qt_program_rules_dialog.h"

namespace vx::platform {
namespace {

QPushButton* ButtonNamed(QWidget* dialog, const QString& text) {
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        if (button->text() == text) return button;
    }
    return nullptr;
}

// Runs `act` on the dialog once it shows.
void WhenShown(std::function<void(QWidget*)> act) {
    QTimer::singleShot(200, [act] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        act(dialog);
    });
}

const ProgramRules kRules{true,
                          {{RuleMatch::ProgramFile, "game.exe", 2},
                           {RuleMatch::Folder, "/home/user/Games", 3},
                           {RuleMatch::WindowClass, "steam_app_570", 5}},
                          0};

TEST(QtRulesDialog, ShowsTheRulesAndTextsAndMovesARuleUpOnOk) {
    const ProgramRulesTexts texts = ProgramRulesDialogTexts(true, ForegroundReach::X11Programs);
    WhenShown([&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Per-Program Profiles");
        auto* list = dialog->findChild<QTreeWidget*>();
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->topLevelItemCount(), 3);
        EXPECT_EQ(list->topLevelItem(2)->text(0), "Window class: steam_app_570");
        EXPECT_EQ(list->topLevelItem(2)->text(1), "Profile 5");
        bool reachShown = false;
        for (QLabel* label : dialog->findChildren<QLabel*>()) reachShown |= label->text().startsWith("Wayland session");
        EXPECT_TRUE(reachShown);
        if (const char* shot = std::getenv("VX_RULES_DIALOG_SHOT")) {
            QApplication::processEvents();
            QProcess::execute("import", {"-window", "root", shot});
        }
        list->setCurrentItem(list->topLevelItem(2));
        ButtonNamed(dialog, "Move Up")->click();
        dialog->findChild<QCheckBox*>()->setChecked(false);
        ButtonNamed(dialog, "OK")->click();
    });
    QtProgramRulesDialog dialog;
    const auto edited = dialog.Edit(kRules, texts, {{"/usr/bin/wine64-preloader", "steam_app_9", "steam_app_9"}});
    ASSERT_TRUE(edited.has_value());
    EXPECT_FALSE(edited->enabled);
    EXPECT_EQ(edited->rules[1], kRules.rules[2]);
    EXPECT_EQ(edited->rules[2], kRules.rules[1]);
}

TEST(QtRulesDialog, CancelGivesNothingBackAndARunningProtonGameBecomesAClassRule) {
    const ProgramRulesTexts texts = ProgramRulesDialogTexts(false, ForegroundReach::EveryProgram);
    std::vector<std::string> seen;
    WhenShown([&](QWidget* dialog) {
        ButtonNamed(dialog, "添加运行中的程序")->click();
        auto* list = dialog->findChild<QTreeWidget*>();
        seen.push_back(list->topLevelItem(list->topLevelItemCount() - 1)->text(0).toStdString());
        ButtonNamed(dialog, "取消")->click();
    });
    QtProgramRulesDialog dialog;
    EXPECT_FALSE(dialog.Edit(kRules, texts, {{"/usr/bin/wine64-preloader", "steam_app_9", "steam_app_9"}}));
    EXPECT_EQ(seen, std::vector<std::string>{"窗口类: steam_app_9"});
}

}  // namespace
}  // namespace vx::platform

int main(int argc, char** argv) {
    // No display needed unless a screenshot is asked for.
    if (std::getenv("VX_RULES_DIALOG_SHOT") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
