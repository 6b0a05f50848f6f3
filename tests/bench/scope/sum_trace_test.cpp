#include "bench/scope/sum_trace.h"

#include <gtest/gtest.h>

#include <cmath>

#include "bench/scope/bench_fixture.h"
#include "bench/scope/renderer.h"
#include "bench/scope/scales.h"

namespace ondivel {
namespace {

// The panel on in ADD, both channels plugged in AC at 2 V/div, 1 ms/div, positions centred.
// Expected heights are worked out by hand: each channel adds 100 · v / its sensitivity.
class SumTrace : public testing::Bench {
  protected:
    void SetUp() override {
        switchOnAndPlug();
        app.g.FrequenceCompteur = platform.counterFrequency();
        user::click(scope().cmdVoie[1]); // DUAL → ADD
    }
    void sensitivity(int channel, int knob) {
        user::drag(scope().Potentio[channel == 0 ? KnobSensitivityCH1 : KnobSensitivityCH2], knob);
    }
    Color sum() const { return app.g.CouleurA; }
    double at(double x) { return *screen().yAt(sum(), x); }
};

// Sensitivity knob position of 1 V/div.
constexpr int k1V = 6;

TEST_F(SumTrace, AutoDoesNotMoveTheTimeOriginOfTheSum) {
    source(SideA, "Sinus", 1, 500);
    source(SideB, "Sinus", 1, 500);
    sensitivity(0, k1V); // 100 units a volt, CH2 50: a sine of 150 units peak
    user::click(scope().chkAuto);
    EXPECT_NEAR(at(-500), 0, 1e-9);
    EXPECT_NEAR(at(-450), 150, 1e-9);
}

// Grounding one channel, "-CH2" and the positions are the tour_add and add_two_generators
// scenarios'.
TEST_F(SumTrace, ZeroVoltsLieOnTheCentreLineShiftedOnlyByTheHorizontalPosition) {
    source(SideA, "Sinus", 2, 500);
    for (int channel : {0, 1}) {
        user::click(scope().cmdACDC[channel]);
        user::click(scope().cmdACDC[channel]); // AC → DC → GND
    }
    EXPECT_EQ(screen().countLines(sum()), 501U);
    EXPECT_DOUBLE_EQ(*screen().maxY(sum()), 0);
    EXPECT_DOUBLE_EQ(*screen().minY(sum()), 0);
    user::drag(scope().Potentio[KnobPositionH], 1000); // 100 units to the right
    EXPECT_DOUBLE_EQ(*screen().minX(sum()), -400);
    EXPECT_DOUBLE_EQ(*screen().maxX(sum()), 600);
}

TEST_F(SumTrace, AStretchDrawsEveryTwoUnitsFromItsStartAndPrintsTheOverlay) {
    source(SideA, "Cc", 2, 0);
    app.g.PositionH = 30;
    app.RefreshDisplay();
    screen().clear();
    DrawSumTrace(app, 100, 110);
    // Six points: a zero-length first segment, then five of two units.
    ASSERT_EQ(screen().countLines(sum()), 6U);
    EXPECT_DOUBLE_EQ(*screen().minX(sum()), 130);
    EXPECT_DOUBLE_EQ(*screen().maxX(sum()), 140);
    EXPECT_DOUBLE_EQ(*screen().yAt(sum(), 135), 100);
    EXPECT_NE(screen().joinedTexts().find("ADD"), std::string::npos);

    // A stretch the sweep measured need not fall on even abscissae; its end is not overshot.
    screen().clear();
    DrawSumTrace(app, 100.5, 106.4);
    EXPECT_EQ(screen().countLines(sum()), 3U);
    EXPECT_DOUBLE_EQ(*screen().minX(sum()), 130.5);
    EXPECT_DOUBLE_EQ(*screen().maxX(sum()), 134.5);

    screen().clear();
    DrawSumTrace(app, 110, 100);
    EXPECT_EQ(screen().countLines(), 0U);
    EXPECT_FALSE(screen().texts().empty());
}

TEST_F(SumTrace, SquaresKeepTheirMeanAndTrianglesFollowTheirDuty) {
    // A 25 % square in AC coupling: the channel trace would be lifted by its mean, the sum is not.
    source(SideA, "Carre", 2, 1000);
    generator(SideA, 25, 100, true);
    app.RefreshDisplay();
    EXPECT_NEAR(at(-490), 100, 1e-9);  // high for the first quarter period
    EXPECT_NEAR(at(-460), -100, 1e-9); // then low
    EXPECT_DOUBLE_EQ(*screen().maxY(sum()), 100);
    EXPECT_DOUBLE_EQ(*screen().minY(sum()), -100);

    // Duty 1: a rising sawtooth from −2 V to +2 V over each millisecond (a division).
    source(SideB, "triangulaire", 2, 1000);
    source(SideA, "", 0, 0);
    generator(SideB, 100, 100, false);
    app.RefreshDisplay();
    EXPECT_NEAR(at(-476), -52, 1e-9);
    EXPECT_NEAR(at(-450), 0, 1e-9);
    EXPECT_NEAR(at(-426), 48, 1e-9);

    // A triangle without frequency has no rise time: its channel stays flat, never undefined.
    source(SideB, "Triangle", 2, 0);
    app.RefreshDisplay();
    EXPECT_EQ(screen().countLines(sum()), 501U);
    EXPECT_DOUBLE_EQ(*screen().maxY(sum()), *screen().minY(sum()));
    EXPECT_TRUE(std::isfinite(*screen().maxY(sum())));
}

TEST_F(SumTrace, KeywordsOfAnyCaseAddTheirWaveAndUnknownOnesNothing) {
    // The alternator peaks at 1.5 A a quarter period in: 1 V at 1 V/div, 150 units at x = −450.
    source(SideA, "DYN", 1, 500);
    source(SideB, "Bruit", 5, 500);
    sensitivity(0, k1V);
    EXPECT_NEAR(at(-450), 150, 1e-9);
    source(SideA, "SINUSOÏDALE", 1, 500);
    app.RefreshDisplay();
    EXPECT_NEAR(at(-450), 100, 1e-9);
    source(SideA, "carrée", 1, 500);
    generator(SideA, 50, 100, true);
    app.RefreshDisplay();
    EXPECT_NEAR(at(-450), 100, 1e-9);
    EXPECT_NEAR(at(-350), -100, 1e-9);
}

TEST_F(SumTrace, EachHarmonicChannelReadsItsOwnPanel) {
    harmonicPanelAtRest(SideB); // the fundamental alone: a sine
    FrmHarmonique& a = app.frmHarmonique(SideA);
    for (int i = 0; i < 20; ++i) {
        a.sldAmpli[i].Min = -1000;
        a.sldAmpli[i].Value = 0;
    }
    a.sldX0.Value = 0;
    source(SideA, "harmo", 2, 500);
    source(SideB, "harmo", 2, 500);
    app.RefreshDisplay();
    // Only CH2's panel sounds: 2 V at 2 V/div.
    EXPECT_NEAR(at(-450), 100, 1e-9);
    EXPECT_NEAR(at(-350), -100, 1e-9);
}

TEST_F(SumTrace, TheFullScreenViewGetsTheSumWhenItIsShowing) {
    source(SideA, "Cc", 2, 0);
    app.frmFullScreen().Load();
    app.mdi().Mnu_ViewFullScreen.Checked = true;
    screen().clear();
    app.RefreshDisplay();
    EXPECT_EQ(fullScreen().countLines(sum()), 501U);
    EXPECT_DOUBLE_EQ(*fullScreen().maxY(sum()), 100);
    EXPECT_EQ(screen().countLines(sum()), 0U);
}

} // namespace
} // namespace ondivel
