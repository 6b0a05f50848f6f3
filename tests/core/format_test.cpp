#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/format.h"

namespace ondivel {
namespace {

struct FormatCase {
    double value;
    const char* pattern;
    const char* expected;
};

class FormatNumberTable : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTable, Formats) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected) << c.value << " with \"" << c.pattern << "\"";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(ReadOutPatterns, FormatNumberTable, ::testing::Values(
    // Generator read-outs: compulsory digits pad with zeros on both sides.
    FormatCase{1.0,        "0.000",   "1.000"},
    FormatCase{0.1,        "000.0",   "000.1"},
    FormatCase{12.0,       "00.00",   "12.00"},
    FormatCase{120.0,      "000.0",   "120.0"},
    FormatCase{1234.5,     "000.0",   "1234.5"},   // more integer digits than the pattern: all kept
    // Half away from zero, decided on the decimal text and not on the binary value.
    FormatCase{2.675,      "0.00",    "2.68"},
    FormatCase{1.0005,     "0.000",   "1.001"},
    FormatCase{0.125,      "0.00",    "0.13"},
    FormatCase{-0.125,     "0.00",    "-0.13"},
    FormatCase{2.5,        "0",       "3"},
    FormatCase{-2.5,       "#0",      "-3"},
    FormatCase{9.9999,     "0.00",    "10.00"},    // carry into a new integer digit
    FormatCase{99.96,      "00.0",    "100.0"},
    FormatCase{0.005,      "0.00",    "0.01"},
    FormatCase{0.0004,     "0.00",    "0.00"},
    // A minus sign only for values that do not round to zero.
    FormatCase{-0.004,     "0.00",    "0.00"},
    FormatCase{-0.5,       "0.00",    "-0.50"},
    FormatCase{-1.25,      " x = 0.00 div", " x = -1.25 div"},
    // Optional digits.
    FormatCase{7.0,        "##",      "7"},
    FormatCase{0.0,        "##",      ""},
    FormatCase{104.72,     "####0.0", "104.7"},
    FormatCase{0.04,       "####0.0", "0.0"},
    FormatCase{3.14159,    "#0.00",   "3.14"},
    FormatCase{12.345,     "#00.0",   "12.3"},
    FormatCase{5.0,        "#000",    "005"},
    FormatCase{0.5,        "#.00",    ".50"},
    FormatCase{5.0,        "0.##",    "5."},
    FormatCase{5.2,        "0.0#",    "5.2"},
    // Large and tiny magnitudes.
    FormatCase{1e20,       "0",       "100000000000000000000"},
    FormatCase{1e-12,      "0.000",   "0.000"}));
// clang-format on

TEST(FormatNumber, NonFiniteValuesFormatAsZeroInsteadOfGarbage) {
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity(), "0.00"), "0.00");
    EXPECT_EQ(FormatNumber(std::nan(""), "#0"), "0");
}

TEST(FormatComma, EveryPointBecomesAComma) {
    EXPECT_EQ(FormatComma(1.5, "0.000"), "1,500");
    EXPECT_EQ(FormatComma(-1.25, "0.00"), "-1,25");
}

TEST(Remplacer, ResumesAfterEachReplacement) {
    std::string s = "a.b.c";
    Remplacer(s, ".", ",");
    EXPECT_EQ(s, "a,b,c");
    // A replacement that contains the searched text is not searched again.
    std::string grow = "aa";
    Remplacer(grow, "a", "aa");
    EXPECT_EQ(grow, "aaaa");
}

struct NumberTextCase {
    double value;
    const char* expected;
};

class NumberTextTable : public ::testing::TestWithParam<NumberTextCase> {};

TEST_P(NumberTextTable, WritesTrimmedDecimalText) {
    EXPECT_EQ(NumberText(GetParam().value), GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(SettingsValues, NumberTextTable, ::testing::Values(
    NumberTextCase{0.0,           "0"},
    NumberTextCase{-0.0,          "0"},
    NumberTextCase{12.0,          "12"},
    NumberTextCase{16777215.0,    "16777215"},
    NumberTextCase{0.5,           "0.5"},
    NumberTextCase{-3.25,         "-3.25"},
    NumberTextCase{0.1 + 0.2,     "0.3"},       // 15 significant digits hide the binary noise
    NumberTextCase{1.0 / 3.0,     "0.333333333333333"},
    NumberTextCase{0.00001,       "0.00001"},   // no exponent inside [1e-9, 1e15)
    NumberTextCase{1e-9,          "0.000000001"},
    NumberTextCase{123456789012345.0, "123456789012345"}));
// clang-format on

TEST(NumberText, ExtremeMagnitudesStillReadBack) {
    for (double v : {1e15, 2.5e-12, -7e30})
        EXPECT_DOUBLE_EQ(Val(NumberText(v)), v) << NumberText(v);
}

struct ValCase {
    const char* text;
    double expected;
};

class ValTable : public ::testing::TestWithParam<ValCase> {};

TEST_P(ValTable, ReadsTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(Val(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(LenientParse, ValTable, ::testing::Values(
    ValCase{"12",        12},
    ValCase{"  12",      12},
    ValCase{"\t-3.5",    -3.5},
    ValCase{"+4",        4},
    ValCase{"1,5",       1.5},
    ValCase{".25",       0.25},
    ValCase{"-,5",       -0.5},
    ValCase{"5.",        5},
    ValCase{"12abc",     12},
    ValCase{"1.2.3",     1.2},
    ValCase{"2.5e3",     2500},
    ValCase{"1E-2",      0.01},
    ValCase{"7e",        7},
    ValCase{"",          0},
    ValCase{"abc",       0},
    ValCase{".",         0},
    ValCase{"inf",       0},
    ValCase{"nan",       0},
    ValCase{"0x1A",      0},
    ValCase{"1e999",     0}));
// clang-format on

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour) {
    // clang-format off
    const struct { double in, out; } cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
        {2.4999, 2}, {2.5001, 3}, {-2.5001, -3}, {7, 7}, {12.0, 12},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(RoundHalfEven(c.in), c.out) << c.in;
}

} // namespace
} // namespace ondivel
