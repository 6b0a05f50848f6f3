// The cursors' read-out texts: three significant digits, the unit scaled to the value (also when
// rounding carries it into the next one), a decimal comma, and "?" for the frequency of a zero
// interval.
#include <gtest/gtest.h>

#include <string>

#include "bench/scope/cursor_measures.h"

namespace ondivel {
namespace {

struct TextCase {
    std::string (*format)(double);
    double value;
    const char* text;
};

// clang-format off
const TextCase kTexts[] = {
    {TimeText,        0.0025,     "2,50 ms"},
    {TimeText,        0.0004,     "400 µs"},
    {TimeText,        -0.00004,   "-40,0 µs"},
    {TimeText,        1.2,        "1,20 s"},
    {TimeText,        5e-7,       "500 ns"},
    {TimeText,        0,          "0,00 s"},
    {TimeText,        0.00099996, "1,00 ms"},
    {FrequencyText,   400,        "400 Hz"},
    {FrequencyText,   999.96,     "1,00 kHz"},
    {FrequencyText,   2.5e6,      "2,50 MHz"},
    {FrequencyText,   0.5,        "0,50 Hz"},
    {VoltageText,     4,          "4,00 V"},
    {VoltageText,     10,         "10,0 V"},
    {VoltageText,     -0.25,      "-250 mV"},
    {VoltageText,     0.0123,     "12,3 mV"},
    {VoltageText,     0.9996,     "1,00 V"},
    {VoltageText,     0,          "0,00 V"},
    {InverseTimeText, 0.0025,     "400 Hz"},
    {InverseTimeText, -0.001,     "1,00 kHz"},
    {InverseTimeText, 0,          "?"},
};
// clang-format on

TEST(CursorMeasures, TextsHaveThreeDigitsAScaledUnitAndAComma) {
    for (const TextCase& c : kTexts)
        EXPECT_EQ(c.format(c.value), c.text) << c.value;
}

TEST(CursorMeasures, PositionsReadWithThePositionKnobsAndTheScales) {
    // Two divisions right of a trace shifted one division right, at 0.5 ms/div: 0.5 ms.
    EXPECT_DOUBLE_EQ(CursorTime(200, 100, 0.0005), 0.0005);
    // 2.5 divisions above a trace lowered by one division, at 2 V/div: 7 V.
    EXPECT_DOUBLE_EQ(CursorVoltage(250, -100, 2), 7);
}

} // namespace
} // namespace ondivel
