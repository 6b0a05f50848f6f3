// The settings file as people and other programs leave it: hand-written comments in UTF-8 or
// Windows-1252, stray bytes, other line ends, a UTF-16 file. A rewrite changes only the lines of
// the values it sets, and never damages a file it cannot read as settings text.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "files/settings_store.h"
#include "support/temp_folder.h"

namespace ondivel {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

std::string utf16le(std::u16string_view text) {
    std::string bytes;
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

class SettingsBytes : public ::testing::Test {
  protected:
    TempFolder tmp;
    std::string ini = tmp / "Marvane/Ondivel/ConfOND_eleve1.ini";
    std::string read(const std::string& section, const std::string& key) {
        return ReadIniValue(ini, section, key, "DEF");
    }
    int filesInFolder() const {
        int files = 0;
        for ([[maybe_unused]] const auto& entry :
             std::filesystem::directory_iterator(std::filesystem::path(ini).parent_path()))
            ++files;
        return files;
    }
};

TEST_F(SettingsBytes, LinesTheProgramDoesNotSetComeBackByteForByte) {
    // clang-format off
    const std::vector<std::string> odd{
        "; r\xC3\xA9gl\xC3\xA9 pour la salle \xE2\x84\xA6 \xE2\x80\x94 M. Dupont", // UTF-8, Ω outside Windows-1252
        "; caf\xE9 \x81\x8D\x8F\x90\x9D \xFF",          // Windows-1252, its five unused bytes too
        "; cut short \xC3",                              // not UTF-8
        "; overlong \xC0\xAF, surrogate \xED\xA0\x80",   // not UTF-8 either
        "\x01\x02\x1A\x1B[0m\x7F",                       // control bytes
        "Cl\xE9=\xA0 non-breaking \xA0",
        "a=1\rb=2",                                      // a lone CR ends a line
        "c=3\nd=4",                                      // so does a lone LF
        "  \t Spaced = \"quoted\"  \t",
        "",
        "\f\v",
        "[Autre",
        "===",
        "\xEF\xBB\xBF; a byte-order mark inside the file",
        "\xC3\xAF\xC2\xBB\xC2\xBF; the mark as Windows-1252 text, saved as UTF-8",
        std::string(3000, 'x'),
    };
    // clang-format on
    for (const std::string& line : odd) {
        SCOPED_TRACE(line.substr(0, 60));
        // Inside the file, before the section the program writes to (which has no final line end).
        const std::string before = "[Autre]\r\n" + line + "\r\n[Options]\r\nColorYb=2";
        writeBytes(ini, before);
        EXPECT_TRUE(WriteIniValue(ini, "Options", "ColorYa", "1"));
        EXPECT_EQ(readBytes(ini), before + "\r\nColorYa=1\r\n");
        // At the very end of the file, without a line end.
        writeBytes(ini, "[Options]\r\nColorYa=0\r\n[Autre]\r\n" + line);
        EXPECT_TRUE(WriteIniValue(ini, "Options", "ColorYa", "1"));
        EXPECT_EQ(readBytes(ini), "[Options]\r\nColorYa=1\r\n[Autre]\r\n" + line);
    }
}

TEST_F(SettingsBytes, AUtf8FileKeepsItsMarkAndLineEndsAndTheProgramsLinesReadBack) {
    // Each line reads as UTF-8 when it is UTF-8, so the program's Windows-1252 line beside
    // hand-written UTF-8 ones reads back, and so do the others. A lone CR ends a line too.
    writeBytes(ini, "\xEF\xBB\xBF[R\xC3\xA9seau]\nDossier D\xC3\xA9p\xC3\xB4t=\xC3\x89l\xC3\xA8ves\r");
    EXPECT_TRUE(WriteIniValue(ini, "Réseau", "Salle", "B12 é"));
    EXPECT_EQ(readBytes(ini),
              "\xEF\xBB\xBF[R\xC3\xA9seau]\nDossier D\xC3\xA9p\xC3\xB4t=\xC3\x89l\xC3\xA8ves\r"
              "Salle=B12 \xE9\r\n");
    EXPECT_EQ(read("Réseau", "Dossier Dépôt"), "Élèves");
    EXPECT_EQ(read("Réseau", "Salle"), "B12 é");
    // Windows-1252 bytes that would read as UTF-8 ("Ã©" is C3 A9, UTF-8 for "é") are written as
    // UTF-8: the value reads back as it was set.
    EXPECT_TRUE(WriteIniValue(ini, "Réseau", "Salle", "Ã©tÃ©"));
    EXPECT_EQ(read("Réseau", "Salle"), "Ã©tÃ©");
    EXPECT_EQ(read("Réseau", "Dossier Dépôt"), "Élèves");
}

TEST_F(SettingsBytes, AUtf16FileIsReadAndWrittenInUtf16) {
    const std::string mark = "\xFF\xFE";
    writeBytes(ini, mark + utf16le(u"; Réglages de la salle Ω\r\n"
                                   u"[Options]\r\n"
                                   u"ColorYa=255\r\n"
                                   u"[Réseau]\r\n"
                                   u"Dossier Dépôt=Salle \U0001F3B5"));
    EXPECT_EQ(read("Options", "ColorYa"), "255");
    EXPECT_EQ(read("RÉSEAU", "Dossier Dépôt"), "Salle \U0001F3B5");

    EXPECT_TRUE(WriteIniValue(ini, "Options", "ColorYa", "65535"));
    EXPECT_TRUE(WriteIniValue(ini, "Options", "ShowToolTip", "0"));
    EXPECT_TRUE(WriteIniValue(ini, "Impression", "Marque Voie A", "1"));
    EXPECT_EQ(readBytes(ini), mark + utf16le(u"; Réglages de la salle Ω\r\n"
                                             u"[Options]\r\n"
                                             u"ColorYa=65535\r\n"
                                             u"ShowToolTip=0\r\n"
                                             u"[Réseau]\r\n"
                                             u"Dossier Dépôt=Salle \U0001F3B5\r\n"
                                             u"[Impression]\r\n"
                                             u"Marque Voie A=1\r\n"));
    EXPECT_EQ(read("Options", "ColorYa"), "65535");
}

TEST_F(SettingsBytes, AFileThatIsNotSettingsTextIsLeftUntouched) {
    const std::string settings = utf16le(u"[Options]\r\nColorYa=255\r\n");
    std::string bigEndian;
    for (std::size_t i = 0; i < settings.size(); i += 2)
        bigEndian += std::string{settings[i + 1], settings[i]};
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> files{
        {"UTF-16 cut in the middle of a character", "\xFF\xFE" + settings + "A"},
        {"UTF-16 with a lone surrogate", "\xFF\xFE" + settings + utf16le(u"; x") + std::string("\x00\xD8", 2)},
        {"UTF-16 holding a NUL character", "\xFF\xFE" + settings + std::string(2, '\0')},
        {"UTF-16 without its mark", settings},
        {"UTF-16 big-endian", "\xFE\xFF" + bigEndian},
        {"a program", std::string("\x7F" "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0", 16)},
    };
    // clang-format on
    for (const auto& [what, bytes] : files) {
        SCOPED_TRACE(what);
        writeBytes(ini, bytes);
        EXPECT_FALSE(WriteIniValue(ini, "Options", "ColorYa", "1"));
        EXPECT_EQ(readBytes(ini), bytes);
        EXPECT_EQ(filesInFolder(), 1);
    }
}

} // namespace
} // namespace ondivel
