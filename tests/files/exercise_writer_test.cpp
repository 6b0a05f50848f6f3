#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/exercise_writer.h"
#include "files/numeric_entry.h"
#include "files/testing/fake_platform.h"
#include "support/temp_folder.h"

namespace ondivel {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

ChannelEntry dc(std::string volts) {
    return {false, "", std::move(volts), ""};
}
ChannelEntry ac(std::string shape, std::string volts, std::string hertz) {
    return {true, std::move(shape), std::move(volts), std::move(hertz)};
}

TEST(ExerciseWriter, BuildsTheLinesOfTheLessonExamples) {
    EXPECT_EQ(OscillogramLine(ac("sinusoïdale", "5", "50"), ac("triangulaire", "2", "100")),
              "sinusoïdale/5/50/triangulaire/2/100");
    EXPECT_EQ(OscillogramLine(dc("1.5"), ac("carrée", "3", "1000")), "CC/1.5//carrée/3/1000");
    EXPECT_EQ(OscillogramLine(dc("5"), dc("-2")), "CC/5//CC/-2/");
    // Numbers are written as typed, blanks around them dropped; a continuous channel forgets
    // whatever frequency was left in its (disabled) box.
    EXPECT_EQ(OscillogramLine(ac("carrée", " 2.5 ", "1e3 "), ChannelEntry{false, "sinusoïdale", "0", "50"}),
              "carrée/2.5/1e3/CC/0/");
    EXPECT_EQ(CommentLine("Exercice 1"), "'Exercice 1");
}

TEST(ExerciseWriter, FilesAreWindows1252WithCrLfAndReplaceWhatWasThere) {
    TempFolder tmp;
    FakePlatform platform(tmp.path().string());
    const std::string file = tmp / "leçon.ond";
    writeBytes(file, "an older and much longer lesson\r\n\r\n\r\n");
    ASSERT_TRUE(SaveExerciseFile(platform, file, {"'Séance é", "sinusoïdale/5/50/CC/1/"}));
    EXPECT_EQ(readBytes(file), "'S\xE9"
                               "ance \xE9\r\nsinuso\xEF"
                               "dale/5/50/CC/1/\r\n");

    ASSERT_TRUE(SaveExerciseFile(platform, file, {}));
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(readBytes(file), "");

    EXPECT_FALSE(SaveExerciseFile(platform, tmp / "no/such/folder/x.ond", {"CC/1//CC/1/"}));

    // A lesson a pupil replaced by a link to a teacher's file: saving it leaves that file whole.
    const std::string teachers = tmp / "prof/bulletins.txt", linked = tmp / "lien.ond";
    writeBytes(teachers, "notes\r\n");
    std::filesystem::create_symlink(teachers, linked);
    EXPECT_FALSE(SaveExerciseFile(platform, linked, {"CC/1//CC/1/"}));
    EXPECT_EQ(readBytes(teachers), "notes\r\n");
}

TEST(ExerciseWriter, LoadingKeepsEveryLineWithTextWhateverTheEditorThatSavedIt) {
    TempFolder tmp;
    const std::string ansi = tmp / "ansi.ond", utf8 = tmp / "utf8.ond";
    writeBytes(ansi, "'Exercice \xE9t\xE9\r\n\r\n   \r\ncarr\xE9"
                     "e/3/1000/CC/-2/\r\n");
    writeBytes(utf8, "'Exercice été\n\ncarrée/3/1000/CC/-2/\n  sinus / 2 /50/CC/1/"); // no final line end
    const std::vector<std::string> expected{"'Exercice été", "carrée/3/1000/CC/-2/"};
    EXPECT_EQ(LoadExerciseFile(ansi), expected);
    auto fromUtf8 = LoadExerciseFile(utf8);
    ASSERT_TRUE(fromUtf8);
    ASSERT_EQ(fromUtf8->size(), 3u);
    EXPECT_EQ((*fromUtf8)[2], "  sinus / 2 /50/CC/1/"); // kept unchanged, blanks included
    EXPECT_FALSE(LoadExerciseFile(tmp / "missing.ond"));
}

TEST(NumericEntry, AcceptsWhatTheReaderConvertsAndNothingElse) {
    // clang-format off
    const std::vector<std::pair<const char*, bool>> cases{
        {"5", true}, {"2,5", true}, {" -3 ", true}, {"+0,5", true}, {",5", true}, {"5,", true},
        {"1e3", true}, {"2,5E-3", true},
        {"", false}, {"   ", false}, {"abc", false}, {"5 V", false}, {"2,5,1", false}, {"-", false},
        {",", false}, {"1e", false}, {"2.5", false}, {"--1", false}, {"1 000", false}};
    // clang-format on
    for (const auto& [text, numeric] : cases)
        EXPECT_EQ(IsNumericEntry(text), numeric) << '"' << text << '"';
}

} // namespace
} // namespace ondivel
