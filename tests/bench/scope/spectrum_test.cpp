#include "bench/scope/spectrum.h"

#include <gtest/gtest.h>

#include <numbers>
#include <vector>

#include "bench/scope/bench_fixture.h"
#include "bench/scope/scales.h"
#include "physics/round_decimals.h"

namespace ondivel {
namespace {

using std::numbers::pi;

TEST(RoundDecimals, HalvesGoAwayFromZeroOnBothSides) {
    // clang-format off
    const struct { double value; int decimals; double rounded; } cases[] = {
        {2.25, 1, 2.3}, {-2.25, 1, -2.3}, {2.24, 1, 2.2}, {999.5, 0, 1000}, {-0.5, 0, -1}, {0, 2, 0},
        {1234.5678, 2, 1234.57},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(RoundDecimals(c.value, c.decimals), c.rounded) << c.value;
}

SpectrumSource sourceOf(const std::string& keyword, double amplitude, double frequency, double duty = 0.5) {
    SpectrumSource s;
    s.keyword = keyword;
    s.amplitude = amplitude;
    s.frequency = frequency;
    s.duty = duty;
    return s;
}

TEST(BuildSpectrum, SeriesOfEachWaveform) {
    // Square of duty ½: 4A/(nπ) on odd orders. Sawtooth (duty 0 or 1): 2A/(nπ) on every order.
    // Symmetric triangle: 8A/(n²π²) on odd orders. Alternator: 1, 0.3 and 0.2 of A. A square of
    // duty 0 has no harmonics: only the offset's DC line stands. One volt a division but for the
    // alternator (5 V/div).
    // clang-format off
    const struct { const char* keyword; double amplitude, duty, offset, sensitivity; int order; double height; } rows[] = {
        {"Carre", 3 * pi / 4, 0.5, 0, 1, 0, 0},     {"Carre", 3 * pi / 4, 0.5, 0, 1, 1, 300},
        {"Carre", 3 * pi / 4, 0.5, 0, 1, 2, 0},     {"Carre", 3 * pi / 4, 0.5, 0, 1, 3, 100},
        {"Carre", 3 * pi / 4, 0.5, 0, 1, 5, 60},
        {"triangle", pi, 0, 0, 1, 1, 200},          {"triangle", pi, 0, 0, 1, 4, 50},
        {"triangle", pi, 1, 0, 1, 2, 100},
        {"Triangulaire", pi * pi / 8, 0.5, 0, 1, 1, 100}, {"Triangulaire", pi * pi / 8, 0.5, 0, 1, 2, 0},
        {"Triangulaire", pi * pi / 8, 0.5, 0, 1, 3, 100.0 / 9},
        {"Dyn", 10, 0.5, 0, 5, 1, 200},             {"Dyn", 10, 0.5, 0, 5, 2, 0},
        {"Dyn", 10, 0.5, 0, 5, 3, 60},              {"Dyn", 10, 0.5, 0, 5, 5, 40},
        {"carrée", 5, 0, -1.5, 1, 0, 150},          {"carrée", 5, 0, -1.5, 1, 1, 0},
        {"carrée", 5, 0, -1.5, 1, 7, 0},            {"carrée", 5, 0, -1.5, 1, kSpectrumOrders - 1, 0},
    };
    // clang-format on
    for (const auto& r : rows) {
        auto source = sourceOf(r.keyword, r.amplitude, 50, r.duty);
        source.offset = r.offset;
        source.sensitivity = r.sensitivity;
        EXPECT_NEAR(BuildSpectrum(source).height[r.order], r.height, 1e-9)
            << r.keyword << " order " << r.order;
    }
}

TEST(BuildSpectrum, SineAndAlternatorKeepTheSignTheOthersAreMagnitudes) {
    EXPECT_DOUBLE_EQ(BuildSpectrum(sourceOf("sinus", -2, 1000)).height[1], -200);
    EXPECT_DOUBLE_EQ(BuildSpectrum(sourceOf("dyn", -2, 1000)).height[3], -60);
    EXPECT_GT(BuildSpectrum(sourceOf("carre", -2, 1000)).height[1], 0);
    EXPECT_DOUBLE_EQ(BuildSpectrum(sourceOf("Cc", -2, 0)).height[0], 200);
}

TEST(BuildSpectrum, HarmonicPanelPercentagesScaleTheAmplitude) {
    auto s = sourceOf("harmo", 6, 100);
    s.sensitivity = 2;
    s.percent[0] = 100;
    s.percent[2] = 33.3;
    s.percent[19] = 5;
    auto lines = BuildSpectrum(s);
    EXPECT_DOUBLE_EQ(lines.height[1], 300);
    EXPECT_NEAR(lines.height[3], 99.9, 1e-9);
    EXPECT_DOUBLE_EQ(lines.height[20], 15);
    EXPECT_EQ(lines.height[21], 0);
}

TEST(BuildSpectrum, FundamentalToATenthBelowTenHertzHarmonicsFromTheTenth) {
    auto slow = BuildSpectrum(sourceOf("sinus", 1, 2.54));
    EXPECT_DOUBLE_EQ(slow.frequency[1], 2.5);
    EXPECT_DOUBLE_EQ(slow.frequency[3], 7.5);
    auto fast = BuildSpectrum(sourceOf("sinus", 1, 12.25));
    EXPECT_DOUBLE_EQ(fast.frequency[0], 0);
    EXPECT_DOUBLE_EQ(fast.frequency[1], 12);
    EXPECT_DOUBLE_EQ(fast.frequency[2], 24.6);
    EXPECT_EQ(FrequencyLabel(slow.frequency[1]), "2.5");
    EXPECT_EQ(FrequencyLabel(0.5), "0.5");
    EXPECT_EQ(FrequencyLabel(RoundDecimals(999.5, 0)), "1000");
}

TEST(MergeSpectra, EqualFrequenciesWithinOnePartInAThousandAdd) {
    SpectrumLines a = BuildSpectrum(sourceOf("sinus", 2, 1000));
    SpectrumLines b = BuildSpectrum(sourceOf("sinus", 1, 1000.9)); // fundamental rounds to 1001
    b.frequency[1] = 1000.9;
    MergeSpectra(a, b);
    EXPECT_DOUBLE_EQ(a.height[1], 300);
    EXPECT_FALSE(b.shown[1]);

    SpectrumLines c = BuildSpectrum(sourceOf("sinus", 2, 1000));
    SpectrumLines d = BuildSpectrum(sourceOf("sinus", 1, 1001)); // exactly 0.001 apart: kept
    MergeSpectra(c, d);
    EXPECT_DOUBLE_EQ(c.height[1], 200);
    EXPECT_TRUE(d.shown[1]);
    EXPECT_FALSE(d.shown[0]); // both DC lines stand at 0 Hz
}

TEST(SpectrumShift, TheLowerConnectedFundamentalStandsOneDivisionIn) {
    EXPECT_DOUBLE_EQ(SpectrumShift(0.001, 2000, 1000, true), -300);
    EXPECT_DOUBLE_EQ(SpectrumShift(0.001, 1000, 2000, true), -400);
    EXPECT_DOUBLE_EQ(SpectrumShift(0.001, 2000, 1000, false), -400);
}

// The panel on, 1 ms/div, the FFT box ticked; sources set through the globals.
class Spectrum : public testing::Bench {
  protected:
    void SetUp() override {
        switchOnAndPlug();
        user::click(scope().chkFFT);
    }
    std::vector<RecordedLine> linesIn(Color c) {
        std::vector<RecordedLine> out;
        for (const auto& l : screen().lines())
            if (l.color == c) out.push_back(l);
        return out;
    }
    // The vertical lines of colour c standing at abscissa x (a point counts as height 0).
    std::vector<double> heightsAt(Color c, double x) {
        std::vector<double> out;
        for (const auto& l : linesIn(c))
            if (l.x1 == l.x2 && std::abs(l.x1 - x) < 1e-9) out.push_back(l.y2 - l.y1);
        return out;
    }
    const RecordedText* textOf(const std::string& s) {
        for (const auto& t : screen().texts())
            if (t.text == s) return &t;
        return nullptr;
    }
    void mode(int presses) {
        for (int i = 0; i < presses; ++i)
            user::click(scope().cmdVoie[0]); // DUAL → CH2 → CH1
    }
    Color ch1() const { return app.g.CouleurA; }
    Color ch2() const { return app.g.CouleurB; }
};

TEST_F(Spectrum, OneKilohertzSineOfTwoVoltsOnOneVoltADivision) {
    source(SideA, "Sinus", 2, 1000);
    mode(2);
    user::drag(scope().Potentio[KnobSensitivityCH1], 6); // 1 V/div
    const auto lines = linesIn(ch1());
    ASSERT_EQ(lines.size(), 51U); // base line, DC line, 49 harmonics
    EXPECT_DOUBLE_EQ(lines[0].x1, -500);
    EXPECT_DOUBLE_EQ(lines[0].x2, 500);
    EXPECT_EQ(heightsAt(ch1(), -400), std::vector<double>{200});
    EXPECT_EQ(heightsAt(ch1(), -500), std::vector<double>{0}); // no DC
    EXPECT_EQ(heightsAt(ch1(), -300), std::vector<double>{0}); // order 2
    const RecordedText* label = textOf("1000");
    ASSERT_NE(label, nullptr);
    EXPECT_DOUBLE_EQ(label->x + screen().textWidth("1000") / 2, -400);
    EXPECT_DOUBLE_EQ(label->y, 0); // just under the base line
    EXPECT_EQ(textOf("0"), nullptr);
}

TEST_F(Spectrum, DualSharesOneAxisAndKeepsTheLabelsApart) {
    source(SideA, "Sinus", 2, 1000);
    source(SideB, "Sinus", 2, 2000);
    app.RefreshDisplay();
    EXPECT_EQ(heightsAt(ch1(), -400), std::vector<double>{100});
    EXPECT_EQ(heightsAt(ch2(), -300), std::vector<double>{100});
    const RecordedText* a = textOf("1000");
    const RecordedText* b = textOf("2000");
    ASSERT_TRUE(a && b);
    EXPECT_DOUBLE_EQ(a->y, 0);
    EXPECT_DOUBLE_EQ(b->y, -screen().textHeight("2000"));
    EXPECT_EQ(b->color, ch2());

    source(SideA, "Sinus", 2, 3000); // now CH2 is the lower one, CH1 a kilohertz (a division) right
    app.RefreshDisplay();
    EXPECT_EQ(heightsAt(ch2(), -400), std::vector<double>{100});
    EXPECT_EQ(heightsAt(ch1(), -300), std::vector<double>{100});
}

TEST_F(Spectrum, BatteryIsOneLabelledDcLine) {
    source(SideA, "Cc", 3, 0);
    mode(2);
    const auto at = heightsAt(ch1(), -400); // every order stands on 0 Hz
    ASSERT_EQ(at.size(), 50U);
    EXPECT_DOUBLE_EQ(at[0], 150);
    ASSERT_NE(textOf("0"), nullptr);
    EXPECT_EQ(textOf("0")->color, ch1());
}

TEST_F(Spectrum, InvertedChannelTwoDrawsItsSineDownwardsButASquaresMagnitudeAddsInAdd) {
    source(SideB, "Sinus", 2, 1000);
    mode(1);
    user::click(scope().cmdVoie[2]);
    EXPECT_EQ(heightsAt(ch2(), -400), std::vector<double>{-100});

    source(SideA, "Sinus", 2, 1000);
    user::click(scope().cmdVoie[1]);
    user::click(scope().cmdVoie[1]); // CH2 → DUAL → ADD
    source(SideB, "Carre", 3 * pi / 4, 1000);
    generator(SideB, 50, 100, true);
    app.RefreshDisplay();
    EXPECT_NEAR(heightsAt(ch1(), -400).at(0), 100 + 150, 1e-9);
}

TEST_F(Spectrum, AddKeepsDifferentFrequenciesApartOnTheCommonAxis) {
    source(SideA, "Sinus", 2, 1000);
    source(SideB, "Sinus", 2, 1500);
    user::click(scope().cmdVoie[1]);
    EXPECT_EQ(heightsAt(ch1(), -400), std::vector<double>{100});
    EXPECT_EQ(heightsAt(ch1(), -350), std::vector<double>{100});
    EXPECT_DOUBLE_EQ(textOf("1500")->y, -screen().textHeight("1500"));
}

TEST_F(Spectrum, FullScreenLabelsInTwelvePoints) {
    source(SideA, "Sinus", 2, 1000);
    app.mdi().LargeurZoneTravail = 19200;
    app.mdi().HauteurZoneTravail = 12000;
    user::dblClick(scope().picEcran);
    ASSERT_TRUE(app.frmFullScreen().loaded());
    const auto& texts = fullScreen().texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].text, "1000");
    EXPECT_EQ(texts[0].points, 12);
    EXPECT_EQ(texts.back().points, 18);
}

} // namespace
} // namespace ondivel
