// Reading an exercise file: its lines, their fields and numbers, and the decoding of its text.
#include "files/exercise_reader.h"

#include <gtest/gtest.h>

#include "files/exercise_line.h"
#include "support/temp_folder.h"

namespace ondivel {
namespace {

using testing::TempFolder;
using testing::writeBytes;

// The fields a line splits into are the table of EveryAcceptedFormStillReads.
TEST(ExerciseLine, KindIsDecidedOnTheRawLine) {
    EXPECT_EQ(ClassifyExerciseLine("'Exercice 1"), ExerciseLineKind::Comment);
    EXPECT_EQ(ClassifyExerciseLine(""), ExerciseLineKind::Empty);
    EXPECT_EQ(ClassifyExerciseLine("   "), ExerciseLineKind::Oscillogram);
    EXPECT_EQ(ClassifyExerciseLine(" 'not a comment"), ExerciseLineKind::Oscillogram);
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

// Types, numbers, defaults and the alternator's peak are the table of EveryAcceptedFormStillReads.
TEST(ExerciseLines, KeepTheirLineNumberAndTheDutyCycleOfTheirShape) {
    const ExerciseOscillogram o = *ParseOscillogramLine("TRIANGULAIRE/1/10/carre/2/20", 4).value;
    EXPECT_EQ(o.lineNumber, 4);
    EXPECT_EQ(o.channel[0].dutyCycle, 0.0F);
    EXPECT_EQ(o.channel[1].dutyCycle, 0.5F);
    EXPECT_FALSE(ParseOscillogramLine("Sinus/2,5/50/dyn/3/50", 1).value->channel[0].dutyCycle);
}

TEST(ExerciseLines, NameTheFieldThatIsNotANumber) {
    EXPECT_EQ(ParseOscillogramLine("sinus/abc/50/CC/0/", 1).problem,
              "la tension « abc » de la voie CH1 n'est pas un nombre.");
    EXPECT_EQ(ParseOscillogramLine("sinus/5/50/sinus/2/1 kHz", 1).problem,
              "la fréquence « 1 kHz » de la voie CH2 n'est pas un nombre.");
}

// What a hand-edited line gets wrong is named before the evaluation starts, instead of an
// oscillogram with no trace, a type point for a look-alike word or a correction no pupil can type.
TEST(ExerciseLines, RefuseWhatTheScreenCannotShowOrThePupilCannotAnswer) {
    const std::string nines(309, '9'); // past the largest double
    // clang-format off
    const struct { std::string line; std::string problem; } bad[] = {
        {"sinus;5;50;CC;2;", "la ligne « sinus;5;50;CC;2; » ne contient aucun « / » : "
                             "ses six champs doivent être séparés par des « / »."},
        {" 'pas un commentaire", "la ligne « 'pas un commentaire » ne contient aucun « / » : "
                                 "ses six champs doivent être séparés par des « / »."},
        {"sinusoide/5/50/CC/2/", "le type « sinusoide » de la voie CH1 n'est pas reconnu : "
                                 "écrivez CC, sinusoïdale, triangulaire, carrée ou dyn."},
        {"sinus/5/50/tria/2/100", "le type « tria » de la voie CH2 n'est pas reconnu : "
                                  "écrivez CC, sinusoïdale, triangulaire, carrée ou dyn."},
        {"harmo/5/50/CC/0/", "le type « harmo » de la voie CH1 n'est pas reconnu : "
                             "écrivez CC, sinusoïdale, triangulaire, carrée ou dyn."},
        {"sinus/5/-50/CC/0/", "la fréquence « -50 » de la voie CH1 est négative."},
        {"CC/1//carrée/3/-1,5e3", "la fréquence « -1,5e3 » de la voie CH2 est négative."},
        {"sinus/5/1e999/CC/0/", "la fréquence « 1e999 » de la voie CH1 est un nombre trop grand."},
        {"sinus/" + nines + "/50/CC/0/",
         "la tension « " + nines.substr(0, 40) + "… » de la voie CH1 est un nombre trop grand."},
        {"CC/0//dyn/-2e400/50", "la tension « -2e400 » de la voie CH2 est un nombre trop grand."},
    };
    // clang-format on
    for (const auto& c : bad) {
        SCOPED_TRACE(c.line.substr(0, 60));
        const ParsedOscillogram parsed = ParseOscillogramLine(c.line, 1);
        EXPECT_FALSE(parsed.value);
        EXPECT_EQ(parsed.problem, c.problem);
    }
}

// Every form a teacher may write still reads as before, down to the largest finite numbers
// (the drawing copes with them); a number too small for a double is 0.
TEST(ExerciseLines, EveryAcceptedFormStillReads) {
    // clang-format off
    const struct { const char* line; const char* ch1; double volts1, hertz1; const char* ch2; double volts2, hertz2; } good[] = {
        {"sinusoïdale/5/50/triangulaire/2/100", "Sinusoïdale", 5, 50, "Triangulaire", 2, 100},
        {"CC/1.5//carrée/3/1000", "Cc", 1.5, 0, "Carrée", 3, 1000},
        {"CC/5//CC/-2/", "Cc", 5, 0, "Cc", -2, 0},
        {"Sinus/2,5/50/dyn/3/50", "Sinus", 2.5, 50, "Dyn", 2, 50},
        {"CARRÉE/1e1/2E-3/TRIANGLE/+4/.5", "Carrée", 10, 0.002, "Triangle", 4, 0.5},
        {" SINUSOÏDALE / 5 /\t50 / Carre / 2 / 1000 ", "Sinusoïdale", 5, 50, "Carre", 2, 1000},
        {"cC/0/0/DYN/1,5/7", "Cc", 0, 0, "Dyn", 1, 7},
        {"   ", "Cc", 0, 0, "Cc", 0, 0},
        {"\t", "Cc", 0, 0, "Cc", 0, 0},
        {"/////", "Cc", 0, 0, "Cc", 0, 0},
        {"carrée/4/200", "Carrée", 4, 200, "Cc", 0, 0},
        {"sinus/5/50/CC/0/0/texte après le sixième", "Sinus", 5, 50, "Cc", 0, 0},
        {"sinus/1e308/1e12/CC/-1e308/", "Sinus", 1e308, 1e12, "Cc", -1e308, 0},
        {"sinus/5/-0/CC/1e-400/", "Sinus", 5, 0, "Cc", 0, 0},
    };
    // clang-format on
    for (const auto& c : good) {
        SCOPED_TRACE(c.line);
        const ParsedOscillogram parsed = ParseOscillogramLine(c.line, 1);
        ASSERT_TRUE(parsed.value) << parsed.problem;
        const ExerciseChannel(&ch)[2] = parsed.value->channel;
        EXPECT_EQ(ch[0].signal, c.ch1);
        EXPECT_DOUBLE_EQ(ch[0].amplitude, c.volts1);
        EXPECT_DOUBLE_EQ(ch[0].frequency, c.hertz1);
        EXPECT_EQ(ch[1].signal, c.ch2);
        EXPECT_DOUBLE_EQ(ch[1].amplitude, c.volts2);
        EXPECT_DOUBLE_EQ(ch[1].frequency, c.hertz2);
    }
}

TEST(ExerciseLines, QuoteAtMostFortyCharactersOfAField) {
    EXPECT_EQ(QuoteField("abc"), "« abc »");
    EXPECT_EQ(QuoteField(std::string(40, 'x')), "« " + std::string(40, 'x') + " »");
    EXPECT_EQ(QuoteField(std::string(41, 'x')), "« " + std::string(40, 'x') + "… »");
    // Characters, not bytes: an accented letter is never cut in half.
    std::string accents;
    for (int i = 0; i < 50; ++i)
        accents += "é";
    EXPECT_EQ(QuoteField(accents), "« " + accents.substr(0, 80) + "… »");

    // A megabyte field of a hand-edited file reaches the message as forty characters.
    const std::string huge(1 << 20, '7');
    for (const std::string& line : {"sinus/5/" + huge + "x/CC/0/", huge + "/5/50/CC/0/", huge}) {
        const std::string problem = ParseOscillogramLine(line, 1).problem;
        EXPECT_NE(problem.find(std::string(40, '7') + "… »"), std::string::npos) << problem;
        EXPECT_LT(problem.size(), 200u);
    }
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

// The pupil sees the first comment as the title and, above each oscillogram, the comment line just
// before it: not one separated by an empty line, not one before another oscillogram.
TEST_F(Reader, GivesTheTitleAndEachOscillogramsInstruction) {
    ASSERT_TRUE(
        reader.open(file("\r\n'  Exercice 1\t\r\n'Lisez la période.\r\nsinus/2/50/CC/0/\r\nCC/1//CC/0/\r\n"
                         "'sans suite\r\n\r\nCC/2//CC/0/\r\n'\r\nCC/3//CC/0/\r\n"),
                    "exo.ond"));
    EXPECT_EQ(reader.exerciseTitle(), "Exercice 1");
    std::vector<std::string> instructions;
    while (const auto osc = reader.next())
        instructions.push_back(osc->instruction);
    EXPECT_EQ(instructions, (std::vector<std::string>{"Lisez la période.", "", "", ""}));

    ASSERT_TRUE(reader.open(file("sinus/2/50/CC/0/\r\n'fin\r\n"), "exo.ond"));
    EXPECT_EQ(reader.exerciseTitle(), "fin");
    EXPECT_EQ(reader.next()->instruction, "");
    ASSERT_TRUE(reader.open(file("sinus/2/50/CC/0/\r\n"), "exo.ond"));
    EXPECT_EQ(reader.exerciseTitle(), "");

    // A runaway comment reaches the window as 240 characters; accents are never cut in half.
    std::string accents;
    for (int i = 0; i < 300; ++i)
        accents += "é";
    EXPECT_EQ(CommentText("'" + accents), accents.substr(0, 480) + "…");
    EXPECT_EQ(CommentText("'" + std::string(240, 'x')), std::string(240, 'x'));
    EXPECT_EQ(CommentText("sinus/2/50/CC/0/"), "");
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
