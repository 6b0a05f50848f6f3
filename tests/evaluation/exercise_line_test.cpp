#include "evaluation/exercise_line.h"

#include <gtest/gtest.h>

namespace ondivel {
namespace {

TEST(ExerciseLine, KindIsDecidedOnTheRawLine) {
    EXPECT_EQ(ClassifyExerciseLine("'Exercice 1"), ExerciseLineKind::Comment);
    EXPECT_EQ(ClassifyExerciseLine(""), ExerciseLineKind::Empty);
    EXPECT_EQ(ClassifyExerciseLine("   "), ExerciseLineKind::Oscillogram);
    EXPECT_EQ(ClassifyExerciseLine(" 'not a comment"), ExerciseLineKind::Oscillogram);
}

TEST(ExerciseLine, SplitsTheEditorsLinesIntoTrimmedFields) {
    EXPECT_EQ(SplitOscillogramLine("sinusoïdale/5/50/triangulaire/2/100"),
              (OscillogramFields{"sinusoïdale", "5", "50", "triangulaire", "2", "100"}));
    EXPECT_EQ(SplitOscillogramLine("CC/1.5//carrée/3/1000"),
              (OscillogramFields{"CC", "1.5", "", "carrée", "3", "1000"}));
    EXPECT_EQ(SplitOscillogramLine("CC/5//CC/-2/"), (OscillogramFields{"CC", "5", "", "CC", "-2", ""}));
    EXPECT_EQ(SplitOscillogramLine(" Sinus / 2,5 /\t50 / dyn /3/ 50 "),
              (OscillogramFields{"Sinus", "2,5", "50", "dyn", "3", "50"}));
}

TEST(ExerciseLine, MissingFieldsStayEmptyAndExtraTextIsIgnored) {
    EXPECT_EQ(SplitOscillogramLine("   "), (OscillogramFields{}));
    EXPECT_EQ(SplitOscillogramLine("sinus/5"), (OscillogramFields{"sinus", "5", "", "", "", ""}));
    EXPECT_EQ(SplitOscillogramLine("a/1/2/b/3/4/extra/more"),
              (OscillogramFields{"a", "1", "2", "b", "3", "4"}));
}

} // namespace
} // namespace ondivel
