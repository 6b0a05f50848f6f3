#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bench/evaluation/frm_corbeille.h"
#include "bench/evaluation/frm_create_file.h"
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

using testing::readBytes;
using testing::writeBytes;

// A desktop where opening a document may find no application for it.
class DesktopPlatform : public FakePlatform {
  public:
    using FakePlatform::FakePlatform;
    bool hasEditor = true;
    bool openTextFile(const std::string& path) override {
        return FakePlatform::openTextFile(path) && hasEditor;
    }
};

// The teacher's menus behind the password window, and the password itself.
class TeacherTools : public ::testing::Test {
  protected:
    testing::TempFolder tmp;
    DesktopPlatform platform{tmp.path().string()};
    Ondivel app{platform};
    MDIOndivel& mdi = app.mdi();

    // What the teacher types in the password window (nullopt: "Annuler"), the heights the window
    // had, and what happens in any other window shown modally.
    std::optional<std::string> password = std::string();
    std::vector<double> passHeights;
    std::function<void(Form&)> inside = [](Form&) {};

    void SetUp() override {
        platform.modalRunner = [this](Form& f) {
            if (&f != &app.frmPass()) return inside(f);
            passHeights.push_back(f.Height);
            if (!password) return (void)user::click(app.frmPass().cmdQuit);
            user::type(app.frmPass().txtPassWord, *password);
            user::click(app.frmPass().cmdOK);
            if (f.loaded()) user::click(app.frmPass().cmdQuit);
        };
        mdi.Show();
    }
    std::string results() const { return app.g.DossierPartage + "Resultat.txt"; }
    std::string& stored() { return platform.userSettings["Settings/Password"]; }

    // One try at the teacher gate, as in a fresh run of the program.
    bool unlocks(const std::string& text) {
        app.g.MotDePasseValide = false;
        password = text;
        AskTeacherPassword(app);
        return app.g.MotDePasseValide;
    }
    // The change window, with the old and the new password typed, then OK.
    void changePassword(const std::string& oldText, const std::string& newText) {
        inside = [this, oldText, newText](Form& f) {
            if (&f != &app.frmPassWord()) return;
            FrmPassWord& w = app.frmPassWord();
            user::type(w.txtPassWord[0], oldText);
            user::type(w.txtPassWord[1], newText);
            user::click(w.cmdOK);
            if (f.loaded()) user::click(w.Command1);
        };
        user::click(mdi.Mnu_PassWord);
    }
};

TEST_F(TeacherTools, AWrongOrCancelledPasswordKeepsTheTeacherMenusShut) {
    stored() = "Ohm";
    bool trashShown = false;
    inside = [&](Form& f) { trashShown |= &f == &app.frmCorbeille(); };
    password = "ohm";
    user::click(mdi.Mnu_Kill); // its message is the admin_password_fixed scenario's
    EXPECT_FALSE(trashShown);

    password.reset(); // "Annuler": every teacher menu does nothing
    platform.fileAnswers = {tmp / "x.ond"};
    user::click(mdi.Mnu_Modif);
    user::click(mdi.Mnu_View);
    EXPECT_EQ(platform.fileAnswers.size(), 1u);
    EXPECT_TRUE(platform.launched.empty());
    EXPECT_FALSE(app.frmCreateFile().loaded());

    password = "Ohm";
    user::click(mdi.Mnu_Kill);
    EXPECT_TRUE(trashShown);
}

TEST_F(TeacherTools, TheTrashTakesOnlyTheChosenExerciseFilesOneByOne) {
    for (const char* name : {"b.ond", "a.OND", "notes.txt", "c.ond"})
        writeBytes(app.g.DossierPartage + name, "CC/1//CC/1/\r\n");
    FrmCorbeille& trash = app.frmCorbeille();
    inside = [&](Form& f) {
        if (&f != &trash) return;
        EXPECT_EQ(trash.flbOND.List, (std::vector<std::string>{"a.OND", "b.ond", "c.ond"}));
        user::select(trash.flbOND, 0);
        trash.flbOND.Selected[2] = true;
        user::click(trash.cmdKill);
    };
    user::click(mdi.Mnu_Kill);
    EXPECT_FALSE(trash.loaded());
    EXPECT_EQ(platform.trashed,
              (std::vector<std::string>{app.g.DossierPartage + "a.OND", app.g.DossierPartage + "c.ond"}));
    EXPECT_TRUE(std::filesystem::exists(app.g.DossierPartage + "b.ond"));
}

// Viewing and emptying the local results file are the teacher_results scenario's.
TEST_F(TeacherTools, ViewingMakesAMissingResultsFileOrSaysThereIsNoEditor) {
    user::click(mdi.Mnu_View);
    EXPECT_TRUE(std::filesystem::exists(results())); // an empty file rather than an error
    platform.hasEditor = false;
    user::click(mdi.Mnu_View);
    EXPECT_EQ(platform.messages.back().title, "Erreur sur le chemin d'accés");
    EXPECT_EQ(platform.messages.back().flags, vbCritical);
}

