// Paragraphs broken into lines of a width, as the worksheet prints its instructions.
#include <gtest/gtest.h>

#include "core/text_wrap.h"

namespace ondivel {
namespace {

// One unit a character (UTF-8 continuation bytes take none).
double characters(const std::string& s) {
    double n = 0;
    for (unsigned char c : s)
        n += (c & 0xC0) != 0x80;
    return n;
}

using Lines = std::vector<std::string>;

TEST(WrapText, BreaksAtBlanksAndKeepsWordsWhole) {
    EXPECT_EQ(WrapText("Mesurez la période sur l'écran", 12, characters),
              (Lines{"Mesurez la", "période sur", "l'écran"}));
    // A word exactly as wide as the line fits; runs of blanks count as one.
    EXPECT_EQ(WrapText("  fréquence   f = 1/T ", 9, characters), (Lines{"fréquence", "f = 1/T"}));
    EXPECT_TRUE(WrapText("   ", 10, characters).empty());
}

TEST(WrapText, AWordWiderThanTheLineIsCutBetweenCharacters) {
    EXPECT_EQ(WrapText("très_très_long", 5, characters), (Lines{"très_", "très_", "long"}));
    // Narrower than one character: one character a line all the same, never half of one.
    EXPECT_EQ(WrapText("éé", 0.5, characters), (Lines{"é", "é"}));
}

TEST(WrapText, AtMostSoManyLinesTheLastOneEndingInAnEllipsis) {
    EXPECT_EQ(WrapText("un deux trois quatre cinq", 8, characters, 2), (Lines{"un deux", "trois…"}));
    // The ellipsis fits within the width.
    EXPECT_EQ(WrapText("abcdefgh ijk", 8, characters, 1), (Lines{"abcdefg…"}));
    EXPECT_EQ(WrapText("un deux", 8, characters, 1), (Lines{"un deux"}));
}

} // namespace
} // namespace ondivel
