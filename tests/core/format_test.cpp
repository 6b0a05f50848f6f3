#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "core/format.h"

namespace ondivel {
namespace {

TEST(FormatNumber, ReadOutPatterns) {
    // clang-format off
    const struct { double value; const char* pattern; const char* expected; } cases[] = {
        // Generator read-outs: compulsory digits pad with zeros on both sides.
        {1.0,        "0.000",   "1.000"},
        {0.1,        "000.0",   "000.1"},
        {12.0,       "00.00",   "12.00"},
        {120.0,      "000.0",   "120.0"},
        {1234.5,     "000.0",   "1234.5"},   // more integer digits than the pattern: all kept
        // Half away from zero, decided on the decimal text and not on the binary value.
        {2.675,      "0.00",    "2.68"},
        {1.0005,     "0.000",   "1.001"},
        {0.125,      "0.00",    "0.13"},
        {-0.125,     "0.00",    "-0.13"},
        {2.5,        "0",       "3"},
        {-2.5,       "#0",      "-3"},
        {9.9999,     "0.00",    "10.00"},    // carry into a new integer digit
        {99.96,      "00.0",    "100.0"},
        {0.005,      "0.00",    "0.01"},
        {0.0004,     "0.00",    "0.00"},
        // A minus sign only for values that do not round to zero.
        {-0.004,     "0.00",    "0.00"},
        {-0.5,       "0.00",    "-0.50"},
        {-1.25,      " x = 0.00 div", " x = -1.25 div"},
        // Optional digits.
        {7.0,        "##",      "7"},
        {0.0,        "##",      ""},
        {104.72,     "####0.0", "104.7"},
        {0.04,       "####0.0", "0.0"},
        {3.14159,    "#0.00",   "3.14"},
        {12.345,     "#00.0",   "12.3"},
        {5.0,        "#000",    "005"},
        {0.5,        "#.00",    ".50"},
        {5.0,        "0.##",    "5."},
        {5.2,        "0.0#",    "5.2"},
        // Large and tiny magnitudes.
        {1e20,       "0",       "100000000000000000000"},
            {1e-12,      "0.000",   "0.000"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(FormatNumber(c.value, c.pattern), c.expected) << c.value << " with \"" << c.pattern << "\"";
}

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

TEST(NumberText, WritesTrimmedDecimalText) {
    // clang-format off
    const struct { double value; const char* expected; } cases[] = {
        {0.0,           "0"},
        {-0.0,          "0"},
        {12.0,          "12"},
        {16777215.0,    "16777215"},
        {0.5,           "0.5"},
        {-3.25,         "-3.25"},
        {0.1 + 0.2,     "0.3"},       // 15 significant digits hide the binary noise
        {1.0 / 3.0,     "0.333333333333333"},
        {0.00001,       "0.00001"},   // no exponent inside [1e-9, 1e15)
        {1e-9,          "0.000000001"},
            {123456789012345.0, "123456789012345"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(NumberText(c.value), c.expected) << c.value;
}

TEST(NumberText, ExtremeMagnitudesStillReadBack) {
    for (double v : {1e15, 2.5e-12, -7e30})
        EXPECT_DOUBLE_EQ(Val(NumberText(v)), v) << NumberText(v);
}

TEST(Val, ReadsTheLeadingNumberLeniently) {
    // clang-format off
    const struct { const char* text; double expected; } cases[] = {
        {"12",        12},
        {"  12",      12},
        {"\t-3.5",    -3.5},
        {"+4",        4},
        {"1,5",       1.5},
        {".25",       0.25},
        {"-,5",       -0.5},
        {"5.",        5},
        {"12abc",     12},
        {"1.2.3",     1.2},
        {"2.5e3",     2500},
        {"1E-2",      0.01},
        {"7e",        7},
        {"",          0},
        {"abc",       0},
        {".",         0},
        {"inf",       0},
        {"nan",       0},
        {"0x1A",      0},
            {"1e999",     0},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(Val(c.text), c.expected) << '"' << c.text << '"';
}

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
