// Reading an exercise file: its lines, their fields and numbers, and the decoding of its text.
#include "evaluation/exercise_reader.h"

#include <gtest/gtest.h>

#include "evaluation/exercise_line.h"
#include "shell/temp_folder.h"

namespace ondivel {
namespace {

using testing::TempFolder;
using testing::writeBytes;

TEST(ExerciseLine, KindIsDecidedOnTheRawLineAndFieldsAreTrimmedWithMissingOnesEmpty) {
    EXPECT_EQ(ClassifyExerciseLine("'Exercice 1"), ExerciseLineKind::Comment);
    EXPECT_EQ(ClassifyExerciseLine(""), ExerciseLineKind::Empty);
    EXPECT_EQ(ClassifyExerciseLine("   "), ExerciseLineKind::Oscillogram);
    EXPECT_EQ(ClassifyExerciseLine(" 'not a comment"), ExerciseLineKind::Oscillogram);

    EXPECT_EQ(SplitOscillogramLine("CC/1.5//carrée/3/1000"),
              (OscillogramFields{"CC", "1.5", "", "carrée", "3", "1000"}));
    EXPECT_EQ(SplitOscillogramLine(" Sinus / 2,5 /\t50 / dyn /3/ 50 "),
              (OscillogramFields{"Sinus", "2,5", "50", "dyn", "3", "50"}));
    EXPECT_EQ(SplitOscillogramLine("   "), (OscillogramFields{}));
    EXPECT_EQ(SplitOscillogramLine("sinus/5"), (OscillogramFields{"sinus", "5", "", "", "", ""}));
    EXPECT_EQ(SplitOscillogramLine("a/1/2/b/3/4/extra/more"),
              (OscillogramFields{"a", "1", "2", "b", "3", "4"}));
}

TEST(ExerciseNumbers, AcceptADotOrACommaASignAndAnExponent) {
    // clang-format off
    const struct { const char* field; double value; } good[] = {
        {"5", 5}, {"2.5", 2.5}, {"2,5", 2.5}, {" 1000 ", 1000}, {"-2", -2}, {"+3", 3},
        {",5", 0.5}, {"5.", 5}, {"1e3", 1000}, {"1,5E-3", 0.0015}, {"", 0}, {"  ", 0},
    };
    // clang-format on
    for (const auto& c : good) {
        SCOPED_TRACE(c.field);
        ASSERT_TRUE(ParseExerciseNumber(c.field).has_value());
        EXPECT_DOUBLE_EQ(*ParseExerciseNumber(c.field), c.value);
    }
    for (const char* bad : {"abc", "5 V", "5V", "2.5.1", "2,5,1", "1 000", "-", ".", "1e", "e3", "0x10"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(ParseExerciseNumber(bad).has_value());
    }
}

TEST(ExerciseTypes, AreKeptInProperCaseWhateverTheirWritersCase) {
    for (auto [written, kept] : {std::pair{"sinusoïdale", "Sinusoïdale"},
                                 {"CARRÉE", "Carrée"},
                                 {"CC", "Cc"},
                                 {"éTRANGE", "Étrange"},
                                 {"", ""}})
        EXPECT_EQ(ProperCase(written), kept);
}

TEST(ExerciseLines, ParseIntoTheEvaluationStateWithDefaultsDutyCyclesAndTheAlternatorPeak) {
    const ParsedOscillogram p = ParseOscillogramLine("Sinus/2,5/50/dyn/3/50", 4);
    ASSERT_TRUE(p.value);
    const ExerciseOscillogram& o = *p.value;
    EXPECT_EQ(o.lineNumber, 4);
    EXPECT_EQ(o.channel[0].signal, "Sinus");
    EXPECT_DOUBLE_EQ(o.channel[0].amplitude, 2.5);
    EXPECT_DOUBLE_EQ(o.channel[0].frequency, 50);
    EXPECT_FALSE(o.channel[0].dutyCycle);
    EXPECT_EQ(o.channel[1].signal, "Dyn");
    EXPECT_DOUBLE_EQ(o.channel[1].amplitude, 2) << "drawn so that the peak on screen is the written 3 V";

    const ExerciseOscillogram shapes = *ParseOscillogramLine("TRIANGULAIRE/1/10/carre/2/20", 1).value;
    EXPECT_EQ(shapes.channel[0].signal, "Triangulaire");
    EXPECT_EQ(shapes.channel[0].dutyCycle, 0.0F);
    EXPECT_EQ(shapes.channel[1].dutyCycle, 0.5F);

    // A line of blanks is an oscillogram of two 0 V continuous channels.
    const ExerciseOscillogram blank = *ParseOscillogramLine("   ", 1).value;
    for (const ExerciseChannel& c : blank.channel) {
        EXPECT_EQ(c.signal, "Cc");
        EXPECT_EQ(c.amplitude, 0);
        EXPECT_EQ(c.frequency, 0);
    }
    // Fewer separators than six fields: the missing CH2 fields take their defaults.
    const ExerciseOscillogram shortLine = *ParseOscillogramLine("carrée/4/200", 1).value;
    EXPECT_EQ(shortLine.channel[1].signal, "Cc");
    EXPECT_EQ(shortLine.channel[1].amplitude, 0);
}

TEST(ExerciseLines, NameTheFieldThatIsNotANumber) {
    EXPECT_EQ(ParseOscillogramLine("sinus/abc/50/CC/0/", 1).problem,
              "la tension « abc » de la voie CH1 n'est pas un nombre.");
    EXPECT_EQ(ParseOscillogramLine("sinus/5/50/sinus/2/1 kHz", 1).problem,
              "la fréquence « 1 kHz » de la voie CH2 n'est pas un nombre.");
}

TEST(ExerciseText, IsWindows1252OrUtf8WithAnyLineEnd) {
    EXPECT_EQ(DecodeExerciseText("carr\xE9"
                                 "e/1/2"),
              "carrée/1/2");
    EXPECT_EQ(DecodeExerciseText("carrée/1/2"), "carrée/1/2");
    EXPECT_EQ(DecodeExerciseText("\xEF\xBB\xBF"
                                 "carrée"),
              "carrée");
    EXPECT_FALSE(DecodeExerciseText(std::string("\xFF\xFE"
                                                "c\0a\0",
                                                6)));
    EXPECT_FALSE(DecodeExerciseText(std::string("c\0a\0", 4)));

    using Lines = std::vector<std::string>;
    EXPECT_EQ(SplitExerciseLines("a\r\n\r\nb\r\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitExerciseLines("a\n\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitExerciseLines("a\rb\n"), (Lines{"a", "b"}));
    EXPECT_EQ(SplitExerciseLines(""), Lines{});
}

// Fuzz regression: a byte-order mark saved twice left "ï»¿" before the first line, so a comment
// became an oscillogram line that stopped the evaluation while the editor showed the comment.
TEST(ExerciseText, AByteOrderMarkSavedTwiceLeavesTheCommentAComment) {
    const std::optional<std::string> text =
        DecodeExerciseText("\xEF\xBB\xBF\xEF\xBB\xBF'Exercice 1\r\nsinus/2/50/cc/1/\r\n");
    ASSERT_TRUE(text);
    const std::vector<std::string> lines = SplitExerciseLines(*text);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(ClassifyExerciseLine(lines[0]), ExerciseLineKind::Comment);
}

class Reader : public ::testing::Test {
  protected:
    TempFolder tmp;
    ExerciseReader reader;
    std::string file(const std::string& bytes) {
        const std::string path = tmp / "exo.ond";
        writeBytes(path, bytes);
        return path;
    }
};

TEST_F(Reader, CountsAndHandsOutOnlyOscillogramLines) {
    // Comments and empty lines are skipped; a blank line counts.
    ASSERT_TRUE(
        reader.open(file("'Exercice 1\r\n\r\nCC/5//CC/-2/\r\n   \r\n'fin\r\nsinus/2.5/50/triangle/1/100\r\n"),
                    "exo.ond"));
    EXPECT_EQ(reader.oscillogramCount(), 3);
    EXPECT_FALSE(reader.check());
    std::vector<int> lines;
    while (const auto osc = reader.next())
        lines.push_back(osc->lineNumber);
    EXPECT_EQ(lines, (std::vector<int>{3, 4, 6}));
    EXPECT_FALSE(reader.next()) << "the end stays the end";
}

TEST_F(Reader, ReportsTheFileAndLineOfTheFirstBadNumber) {
    ASSERT_TRUE(reader.open(file("'titre\r\nsinus/5/50/CC/0/\r\nsinus/5/cinquante/CC/0/\r\nCC/x//CC/0/\r\n"),
                            "exo.ond"));
    EXPECT_EQ(
        reader.check(),
        "Le fichier « exo.ond », ligne 3 : la fréquence « cinquante » de la voie CH1 n'est pas un nombre.");
}

TEST_F(Reader, RefusesAMissingFileAndUtf16Text) {
    EXPECT_FALSE(reader.open(tmp / "absent.ond", "absent.ond"));
    EXPECT_EQ(reader.problem(), "Le fichier « absent.ond » est introuvable ou ne peut pas être lu.");
    EXPECT_FALSE(reader.isOpen());
    EXPECT_FALSE(reader.open(file(std::string("\xFF\xFE"
                                              "C\0C\0",
                                              6)),
                             "exo.ond"));
    EXPECT_NE(reader.problem().find("n'est pas un texte lisible"), std::string::npos);
}

} // namespace
} // namespace ondivel
