#include "bench/scope/xy_display.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "bench/scope/bench_fixture.h"
#include "bench/scope/renderer.h"

namespace ondivel {
namespace {

// The panel on and switched to XY through the next-mode button (DUAL → ADD → XY), both channels
// in AC at 2 V/div, positions centred. Expected points are worked out by hand:
// X = PositionCH1 + 100·v₁/S₁ + OffsetCH1, Y = PositionCH2 + 100·v₂/S₂ + OffsetCH2.
class XY : public testing::Bench {
  protected:
    void SetUp() override {
        switchOnAndPlug();
        user::click(scope().cmdVoie[1]);
        user::click(scope().cmdVoie[1]);
        ASSERT_EQ(scope().modeIndex(), ModeXY);
    }
    // The panels end every change with the one refresh, which sets the amplitudes and keywords.
    void wire(const std::string& kwA, double aA, double fA, const std::string& kwB, double aB, double fB) {
        source(SideA, kwA, aA, fA);
        source(SideB, kwB, aB, fB);
        app.RefreshDisplay();
    }
    std::vector<RecordedLine> frame(double start) {
        DrawXY(app, start);
        return screen().lines();
    }
    static bool sameFigure(const std::vector<RecordedLine>& a, const std::vector<RecordedLine>& b) {
        if (a.size() != b.size()) return false;
        for (std::size_t k = 0; k < a.size(); ++k)
            if (std::abs(a[k].x1 - b[k].x1) > 1e-6 || std::abs(a[k].y1 - b[k].y1) > 1e-6) return false;
        return true;
    }
};

TEST_F(XY, SampleRateIsFiveHundredPerSlowerPeriodWithAFloor) {
    EXPECT_DOUBLE_EQ(XYSampleRate(1000, 2000), 500000);
    EXPECT_DOUBLE_EQ(XYSampleRate(2000, 1000), 500000);
    EXPECT_DOUBLE_EQ(XYSampleRate(100, 100), 50000);
    EXPECT_DOUBLE_EQ(XYSampleRate(50, 60), 50000);
    EXPECT_DOUBLE_EQ(XYSampleRate(0, 1000), 50000);
}

TEST_F(XY, OctaveMakesAFigureOfEightThatStaysStill) {
    wire("Sinus", 2, 1000, "Sinus", 2, 2000);
    const auto first = frame(0);
    // u = sin θ, w = sin 2θ = 2u·cos θ, so w² = 4u²(1 − u²) with u and w in divisions.
    for (const auto& l : first) {
        const double u = l.x2 / 100, w = l.y2 / 100;
        ASSERT_NEAR(w * w, 4 * u * u * (1 - u * u), 1e-9);
    }
    // Each frame is 4 ms: four periods of CH1, eight of CH2, so every frame is the same.
    EXPECT_TRUE(sameFigure(first, frame(2000)));
    EXPECT_TRUE(sameFigure(first, frame(2000 * 77)));
}

TEST_F(XY, FiftyAgainstSixtyHertzChangesFromFrameToFrame) {
    wire("Sinus", 2, 50, "Sinus", 2, 60);
    const auto first = frame(0);
    // 40 ms a frame: CH1 moves two whole periods but CH2 2.4, so the next frame differs …
    EXPECT_FALSE(sameFigure(first, frame(2000)));
    // … until 200 ms later, ten periods of 50 Hz and twelve of 60 Hz.
    EXPECT_TRUE(sameFigure(first, frame(10000)));
    // The first point is t = 0: both sines at zero.
    EXPECT_NEAR(first.front().x1, 0, 1e-9);
    EXPECT_NEAR(first.front().y1, 0, 1e-9);
}

TEST_F(XY, GroundedCH1GivesAVerticalLineAtItsPosition) {
    wire("Sinus", 2, 1000, "Sinus", 4, 1000);
    app.g.PositionCH1 = -120;
    user::click(scope().cmdACDC[0]); // AC → DC
    user::click(scope().cmdACDC[0]); // DC → GND
    for (const auto& l : frame(0))
        ASSERT_DOUBLE_EQ(l.x2, -120);
    EXPECT_NEAR(*screen().maxY(app.g.CouleurA), 200, 0.02);
    EXPECT_NEAR(*screen().minY(app.g.CouleurA), -200, 0.02);
}

TEST_F(XY, TwoBatteriesLeaveEveryPointOnOneSpot) {
    wire("Cc", 1.5, 0, "Cc", -4.5, 0);
    const auto lines = frame(0);
    ASSERT_EQ(lines.size(), 1000U);
    for (const auto& l : lines) {
        ASSERT_DOUBLE_EQ(l.x1, 75);
        ASSERT_DOUBLE_EQ(l.x2, 75);
        ASSERT_DOUBLE_EQ(l.y1, -225);
        ASSERT_DOUBLE_EQ(l.y2, -225);
    }
}

TEST_F(XY, GeneratorOffsetCountsOnceScaledAndOnceInVolts) {
    generator(SideA, 50, 120, false); // offset knob 120 of 200: +2 V
    user::click(scope().cmdACDC[0]);  // DC coupling on CH1
    app.g.SensibiliteCH1 = 1;
    wire("Sinus", 1, 1000, "Cc", 0, 1000);
    frame(0);
    // ±1 V on 1 V/div around 200 units (2 V scaled) + 2 units (2 V unscaled). The crests fall
    // between two samples, one sample number away: within 100·(1 − cos(2π/500)) < 0.01.
    EXPECT_NEAR(*screen().minX(app.g.CouleurA), 102, 0.01);
    EXPECT_NEAR(*screen().maxX(app.g.CouleurA), 302, 0.01);
    EXPECT_DOUBLE_EQ(app.g.OffsetCH1, 2);

    // The frame re-reads the generator itself, without waiting for a refresh.
    app.frmGBFA().Potentio[3].Value = 100;
    app.g.FrequenceA = 500;
    frame(0);
    EXPECT_DOUBLE_EQ(app.g.OffsetCH1, 0);
    EXPECT_DOUBLE_EQ(app.g.FrequenceCH1, 500);
    EXPECT_NEAR(*screen().maxX(app.g.CouleurA), 100, 0.01);

    // Outside DC coupling the offset is gone altogether.
    user::click(scope().cmdACDC[0]); // GND
    user::click(scope().cmdACDC[0]); // AC
    app.frmGBFA().Potentio[3].Value = 120;
    frame(0);
    EXPECT_NEAR(*screen().maxX(app.g.CouleurA), 100, 0.01);
}

TEST_F(XY, TriangleAndSquareFollowTheDutyCycleOfTheirGenerators) {
    wire("Triangle", 2, 1000, "Carre", 2, 1000);
    generator(SideA, 25, 100, false); // rise a quarter of the period
    generator(SideB, 25, 100, true);  // high a quarter of the period
    frame(0);
    const auto& lines = screen().lines();
    // 500 sample numbers a period at 500000 per second. Point k ends at sample number 2(k + 1).
    // Triangle: −1 division at 0, rising for 125, then falling for 375 back to −1.
    EXPECT_NEAR(lines[0].x1, -100, 1e-9);
    EXPECT_NEAR(lines[49].x2, 60, 1e-9);         // sample 100: 80 % of the way up
    EXPECT_NEAR(lines[124].x2, 100.0 / 3, 1e-9); // sample 250: a third of the way down
    // Square: high for the first 125 sample numbers of the period, low after.
    int high = 0;
    for (int k = 0; k < 249; ++k) { // samples 2 … 498, clear of the edges at 0 and 500
        EXPECT_NEAR(std::abs(lines[k].y2), 100, 1e-9);
        high += lines[k].y2 > 0 ? 1 : 0;
    }
    EXPECT_EQ(high, 62); // samples 2 … 124
}

// The figure on screen and its overlay are the add_two_generators and tour_xy scenarios'.
TEST_F(XY, EachFrameReplacesTheLastOnTheScreenInUseAndASwitchedOffScreenStaysBare) {
    wire("Sinus", 2, 1000, "Sinus", 2, 1000);
    frame(0);
    frame(2000);
    EXPECT_EQ(screen().lines().size(), 1000U);
    EXPECT_EQ(screen().backgroundLines().size(), grid().lines().size());

    screen().clear();
    app.mdi().Mnu_ViewFullScreen.Checked = true;
    DrawXY(app, 0);
    EXPECT_EQ(fullScreen().lines().size(), 1000U);
    EXPECT_EQ(screen().lines().size(), 0U);

    app.mdi().Mnu_ViewFullScreen.Checked = false;
    user::click(scope().chkOn);
    frame(0);
    EXPECT_EQ(screen().lines().size(), 0U);
    EXPECT_EQ(screen().texts().size(), 0U);
}

TEST_F(XY, EvaluatedModeKeepsTheExerciseFrequencies) {
    app.mdi().ModeLibre = false;
    app.g.ExoSignalCH1 = "Sinus";
    app.g.ExoAmplitudeCH1 = 2;
    app.g.ExoFrequenceCH1 = 250;
    source(SideA, "Sinus", 2, 1000);
    app.RefreshDisplay();
    frame(0);
    EXPECT_DOUBLE_EQ(app.g.FrequenceCH1, 250);
}

} // namespace
} // namespace ondivel
