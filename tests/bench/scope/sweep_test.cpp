#include <gtest/gtest.h>

#include "bench/scope/bench_fixture.h"
#include "bench/scope/renderer.h"
#include "bench/scope/scales.h"
#include "bench/scope/sweep.h"

namespace ondivel {
namespace {

// The panel on in CH1, both channels in AC at 2 V/div, positions centred; the counter frequency
// read as the main window does at start. Expected heights below are worked out by hand:
// y = 100 · v / sensitivity + position.
class Sweep : public testing::Bench {
  protected:
    void SetUp() override {
        switchOnAndPlug();
        app.g.FrequenceCompteur = platform.counterFrequency();
        user::click(scope().cmdVoie[0]); // DUAL → CH2
        user::click(scope().cmdVoie[0]); // CH2 → CH1
    }
    // The time-base knob: 0 = 0.5 s/div, 2 = 0.1 s/div, 5 = 10 ms/div.
    void timeBase(int knob) { user::drag(scope().Potentio[KnobTimeBase], knob); }
    void tick() {
        Control& timer = scope().tmrSpot;
        if (timer.timerRunning()) timer.raise(timer.on.Timer);
    }
    Color ch1() const { return app.g.CouleurA; }
    Color ch2() const { return app.g.CouleurB; }
    double spot() const { return app.g.PositionSpot; }
};

// The piece's length, the spot's speed, wrapping at the edges and the pause are the sweep_*
// scenarios'.
TEST_F(Sweep, TheFrameMovesWithTheHorizontalPositionAndACompleteRedrawRestartsTheSpot) {
    source(SideA, "Cc", 2, 0);
    user::drag(scope().Potentio[KnobPositionH], 1000); // 100 units to the right
    timeBase(5);
    platform.advanceSeconds(0.03);
    tick();
    tick();
    EXPECT_DOUBLE_EQ(*screen().maxX(ch1()), 600);
    app.RefreshDisplay();
    EXPECT_DOUBLE_EQ(spot(), 100);
}

TEST_F(Sweep, EachTickDrawsWithThePenOnTheGraticuleWithTheOverlayOnceInEveryMode) {
    source(SideA, "Cc", 2, 0);
    source(SideB, "Cc", -2, 0);
    app.g.EpaisseurTrace = 3;
    timeBase(5);
    tick();
    const auto texts = screen().texts().size();
    EXPECT_FALSE(screen().backgroundLines().empty());
    for (const auto& l : screen().lines())
        EXPECT_EQ(l.width, 3);
    EXPECT_EQ(screen().countLines(ch2()), 0U);

    user::click(scope().cmdVoie[1]);
    user::click(scope().cmdVoie[1]); // CH1 → CH2 → DUAL
    tick();
    EXPECT_DOUBLE_EQ(*screen().maxY(ch1()), 100);
    EXPECT_DOUBLE_EQ(*screen().maxY(ch2()), -100);
    EXPECT_EQ(screen().texts().size(), texts);

    user::click(scope().cmdVoie[1]); // DUAL → ADD: one trace, the sum, in the CH1 colour
    tick();
    EXPECT_EQ(screen().countLines(ch2()), 0U);
    EXPECT_DOUBLE_EQ(*screen().maxY(ch1()), 0);

    // The full-screen view gets the piece while it is open; a spectrum leaves the screen alone.
    app.frmFullScreen().Load();
    app.mdi().Mnu_ViewFullScreen.Checked = true;
    screen().clear();
    tick();
    EXPECT_GT(fullScreen().countLines(ch1()), 0U);
    EXPECT_EQ(screen().countLines(ch1()), 0U);
    app.mdi().Mnu_ViewFullScreen.Checked = false;
    user::click(scope().chkFFT);
    const int clears = screen().clearCount();
    tick();
    EXPECT_EQ(screen().clearCount(), clears);
}

TEST_F(Sweep, APieceCrossingTheRightEdgeIsDrawnInTwoRunsNeverJoined) {
    source(SideA, "Sinus", 2, 10);
    timeBase(5); // step 5: no generator range wired
    screen().clear();
    DrawSweepSegment(app, screen(), 480, -480, 500, -500, 0);
    EXPECT_EQ(screen().countLines(ch1()), 10U); // 480…500 and −500…−480, five points each
    EXPECT_DOUBLE_EQ(*screen().minX(ch1()), -500);
    EXPECT_DOUBLE_EQ(*screen().maxX(ch1()), 500);
    for (const auto& l : screen().lines())
        EXPECT_LE(std::abs(l.x2 - l.x1), 5) << l.x1 << " → " << l.x2;
}

// Heights of the channels' traces at chosen abscissae, from the working set as the refresh
// leaves it: 100 Hz at 10 ms/div is one period per division from the left edge.
class SweepHeights : public Sweep {
  protected:
    void SetUp() override {
        Sweep::SetUp();
        timeBase(5);
    }
    void channel(int c, const std::string& keyword, double amplitude, double offset, double position,
                 double sensitivity) {
        Globals& g = app.g;
        (c == 0 ? g.SignalCH1 : g.SignalCH2) = keyword;
        (c == 0 ? g.AmplitudeCH1 : g.AmplitudeCH2) = amplitude;
        (c == 0 ? g.FrequenceCH1 : g.FrequenceCH2) = 100;
        (c == 0 ? g.OffsetCH1 : g.OffsetCH2) = offset;
        (c == 0 ? g.PositionCH1 : g.PositionCH2) = position;
        (c == 0 ? g.SensibiliteCH1 : g.SensibiliteCH2) = sensitivity;
        (c == 0 ? g.RapportCycliqueCH1 : g.RapportCycliqueCH2) = 0.25F;
    }
    static constexpr double kQuarter = -475, kHalf = -450, kThreeQuarters = -425, kStart = -500;
};

TEST_F(SweepHeights, PeriodicWaveformsAtTheirLandmarks) {
    // The sweep's square is 50 % and ignores the offset and the 25 % duty cycle; the symmetric
    // triangle keeps its offset; the alternator peaks at 1.5 A a quarter period in, with no offset.
    // clang-format off
    const struct { const char* keyword; double amplitude, offset, position, sensitivity, x, y; } rows[] = {
        {"Sinus", 5, 1, 0, 2, kQuarter, 300},             {"Sinus", 5, 1, 0, 2, kThreeQuarters, -200},
        {"sinusoïdale", 2, 0, 50, 1, kQuarter, 250},
        {"CARRE", 5, 1, 0, 2, kQuarter + 20, 250},        {"CARRE", 5, 1, 0, 2, kThreeQuarters, -250},
        {"CARRE", 5, 1, 0, 2, kHalf, 0},
        {"triangulaire", 4, 1, 0, 2, kQuarter, 250},      {"triangulaire", 4, 1, 0, 2, kThreeQuarters, -150},
        {"triangulaire", 4, 1, 0, 2, kStart, 50},
        {"Dyn", 2, 1, 0, 1, kQuarter, 300},
    };
    // clang-format on
    for (const auto& r : rows) {
        channel(0, r.keyword, r.amplitude, r.offset, r.position, r.sensitivity);
        EXPECT_NEAR(ValueAtX(app, 0, r.x), r.y, 1e-9) << r.keyword << " at " << r.x;
    }
}

TEST_F(SweepHeights, DirectVoltageGroundInversionAndTheUnsweptHarmonicSum) {
    channel(1, "Cc", 3, 0, 100, 2);
    EXPECT_DOUBLE_EQ(ValueAtX(app, 1, 0), 250);
    user::click(scope().cmdVoie[2]); // -CH2 inverts the amplitude, never the position…
    ASSERT_TRUE(scope().lit(scope().shpVoie[kInvertLight]));
    channel(1, "Cc", 3, 0, 100, 2);
    EXPECT_DOUBLE_EQ(ValueAtX(app, 1, 0), -50);
    channel(1, "Sinus", 2, 1, 0, 1); // …nor the offset
    EXPECT_NEAR(ValueAtX(app, 1, kQuarter), -100, 1e-9);
    channel(0, "Cc", 3, 0, 100, 2); // and leaves CH1 alone
    EXPECT_DOUBLE_EQ(ValueAtX(app, 0, 0), 250);

    user::click(scope().cmdACDC[0]);
    user::click(scope().cmdACDC[0]); // CH1: AC → DC → GND
    channel(0, "Sinus", 5, 1, 70, 2);
    EXPECT_DOUBLE_EQ(ValueAtX(app, 0, kQuarter), 70);

    channel(1, "harmo", 5, 0, 100, 1); // on the centre line, not at its position
    EXPECT_DOUBLE_EQ(ValueAtX(app, 1, kQuarter), 0);
    channel(1, "", 5, 0, 100, 1);
    EXPECT_DOUBLE_EQ(ValueAtX(app, 1, kQuarter), 0);
}

// The point step follows the wired generators' ranges times the time base.
TEST_F(Sweep, PointStepFollowsTheRangesAndTheTimeBase) {
    // clang-format off
    const struct {
        const char *signalA, *signalB;
        double gammeA;
        bool wiredA;
        double gammeB;
        bool wiredB;
        double baseTemps, step;
    } rows[] = {
        {"Sinus", "",      1000,   false, 0,    false, 0.01, 5},    // nothing wired: R = 1
        {"Sinus", "",      1000,   true,  0,    false, 0.01, 1},    // p = 10
        {"Sinus", "",      1000,   true,  0,    false, 0.05, 0.5},  // p = 50
        {"Carre", "",      10000,  true,  0,    false, 0.05, 0.1},  // p = 500
        {"Sinus", "",      100000, true,  0,    false, 0.5,  0.01}, // p = 50000
        {"Sinus", "Sinus", 100000, false, 100,  true,  0.1,  1},    // only B wired: p = 10
        {"Sinus", "Sinus", 1000,   true,  100,  true,  0.2,  0.5},  // the larger range: p = 200
        {"Cc",    "cc",    100000, true,  0,    false, 0.5,  1},    // direct voltages only
        {"Cc",    "",      100000, true,  0,    false, 0.5,  0.01}, // one side empty is not DC
    };
    // clang-format on
    for (const auto& c : rows) {
        app.g.SignalA = c.signalA;
        app.g.SignalB = c.signalB;
        app.g.GammeA = c.gammeA;
        app.g.GammeB = c.gammeB;
        app.frmToolBox().optConnexion[1].Value = c.wiredA ? 1 : 0;
        app.frmToolBox().optConnexion[10].Value = c.wiredB ? 1 : 0;
        app.g.BaseTemps = c.baseTemps;
        EXPECT_DOUBLE_EQ(SweepPointStep(app), c.step) << c.signalA << " " << c.gammeA << " " << c.baseTemps;
    }
}

// The beam spot under a clock that jumps: forward by a day (a suspended computer) or back and
// forth (a clock set by the network). The spot never runs backwards, leaves the frame in one
// step and sweeps on at its usual speed, without catching up on the missed time.
TEST_F(Sweep, ClockJumpADayForwardRestartsTheSweepAtTheLeftEdgeInOneStep) {
    source(SideA, "Cc", 2, 0);
    timeBase(5);
    const double start = spot();
    platform.advanceSeconds(0.01);
    tick();
    ASSERT_NEAR(spot(), start + 100, 1e-6);
    platform.advanceSeconds(86400);
    tick();
    EXPECT_DOUBLE_EQ(spot(), -500);
    // The piece of that tick was the usual one (four divisions at most), drawn before the jump.
    EXPECT_NEAR(*screen().minX(ch1()), start + 100, 1e-6);
    EXPECT_LE(*screen().maxX(ch1()), start + 500 + 1e-6);
    platform.advanceSeconds(0.02);
    tick();
    EXPECT_NEAR(spot(), -300, 1e-6);
}

TEST_F(Sweep, ClockJumpAClockSteppingBackAndForthOnlyEverMovesTheSpotOnByTheForwardSteps) {
    source(SideA, "Cc", 2, 0);
    timeBase(5);
    const double start = spot();
    // An hour back: the spot stays and the piece is the usual four divisions from it.
    platform.advanceSeconds(-3600);
    tick();
    EXPECT_DOUBLE_EQ(spot(), start);
    tick();
    EXPECT_NEAR(*screen().minX(ch1()), start, 1e-6);
    EXPECT_NEAR(*screen().maxX(ch1()), start + 400, 1e-6);
    double previous = start;
    for (int i = 0; i < 20; ++i) {
        platform.advanceSeconds(-0.003);
        tick();
        EXPECT_DOUBLE_EQ(spot(), previous) << "step " << i;
        platform.advanceSeconds(0.002);
        tick();
        EXPECT_NEAR(spot(), previous + 20, 1e-6) << "step " << i;
        previous = spot();
    }
    EXPECT_NEAR(spot(), start + 20 * 20, 1e-6);
}

} // namespace
} // namespace ondivel
