#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bench/evaluation/frm_create_file.h"
#include "core/user_input.h"
#include "support/app_fixture.h"

namespace ondivel {
namespace {

using testing::readBytes;

class ExerciseEditor : public testing::AppFixture {
  protected:
    FrmCreateFile& ed = app.frmCreateFile();

    void SetUp() override {
        start();
        ed.Show();
    }
    // One channel as the teacher fills it: kind, shape (0 sine, 1 triangle, 2 square), numbers.
    void fill(int ch, bool alternating, int shape, const std::string& volts, const std::string& hertz = "") {
        user::click(ed.optSignal[2 * ch + (alternating ? 1 : 0)]);
        if (alternating) user::select(ed.cboAlternatif[ch], shape);
        user::type(ed.txtData[2 * ch], volts);
        if (alternating) user::type(ed.txtData[2 * ch + 1], hertz);
    }
    std::vector<std::string> lines() const { return ed.lstListeData.List; }
    void lesson(const std::vector<std::string>& ls) { ed.loadFile(ls, ""); }
};

// Building a lesson, changing, moving and removing a line and saving are the editor_*
// scenarios'.
TEST_F(ExerciseEditor, AddingClearsTheEntryAndABlankCommentAddsNoLine) {
    fill(0, true, 0, "5", "50");
    fill(1, true, 1, "2", "100");
    ASSERT_TRUE(user::click(ed.cmdAdd));
    EXPECT_TRUE(ed.optSignal[0].isOn());
    EXPECT_EQ(ed.cboAlternatif[1].ListIndex, 0);
    EXPECT_EQ(ed.txtData[0].Text, "");
    EXPECT_EQ(ed.focusControl(), &ed.txtData[0]);

    user::type(ed.txtCommentaire, "   ");
    fill(0, false, 0, "2.5");
    fill(1, true, 2, "3", "1000");
    user::click(ed.cmdAdd);
    EXPECT_EQ(lines(),
              (std::vector<std::string>{"sinusoïdale/5/50/triangulaire/2/100", "CC/2.5//carrée/3/1000"}));
    EXPECT_TRUE(ed.modified());
}

// A line the evaluation would refuse is not built: the box is named and gets the focus. Saving a
// list that holds such a line is the exercise_refused_lines scenario's.
TEST_F(ExerciseEditor, RefusesAWordANegativeFrequencyAndANumberTooLargeButKeepsLargeFiniteOnes) {
    const std::string nines(309, '9');
    // clang-format off
    const struct { bool alternating[2]; std::string volts[2], hertz[2]; int box; std::string fault; } bad[] = {
        {{true, false}, {"5", "deux"}, {"50", ""}, 2, "La Tension maximale (en V) :  pour la voie CH2\r\nn'est pas une valeur numérique."},
        {{true, false}, {"5", "0"}, {"-50", ""}, 1, "La Fréquence (en Hz) :  pour la voie CH1\r\nne peut pas être négative."},
        {{true, true}, {"5", "2"}, {"50", "-0.5"}, 3, "La Fréquence (en Hz) :  pour la voie CH2\r\nne peut pas être négative."},
        {{true, false}, {"5", "0"}, {"1e999", ""}, 1, "La Fréquence (en Hz) :  pour la voie CH1\r\nest un nombre trop grand."},
        {{false, true}, {nines, "2"}, {"", "50"}, 0, "La Tension maximale (en V) :  pour la voie CH1\r\nest un nombre trop grand."},
        {{false, false}, {"0", "-1e400"}, {"", ""}, 2, "La Tension maximale (en V) :  pour la voie CH2\r\nest un nombre trop grand."},
    };
    // clang-format on
    for (const auto& c : bad) {
        SCOPED_TRACE(c.fault);
        platform.messages.clear();
        for (int ch = 0; ch < 2; ++ch)
            fill(ch, c.alternating[ch], 0, c.volts[ch], c.hertz[ch]);
        user::click(ed.cmdAdd);
        EXPECT_TRUE(lines().empty());
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, c.fault + "\r\nVeuillez faire la correction nécessaire.");
        EXPECT_EQ(platform.messages[0].title, "Ondivel - Erreur de saisie");
        EXPECT_EQ(platform.messages[0].flags, vbInformation);
        EXPECT_EQ(ed.focusControl(), &ed.txtData[c.box]);
        user::click(ed.cmdErase);
    }
    // A negative continuous level and very large finite numbers make a line the evaluation reads.
    fill(0, true, 0, "1e308", "1e12");
    fill(1, false, 0, "-2");
    user::click(ed.cmdAdd);
    EXPECT_EQ(lines(), std::vector<std::string>{"sinusoïdale/1e308/1e12/CC/-2/"});
}

TEST_F(ExerciseEditor, AnEmptyFrequencyIsIgnoredByAddButRefusedByChange) {
    lesson({"sinusoïdale/5/50/CC/1/"});
    fill(0, true, 0, "5");
    user::click(ed.cmdAdd);
    EXPECT_EQ(lines().size(), 1u);
    EXPECT_TRUE(platform.messages.empty());

    user::select(ed.lstListeData, 0);
    ed.txtData[1].Text.clear();
    user::click(ed.cmdChange);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text.rfind("La Fréquence (en Hz) :  pour la voie CH1\r\n", 0), 0u);
    EXPECT_EQ(lines()[0], "sinusoïdale/5/50/CC/1/");
    EXPECT_TRUE(ed.cmdChange.Enabled);
}

