// Logon names in file names: whatever the environment says, the settings and results files stay
// in their folder, under a name every system accepts (the settings file of such a name is the
// startup_user_name_with_path scenario's).
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "files/safe_file_name.h"

namespace ondivel {
namespace {

TEST(SafeFileName, NamesThatCannotStandInAFileNameAreMadeSafe) {
    // clang-format off
    const std::vector<std::pair<std::string, std::string>> names{
        {"eleve1",              "eleve1"},
        {"Léa.Müller-2nde B",   "Léa.Müller-2nde B"},  // accents, dots, blanks inside are kept
        {"a/../../evil",        "a_______evil"},
        {"..\\..\\Windows",     "______Windows"},
        {"..",                  "__"},
        {".",                   "_"},
        {"/",                   "_"},
        {"tab\there\nline\x7F", "tab_here_line_"},
        {"a<b>c:d\"e|f?g*h",    "a_b_c_d_e_f_g_h"},
        {"prof. ",              "prof__"},             // Windows drops dots and blanks at the end
        {"CON",                 "_CON"},
        {"nul.txt",             "_nul.txt"},
        {"com1",                "_com1"},
        {"console",             "console"},
        {"",                    "Inconnu"},
    };
    // clang-format on
    for (const auto& [name, safe] : names)
        EXPECT_EQ(SafeFileNamePart(name), safe) << name;
}

TEST(SafeFileName, ALongNameIsCutBetweenLetters) {
    std::string name(199, 'a');
    name += "é"; // two bytes, the second beyond 200
    EXPECT_EQ(SafeFileNamePart(name), std::string(199, 'a'));
}

} // namespace
} // namespace ondivel
