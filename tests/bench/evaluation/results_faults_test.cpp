// The results file failing during an evaluation: a full disk, the results folder gone, the
// network deposit folder unreachable, the exercise file deleted. The lesson goes on, the pupil is
// told once to call the teacher, and no answer is lost: what could not be written goes, in
// order, with the first write that succeeds, and quitting before that asks first.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "bench/evaluation/evaluation_fixture.h"

namespace ondivel {
namespace {

namespace fs = std::filesystem;

const char* const kLesson = "CC/1//CC/1/\nCC/2//CC/2/\nCC/3//CC/3/";

class ResultsFaults : public testing::EvaluationTest {
  protected:
    // Answers the oscillogram on show (right on both channels) and validates it; `between` runs
    // before each oscillogram after the first.
    void answerEvery(const std::function<void(int)>& between = {}) {
        for (int n = 1; n <= 3; ++n) {
            if (n > 1) {
                if (between) between(n);
                user::click(exo.cmdNextOndivel);
            }
            answerContinuous(0, std::to_string(n));
            answerContinuous(1, std::to_string(n));
            user::click(exo.cmdNext);
        }
    }
    void finish() { user::click(exo.cmdNextOndivel); } // the mark, then free mode
    int toldToCallTheTeacher() const {
        int n = 0;
        for (const auto& m : platform.messages)
            n += m.text.find("appelez le professeur") != std::string::npos;
        return n;
    }
    // The same lesson without any fault, in a fresh results file, for comparison.
    std::string faultlessRun(const std::string& lesson) {
        fs::remove(resultsPath());
        begin(lesson);
        answerEvery();
        finish();
        return results();
    }
    // The first record of a lesson validated while the results folder is away.
    fs::path leaveTheFirstAnswerUnwritten() {
        const fs::path folder = fs::path(resultsPath()).parent_path();
        begin(exercise("a.ond", kLesson));
        answerContinuous(0, "1");
        answerContinuous(1, "1");
        fs::rename(folder, folder.string() + ".away");
        user::click(exo.cmdNext);
        return folder;
    }
    // "Quitter", answering yes, then the further answers.
    bool quit(std::initializer_list<int> further = {}) {
        platform.messageAnswers.push_back(vbYes);
        platform.messageAnswers.insert(platform.messageAnswers.end(), further);
        user::click(app.mdi().Mnu_End);
        return !app.mdi().loaded();
    }
};

TEST_F(ResultsFaults, ADiskFullForAWhileLosesNoAnswerAndIsToldOnce) {
    const std::string lesson = exercise("a.ond", kLesson);
    begin(lesson);
    answerEvery([&](int n) { platform.failAppends = platform.failAppends || n == 2; });
    // Told once though records 2 and 3 both failed; the words are fault_results_folder_blocked's.
    EXPECT_EQ(toldToCallTheTeacher(), 1);
    EXPECT_EQ(results().find("Ub = 2,0"), std::string::npos);
    platform.failAppends = false;
    finish();
    const std::string written = results();
    EXPECT_EQ(written, faultlessRun(lesson));
}

TEST_F(ResultsFaults, AResultsFolderThatGoesAwayGetsEveryAnswerWhenItComesBack) {
    const fs::path folder = fs::path(resultsPath()).parent_path();
    const std::string lesson = exercise("a.ond", kLesson);
    testing::writeBytes(resultsPath(), "earlier pupil\r\n");
    begin(lesson);
    answerEvery([&](int n) {
        if (n == 2) fs::rename(folder, folder.string() + ".away"); // unplugged, unmounted
    });
    EXPECT_TRUE(exo.Visible);
    EXPECT_EQ(toldToCallTheTeacher(), 1);
    fs::rename(folder.string() + ".away", folder);
    finish(); // the mark line takes what waited along
    const std::string written = results();
    EXPECT_EQ(written, "earlier pupil\r\n" + faultlessRun(lesson));
}

TEST_F(ResultsFaults, QuittingWithAnswersStillUnwrittenAsksFirst) {
    const fs::path folder = leaveTheFirstAnswerUnwritten();

    EXPECT_FALSE(quit({vbNo}));
    EXPECT_EQ(
        platform.messages.back().text,
        "Des réponses n'ont pas pu être enregistrées dans le fichier des résultats :\r\n" + resultsPath() +
            "\r\n\r\nElles seront perdues si vous quittez maintenant. Voulez-vous quitter quand même ?");
    // The lesson is still going: the pupil can carry on.
    EXPECT_TRUE(exo.Visible);
    user::click(exo.cmdNextOndivel);
    EXPECT_EQ(app.g.ExoNumeroOscillogramme, 2);

    fs::rename(folder.string() + ".away", folder);
    const std::size_t shown = platform.messages.size();
    EXPECT_TRUE(quit());
    EXPECT_EQ(platform.messages.size(), shown + 1) << "only the usual quit question";
    EXPECT_NE(results().find("Voie B : Signal : Cc ; Ub = 1,0\r\n"), std::string::npos);
}

TEST_F(ResultsFaults, QuittingAllTheSameIsAskedOnlyOnce) {
    leaveTheFirstAnswerUnwritten();
    const std::size_t shown = platform.messages.size();
    EXPECT_TRUE(quit({vbYes}));
    EXPECT_EQ(platform.messages.size(), shown + 2);
}

// The program started from a network share, its deposit folder named in the settings (with
// blanks around it, as a hand-edited file may have it).
class DepositFaults : public ResultsFaults {
  protected:
    fs::path deposit() const { return tmp.path() / "Rendus"; }
    void beforeStart() override {
        fs::create_directories(deposit());
        platform.networkNames[platform.programDir] = "//serveur/ecole/program";
        preset("Réseau", "Dossier Dépôt", " Rendus ");
    }
};

TEST_F(DepositFaults, AnUnreachableDepositFolderKeepsTheAnswersUntilTheShareIsBack) {
    const std::string file = app.mdi().FichierResultat;
    ASSERT_EQ(fs::path(file), deposit() / "OND_eleve1_3_12_2026_9_5.txt");
    begin(exercise("a.ond", kLesson));
    const std::string before = cp1252ToUtf8(testing::readBytes(file));
    ASSERT_NE(before.find("Nom élève :Dupont"), std::string::npos);

    fs::rename(deposit(), tmp.path() / "away"); // the server drops out
    answerContinuous(0, "1");
    answerContinuous(1, "1");
    user::click(exo.cmdNext);
    EXPECT_EQ(lastMessage(),
              "Vos réponses n'ont pas pu être enregistrées dans le fichier des résultats :\r\n" + file +
                  "\r\n\r\nVous pouvez continuer, mais appelez le professeur.");
    EXPECT_FALSE(fs::exists(deposit())) << "no folder made up where the share was";

    fs::rename(tmp.path() / "away", deposit());
    user::click(exo.cmdNextOndivel);
    answerContinuous(0, "2");
    answerContinuous(1, "2");
    user::click(exo.cmdNext);
    EXPECT_EQ(toldToCallTheTeacher(), 1);
    const std::string after = cp1252ToUtf8(testing::readBytes(file));
    ASSERT_EQ(after.substr(0, before.size()), before);
    const std::string added = after.substr(before.size());
    EXPECT_TRUE(added.starts_with("Voie A : Signal : Cc ; Ua = 1,0\r\n")) << added;
    EXPECT_NE(added.find("\r\nVoie A : Signal : Cc ; Ua = 2,0\r\n"), std::string::npos) << added;
}

TEST_F(ResultsFaults, AnExerciseFileDeletedDuringTheLessonChangesNothingUntilItIsChosenAgain) {
    const std::string lesson = exercise("a.ond", kLesson);
    begin(lesson);
    fs::remove(lesson);
    answerEvery();
    atMark = [&] {
        platform.fileAnswers.push_back(lesson); // "Fichier": the same name, now gone
        user::click(note.cmdChoice[0]);
    };
    finish();
    EXPECT_EQ(lastMessage(), "Le fichier « a.ond » est introuvable ou ne peut pas être lu.\r\n"
                             "L'évaluation est interrompue : retour au mode libre.");
    EXPECT_TRUE(app.mdi().ModeLibre);
    const std::string written = results();
    EXPECT_NE(written.find(" -------> Note : "), std::string::npos);
    EXPECT_NE(written.find("Voie B : Signal : Cc ; Ub = 3,0\r\n"), std::string::npos);
    EXPECT_TRUE(written.ends_with("Évaluation interrompue : Le fichier « a.ond » est introuvable ou ne "
                                  "peut pas être lu.\r\n"));
}

} // namespace
} // namespace ondivel

namespace ondivel {
namespace {

// A file name may hold a line break on some systems: in the results file it must stay inside its
// own "Nom du fichier :" line, not forge an identity or a mark line the teacher would trust.
TEST_F(ResultsFaults, AFileNameWithALineBreakForgesNoLine) {
    begin(exercise("a\r\n -------> Note : 20,0/20\nNom élève :Autre.ond", "CC/1//CC/1/"));
    const std::string written = results();
    EXPECT_EQ(written.find("\r\n -------> Note : 20,0/20"), std::string::npos) << written;
    EXPECT_EQ(written.find("\nNom élève :Autre"), std::string::npos) << written;
    EXPECT_NE(written.find("Nom du fichier :"), std::string::npos);
    EXPECT_NE(written.find("a   -------> Note : 20,0/20 Nom élève :Autre.ond"), std::string::npos) << written;
}

} // namespace
} // namespace ondivel
