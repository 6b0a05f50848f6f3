#include "signal/spectrum.h"

#include <gtest/gtest.h>

#include <numbers>
#include <vector>

#include "scope/bench_fixture.h"
#include "scope/scales.h"
#include "signal/round_decimals.h"

namespace ondivel {
namespace {

using std::numbers::pi;

TEST(RoundDecimals, HalvesGoAwayFromZeroOnBothSides) {
    EXPECT_DOUBLE_EQ(RoundDecimals(2.25, 1), 2.3);
    EXPECT_DOUBLE_EQ(RoundDecimals(-2.25, 1), -2.3);
    EXPECT_DOUBLE_EQ(RoundDecimals(2.24, 1), 2.2);
    EXPECT_DOUBLE_EQ(RoundDecimals(999.5, 0), 1000);
    EXPECT_DOUBLE_EQ(RoundDecimals(-0.5, 0), -1);
    EXPECT_DOUBLE_EQ(RoundDecimals(0, 2), 0);
    EXPECT_DOUBLE_EQ(RoundDecimals(1234.5678, 2), 1234.57);
}

SpectrumSource sourceOf(const std::string& keyword, double amplitude, double frequency, double duty = 0.5) {
    SpectrumSource s;
    s.keyword = keyword;
    s.amplitude = amplitude;
    s.frequency = frequency;
    s.duty = duty;
    return s;
}

TEST(BuildSpectrum, SeriesOfEachWaveformAtOneVoltADivision) {
    // Square of duty ½: 4A/(nπ) on odd orders; A = 3π/4 V gives 300, 100, 60 units.
    auto square = BuildSpectrum(sourceOf("Carre", 3 * pi / 4, 500));
    EXPECT_NEAR(square.height[1], 300, 1e-9);
    EXPECT_NEAR(square.height[2], 0, 1e-9);
    EXPECT_NEAR(square.height[3], 100, 1e-9);
    EXPECT_NEAR(square.height[5], 60, 1e-9);
    EXPECT_EQ(square.height[0], 0);

    // Sawtooth (duty 0 or 1): 2A/(nπ) on every order; A = π V gives 200, 100, 50.
    for (double duty : {0.0, 1.0}) {
        auto saw = BuildSpectrum(sourceOf("triangle", pi, 50, duty));
        EXPECT_NEAR(saw.height[1], 200, 1e-9);
        EXPECT_NEAR(saw.height[2], 100, 1e-9);
        EXPECT_NEAR(saw.height[4], 50, 1e-9);
    }
    // Symmetric triangle: 8A/(n²π²) on odd orders; A = π²/8 V gives 100, 100/9, 0 on order 2.
    auto triangle = BuildSpectrum(sourceOf("Triangulaire", pi * pi / 8, 50));
    EXPECT_NEAR(triangle.height[1], 100, 1e-9);
    EXPECT_NEAR(triangle.height[2], 0, 1e-9);
    EXPECT_NEAR(triangle.height[3], 100.0 / 9, 1e-9);

    // Alternator: 1, 0.3 and 0.2 of 10 V on 5 V/div.
    auto dyn = sourceOf("Dyn", 10, 5);
    dyn.sensitivity = 5;
    auto alternator = BuildSpectrum(dyn);
    EXPECT_DOUBLE_EQ(alternator.height[1], 200);
    EXPECT_DOUBLE_EQ(alternator.height[3], 60);
    EXPECT_DOUBLE_EQ(alternator.height[5], 40);
    EXPECT_EQ(alternator.height[2], 0);

    // A square of duty 0 has no harmonics; only the offset's DC line stands.
    auto flat = sourceOf("carrée", 5, 100, 0);
    flat.offset = -1.5;
    auto flatLines = BuildSpectrum(flat);
    EXPECT_DOUBLE_EQ(flatLines.height[0], 150);
    for (int n = 1; n < kSpectrumOrders; ++n)
        EXPECT_NEAR(flatLines.height[n], 0, 1e-12) << n;
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
    EXPECT_EQ(screen().joinedTexts(), "1000|CH1|CH1|1 V|CH2|2 V|1 kHz");
}

TEST_F(Spectrum, SquareOfHalfDutyShowsOddHarmonicsOnly) {
    source(SideA, "Carre", 3 * pi / 4, 500);
    generator(SideA, 50, 100, true);
    mode(2);
    user::drag(scope().Potentio[KnobSensitivityCH1], 6);
    // 500 Hz at the fundamental's place, then half a division a harmonic.
    EXPECT_NEAR(heightsAt(ch1(), -400).at(0), 300, 1e-9);
    EXPECT_NEAR(heightsAt(ch1(), -350).at(0), 0, 1e-9);
    EXPECT_NEAR(heightsAt(ch1(), -300).at(0), 100, 1e-9);
    EXPECT_NEAR(heightsAt(ch1(), -200).at(0), 60, 1e-9);
    ASSERT_NE(textOf("500"), nullptr);
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
    // The overlay once, after both spectra.
    EXPECT_EQ(screen().joinedTexts(), "1000|2000|DUAL|CH1|2 V|CH2|2 V|1 kHz");

    source(SideA, "Sinus", 2, 3000); // now CH2 is the lower one, CH1 a kilohertz (a division) right
    app.RefreshDisplay();
    EXPECT_EQ(heightsAt(ch2(), -400), std::vector<double>{100});
    EXPECT_EQ(heightsAt(ch1(), -300), std::vector<double>{100});
}

TEST_F(Spectrum, BatteryIsOneLabelledDcLineAndAnUnpluggedChannelItsBaseLine) {
    source(SideA, "Cc", 3, 0);
    mode(2);
    const auto at = heightsAt(ch1(), -400); // every order stands on 0 Hz
    ASSERT_EQ(at.size(), 50U);
    EXPECT_DOUBLE_EQ(at[0], 150);
    ASSERT_NE(textOf("0"), nullptr);
    EXPECT_EQ(textOf("0")->color, ch1());

    user::click(scope().imgFiche[0]); // unplug CH1
    EXPECT_EQ(linesIn(ch1()).size(), 1U);
    EXPECT_EQ(screen().joinedTexts(), "CH1|CH1|2 V|CH2|2 V|1 kHz");
}

TEST_F(Spectrum, InvertedChannelTwoDrawsItsSineDownwards) {
    source(SideB, "Sinus", 2, 1000);
    mode(1);
    user::click(scope().cmdVoie[2]);
    EXPECT_EQ(heightsAt(ch2(), -400), std::vector<double>{-100});
}

TEST_F(Spectrum, AddMergesEveryLineAndASquaresMagnitudesAddWhateverTheInversion) {
    source(SideA, "Sinus", 2, 1000);
    source(SideB, "Sinus", 1, 1000);
    user::click(scope().cmdVoie[1]);       // DUAL → ADD
    EXPECT_EQ(linesIn(ch1()).size(), 51U); // every CH2 line merged
    user::click(scope().cmdVoie[2]);
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
