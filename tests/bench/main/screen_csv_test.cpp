// The screen's samples as a CSV table: numbers a French spreadsheet reads whatever the locale, the
// screen's edges, a band, XY and the modes without samples. The exact lines of a DUAL screen are
// in export_screen.scn, every row of it read back by tests/csv/read_exported_csv.py.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "bench/main/screen_csv.h"
#include "bench/scope/bench_fixture.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/scales.h"
#include "core/user_input.h"

namespace ondivel {
namespace {

TEST(CsvNumber, SixSignificantDigitsWithACommaNoExponentAndNothingForWhatIsNoNumber) {
    struct Case {
        double value;
        const char* text;
    };
    const double inf = std::numeric_limits<double>::infinity();
    // clang-format off
    const Case cases[] = {
        {0.00025,      "0,00025"},
        {5,            "5"},
        {-4.9999912,   "-4,99999"},
        {-4.9999988,   "-5"},       // rounded to six digits, then no trailing zero
        {0.009995,     "0,009995"},
        {5e-6,         "0,000005"}, // no exponent
        {-1.5e-7,      "-0,00000015"},
        {12345678,     "12345700"},
        {0.1 + 0.2,    "0,3"},
        {-0.0,         "0"},        // no "-0" in a column of zeros
        {std::nan(""), ""},
        {inf,          ""},
        {-inf,         ""},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(CsvNumber(c.value), c.text) << c.value;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find("\r\n", at);
        EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
        if (end == std::string::npos) break;
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

std::vector<std::string> cellsOf(const std::string& line) {
    std::vector<std::string> cells;
    std::stringstream in(line);
    std::string cell;
    while (std::getline(in, cell, ';'))
        cells.push_back(cell);
    if (!line.empty() && line.back() == ';') cells.emplace_back();
    return cells;
}

class Csv : public testing::Bench {
  protected:
    void SetUp() override { showSineAndSquare(); }
    std::vector<std::string> table() {
        const std::optional<std::string> csv = ScreenCsv(app);
        EXPECT_TRUE(csv);
        return csv ? linesOf(*csv) : std::vector<std::string>{};
    }
    // The data row of sample i, after the five lines of a DUAL screen's legend and names.
    static std::vector<std::string> row(const std::vector<std::string>& lines, std::size_t i) {
        return cellsOf(lines.at(5 + i));
    }
};

TEST_F(Csv, ThePositionMovesTheTraceNotItsVoltagesAndTheEdgesCutIt) {
    struct Case {
        double position; // CH1's vertical position, screen units (the knob's middle is 700)
        int sensitivityIndex;
        const char* crest;  // the row of t = 0,25 ms
        const char* trough; // t = 0,75 ms
    };
    // clang-format off
    const Case cases[] = {
        {0,    5, "5", "-5"},
        {100,  5, "5", "-5"}, // a division up: still 5 V
        {200,  5, "",  "-5"}, // 2 V/div: 2.5 divisions over the 2 above the middle, cut
        {0,    6, "",  ""},   // 1 V/div: both past the edges
        {-100, 6, "5", ""},   // the crest on the top edge, the trough 6 divisions down
        {-300, 6, "5", ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        user::drag(scope().Potentio[KnobPositionCH1], 700 + c.position);
        ASSERT_EQ(app.g.PositionCH1, c.position);
        user::drag(scope().Potentio[KnobSensitivityCH1], c.sensitivityIndex);
        const std::vector<std::string> lines = table();
        ASSERT_EQ(lines.size(), 5u + kCsvSamples);
        EXPECT_EQ(row(lines, 50).at(1), c.crest) << c.position << " " << c.sensitivityIndex;
        EXPECT_EQ(row(lines, 150).at(1), c.trough) << c.position << " " << c.sensitivityIndex;
    }
}

TEST_F(Csv, ABandAlternatesItsEdgesUnderItsOwnName) {
    source(SideA, "Sinus", 5, 1e7); // 10 000 periods a division, as an exercise file may say
    app.RefreshDisplay();
    const std::vector<std::string> lines = table();
    ASSERT_EQ(lines.size(), 5u + kCsvSamples);
    EXPECT_EQ(lines[4], "t (s);CH1 (V, bande);CH2 (V)");
    EXPECT_EQ(row(lines, 0).at(1), "-5");
    EXPECT_EQ(row(lines, 1).at(1), "5");
    EXPECT_EQ(row(lines, 2000).at(1), "-5");
}

TEST_F(Csv, TheSpectrumAndAnOffScreenHaveNoTable) {
    user::click(scope().chkFFT);
    EXPECT_FALSE(ScreenCsv(app));
    EXPECT_EQ(CsvRefusal(app), "Le spectre ne s'exporte pas en CSV : exportez-le en PNG ou en PDF.");
    user::click(scope().chkOn);
    EXPECT_FALSE(ScreenCsv(app));
}

} // namespace
} // namespace ondivel
