#include <gtest/gtest.h>

#include <string>

#include "app_fixture.h"
#include "core/user_input.h"
#include "evaluation/frm_pass.h"
#include "meters/frm_toolbox.h"
#include "scope/frm_full_screen.h"
#include "scope/frm_ondivel.h"
#include "shell/frm_option.h"
#include "sources/frm_gbf.h"

namespace ondivel {
namespace {

using testing::AppFixture;
using testing::readBytes;

using MainWindowMenus = AppFixture;

// The menu bar as a user reads it: one item a line, indented by level, shortcut after a tab.
std::string outline(const MDIOndivel& mdi) {
    std::string out;
    for (const auto& entry : mdi.menuTree()) {
        out += std::string(static_cast<std::size_t>(2 * entry.level), ' ') + entry.item->Caption;
        if (!entry.item->Shortcut.empty()) out += "\t" + entry.item->Shortcut;
        out += "\n";
    }
    return out;
}

TEST_F(MainWindowMenus, TheMenuBarReadsAsDocumented) {
    EXPECT_EQ(outline(app.mdi()), "&Fichier\n"
                                  "  Mode &libre\n"
                                  "  Mode éva&lué\n"
                                  "  -\n"
                                  "  &Créer un fichier Ondivel\n"
                                  "  &Modifier un fichier Ondivel\n"
                                  "  &Supprimer un fichier Ondivel\n"
                                  "  -\n"
                                  "  &Visualisation des réponses élèves\n"
                                  "  Vider le fichier de &réponses élèves\n"
                                  "  -\n"
                                  "  &Imprimer écran\n"
                                  "  Con&figuration imprimante\n"
                                  "  -\n"
                                  "  &Quitter\n"
                                  "&Edition\n"
                                  "  &Copier les oscillogrammes ...\n"
                                  "    identique à l'écran\n"
                                  "    en niveau de gris\n"
                                  "Aff&ichage\n"
                                  "  Générateur harmoniques\n"
                                  "  &Multimètre\n"
                                  "  &Chronomètre\n"
                                  "  &Calculatrice\n"
                                  "  -\n"
                                  "  &Positionnement par défaut des fenêtres\n"
                                  "  &Visualisation plein écran des oscillogrammes\n"
                                  "&Options\n"
                                  "  &Interface\tCtrl+I\n"
                                  "  &Oscillogrammes\tCtrl+O\n"
                                  "  Im&pression\tCtrl+P\n"
                                  "  &Sensibilités automatiques\tCtrl+S\n"
                                  "&Aide\n"
                                  "  &Sommaire de l'aide d'Ondivel\n"
                                  "  Index de l'aide d'Ondivel\n"
                                  "  -\n"
                                  "  Astuce du &jour\n"
                                  "  &Rajouter une astuce\n"
                                  "  -\n"
                                  "  Changer le &mot de passe\n"
                                  "  Visiter le site de l'auteur\n"
                                  "  A &propos de Ondivel\n");
    // Every menu control is in the tree.
    int menus = 0;
    for (const Control* c : app.mdi().controls())
        menus += c->kind() == ControlKind::Menu;
    EXPECT_EQ(menus, static_cast<int>(app.mdi().menuTree().size()));
}

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
    app.mdi().SetFreeMode(false);
    EXPECT_FALSE(app.mdi().ModeLibre);
    EXPECT_TRUE(app.mdi().Mnu_Libre.Enabled);
    EXPECT_FALSE(app.mdi().Mnu_Volt.Enabled);
    EXPECT_EQ(app.frmToolBox().chkMulti.Value, kUnchecked);
    EXPECT_FALSE(app.frmToolBox().chkMulti.Enabled);
    EXPECT_FALSE(app.mdi().Mnu_Pilote.Enabled);
    EXPECT_FALSE(app.mdi().Mnu_Harmo.Enabled);  // no source panel opens during an evaluation
    EXPECT_FALSE(app.mdi().Mnu_Create.Enabled); // the teacher tools wait for free mode
    EXPECT_FALSE(app.mdi().Mnu_Clean.Enabled);
}

TEST_F(MainWindowMenus, BackToFreeModeResetsTitleWiringAndBothSides) {
    start();
    app.mdi().SetFreeMode(false);
    app.mdi().Caption = app.mdi().titleFor(false);
    app.mdi().FichierExercice = "exo.ond";
    app.g.SignalA = "Sinus";
    app.g.AmplitudeB = 3;
    app.g.FrequenceA = 1000;
    // One selection per channel, as the toolbox groups its options.
    for (int i = 0; i < 18; ++i)
        app.frmToolBox().optConnexion[i].setGroup(i <= 5 || i == 12 || i == 14 || i == 16 ? "CH1" : "CH2");
    app.frmToolBox().optConnexion[3].setValue(1);
    app.frmGBFA().Show();
    ASSERT_TRUE(user::click(app.mdi().Mnu_Libre));
    EXPECT_TRUE(app.mdi().ModeLibre);
    EXPECT_EQ(app.mdi().Caption, "Ondivel v.1.0 - Mode libre");
    EXPECT_EQ(app.mdi().FichierExercice, "");
    EXPECT_TRUE(app.frmToolBox().optConnexion[0].isOn());
    EXPECT_FALSE(app.frmToolBox().optConnexion[3].isOn());
    EXPECT_EQ(app.g.SignalA, "Cc");
    EXPECT_EQ(app.g.SignalB, "Cc");
    EXPECT_EQ(app.g.AmplitudeB, 0);
    EXPECT_EQ(app.g.FrequenceA, 0);
    EXPECT_FALSE(app.frmGBFA().loaded());
}

TEST_F(MainWindowMenus, QuitWithYesSavesTheKnobsAndPositionAndEndsTheProgram) {
    start();
    app.frmOndivel().Potentio[1].Value = 3;
    app.frmOndivel().Potentio[0].Value = 7.5;
    app.frmOndivel().Left = 1234;
    app.frmOndivel().Top = 0;
    app.mdi().Mnu_Calc.Checked = true;
    platform.openWindows = {"Calculatrice"};
    platform.messageAnswers.push_back(vbYes);
    ASSERT_TRUE(user::click(app.mdi().Mnu_End));
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(platform.messages.back().text, "Voulez-vous quitter ce programme ?");
    EXPECT_EQ(platform.messages.back().title, "Ondivel");
    EXPECT_EQ(platform.messages.back().flags, vbYesNo | vbQuestion | vbMsgBoxSetForeground);
    EXPECT_EQ(ini("Interface", "Intensity"), "3");
    EXPECT_EQ(ini("Interface", "Focus"), "7.5");
    EXPECT_EQ(ini("Interface", "PosX Ondivel"), "1234");
    EXPECT_EQ(ini("Interface", "PosY Ondivel"), "0");
    EXPECT_TRUE(platform.openWindows.empty());
    EXPECT_TRUE(app.mdi().ended());
    EXPECT_FALSE(app.mdi().loaded());
    EXPECT_FALSE(app.frmOndivel().loaded());
    EXPECT_FALSE(app.frmOption().loaded());
}

TEST_F(MainWindowMenus, QuitWithNoChangesNothing) {
    start();
    const std::string before = readBytes(iniPath());
    platform.messageAnswers.push_back(vbNo);
    user::click(app.mdi().Mnu_End);
    EXPECT_EQ(readBytes(iniPath()), before);
    EXPECT_FALSE(app.mdi().ended());
    EXPECT_TRUE(app.frmOndivel().Visible);
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
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(app.g.MotDePasseValide);
    EXPECT_EQ(app.frmOption().sstOptions.ListIndex, 0);

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
