#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "bench/evaluation/frm_exo.h"
#include "bench/evaluation/frm_name.h"
#include "bench/evaluation/frm_note.h"
#include "core/win1252.h"
#include "files/example_exercises.h"
#include "files/exercise_reader.h"
#include "support/app_fixture.h"

namespace ondivel {
namespace {

namespace fs = std::filesystem;

bool overlap(const Control& a, const Control& b) {
    return a.Left < b.Left + b.Width && b.Left < a.Left + a.Width && a.Top < b.Top + b.Height &&
           b.Top < a.Top + a.Height;
}
bool inside(const Control& c, const Control& frame) {
    return c.Left >= frame.Left && c.Top >= frame.Top && c.Left + c.Width <= frame.Left + frame.Width &&
           c.Top + c.Height <= frame.Top + frame.Height;
}

class EvaluationWindows : public testing::AppFixture {};

// A control placed off its window or on top of another one is a layout slip the views would draw.
// The answer window is checked with and without the band of the teacher's instructions, whose
// labels are hidden (and may lie under the channels) when the file has no comments.
void ExpectEveryControlInItsOwnPlace(Form& form, const std::vector<const Control*>& hiddenBand = {}) {
    SCOPED_TRACE(form.name());
    std::vector<const Control*> frames, others;
    for (const Control* c : form.controls()) {
        if (std::find(hiddenBand.begin(), hiddenBand.end(), c) != hiddenBand.end()) continue;
        (c->kind() == ControlKind::Frame ? frames : others).push_back(c);
    }
    for (const Control* c : form.controls()) {
        SCOPED_TRACE(c->path());
        EXPECT_GT(c->Width, 0);
        EXPECT_GT(c->Height, 0);
        EXPECT_GE(c->Left, 0);
        EXPECT_GE(c->Top, 0);
        EXPECT_LE(c->Left + c->Width, form.Width - 120);
        EXPECT_LE(c->Top + c->Height, form.Height - 510);
    }
    for (std::size_t i = 0; i < others.size(); ++i)
        for (std::size_t j = i + 1; j < others.size(); ++j)
            EXPECT_FALSE(overlap(*others[i], *others[j])) << others[i]->path() << " " << others[j]->path();
}

TEST_F(EvaluationWindows, EveryControlHasItsOwnPlaceInsideItsWindow) {
    FrmExo& exo = app.frmExo();
    for (Form* form : std::initializer_list<Form*>{&app.frmName(), &app.frmNote()})
        ExpectEveryControlInItsOwnPlace(*form);
    ASSERT_FALSE(exo.lblTitre.Visible || exo.lblConsigne.Visible);
    ExpectEveryControlInItsOwnPlace(exo, {&exo.lblTitre, &exo.lblConsigne});
    const double usualHeight = exo.Height;
    for (const char* title : {"Exercice 1", ""}) {
        SCOPED_TRACE(title);
        exo.ShowInstructions(title, "Mesurez la période avant de calculer la fréquence.");
        ASSERT_EQ(exo.lblConsigne.Visible, *title != 0);
        if (*title)
            ExpectEveryControlInItsOwnPlace(exo);
        else
            ExpectEveryControlInItsOwnPlace(exo, {&exo.lblTitre, &exo.lblConsigne});
        // A channel's controls sit inside its frame.
        for (const FrmExo::Voie& v : exo.voie) {
            for (const Control* c :
                 {&v.optACDC[0], &v.optACDC[1], &v.cmbSignal, &v.lblUmax, &v.txtUmax, &v.lblFreq, &v.txtFreq,
                  &v.lblReponse[0], &v.lblReponse[1], &v.lblReponse[2], &v.lblReponse[3]})
                EXPECT_TRUE(inside(*c, v.fraVoie)) << c->path();
        }
    }
    EXPECT_EQ(exo.Height, usualHeight) << "a file without comments keeps the usual window";
}

TEST_F(EvaluationWindows, InTheAnswerWindowEnterValidatesThenMovesOn) {
    FrmExo& exo = app.frmExo();
    EXPECT_EQ(exo.defaultButton, &exo.cmdNext);
    exo.Load();
    exo.cmdNext_Click();
    EXPECT_EQ(exo.defaultButton, &exo.cmdNextOndivel);
    exo.ResetAnswers();
    EXPECT_EQ(exo.defaultButton, &exo.cmdNext);
}

TEST_F(EvaluationWindows, TheExampleExercisesAreCopiedIntoAnEmptyExerciseFolderOnly) {
    const fs::path examples = tmp.path() / "program" / "exercises";
    testing::writeBytes((examples / "Exemple 1.ond").string(), "CC/1//CC/1/\r\n");
    testing::writeBytes((examples / "Exemple 2.OND").string(), "CC/2//CC/2/\r\n");
    testing::writeBytes((examples / "lisez-moi.txt").string(), "x");
    start();
    const fs::path shared = app.g.DossierPartage;
    EXPECT_EQ(testing::readBytes((shared / "Exemple 1.ond").string()), "CC/1//CC/1/\r\n");
    EXPECT_TRUE(fs::exists(shared / "Exemple 2.OND"));
    EXPECT_FALSE(fs::exists(shared / "lisez-moi.txt"));

    // A teacher who deleted one example keeps it deleted.
    fs::remove(shared / "Exemple 1.ond");
    EXPECT_EQ(InstallExampleExercises(tmp / "program", app.g.DossierPartage), 0);
    EXPECT_FALSE(fs::exists(shared / "Exemple 1.ond"));
}

TEST_F(EvaluationWindows, TheShippedExamplesAreValidExercises) {
    const char* source = std::getenv("ONDIVEL_SOURCE_DIR");
    if (!source) GTEST_SKIP() << "ONDIVEL_SOURCE_DIR names the source tree under CTest";
    int files = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(source) / "resources" / "exercises")) {
        SCOPED_TRACE(entry.path().string());
        const std::string bytes = testing::readBytes(entry.path().string());
        EXPECT_FALSE(isValidUtf8(bytes)) << "written in Windows-1252, with accents";
        EXPECT_EQ(bytes.find('\n'), bytes.find("\r\n") + 1);
        ExerciseReader reader;
        ASSERT_TRUE(reader.open(entry.path().string(), entry.path().filename().string()));
        EXPECT_FALSE(reader.check());
        EXPECT_GE(reader.oscillogramCount(), 3);
        ++files;
    }
    EXPECT_EQ(files, 2);
}

} // namespace
} // namespace ondivel
