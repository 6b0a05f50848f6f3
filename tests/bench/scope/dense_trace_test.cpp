#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "bench/scope/bench_fixture.h"
#include "bench/scope/dense_trace.h"
#include "bench/scope/renderer.h"
#include "bench/scope/scales.h"
#include "bench/scope/sum_trace.h"
#include "bench/scope/sweep.h"
#include "bench/scope/xy_display.h"

namespace ondivel {
namespace {

// The panel on in DUAL, both channels in AC, 1 ms/div, 2 V/div, positions centred.
class DenseTraces : public testing::Bench {
  protected:
    void SetUp() override { switchOnAndPlug(); }
    Color ch1() const { return app.g.CouleurA; }
    Color ch2() const { return app.g.CouleurB; }
    void timeBase(int index) { user::drag(scope().Potentio[KnobTimeBase], index); }
    // Every segment on the screen has finite ends within the painters' range.
    void expectPaintable(const std::string& what) {
        for (const RecordedLine& l : screen().lines())
            for (double c : {l.x1, l.y1, l.x2, l.y2})
                ASSERT_TRUE(std::isfinite(c) && std::abs(c) <= kCoordinateLimit) << what << ": " << c;
        for (const RecordedText& t : screen().texts())
            ASSERT_TRUE(std::isfinite(t.x) && std::abs(t.x) <= kCoordinateLimit) << what << ": " << t.text;
    }
};

// A square of 1e12 Hz would take 4 segments a period, 4e10 at 1 ms/div: the band between its
// levels takes a stroke every quarter unit and its joins, whatever the frequency and time base.
TEST_F(DenseTraces, FarBeyondTheGeneratorsEveryKeywordIsTheBandBetweenItsExtremes) {
    harmonicPanelAtRest(SideA);
    generator(SideA, 50, 100, true); // a 50 % square: no mean for the AC coupling to remove
    struct Case {
        const char* keyword;
        double peak; // screen units above the centre for 5 V at 2 V/div
    } cases[] = {{"Carre", 250}, {"Triangle", 250}, {"Sinus", 250}, {"Dyn", 375}, {"harmo", 250}};
    for (const Case& c : cases) {
        for (double f : {1e12, 1e9}) {
            for (int base : {6, 8, 17}) { // 5 ms, 1 ms and 1 µs a division
                source(SideA, c.keyword, 5, f);
                timeBase(base);
                app.RefreshDisplay();
                const std::string what =
                    std::string(c.keyword) + " " + std::to_string(f) + " Hz, base " + std::to_string(base);
                EXPECT_EQ(screen().countLines(ch1()), 8001U) << what;
                EXPECT_NEAR(*screen().maxY(ch1()), c.peak, 0.01) << what;
                EXPECT_NEAR(*screen().minY(ch1()), -c.peak, 0.01) << what;
                EXPECT_DOUBLE_EQ(*screen().minX(ch1()), -500) << what;
                EXPECT_DOUBLE_EQ(*screen().maxX(ch1()), 500) << what;
            }
        }
    }
    // Every column of the band is a full stroke, alternately up and down.
    source(SideA, "Carre", 5, 1e12);
    app.RefreshDisplay();
    int strokes = 0;
    for (const RecordedLine& l : screen().lines()) {
        if (l.color != ch1() || l.x1 != l.x2) continue;
        EXPECT_DOUBLE_EQ(std::abs(l.y2 - l.y1), 500);
        ++strokes;
    }
    EXPECT_EQ(strokes, 4001);
}

// The top of the generators (fine adjustment included) at the slowest drawn time base is still
// drawn period by period, as it always was: 6050 periods of four segments.
TEST_F(DenseTraces, TheGeneratorsTopFrequencyKeepsEveryPeriod) {
    timeBase(6); // 5 ms/div
    generator(SideA, 50, 100, true);
    source(SideA, "Carre", 5, kBenchTopFrequency);
    app.RefreshDisplay();
    std::vector<RecordedLine> square;
    for (const RecordedLine& l : screen().lines())
        if (l.color == ch1()) square.push_back(l);
    ASSERT_GE(square.size(), 4U * 6050);
    ASSERT_LE(square.size(), 4U * 6051);
    const double period = 100 / (kBenchTopFrequency * 0.005);
    for (std::size_t k = 0; k < square.size(); k += 4 * 1000) {
        EXPECT_NEAR(square[k].x1, -500 + static_cast<double>(k / 4) * period, 1e-6) << k;
        EXPECT_EQ(square[k].x1, square[k].x2); // a vertical rise
        EXPECT_DOUBLE_EQ(square[k].y1, -250);
        EXPECT_DOUBLE_EQ(square[k + 1].y1, 250);
        EXPECT_NEAR(square[k + 1].x2 - square[k + 1].x1, period / 2, 1e-9);
    }
    // Just past the generators' reach, a handful of periods a unit is still drawn one by one.
    source(SideA, "Carre", 5, 1.5e5);
    app.RefreshDisplay();
    EXPECT_GE(screen().countLines(ch1()), 4U * 7500);
    // The sine's 500 samples and the sum's at the top frequency: unchanged too.
    source(SideA, "Sinus", 5, kBenchTopFrequency);
    app.RefreshDisplay();
    EXPECT_EQ(screen().countLines(ch1()), 501U);
    EXPECT_NEAR(*screen().yAt(ch1(), -498),
                250 * std::sin(2 * std::numbers::pi * kBenchTopFrequency * 2 * 0.005 / 100), 1e-6);
}

// The sweep and the sum at the slowest time base: 605 periods a unit from the panels is drawn
// point by point; a frequency beyond the generators is the band.
TEST_F(DenseTraces, TheSweepAndTheSumTurnToTheBandOnlyBeyondTheGenerators) {
    timeBase(0); // 0.5 s/div
    source(SideA, "Sinus", 5, kBenchTopFrequency);
    app.RefreshDisplay();
    screen().clear();
    DrawSweepSegment(app, screen(), -500, 500, 500, -500, 0);
    EXPECT_EQ(screen().countLines(ch1()), 201U); // points 5 units apart: no generator is wired
    source(SideA, "Sinus", 5, kBenchTopFrequency * 1.01);
    app.RefreshDisplay();
    screen().clear();
    DrawSweepSegment(app, screen(), -500, 500, 500, -500, 0);
    EXPECT_EQ(screen().countLines(ch1()), 8001U);
    EXPECT_NEAR(*screen().maxY(ch1()), 250, 1e-9);

    source(SideB, "Cc", 1, 0);
    user::click(scope().cmdVoie[1]); // DUAL → ADD
    source(SideA, "Sinus", 5, kBenchTopFrequency);
    app.RefreshDisplay();
    screen().clear();
    DrawSumTrace(app, -500, 500);
    EXPECT_EQ(screen().countLines(ch1()), 501U);
    source(SideA, "Sinus", 5, 1e12);
    app.RefreshDisplay();
    screen().clear();
    DrawSumTrace(app, -500, 500);
    EXPECT_EQ(screen().countLines(ch1()), 8001U);
    EXPECT_NEAR(*screen().maxY(ch1()), 300, 1e-9); // the band lifted by CH2's volt
    EXPECT_NEAR(*screen().minY(ch1()), -200, 1e-9);
}

// XY with a 1e12 Hz CH1 against a 1 kHz CH2: at each sample the spot runs across CH1's whole
// range; the figure is the strip it fills, in a stroke and a join per sample.
TEST_F(DenseTraces, XYFillsTheStripOfAChannelTooFastForItsSamples) {
    source(SideA, "Sinus", 4, 1e12);
    source(SideB, "Sinus", 4, 1000);
    user::click(scope().cmdVoie[1]);
    user::click(scope().cmdVoie[1]); // DUAL → ADD → XY
    DrawXY(app, 0);
    EXPECT_EQ(screen().countLines(ch1()), 2001U);
    EXPECT_NEAR(*screen().minX(ch1()), -200, 1e-9);
    EXPECT_NEAR(*screen().maxX(ch1()), 200, 1e-9);
    EXPECT_NEAR(*screen().maxY(ch1()), 200, 0.05);
    source(SideA, "Sinus", 4, 2000); // within reach: the Lissajous figure, sample by sample
    DrawXY(app, 0);
    EXPECT_EQ(screen().countLines(ch1()), 1000U);
}

// Voltages no screen can show, in every mode: nothing infinite, NaN or past ±1e9 units reaches
// the surface, and the trace still leaves the screen on the right side.
TEST_F(DenseTraces, HugeVoltagesReachTheSurfaceAsFiniteCoordinates) {
    const char* keywords[] = {"Sinus", "Carre", "Triangle", "Cc", "Dyn", "harmo"};
    harmonicPanelAtRest(SideA);
    harmonicPanelAtRest(SideB);
    for (const char* k : keywords) {
        source(SideA, k, 1e308, 1000);
        source(SideB, k, 1e308, 1e12);
        for (int mode = 0; mode < 5; ++mode) {
            user::click(scope().cmdVoie[1]);
            // "-CH2" in ADD: +∞ and −∞ in the sum.
            if (scope().modeIndex() == ModeADD) user::click(scope().cmdVoie[2]);
            app.RefreshDisplay();
            if (scope().modeIndex() == ModeXY) DrawXY(app, 0);
            expectPaintable(std::string(k) + " mode " + std::to_string(scope().modeIndex()));
        }
        user::click(scope().chkFFT);
        app.RefreshDisplay();
        expectPaintable(std::string(k) + " spectrum");
        user::click(scope().chkFFT);
        timeBase(0); // the sweep
        for (int tick = 0; tick < 3; ++tick) {
            platform.advanceSeconds(0.1);
            SweepTick(app);
            expectPaintable(std::string(k) + " sweep");
        }
        timeBase(8);
    }
    source(SideA, "Cc", 1e308, 0);
    app.RefreshDisplay(); // DUAL again
    EXPECT_DOUBLE_EQ(*screen().maxY(ch1()), kCoordinateLimit);
}

} // namespace
} // namespace ondivel
