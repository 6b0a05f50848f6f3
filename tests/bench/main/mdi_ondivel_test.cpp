#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>

#include "bench/main/frm_option.h"
#include "bench/scope/frm_full_screen.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/user_input.h"
#include "support/app_fixture.h"

namespace ondivel {
namespace {

namespace fs = std::filesystem;
using testing::AppFixture;

using MainWindowStartUp = AppFixture;

// The folders and the settings file a first start makes are the startup_first_run scenario's.
TEST_F(MainWindowStartUp, AMissingOrEmptyLogonNameIsUnknown) {
    int run = 0;
    for (const auto& logon : {std::optional<std::string>(), std::optional<std::string>("")}) {
        FakePlatform p(tmp / std::to_string(run++));
        p.logon = logon;
        Ondivel other(p);
        other.mdi().Show();
        EXPECT_EQ(other.g.NomUtilisateur, "Inconnu");
        EXPECT_EQ(fs::path(other.g.FichierConfig),
                  fs::path(p.appDataDir) / "Marvane/Ondivel/ConfOND_Inconnu.ini");
        EXPECT_TRUE(fs::exists(other.g.FichierConfig));
    }
}

// A newer version is the startup_new_version scenario's.
TEST_F(MainWindowStartUp, NoNoticeForTheSameAnOlderAGarbledOrAnUnreachableVersion) {
    int run = 0;
    for (const auto& served :
         {std::optional<std::string>("version=1.0"), std::optional<std::string>("version=0.9"),
          std::optional<std::string>("\x01\xFF garbage"), std::optional<std::string>()}) {
        FakePlatform p(tmp / std::to_string(run++));
        p.versionFile = served;
        Ondivel other(p);
        other.mdi().Show();
        EXPECT_TRUE(p.messages.empty()) << served.value_or("no file");
        EXPECT_TRUE(other.mdi().ModeLibre);
    }
}

// Only "1" keeps the tips on; an empty value counts as on and any other as off, each rewritten.
TEST_F(MainWindowStartUp, TheTipsRuleIsRewrittenAsItIsRead) {
    // clang-format off
    const struct { const char* stored; const char* rewritten; int box; } cases[] = {
        {"", "1", kChecked}, {"0", "0", kUnchecked}, {"2", "0", kUnchecked}, {"1", "1", kChecked},
    };
    // clang-format on
    int run = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        FakePlatform p(tmp / std::to_string(run++));
        const std::string ini = (fs::path(p.appDataDir) / "Marvane/Ondivel/ConfOND_eleve1.ini").string();
        WriteIniValue(ini, "Options", "Show Tips at Startup", c.stored);
        Ondivel other(p);
        other.mdi().Show();
        EXPECT_EQ(ReadIniValue(ini, "Options", "Show Tips at Startup", "none"), c.rewritten);
        EXPECT_EQ(other.frmOption().chkLoadTipsAtStartup.Value, c.box);
    }
}

TEST_F(MainWindowStartUp, WithoutACommonDataFolderAsksForTheSettingsFile) {
    platform.appDataDir = "";
    platform.fileAnswers.push_back(tmp / "school/Marvane/Ondivel/Conf_OND.ini");
    start();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Ondivel - Gestion erreurs");
    EXPECT_EQ(platform.messages[0].flags, vbCritical);
    EXPECT_EQ(platform.messages[0].text,
              "Le fichier suivant est introuvable :\r\n"
              "\\Documents and Settings\\All Users\\Application Data\\Marvane\\Ondivel\\Conf_OND.ini\r\n"
              "Veuillez le localiser.");
    EXPECT_EQ(app.g.FichierConfig, tmp / "school/Marvane/Ondivel/ConfOND_eleve1.ini");
}

TEST_F(MainWindowStartUp, AFileOutsideTheAuthorFoldersIsAskedAgainAndACancelFallsBackToTheProgramFolder) {
    platform.appDataDir = "";
    platform.fileAnswers.push_back(std::string("Marvane/Ondivel/Conf_OND.ini")); // leaves no folder
    platform.fileAnswers.push_back(std::nullopt);
    start();
    EXPECT_EQ(messagesTitled("Ondivel - Gestion erreurs"), 2);
    EXPECT_EQ(app.g.FichierConfig, tmp / "program/Marvane/Ondivel/ConfOND_eleve1.ini");
    EXPECT_FALSE(app.mdi().ended());
}

// Fails at one chosen service, the way a broken system would.
class BrokenPlatform : public FakePlatform {
  public:
    using FakePlatform::FakePlatform;
    std::optional<std::string> logonName() override {
        if (failure == 1) throw std::runtime_error("nom introuvable");
        if (failure == 2)
            throw std::system_error(std::make_error_code(std::errc::permission_denied), "refus");
        throw UnansweredQuestion("no answer queued");
    }
    int failure = 1;
};

TEST_F(MainWindowStartUp, AnErrorEndsTheProgramWithTheStepAndTheDescription) {
    BrokenPlatform broken(tmp.path().string());
    Ondivel other(broken);
    other.mdi().Show();
    EXPECT_TRUE(other.mdi().ended());
    EXPECT_FALSE(other.mdi().loaded());
    EXPECT_FALSE(other.frmOndivel().loaded());
    ASSERT_EQ(broken.messages.size(), 1u);
    EXPECT_EQ(broken.messages[0].title, "Ondivel - Erreur");
    EXPECT_EQ(broken.messages[0].text, "Erreur dans le module MDIOndivel à la ligne 7.\r\n"
                                       "Erreur n°0 : \r\n"
                                       "Description : nom introuvable\r\n"
                                       "Directory_Common_Document = " +
                                           tmp / "documents" +
                                           "\r\n"
                                           "\r\n"
                                           "L'application va se fermer.");

    BrokenPlatform denied(tmp / "denied");
    denied.failure = 2;
    Ondivel third(denied);
    third.mdi().Show();
    ASSERT_EQ(denied.messages.size(), 1u);
    EXPECT_NE(
        denied.messages[0].text.find("Erreur n°" + std::to_string(int(std::errc::permission_denied)) + " : "),
        std::string::npos);
}

TEST_F(MainWindowStartUp, AnUnansweredScriptQuestionIsNotTakenForAStartUpError) {
    BrokenPlatform script(tmp.path().string());
    script.failure = 3;
    Ondivel other(script);
    EXPECT_THROW(other.mdi().Show(), UnansweredQuestion);
    EXPECT_TRUE(script.messages.empty());
}

using MainWindowMenus = AppFixture;

TEST_F(MainWindowMenus, InFreeModeOnlyTheWorkingItemsCanBeChosen) {
    start(); // with the build's placeholder web address: the web entry opens nothing
    std::string enabled;
    for (const auto& entry : app.mdi().menuTree())
        if (entry.item->Enabled && entry.item->Caption != "-") enabled += entry.item->name() + " ";
    EXPECT_EQ(enabled, "Mnu_File Mnu_Pilote Mnu_OpenMontage Mnu_Exemples Mnu_Exemple Mnu_Exemple Mnu_Exemple "
                       "Mnu_Exemple Mnu_Exemple Mnu_Exemple Mnu_Exemple Mnu_Exemple Mnu_SaveMontage "
                       "Mnu_Create Mnu_Modif Mnu_Kill Mnu_View Mnu_Tableau Mnu_Clean Mnu_Print "
                       "Mnu_ConfigPrint Mnu_Exporter Mnu_End "
                       "Mnu_Edition Mnu_Copier Mnu_ClipBoard Mnu_ClipBoard Mnu_Affichage Mnu_Harmo Mnu_Volt "
                       "Mnu_Chrono Mnu_Mesures Mnu_PosWin Mnu_Disposer Mnu_ViewFullScreen Mnu_Curseurs "
                       "Mnu_Option Mnu_Pref Mnu_Pref Mnu_Pref "
                       "Mnu_Help Mnu_Help_Contents Mnu_Help_Index Mnu_Tip Mnu_NewTip Mnu_PassWord "
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
    EXPECT_FALSE(app.mdi().Mnu_Exporter.Enabled); // an exported screen would give the answers away
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

} // namespace
} // namespace ondivel
