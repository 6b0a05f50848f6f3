#include <gtest/gtest.h>

#include "core/win1252.h"

namespace ondivel {
namespace {

TEST(Win1252, FrenchAccentsAndTheHighBlockRoundTripAndOtherCharactersBecomeQuestionMarks) {
    const std::string utf8 = "Réseau élève — 5 € œuvre";
    const std::string bytes = utf8ToCp1252(utf8);
    EXPECT_EQ(bytes, "R\xE9seau \xE9l\xE8ve \x97 5 \x80 \x9Cuvre");
    EXPECT_EQ(cp1252ToUtf8(bytes), utf8);
    EXPECT_EQ(utf8ToCp1252("π"), "?");
}

TEST(Win1252, Utf8Validation) {
    EXPECT_TRUE(isValidUtf8("élève"));
    EXPECT_FALSE(isValidUtf8("\xE9l\xE8ve"));
    EXPECT_FALSE(isValidUtf8("\xC0\xAF")); // overlong "/"
}

} // namespace
} // namespace ondivel