TEST_F(TeacherTools, InNetworkModeTheTeacherChoosesWhichResultsFile) {
    mdi.ModeReseau = true;
    mdi.FichierResultat = tmp / "Dépôt/OND_eleve1_3_12_2026_9_5.txt";
    const std::string other = tmp / "Dépôt/OND_eleve2_3_12_2026_9_7.txt";
    writeBytes(other, "x\r\n");
    platform.messageAnswers = {vbYes};
    platform.fileAnswers = {other};
    user::click(mdi.Mnu_Clean);
    EXPECT_EQ(readBytes(other), "");
    EXPECT_EQ(platform.messages.back().text, "Fichier OND_eleve2_3_12_2026_9_7.txt vidé.");

    platform.fileAnswers = {std::nullopt}; // cancelled: silently nothing
    const auto shown = platform.messages.size();
    user::click(mdi.Mnu_View);
    EXPECT_TRUE(platform.launched.empty());
    EXPECT_EQ(platform.messages.size(), shown);
}

// The results folder is shared with the pupils: one of them replaced the results file by a link to
// a teacher's file. Emptying leaves that file whole and says why; viewing does not open it.
TEST_F(TeacherTools, AResultsFileReplacedByALinkIsNeitherEmptiedNorOpened) {
    const std::string teachers = tmp / "prof/bulletins.txt";
    writeBytes(teachers, "notes du trimestre\r\n");
    std::filesystem::create_symlink(teachers, results());
    platform.messageAnswers = {vbYes};
    user::click(mdi.Mnu_Clean);
    EXPECT_EQ(readBytes(teachers), "notes du trimestre\r\n");
    EXPECT_EQ(platform.messages.back().text,
              "Le fichier suivant n'a pas été vidé : ce n'est pas un fichier ordinaire "
              "(lien symbolique, dossier ou périphérique).\r\n" +
                  results());
    EXPECT_EQ(platform.messages.back().flags, vbCritical);

    user::click(mdi.Mnu_View);
    EXPECT_TRUE(platform.launched.empty());
    EXPECT_EQ(platform.messages.back().text,
              "Le fichier suivant n'a pas été ouvert : ce n'est pas un fichier ordinaire "
              "(lien symbolique, dossier ou périphérique).\r\n" +
                  results());
}

TEST_F(TeacherTools, AClearTextFromAnOlderVersionUnlocksOnceThenIsKeptAsAHash) {
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

TEST_F(TeacherTools, TheChangeWindowKeepsOnlyAHashAndAnEmptyPasswordStaysNone) {
    changePassword("", "Volt");
    EXPECT_TRUE(IsPasswordHash(stored())) << stored();
    EXPECT_FALSE(unlocks(""));
    EXPECT_TRUE(unlocks("Volt"));

    changePassword("Volt", "");
    EXPECT_EQ(stored(), "");
    EXPECT_TRUE(unlocks(""));
    EXPECT_EQ(passHeights.back(), 2955) << "no password: the tall window with its hint";
}

TEST_F(TeacherTools, TheAdministratorsFileWinsOverWhateverThePupilsOwnStoreHolds) {
    // An emptied per-user store and the short window are the admin_password_fixed scenario's.
    platform.systemPassword = HashPassword("Prof");
    stored() = "eleve";
    EXPECT_FALSE(unlocks("eleve"));
    EXPECT_EQ(stored(), "eleve") << "the per-user value is left alone";
    EXPECT_TRUE(unlocks("Prof"));

    // A file that exists but cannot be read opens nothing, not even for an empty entry.
    platform.systemPassword = "";
    EXPECT_FALSE(unlocks(""));
    EXPECT_FALSE(unlocks("Prof"));
}

// The change window refused outright is the admin_password_fixed scenario's.
TEST_F(TeacherTools, AnAdministratorsFileThatAppearsWhileTheChangeWindowIsOpenRefusesItsOK) {
    inside = [this](Form& f) {
        if (&f != &app.frmPassWord()) return;
        platform.systemPassword = HashPassword("Prof");
        user::type(app.frmPassWord().txtPassWord[1], "Volt");
        user::click(app.frmPassWord().cmdOK);
    };
    user::click(mdi.Mnu_PassWord);
    EXPECT_EQ(platform.messages.back().text,
              "Le mot de passe est fixé par l'administrateur pour tous les comptes "
              "de cet ordinateur.\r\nIl ne peut pas être changé ici.");
    EXPECT_FALSE(app.frmPassWord().loaded());
    EXPECT_EQ(platform.userSettings.count("Settings/Password"), 0u);
    EXPECT_TRUE(TeacherPasswordMatches(app, "Prof"));
}

} // namespace
} // namespace ondivel
