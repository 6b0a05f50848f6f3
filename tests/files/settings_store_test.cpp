#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/win1252.h"
#include "files/settings_store.h"
#include "files/text_file.h"
#include "support/temp_folder.h"

namespace ondivel {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

class SettingsStore : public ::testing::Test {
  protected:
    TempFolder tmp;
    std::string ini = tmp / "Marvane/Ondivel/ConfOND_eleve1.ini";
    std::string read(const std::string& section, const std::string& key, const std::string& def = "DEF") {
        return ReadIniValue(ini, section, key, def);
    }
};

TEST_F(SettingsStore, MissingFileFolderSectionOrKeyGiveTheDefault) {
    EXPECT_EQ(read("Options", "ColorYa", "65535"), "65535");
    writeBytes(ini, "[Options]\r\nColorYa=255\r\n");
    EXPECT_EQ(read("Interface", "ColorYa"), "DEF");
    EXPECT_EQ(read("Options", "ColorYb"), "DEF");
    EXPECT_EQ(read("Options", "ColorYa"), "255");
    EXPECT_EQ(ReadIniValue(tmp / "nowhere/x.ini", "Options", "ColorYa", "1"), "1");
    EXPECT_EQ(ReadIniValue(tmp.path().string(), "Options", "ColorYa", "1"), "1"); // a folder
}

TEST_F(SettingsStore, TheFirstWriteMakesTheFoldersAndNewKeysJoinTheEndOfTheirSection) {
    WriteIniValue(ini, "Options", "ColorYa", "65535");
    WriteIniValue(ini, "Réseau", "Dossier Dépôt", "Dépôt");
    WriteIniValue(ini, "Options", "ColorYb", "4227072");
    WriteIniValue(ini, "Réseau", "Focus", "12");
    EXPECT_EQ(readBytes(ini), "[Options]\r\nColorYa=65535\r\nColorYb=4227072\r\n"
                              "[R\xE9seau]\r\nDossier D\xE9p\xF4t=D\xE9p\xF4t\r\nFocus=12\r\n");
}

TEST_F(SettingsStore, RewriteKeepsCommentsBlankLinesOrderAndTheKeySpellingOfTheFile) {
    writeBytes(ini, "; written by hand\n"
                    "[Options]\n"
                    "ColorYa = 255\n"
                    "; trace B\n"
                    "COLORYB=1\n"
                    "\n"
                    "[Interface]\n"
                    "Focus=12\n");
    WriteIniValue(ini, "options", "ColorYb", "4227072");
    WriteIniValue(ini, "Options", "ShowToolTip", "0");
    WriteIniValue(ini, "Options", "ColorYa", "255"); // same value: the hand-made line stays
    EXPECT_EQ(readBytes(ini), "; written by hand\n"
                              "[Options]\n"
                              "ColorYa = 255\n"
                              "; trace B\n"
                              "COLORYB=4227072\r\n"
                              "ShowToolTip=0\r\n"
                              "\n"
                              "[Interface]\n"
                              "Focus=12\n");
}

TEST_F(SettingsStore, NamesMatchWithoutRegardToCaseAccentedLettersIncluded) {
    writeBytes(ini, "[R\xC9SEAU]\r\nDOSSIER D\xC9P\xD4T=Serveur\r\n");
    EXPECT_EQ(read("Réseau", "Dossier Dépôt"), "Serveur");
    EXPECT_EQ(read("réseau", "dossier dépôt"), "Serveur");
    EXPECT_EQ(read("Reseau", "Dossier Depot"), "DEF"); // accents still count
    WriteIniValue(ini, "réseau", "Dossier dépôt", "Dépôt");
    EXPECT_EQ(readBytes(ini), "[R\xC9SEAU]\r\nDOSSIER D\xC9P\xD4T=D\xE9p\xF4t\r\n");
}

TEST_F(SettingsStore, BlanksAroundNamesAndValuesAndEnclosingQuotesAreDropped) {
    writeBytes(ini, "  [ Options ]  \r\n"
                    "\t Show Tips at Startup \t=  0  \r\n"
                    "Couleur fond=\"255\"\r\n"
                    "Quoted=' spaced '\r\n"
                    "Half=\"open\r\n");
    EXPECT_EQ(read("Options", "Show Tips at Startup"), "0");
    EXPECT_EQ(read("Options", "Couleur fond"), "255");
    EXPECT_EQ(read("Options", "Quoted"), " spaced ");
    EXPECT_EQ(read("Options", "Half"), "\"open");
}

TEST_F(SettingsStore, AnEmptyValueReadsAsTheDefault) {
    writeBytes(ini, "[Options]\r\nReglage auto=\r\nShowToolTip\r\nQuotes=\"\"\r\n");
    EXPECT_EQ(read("Options", "Reglage auto", "0"), "0");
    EXPECT_EQ(read("Options", "ShowToolTip", "1"), "1");
    EXPECT_EQ(read("Options", "Quotes", "x"), "x");
    // Written empty, it still reads as the default.
    WriteIniValue(ini, "Options", "Reglage auto", "");
    EXPECT_EQ(read("Options", "Reglage auto", "0"), "0");
}

TEST_F(SettingsStore, ValuesAreCutAt254Characters) {
    const std::string accented(300, 'a');
    std::string latin;
    for (int i = 0; i < 300; ++i)
        latin += "é";
    writeBytes(ini, "[S]\r\nplain=" + accented + "\r\n");
    WriteIniValue(ini, "S", "accents", latin);
    EXPECT_EQ(read("S", "plain"), std::string(254, 'a'));
    std::string expected;
    for (int i = 0; i < 254; ++i)
        expected += "é";
    EXPECT_EQ(read("S", "accents"), expected); // characters, not UTF-8 bytes
}

TEST_F(SettingsStore, TheFirstOfDuplicateSectionsAndKeysWins) {
    writeBytes(ini, "[Options]\r\nColorYa=1\r\nColorYa=2\r\n[Options]\r\nColorYa=3\r\n");
    EXPECT_EQ(read("Options", "ColorYa"), "1");
    WriteIniValue(ini, "Options", "ColorYa", "9");
    EXPECT_EQ(readBytes(ini), "[Options]\r\nColorYa=9\r\nColorYa=2\r\n[Options]\r\nColorYa=3\r\n");
}

TEST_F(SettingsStore, GarbageBinaryAndTruncatedFilesReadWhatTheyCan) {
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 7919) & 0xFF);
    writeBytes(ini, binary);
    EXPECT_EQ(read("Options", "ColorYa"), "DEF");

    writeBytes(ini, std::string("[Options]\r\nColorYa=12\r\n[Interf", 30));
    EXPECT_EQ(read("Options", "ColorYa"), "12");
    writeBytes(ini, std::string("[Opt") + '\0' + "ions]\r\nColorYa=1\r\n[Options]\r\nColorYb=" + '\0');
    EXPECT_EQ(read("Options", "ColorYb"), std::string(1, '\0'));
    writeBytes(ini, "[Options\r\nColorYa=4\r\n]=x\r\n[\r\n=\r\n");
    EXPECT_EQ(read("Options", "ColorYa"), "4"); // an unclosed bracket still names the section
    // Keys before any section and comment lines are not keys.
    writeBytes(ini, "ColorYa=5\r\n[Options]\r\n;ColorYb=7\r\n");
    EXPECT_EQ(read("Options", "ColorYa"), "DEF");
    EXPECT_EQ(read("Options", ";ColorYb"), "DEF");
}

