#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "bench/main/frm_about.h"
#include "bench/main/frm_option.h"
#include "bench/main/frm_tip.h"
#include "bench/main/preferences.h"
#include "bench/main/tips.h"
#include "core/user_input.h"
#include "support/app_fixture.h"

namespace ondivel {
namespace {

namespace fs = std::filesystem;
using testing::AppFixture;

void writeFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(TipsFile, OneTipPerNonBlankLineWhateverTheLineEnds) {
    // clang-format off
    const struct { const char* text; std::vector<std::string> tips; } cases[] = {
        {"", {}},
        {"\r\n\r\n  \r\n", {}},
        {"Un.\r\nDeux.\r\n", {"Un.", "Deux."}},
        {"Un.\nDeux.", {"Un.", "Deux."}},                 // LF only, no final line end
        {"  Un.  \r\n\r\n\tDeux.\r\n", {"Un.", "Deux."}},  // blanks and empty lines around
        {"Période : 1 ms.\r\n", {"Période : 1 ms."}},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(TipsFromText(c.text), c.tips) << c.text;
}

class TipsTest : public AppFixture {
  protected:
    fs::path shipped() const { return fs::path(platform.programDir) / kTipsFileName; }
    fs::path shared() const { return fs::path(app.g.DossierPartage) / kTipsFileName; }
    void shipTips(const std::string& text) { writeFile(shipped(), text); }
    // Started without the tip window, with these tips shipped (none: no tips file).
    void startWith(const char* tips) {
        if (tips) shipTips(tips);
        preset("Options", "Show Tips at Startup", "0");
        start();
    }
};

// The tip window at start-up, the next tip and the About box are the tour_help_menu scenario's.
TEST_F(TipsTest, StartUpOpensNoTipWindowWhenTurnedOffOrWithoutTips) {
    startWith("Un.\r\n");
    EXPECT_FALSE(app.frmTip().loaded());

    Ondivel second(platform);
    fs::remove(shipped());
    preset("Options", "Show Tips at Startup", "1");
    second.mdi().Show();
    EXPECT_FALSE(second.frmTip().loaded());
}

TEST_F(TipsTest, NextTipWrapsAroundAndASingleTipHasNoNextButton) {
    startWith("Un.\r\nDeux.\r\n");
    platform.randomValues = {0.5};
    user::click(app.mdi().Mnu_Tip);
    FrmTip& tip = app.frmTip();
    EXPECT_EQ(tip.lblTipText.Caption, "Deux.");
    user::click(tip.cmdNextTip);
    EXPECT_EQ(tip.lblTipText.Caption, "Un.");
    user::click(tip.cmdOK);

    shipTips("Seule astuce.\r\n");
    user::click(app.mdi().Mnu_Tip);
    EXPECT_FALSE(tip.cmdNextTip.Enabled);
}

TEST_F(TipsTest, TheTeacherEditsASharedCopyThatThenTakesPrecedence) {
    startWith("Livrée.\r\n");
    app.g.MotDePasseValide = true;
    user::click(app.mdi().Mnu_NewTip);
    ASSERT_EQ(platform.launched.size(), 1u);
    EXPECT_EQ(fs::path(platform.launched.back()), shared());
    ASSERT_TRUE(fs::exists(shared()));

    writeFile(shared(), "Livrée.\r\nDu professeur.\r\n");
    platform.randomValues = {0.9};
    user::click(app.mdi().Mnu_Tip);
    EXPECT_EQ(app.frmTip().lblTipText.Caption, "Du professeur.");
    // The shipped file is untouched; a second edit opens the same copy without copying again.
    user::click(app.frmTip().cmdOK);
    user::click(app.mdi().Mnu_NewTip);
    EXPECT_EQ(testing::readBytes(shipped().string()), "Livrée.\r\n");
    EXPECT_EQ(testing::readBytes(shared().string()), "Livrée.\r\nDu professeur.\r\n");
}

TEST_F(TipsTest, AddingATipNeedsThePasswordAndWithoutAnyTipsFileStartsAnEmptyList) {
    startWith(nullptr);
    user::click(app.mdi().Mnu_NewTip); // the password window closes without a password
    EXPECT_TRUE(platform.launched.empty());
    EXPECT_FALSE(fs::exists(shared()));
    app.g.MotDePasseValide = true;
    user::click(app.mdi().Mnu_NewTip);
    ASSERT_EQ(platform.launched.size(), 1u);
    EXPECT_TRUE(fs::exists(shared()));
    EXPECT_EQ(fs::file_size(shared()), 0u);
}

// The program's own files going missing while it runs: nothing stops, only the teacher, who can
// act, is told (a missing click sound is the Qt resource faults test's).
TEST_F(TipsTest, ATipsFileDeletedWhileRunningLeavesAnEmptyTipWindow) {
    startWith("Un.\r\nDeux.\r\n");
    fs::remove(shipped());
    user::click(app.mdi().Mnu_Tip);
    FrmTip& tip = app.frmTip();
    ASSERT_TRUE(tip.Visible);
    EXPECT_EQ(tip.lblTipText.Caption, "Aucune astuce n'est disponible.");
    EXPECT_FALSE(tip.cmdNextTip.Enabled);
    user::click(tip.cmdOK);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(TipsTest, ASharedFolderRemovedSinceStartUpIsMadeAgainOrNamedToTheTeacher) {
    startWith("Un.\r\n");
    app.g.MotDePasseValide = true;
    const fs::path folder = shared().parent_path();
    fs::remove_all(folder);
    user::click(app.mdi().Mnu_NewTip);
    EXPECT_TRUE(platform.messages.empty());
    ASSERT_EQ(platform.launched.size(), 1u);
    EXPECT_EQ(testing::readBytes(platform.launched.back()), "Un.\r\n");

    fs::remove_all(folder);
    writeFile(folder, "a file in the way of the folder");
    user::click(app.mdi().Mnu_NewTip);
    EXPECT_EQ(platform.launched.size(), 1u);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Le fichier suivant ne peut pas être créé :\r\n" +
                                             shared().string() +
                                             "\r\nVérifiez que le dossier partagé est accessible.");
    EXPECT_EQ(platform.messages[0].title, "Erreur sur le chemin d'accés");
}

using HelpMenusTest = AppFixture;

TEST_F(HelpMenusTest, WebAddressesComeFromTheInstallationSettings) {
    platform.versionFile = "version=9.9";
    writeFile(
        fs::path(platform.programDir) / "Ondivel-web.ini",
        "[Web]\r\nSite=https://lycee-ondivel.fr/ondivel/\r\nVersion=https://lycee-ondivel.fr/v.txt\r\n");
    start();
    EXPECT_TRUE(app.mdi().Mnu_Web.Enabled);
    user::click(app.mdi().Mnu_Web);
    EXPECT_EQ(platform.launched.back(), "https://lycee-ondivel.fr/ondivel/");
    EXPECT_EQ(platform.downloads.back(), "https://lycee-ondivel.fr/v.txt");
    EXPECT_NE(platform.messages.back().text.find("https://lycee-ondivel.fr/ondivel/"), std::string::npos);

    user::click(app.mdi().Mnu_About);
    FrmAbout& about = app.frmAbout();
    EXPECT_EQ(about.lblWeb.Caption, "https://lycee-ondivel.fr/ondivel/");
    platform.launched.clear();
    user::click(about.cmdWeb);
    EXPECT_EQ(platform.launched, std::vector<std::string>{"https://lycee-ondivel.fr/ondivel/"});
}

TEST_F(HelpMenusTest, APlaceholderSiteIsNeitherShownNorOffered) {
    start(); // the build's default address, "https://ondivel.example/"
    EXPECT_FALSE(app.mdi().Mnu_Web.Enabled);
    user::click(app.mdi().Mnu_About);
    FrmAbout& about = app.frmAbout();
    EXPECT_EQ(about.lblVersion.Caption, "Version 1.0");
    EXPECT_EQ(about.lblLicence.Caption, "Licence : propriétaire");
    EXPECT_EQ(about.lblWeb.Caption, "");
    EXPECT_FALSE(about.lblWeb.Visible);
    EXPECT_FALSE(about.cmdWeb.Visible);
    user::click(about.cmdWeb);
    EXPECT_TRUE(platform.launched.empty());
}

TEST_F(HelpMenusTest, TooltipsFollowTheSettingAtOnceAndEndWithTheProgram) {
    preset("Options", "ShowToolTip", "0");
    start();
    EXPECT_FALSE(platform.toolTipsEnabled);
    app.frmOption().chkToolTip.Value = kChecked;
    SavePreferences(app);
    EXPECT_TRUE(platform.toolTipsEnabled);
    EXPECT_EQ(platform.toolTipWidth, 200);

    platform.openWindows.push_back("Aide d'Ondivel");
    app.mdi().Unload();
    EXPECT_FALSE(platform.toolTipsEnabled);
    EXPECT_TRUE(platform.openWindows.empty()); // the help window went with the program
}

TEST_F(HelpMenusTest, AboutBoxSaysWhenTheSystemInformationIsMissing) {
    start();
    user::click(app.mdi().Mnu_About);
    FrmAbout& about = app.frmAbout();
    platform.systemInformation = false;
    user::click(about.cmdSysInfo);
    EXPECT_EQ(platform.messages.back().text,
              "Les informations système ne sont pas disponibles actuellement.");
}

} // namespace
} // namespace ondivel
