#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "app_fixture.h"
#include "meters/frm_toolbox.h"
#include "scope/frm_ondivel.h"
#include "shell/frm_option.h"

namespace ondivel {
namespace {

namespace fs = std::filesystem;
using testing::AppFixture;
using testing::readBytes;

using MainWindowStartUp = AppFixture;

TEST_F(MainWindowStartUp, CreatesTheSharedFolderAndTheSettingsFileUnderTheCommonFolders) {
    start();
    const std::string sep(1, fs::path::preferred_separator);
    EXPECT_EQ(app.g.DossierPartage, tmp / "documents/Marvane/Ondivel" + sep);
    EXPECT_TRUE(fs::is_directory(app.g.DossierPartage));
    EXPECT_EQ(app.g.DossierDonneesCommunes, tmp / "appdata" + sep);
    EXPECT_EQ(app.g.FichierConfig, iniPath());
    EXPECT_EQ(app.g.NomUtilisateur, "eleve1");
    // The tips rule is the only setting start-up writes on a first run.
    EXPECT_EQ(readBytes(iniPath()), "[Options]\r\nShow Tips at Startup=1\r\n");
    EXPECT_FALSE(app.mdi().ended());
}

TEST_F(MainWindowStartUp, AUserWithoutALogonNameSharesTheInconnuFile) {
    for (const std::optional<std::string>& logon :
         {std::optional<std::string>(), std::optional<std::string>("")}) {
        FakePlatform p(tmp / "other");
        p.logon = logon;
        Ondivel other(p);
        other.mdi().Show();
        EXPECT_EQ(other.g.NomUtilisateur, "Inconnu");
        EXPECT_EQ(other.g.FichierConfig, tmp / "other/appdata/Marvane/Ondivel/ConfOND_Inconnu.ini");
        EXPECT_TRUE(fs::exists(other.g.FichierConfig));
    }
}

TEST_F(MainWindowStartUp, OpensInFreeModeWithTheOscilloscopeAndToolboxAndNoSourceWired) {
    start();
    EXPECT_EQ(app.mdi().Caption, "Ondivel v.1.0 - Mode libre");
    EXPECT_TRUE(app.mdi().ModeLibre);
    EXPECT_FALSE(app.mdi().Mnu_Libre.Enabled);
    EXPECT_TRUE(app.frmToolBox().chkMulti.Enabled);
    EXPECT_TRUE(app.frmOndivel().Visible);
    EXPECT_TRUE(app.frmToolBox().Visible);
    EXPECT_TRUE(app.frmOption().loaded());
    EXPECT_FALSE(app.frmOption().Visible);
    EXPECT_TRUE(app.frmToolBox().optConnexion[11].isOn());
    EXPECT_EQ(app.mdi().LargeurZoneTravail, 1280 * 15);
    EXPECT_EQ(app.mdi().HauteurZoneTravail, 800 * 15);
    EXPECT_EQ(app.mdi().BackColor, kWhite);
    EXPECT_EQ(app.g.FrequenceCompteur, platform.counterFrequency());
}

TEST_F(MainWindowStartUp, TheFrameTakesTheBackgroundColourOfTheSettings) {
    preset("Options", "Couleur fond", "255");
    start();
    EXPECT_EQ(app.mdi().BackColor, 255u);
}

TEST_F(MainWindowStartUp, WarnsOnlyBelow1023PixelsOfWidth) {
    platform.workWidth = 1023;
    platform.workHeight = 600;
    start();
    EXPECT_EQ(messagesTitled("Ondivel - résolution d'écran"), 0);

    FakePlatform narrow(tmp / "narrow");
    narrow.workWidth = 1022;
    narrow.workHeight = 600;
    Ondivel other(narrow);
    other.mdi().Show();
    ASSERT_EQ(narrow.messages.size(), 1u);
    EXPECT_EQ(narrow.messages[0].title, "Ondivel - résolution d'écran");
    EXPECT_EQ(narrow.messages[0].flags, vbInformation);
    EXPECT_EQ(narrow.messages[0].text,
              "Votre résolution d'écran est de 1022 par 600pixels.\r\n"
              "Le logiciel ONDIVEL est adapté pour une résolution d'écran de 1024 par 768 pixels.\r\n"
              "Il est conseillé de modifiez ces paramètres.\r\n"
              " Aller pour cela dans Affichage du Panneau de Configuration de Windows.");
    EXPECT_FALSE(other.mdi().ended()); // a warning only
}

TEST_F(MainWindowStartUp, TipsSettingIsRewrittenAsZeroOrOne) {
    // clang-format off
    const struct { const char* stored; const char* after; } cases[] = {
        {"0", "0"}, {"2", "0"}, {"non", "0"}, {"", "1"}, {"1", "1"}, {nullptr, "1"},
    };
    // clang-format on
    for (const auto& c : cases) {
        const std::string root = tmp / ("tips" + std::string(c.stored ? c.stored : "missing"));
        FakePlatform p(root);
        if (c.stored)
            WriteIniValue(root + "/appdata/Marvane/Ondivel/ConfOND_eleve1.ini", "Options",
                          "Show Tips at Startup", c.stored);
        Ondivel other(p);
        other.mdi().Show();
        EXPECT_EQ(ReadIniValue(other.g.FichierConfig, "Options", "Show Tips at Startup", "?"), c.after)
            << (c.stored ? c.stored : "missing");
    }
}

TEST_F(MainWindowStartUp, AnnouncesANewerVersionFromTheDownloadedFile) {
    platform.versionFile = "[Ondivel]\r\nversion = 4.10\r\n";
    start();
    ASSERT_EQ(messagesTitled("Ondivel - Nouvelle version"), 1);
    EXPECT_EQ(
        platform.messages.back().text,
        "La version 4.10 de Ondivel est téléchargeable gratuitement sur : \r\nhttps://ondivel.example/");
    EXPECT_EQ(platform.messages.back().flags, vbInformation);
    EXPECT_TRUE(fs::exists(app.g.DossierPartage + "Delete_Me.txt"));
}

TEST_F(MainWindowStartUp, SaysNothingWhenTheVersionIsNotNewerOrTheDownloadFails) {
    for (const std::optional<std::string>& file :
         {std::optional<std::string>(), std::optional<std::string>("version=1.0"),
          std::optional<std::string>("version=0.9"), std::optional<std::string>("\x01\xFF garbage")}) {
        FakePlatform p(tmp / "v");
        p.versionFile = file;
        Ondivel other(p);
        other.mdi().Show();
        EXPECT_TRUE(p.messages.empty()) << file.value_or("no file");
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

} // namespace
} // namespace ondivel
