#include <gtest/gtest.h>

#include "core/win1252.h"

namespace ondivel {
namespace {

TEST(Win1252, Utf8Validation) {
    EXPECT_TRUE(isValidUtf8("élève"));
    EXPECT_FALSE(isValidUtf8("\xE9l\xE8ve"));
    EXPECT_FALSE(isValidUtf8("\xC0\xAF")); // overlong "/"
}

// Code points of 0x80–0x9F written out here, not taken from the code under test. The five bytes
// the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stay the C1 control of the same
// value, so that no byte of a file is lost on the way through.
// clang-format off
constexpr char32_t kHighBlock[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // € – ‚ ƒ „ … † ‡
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // ˆ ‰ Š ‹ Œ – Ž –
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // – ‘ ’ “ ” • – —
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // ˜ ™ š › œ – ž Ÿ
};
// clang-format on

char32_t expectedCodePoint(int byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHighBlock[byte - 0x80] : static_cast<char32_t>(byte);
}

// A small UTF-8 encoder of the test's own, so that a fault shared by both directions of the
// code still shows.
std::string utf8Of(char32_t cp) {
    std::string s;
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return s;
}

TEST(Win1252, EveryByteDecodesToItsCodePointAndEncodesBack) {
    for (int byte = 0; byte < 256; ++byte) {
        SCOPED_TRACE(::testing::Message() << "byte 0x" << std::hex << byte);
        const std::string one(1, static_cast<char>(byte));
        const std::string utf8 = utf8Of(expectedCodePoint(byte));
        EXPECT_EQ(cp1252ToUtf8(one), utf8);
        EXPECT_EQ(utf8ToCp1252(utf8), one);
    }
}

TEST(Win1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(utf8ToCp1252("5 π"), "5 ?");
    // U+0080 is not byte 0x80 (that byte is "€"); only the five undefined bytes keep their C1.
    for (char32_t cp = 0x80; cp <= 0x9F; ++cp) {
        const bool undefined = cp == 0x81 || cp == 0x8D || cp == 0x8F || cp == 0x90 || cp == 0x9D;
        EXPECT_EQ(utf8ToCp1252(utf8Of(cp)), undefined ? std::string(1, static_cast<char>(cp)) : "?")
            << std::hex << static_cast<unsigned>(cp);
    }
}

} // namespace
} // namespace ondivel
