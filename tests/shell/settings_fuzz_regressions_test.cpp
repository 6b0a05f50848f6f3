// Inputs the settings fuzz target found, kept so that the faults stay fixed.
#include <gtest/gtest.h>

#include "core/win1252.h"
#include "shell/settings_store.h"
#include "shell/text_file.h"
#include "temp_folder.h"

namespace ondivel {
namespace {

using testing::TempFolder;
using testing::writeBytes;

// A UTF-8 byte-order mark followed by Windows-1252 bytes came back as text that was not UTF-8:
// the mark was trusted, so "é" reached the program as the lone byte E9.
TEST(SettingsFuzzRegressions, ByteOrderMarkBeforeWindows1252Text) {
    TempFolder tmp;
    const std::string ini = tmp / "ConfOND_eleve1.ini";
    writeBytes(ini, "\xEF\xBB\xBF[R\xC9SEAU]\r\nDOSSIER D\xC9P\xD4T=Salle \xE9\r\n");
    const std::optional<std::string> text = ReadTextFile(ini);
    ASSERT_TRUE(text);
    EXPECT_TRUE(isValidUtf8(*text));
    EXPECT_EQ(ReadIniValue(ini, "Réseau", "Dossier Dépôt", ""), "Salle é");

    // The fuzzer's own input: a mark, a broken section line, NULs and a lone "ü" at the end.
    writeBytes(ini, std::string("\xEF\xBB\xBFSEAU]\r\nDOSSIER D'\xC9P\0\0\0\0\0\0\0#ur\r\n\xFC", 35));
    const std::optional<std::string> fuzzed = ReadTextFile(ini);
    ASSERT_TRUE(fuzzed);
    EXPECT_TRUE(isValidUtf8(*fuzzed));
    EXPECT_TRUE(fuzzed->ends_with("ü"));
}

// A byte-order mark saved twice, the second one as Windows-1252 text ("ï»¿"): the rewrite turned
// that text back into a mark, so the section behind it appeared only at the next read, and the
// value just written under the same section name, at the end of the file, was not found there.
TEST(SettingsFuzzRegressions, ByteOrderMarkSavedTwice) {
    TempFolder tmp;
    const std::string ini = tmp / "ConfOND_eleve1.ini";
    writeBytes(ini, "\xEF\xBB\xBF\xEF\xBB\xBF[R\xC9SEAU]\r\n");
    WriteIniValue(ini, "Réseau", "Dossier Dépôt", "Salle é");
    EXPECT_EQ(ReadIniValue(ini, "Réseau", "Dossier Dépôt", ""), "Salle é");

    // The same mark, read from a UTF-8 file, is dropped too.
    writeBytes(ini, "\xEF\xBB\xBF\u00EF\u00BB\u00BF[Options]\r\nColorYa=255\r\n");
    EXPECT_EQ(ReadTextFile(ini), "[Options]\r\nColorYa=255\r\n");
}

} // namespace
} // namespace ondivel
