// Exercise files that decode like the settings files the fuzzer broke, kept so that the
// evaluation and the editor keep reading the same first line.
#include <gtest/gtest.h>

#include "evaluation/exercise_line.h"
#include "evaluation/exercise_reader.h"

namespace ondivel {
namespace {

// A byte-order mark saved twice left "ï»¿" before the first line: a comment became an oscillogram
// line that stopped the evaluation, while the editor showed the comment.
TEST(ExerciseFuzzRegressions, ByteOrderMarkSavedTwiceLeavesTheCommentAComment) {
    const std::optional<std::string> text =
        DecodeExerciseText("\xEF\xBB\xBF\xEF\xBB\xBF'Exercice 1\r\nsinus/2/50/cc/1/\r\n");
    ASSERT_TRUE(text);
    const std::vector<std::string> lines = SplitExerciseLines(*text);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "'Exercice 1");
    EXPECT_EQ(ClassifyExerciseLine(lines[0]), ExerciseLineKind::Comment);
}

} // namespace
} // namespace ondivel