TEST_F(SettingsStore, NamesThatWouldNotReadBackAreNotWrittenAndLineBreaksInValuesAreFlattened) {
    WriteIniValue(ini, "", "ColorYa", "1");
    WriteIniValue(ini, "Options", "", "1");
    WriteIniValue(ini, "Op]tions", "ColorYa", "1");
    WriteIniValue(ini, "Options", "a=b", "1");
    WriteIniValue(ini, "Options", "two\nlines", "1");
    EXPECT_FALSE(std::filesystem::exists(ini));
    WriteIniValue(ini, "Options", "Note", "first\r\nsecond");
    EXPECT_EQ(readBytes(ini), "[Options]\r\nNote=first  second\r\n");
}

// Fuzz regression: a UTF-8 byte-order mark followed by Windows-1252 bytes came back as text that
// was not UTF-8: the mark was trusted, so "é" reached the program as the lone byte E9.
TEST_F(SettingsStore, FuzzRegressionByteOrderMarkBeforeWindows1252Text) {
    writeBytes(ini, "\xEF\xBB\xBF[R\xC9SEAU]\r\nDOSSIER D\xC9P\xD4T=Salle \xE9\r\n");
    const std::optional<std::string> text = ReadTextFile(ini);
    ASSERT_TRUE(text);
    EXPECT_TRUE(isValidUtf8(*text));
    EXPECT_EQ(read("Réseau", "Dossier Dépôt"), "Salle é");

    // The fuzzer's own input: a mark, a broken section line, NULs and a lone "ü" at the end.
    writeBytes(ini, std::string("\xEF\xBB\xBFSEAU]\r\nDOSSIER D'\xC9P\0\0\0\0\0\0\0#ur\r\n\xFC", 35));
    const std::optional<std::string> fuzzed = ReadTextFile(ini);
    ASSERT_TRUE(fuzzed);
    EXPECT_TRUE(isValidUtf8(*fuzzed));
    EXPECT_TRUE(fuzzed->ends_with("ü"));
}

// Fuzz regression: a byte-order mark saved twice, the second one as Windows-1252 text ("ï»¿"): the
// rewrite turned that text back into a mark, so the section behind it appeared only at the next
// read, and the value just written under the same section name, at the end, was not found there.
TEST_F(SettingsStore, FuzzRegressionByteOrderMarkSavedTwice) {
    writeBytes(ini, "\xEF\xBB\xBF\xEF\xBB\xBF[R\xC9SEAU]\r\n");
    WriteIniValue(ini, "Réseau", "Dossier Dépôt", "Salle é");
    EXPECT_EQ(read("Réseau", "Dossier Dépôt"), "Salle é");
    // The same mark, read from a UTF-8 file, is dropped too.
    writeBytes(ini, "\xEF\xBB\xBF\u00EF\u00BB\u00BF[Options]\r\nColorYa=255\r\n");
    EXPECT_EQ(ReadTextFile(ini), "[Options]\r\nColorYa=255\r\n");
}

} // namespace
} // namespace ondivel
