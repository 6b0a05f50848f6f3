#include <gtest/gtest.h>

#include <string>

#include "bench/evaluation/frm_pass.h"
#include "bench/main/frm_option.h"
#include "bench/scope/frm_full_screen.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/user_input.h"
#include "support/app_fixture.h"

namespace ondivel {
namespace {

using testing::AppFixture;

using MainWindowMenus = AppFixture;

TEST_F(MainWindowMenus, InFreeModeOnlyTheWorkingItemsCanBeChosen) {
    start();
    std::string enabled;
    for (const auto& entry : app.mdi().menuTree())
        if (entry.item->Enabled && entry.item->Caption != "-") enabled += entry.item->name() + " ";
    EXPECT_EQ(enabled, "Mnu_File Mnu_Pilote Mnu_Create Mnu_Modif Mnu_Kill Mnu_View Mnu_Clean Mnu_Print "
                       "Mnu_ConfigPrint Mnu_End "
                       "Mnu_Edition Mnu_Copier Mnu_ClipBoard Mnu_ClipBoard Mnu_Affichage Mnu_Harmo Mnu_Volt "
                       "Mnu_Chrono Mnu_PosWin Mnu_ViewFullScreen "
                       "Mnu_Option Mnu_Pref Mnu_Pref Mnu_Pref "
                       "Mnu_Help Mnu_Help_Contents Mnu_Help_Index Mnu_Tip Mnu_NewTip Mnu_PassWord Mnu_Web "
                       "Mnu_About ");
}

TEST_F(MainWindowMenus, EvaluatedModeSwapsTheModeItemsAndLocksTheMultimeter) {
    start();
    app.frmToolBox().chkMulti.Value = kChecked;
    app.mdi().SetFreeMode(false); // the mode items themselves are the eval_* scenarios'
    EXPECT_FALSE(app.mdi().Mnu_Volt.Enabled);
    EXPECT_EQ(app.frmToolBox().chkMulti.Value, kUnchecked);
    EXPECT_FALSE(app.frmToolBox().chkMulti.Enabled);
    EXPECT_FALSE(app.mdi().Mnu_Create.Enabled); // the teacher tools wait for free mode
    EXPECT_FALSE(app.mdi().Mnu_Clean.Enabled);
}

// What quitting saves is the startup_quit_yes scenario's.
TEST_F(MainWindowMenus, QuitWithYesKeepsAFractionalFocusAndClosesEverythingItOpened) {
    start();
    app.frmOndivel().Potentio[0].Value = 7.5;
    app.mdi().Mnu_Calc.Checked = true;
    platform.openWindows = {"Calculatrice"};
    platform.messageAnswers.push_back(vbYes);
    ASSERT_TRUE(user::click(app.mdi().Mnu_End));
    EXPECT_EQ(platform.messages.back().flags, vbYesNo | vbQuestion | vbMsgBoxSetForeground);
    EXPECT_EQ(ini("Interface", "Focus"), "7.5");
    EXPECT_TRUE(platform.openWindows.empty());
    EXPECT_TRUE(app.mdi().ended());
    EXPECT_FALSE(app.frmOption().loaded());
}

TEST_F(MainWindowMenus, FullScreenIsCheckedAndShownModally) {
    start();
    Form* shownModally = nullptr;
    platform.modalRunner = [&](Form& f) { shownModally = &f; };
    ASSERT_TRUE(user::click(app.mdi().Mnu_ViewFullScreen));
    EXPECT_TRUE(app.mdi().Mnu_ViewFullScreen.Checked);
    EXPECT_EQ(shownModally, &app.frmFullScreen());
}

TEST_F(MainWindowMenus, MovingOverTheFrameNoticesACalculatorClosedByTheUser) {
    start();
    app.mdi().Mnu_Calc.Checked = true;
    app.frmToolBox().chkCalc.Value = kChecked;
    platform.openWindows = {"Calculatrice"};
    app.mdi().Form_MouseMove(0, 0, 10, 10);
    EXPECT_EQ(app.frmToolBox().chkCalc.Value, kChecked);
    platform.openWindows.clear();
    app.mdi().Form_MouseMove(0, 0, 10, 10);
    EXPECT_EQ(app.frmToolBox().chkCalc.Value, kUnchecked);
}

TEST_F(MainWindowMenus, TheTeacherGateAsksOnceAndOpensOnlyForTheRightPassword) {
    start();
    int asked = 0;
    std::string typed;
    platform.modalRunner = [&](Form& f) {
        if (&f != &app.frmPass()) return;
        ++asked;
        user::type(app.frmPass().txtPassWord, typed);
        user::click(app.frmPass().cmdOK);
        if (app.frmPass().loaded()) user::click(app.frmPass().cmdQuit);
    };
    platform.userSettings["Settings/Password"] = "prof";
    typed = "Prof"; // the comparison minds the case
    app.mdi().Mnu_Pref_Click(1);
    EXPECT_FALSE(app.g.MotDePasseValide);

    typed = "prof";
    app.mdi().Mnu_Pref_Click(2);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(app.frmOption().sstOptions.ListIndex, 2);
    EXPECT_TRUE(app.g.MotDePasseValide);
    // Once accepted, the gate stays open for the run.
    EXPECT_TRUE(app.mdi().TeacherGate());
    EXPECT_EQ(asked, 2);
}

} // namespace
} // namespace ondivel
