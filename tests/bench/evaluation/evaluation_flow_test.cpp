#include <gtest/gtest.h>

#include <filesystem>

#include "bench/evaluation/evaluation_fixture.h"
#include "bench/toolbox/frm_toolbox.h"

namespace ondivel {
namespace {

// Scoring on screen, the bench locked, a bad exercise file (its fields quoted as the reader
// quotes them), free mode midway and a fresh start for the known pupil are the eval_* scenarios'.
class Evaluation : public testing::EvaluationTest {};

TEST_F(Evaluation, EachBlockIsMadeDurableBeforeTheNextOscillogramAndTheFileIsExactToTheByte) {
    const std::string path = exercise("lecon.ond", "'Exercice 1\n"
                                                   "sinus/5/50/CC/2/\n"
                                                   "\n"
                                                   "triangle/2/100/carrée/3/1000");
    begin(path);
    EXPECT_EQ(platform.durableAppends, 2) << "identity and header blocks";
    answerAlternating(0, 0, "5.2", "50");
    answerContinuous(1, "2");
    user::click(exo.cmdNext);
    EXPECT_EQ(platform.durableAppends, 3);

    user::click(exo.cmdNextOndivel);
    EXPECT_TRUE(exo.voie[1].optACDC[0].isOn()) << "the previous kind stays chosen";
    answerAlternating(0, 2, "2", "100");
    answerAlternating(1, 1, "3", "1200");
    user::click(exo.cmdNext);
    user::click(exo.cmdNextOndivel);
    EXPECT_EQ(results(), testing::kIdentity + testing::headerFor(path) +
                             "Voie A : Signal : Sinus ; Ua = 5,2 ; Fa = 50,0\r\n"
                             "Voie B : Signal : Cc ; Ub = 2,0\r\n"
                             "        Score : 5\r\n" +
                             testing::kStars +
                             "Voie A : Signal : Triangle ; Ua = 2,0 ; Fa = 100,0\r\n"
                             "Voie B : Signal : Carre ; Ub = 3,0 ; Fb = 1200,0 (FAUX)\r\n"
                             "        Score : 10\r\n" +
                             testing::kStars + " -------> Note : 18,2/20\r\n");
    EXPECT_EQ(platform.durableAppends, 5);
    // On disk in Windows-1252.
    const std::string bytes = testing::readBytes(resultsPath());
    EXPECT_NE(bytes.find("Nom \xE9l\xE8ve :Dupont\r\n"), std::string::npos);
    EXPECT_NE(bytes.find(std::string(72, '\xA4') + "\r\n"), std::string::npos);
}

TEST_F(Evaluation, AnotherFileForTheSamePupilGetsItsOwnHeaderAndMark) {
    const std::string first = exercise("un.ond", "CC/1//CC/1/");
    const std::string second = exercise("deux.ond", "CC/2//CC/2/");
    int marks = 0;
    atMark = [&] {
        if (++marks == 1) platform.fileAnswers.push_back(second);
        user::click(note.cmdChoice[marks == 1 ? 0 : 1]);
    };
    begin(first);
    answerContinuous(0, "1");
    answerContinuous(1, "0");
    user::click(exo.cmdNext);
    user::click(exo.cmdNextOndivel); // the mark, then "Fichier"
    EXPECT_EQ(app.g.ExoPoints, 0);
    answerContinuous(0, "2");
    answerContinuous(1, "2");
    user::click(exo.cmdNext);
    user::click(exo.cmdNextOndivel);
    const std::string text = results();
    EXPECT_EQ(text.find("Nom élève"), text.rfind("Nom élève")) << "one identity block";
    EXPECT_NE(text.find(testing::headerFor(second)), std::string::npos);
    EXPECT_NE(text.find(" -------> Note : 15,0/20\r\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with(" -------> Note : 20,0/20\r\n"));
}

TEST_F(Evaluation, AFileGoneBadChosenFromTheMarkWindowFreesTheWholeBench) {
    const std::string good = exercise("bon.ond", "CC/1//CC/1/");
    const std::string bad = exercise("utf16.ond", "x");
    testing::writeBytes(bad, std::string("\xFF\xFE"
                                         "C\0C\0",
                                         6));
    atMark = [&] {
        platform.fileAnswers.push_back(bad);
        user::click(note.cmdChoice[0]);
    };
    begin(good);
    user::click(exo.cmdNext);
    user::click(exo.cmdNextOndivel);
    EXPECT_TRUE(app.mdi().ModeLibre);
    EXPECT_FALSE(exo.loaded() || note.loaded());
    EXPECT_TRUE(app.frmToolBox().fraAlim[0].Enabled);
    EXPECT_NE(results().find("Évaluation interrompue : Le fichier « utf16.ond » n'est pas un texte lisible"),
              std::string::npos);
}

TEST_F(Evaluation, TheIdentityMustBeCompleteAndCancelStartsNothing) {
    platform.modalRunner = [this](Form& form) {
        if (&form != &who) return;
        user::type(who.txtIdent[1], "Dupont");
        user::type(who.txtIdent[3], "2nde B");
        user::click(who.cmdOK);
        EXPECT_EQ(lastMessage(), "Quel est votre prénom ?");
        EXPECT_EQ(platform.messages.back().title, "Saisie incomplète");
        EXPECT_EQ(who.focusControl(), &who.txtIdent[2]);
        EXPECT_TRUE(who.Visible);
        user::click(who.cmdAnnul);
    };
    user::click(app.mdi().Mnu_Pilote);
    EXPECT_TRUE(platform.dialogs.empty()) << "no file asked for";
    EXPECT_TRUE(app.mdi().ModeLibre);
}

TEST_F(Evaluation, CancellingTheFileDialogLeavesNoTrace) {
    platform.fileAnswers.push_back(std::nullopt);
    user::click(app.mdi().Mnu_Pilote);
    EXPECT_FALSE(std::filesystem::exists(resultsPath()));
    EXPECT_TRUE(app.mdi().ModeLibre);
}

TEST_F(Evaluation, AnswerBoxesTakeDigitsAndACommaOnly) {
    begin(exercise("a.ond", "sinus/5/50/sinus/5/50"));
    Control& volts = exo.voie[0].txtUmax;
    user::type(volts, "-1.5");
    EXPECT_EQ(volts.Text, "1,5");
    EXPECT_EQ(lastMessage(), "Les valeurs négatives ne sont pas autorisées.");
    EXPECT_EQ(platform.messages.back().flags, vbCritical | vbSystemModal);
    user::type(volts, "2x");
    EXPECT_EQ(volts.Text, "2") << "entering the box selected its text";
    EXPECT_EQ(lastMessage(), "Veuillez saisir un chiffre.");
    volts.setText("");
    volts.raise(volts.on.LostFocus);
    EXPECT_EQ(volts.Text, "0");
    // The frequency box and list only for an alternating voltage.
    EXPECT_FALSE(exo.voie[1].txtFreq.Enabled || exo.voie[1].cmbSignal.Enabled);
    user::click(exo.voie[1].optACDC[1]);
    EXPECT_TRUE(exo.voie[1].txtFreq.Enabled && exo.voie[1].cmbSignal.Enabled);
}

} // namespace
} // namespace ondivel