TEST_F(ExerciseEditor, ChoosingALineFillsTheEntryWhateverTheCaseOrAbbreviationAndACommentIsNoOscillogram) {
    lesson({"'Séance 2", "CARRÉE/3/1000/CC/-2/", "tria/ 1,5 /20/sinus/4/10"});
    user::select(ed.lstListeData, 1);
    EXPECT_EQ(ed.cboAlternatif[0].listText(), "carrée");
    EXPECT_TRUE(ed.optSignal[2].isOn());
    EXPECT_FALSE(ed.txtData[3].Enabled);

    user::select(ed.lstListeData, 2);
    EXPECT_EQ(ed.cboAlternatif[0].listText(), "triangulaire");
    EXPECT_EQ(ed.txtData[0].Text, "1,5");
    EXPECT_EQ(ed.cboAlternatif[1].listText(), "sinusoïdale");

    // A comment goes to the comment box and cannot be "changed" as an oscillogram.
    user::select(ed.lstListeData, 0);
    EXPECT_EQ(ed.txtCommentaire.Text, "Séance 2");
    EXPECT_EQ(ed.txtData[0].Text, "");
    EXPECT_FALSE(ed.cmdChange.Enabled);
}

TEST_F(ExerciseEditor, RemovingAsksFirstAndTakesEverySelectedLine) {
    lesson({"'a", "CC/1//CC/1/", "CC/2//CC/2/", "CC/3//CC/3/"});
    user::click(ed.cmdRemove);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "Pour supprimer une donnée, vous devez au préalable le sélectionner.");
    EXPECT_EQ(platform.messages[0].title, "Ondivel - Suppresion donnée");

    user::select(ed.lstListeData, 1);
    ed.lstListeData.Selected[3] = true; // with Ctrl
    platform.messageAnswers = {vbNo};
    user::click(ed.cmdRemove);
    EXPECT_EQ(lines().size(), 4u);

    platform.messageAnswers = {vbYes};
    user::click(ed.cmdRemove);
    EXPECT_EQ(lines(), (std::vector<std::string>{"'a", "CC/2//CC/2/"}));
    EXPECT_FALSE(ed.cmdChange.Enabled);
}

TEST_F(ExerciseEditor, UpAndDownStopAtTheEnds) {
    lesson({"'a", "CC/1//CC/1/", "CC/2//CC/2/"});
    user::select(ed.lstListeData, 0);
    user::click(ed.cmdUp); // already first
    EXPECT_EQ(lines()[0], "'a");
    user::click(ed.cmdDown);
    user::click(ed.cmdDown);
    EXPECT_EQ(lines(), (std::vector<std::string>{"CC/1//CC/1/", "CC/2//CC/2/", "'a"}));
    EXPECT_EQ(ed.lstListeData.ListIndex, 2);
    user::click(ed.cmdDown); // already last
    EXPECT_EQ(lines()[2], "'a");
    EXPECT_EQ(ed.txtCommentaire.Text, "a");
}

TEST_F(ExerciseEditor, EraseClearsTheEntryAndTheSelectionButNotTheList) {
    lesson({"sinusoïdale/5/50/CC/1/"});
    user::select(ed.lstListeData, 0);
    user::click(ed.cmdErase);
    EXPECT_EQ(lines().size(), 1u);
    EXPECT_EQ(ed.lstListeData.ListIndex, -1);
    EXPECT_FALSE(ed.lstListeData.Selected[0]);
    EXPECT_TRUE(ed.optSignal[0].isOn());
    EXPECT_EQ(ed.txtData[0].Text, "");
    EXPECT_FALSE(ed.cmdChange.Enabled);
    // Nothing is selected any more: removing has nothing to take.
    user::click(ed.cmdRemove);
    EXPECT_EQ(lines().size(), 1u);
}

TEST_F(ExerciseEditor, ACancelledSaveKeepsTheLessonUnsaved) {
    fill(0, false, 0, "5");
    fill(1, false, 0, "-2");
    user::click(ed.cmdAdd);

    platform.fileAnswers = {std::nullopt}; // cancelled: nothing written, still unsaved
    user::click(ed.cmdSave);
    EXPECT_TRUE(ed.modified());

    const std::string file = app.g.DossierPartage + "lecon";
    platform.fileAnswers = {file};
    user::click(ed.cmdSave);
    EXPECT_EQ(readBytes(file + ".ond"), "CC/5//CC/-2/\r\n");
    EXPECT_FALSE(ed.modified());
    const auto questions = platform.messages.size();
    user::click(ed.cmdEnd);
    EXPECT_FALSE(ed.loaded());
    EXPECT_EQ(platform.messages.size(), questions);
}

} // namespace
} // namespace ondivel
