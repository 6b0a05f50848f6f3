#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "bench/scope/frm_ondivel.h"
#include "support/app_fixture.h"

namespace ondivel {
namespace {

namespace fs = std::filesystem;
using testing::AppFixture;
using testing::readBytes;

using MainWindowStartUp = AppFixture;

// The folders a first start makes are the startup_first_run scenario's.
TEST_F(MainWindowStartUp, CreatesTheSharedFolderAndTheSettingsFileUnderTheCommonFolders) {
    start();
    const std::string sep(1, fs::path::preferred_separator);
    EXPECT_EQ(app.g.DossierDonneesCommunes, tmp / "appdata" + sep);
    EXPECT_EQ(app.g.FichierConfig, iniPath());
    // The tips rule is the only setting start-up writes on a first run.
    EXPECT_EQ(readBytes(iniPath()), "[Options]\r\nShow Tips at Startup=1\r\n");
}

// A missing logon name and an unreachable or equal version are the startup_* scenarios'.
TEST_F(MainWindowStartUp, AnEmptyLogonNameAndAnOlderOrGarbledVersionFile) {
    platform.logon = "";
    platform.versionFile = "version=0.9";
    start();
    EXPECT_EQ(app.g.FichierConfig, tmp / "appdata/Marvane/Ondivel/ConfOND_Inconnu.ini");
    EXPECT_TRUE(platform.messages.empty());

    FakePlatform p(tmp / "v");
    p.versionFile = "\x01\xFF garbage";
    Ondivel other(p);
    other.mdi().Show();
    EXPECT_TRUE(p.messages.empty());
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
