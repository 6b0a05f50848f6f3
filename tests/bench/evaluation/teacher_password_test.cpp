#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bench/evaluation/frm_pass.h"
#include "bench/evaluation/frm_pass_word.h"
#include "bench/main/mdi_ondivel.h"
#include "bench/ondivel.h"
#include "core/user_input.h"
#include "files/password_hash.h"
#include "files/testing/fake_platform.h"
#include "support/temp_folder.h"

namespace ondivel {
namespace {

constexpr const char* kFixedByAdministrator = "Le mot de passe est fixé par l'administrateur pour tous les "
                                              "comptes de cet ordinateur.\r\nIl ne peut pas être changé ici.";

// The teacher opens the options (a gated menu) or the change window and types what the test says.
class TeacherPassword : public ::testing::Test {
  protected:
    testing::TempFolder tmp;
    FakePlatform platform{tmp.path().string()};
    Ondivel app{platform};
    MDIOndivel& mdi = app.mdi();

    std::string typed;              // in frmPass
    std::string oldTyped, newTyped; // in frmPassWord
    std::vector<double> passHeights;
    bool changeWindowShown = false;

    void SetUp() override {
        platform.modalRunner = [this](Form& f) {
            if (&f == &app.frmPass()) {
                passHeights.push_back(f.Height);
                user::type(app.frmPass().txtPassWord, typed);
                user::click(app.frmPass().cmdOK);
                if (f.loaded()) user::click(app.frmPass().cmdQuit);
            } else if (&f == &app.frmPassWord()) {
                changeWindowShown = true;
                FrmPassWord& w = app.frmPassWord();
                user::type(w.txtPassWord[0], oldTyped);
                user::type(w.txtPassWord[1], newTyped);
                user::click(w.cmdOK);
                if (f.loaded()) user::click(w.Command1);
            } else if (f.loaded()) {
                f.Unload();
            }
        };
        mdi.Show();
    }

    std::string& stored() { return platform.userSettings["Settings/Password"]; }

    // One try at the teacher gate, in a fresh run of the program.
    bool unlocks(const std::string& text) {
        app.g.MotDePasseValide = false;
        typed = text;
        AskTeacherPassword(app);
        return app.g.MotDePasseValide;
    }
};

TEST_F(TeacherPassword, AClearTextFromAnOlderVersionUnlocksOnceThenIsKeptAsAHash) {
    stored() = "Ohm";
    EXPECT_FALSE(unlocks("ohm"));
    EXPECT_EQ(stored(), "Ohm") << "a wrong try rewrites nothing";

    EXPECT_TRUE(unlocks("Ohm"));
    EXPECT_TRUE(IsPasswordHash(stored())) << stored();
    EXPECT_EQ(stored().find("Ohm"), std::string::npos);

    EXPECT_TRUE(unlocks("Ohm")) << "the hash still opens for the same password";
    EXPECT_FALSE(unlocks("ohm"));
    EXPECT_FALSE(unlocks(""));
    EXPECT_EQ(passHeights.back(), 2310) << "a stored hash is a password: the short window";
}

TEST_F(TeacherPassword, TheChangeWindowKeepsOnlyAHashAndAnEmptyPasswordStaysNone) {
    oldTyped = "", newTyped = "Volt";
    user::click(mdi.Mnu_PassWord);
    EXPECT_EQ(platform.messages.back().text, "Le nouveau mot de passe a bien été enregistré.");
    EXPECT_TRUE(IsPasswordHash(stored())) << stored();
    EXPECT_FALSE(unlocks(""));
    EXPECT_TRUE(unlocks("Volt"));

    oldTyped = "Volt", newTyped = "";
    user::click(mdi.Mnu_PassWord);
    EXPECT_EQ(stored(), "");
    EXPECT_TRUE(unlocks(""));
    EXPECT_EQ(passHeights.back(), 2955) << "no password: the tall window with its hint";
}

TEST_F(TeacherPassword, TheAdministratorsFileWinsOverWhateverThePupilsOwnStoreHolds) {
    platform.systemPassword = HashPassword("Prof");
    // The pupil deleted the per-user line: the empty password no longer opens anything.
    platform.userSettings.erase("Settings/Password");
    EXPECT_FALSE(unlocks(""));
    EXPECT_EQ(passHeights.back(), 2310) << "the password is set: no hint about the empty one";
    stored() = "eleve";
    EXPECT_FALSE(unlocks("eleve"));
    EXPECT_EQ(stored(), "eleve") << "the per-user value is left alone";
    EXPECT_TRUE(unlocks("Prof"));

    // A file that exists but cannot be read opens nothing, not even for an empty entry.
    platform.systemPassword = "";
    EXPECT_FALSE(unlocks(""));
    EXPECT_FALSE(unlocks("Prof"));
}

TEST_F(TeacherPassword, TheChangeWindowRefusesWhenTheAdministratorFixedThePassword) {
    platform.systemPassword = HashPassword("Prof");
    oldTyped = "Prof", newTyped = "Volt";
    user::click(mdi.Mnu_PassWord);
    EXPECT_EQ(platform.messages.back().text, kFixedByAdministrator);
    EXPECT_EQ(platform.messages.back().title, "Ondivel - Mot de passe");
    EXPECT_FALSE(changeWindowShown);
    EXPECT_EQ(platform.userSettings.count("Settings/Password"), 0u);

    // The file appears while the window is open: its OK changes nothing either.
    platform.systemPassword.reset();
    platform.modalRunner = [this](Form& f) {
        if (&f != &app.frmPassWord()) return;
        platform.systemPassword = HashPassword("Prof");
        user::type(app.frmPassWord().txtPassWord[0], "");
        user::type(app.frmPassWord().txtPassWord[1], "Volt");
        user::click(app.frmPassWord().cmdOK);
    };
    user::click(mdi.Mnu_PassWord);
    EXPECT_EQ(platform.messages.back().text, kFixedByAdministrator);
    EXPECT_FALSE(app.frmPassWord().loaded());
    EXPECT_EQ(platform.userSettings.count("Settings/Password"), 0u);
    EXPECT_TRUE(TeacherPasswordMatches(app, "Prof"));
}

} // namespace
} // namespace ondivel
