#include <gtest/gtest.h>

#include <vector>

#include "scope/bench_fixture.h"
#include "scope/scales.h"

namespace ondivel {
namespace {

// The panel on in DUAL, both channels in AC, 1 ms/div, 2 V/div, positions centred.
class Traces : public testing::Bench {
  protected:
    void SetUp() override { switchOnAndPlug(); }
    std::vector<RecordedLine> linesIn(Color c) {
        std::vector<RecordedLine> out;
        for (const auto& l : screen().lines())
            if (l.color == c) out.push_back(l);
        return out;
    }
    Color ch1() const { return app.g.CouleurA; }
    Color ch2() const { return app.g.CouleurB; }
};

// The sine and the square at their landmarks, the couplings and a switched-off screen are the
// scope_* scenarios'.
TEST_F(Traces, SquareOfQuarterDutyRisesAndFallsVerticallyAndOfHalfDutyIsUnshiftedInAc) {
    source(SideA, "Carre", 2, 1000);
    generator(SideA, 25, 100, true);
    user::click(scope().cmdACDC[0]); // AC → DC
    const auto square = linesIn(ch1());
    ASSERT_GE(square.size(), 40U);
    // A vertical rise at the left edge, high for 25 units, a vertical fall, low for 75 units.
    EXPECT_DOUBLE_EQ(square[0].x1, -500);
    EXPECT_DOUBLE_EQ(square[0].y1, -100);
    EXPECT_DOUBLE_EQ(square[0].y2, 100);
    EXPECT_NEAR(square[1].x2, -475, 1e-9);
    EXPECT_DOUBLE_EQ(square[2].y2, -100);
    EXPECT_NEAR(square[3].x2, -400, 1e-9);

    user::click(scope().cmdACDC[0]);
    user::click(scope().cmdACDC[0]); // DC → GND → AC
    generator(SideA, 50, 100, true); // a 50 % square has no mean to remove
    app.RefreshDisplay();
    EXPECT_DOUBLE_EQ(*screen().maxY(ch1()), 100);
}

TEST_F(Traces, TriangleOfDutyOneIsARisingSawtooth) {
    source(SideA, "Triangle", 2, 1000);
    generator(SideA, 100, 100, false);
    app.RefreshDisplay();
    const auto saw = linesIn(ch1());
    ASSERT_GE(saw.size(), 4U);
    EXPECT_DOUBLE_EQ(saw[0].y1, -100);
    EXPECT_NEAR(saw[0].x2, -400, 1e-9); // a whole period rising
    EXPECT_DOUBLE_EQ(saw[0].y2, 100);
    EXPECT_NEAR(saw[2].x1, -400, 1e-9); // then a vertical fall
    EXPECT_NEAR(saw[2].x2, -400, 1e-9);
    EXPECT_DOUBLE_EQ(saw[2].y2, -100);

    source(SideA, "Triangle", 2, 0); // no frequency: no rise time, no trace
    app.RefreshDisplay();
    EXPECT_EQ(screen().countLines(ch1()), 0U);
}

TEST_F(Traces, DirectVoltageIsAFlatLineAndMinusCh2InvertsIt) {
    source(SideA, "Cc", 3, 0);
    source(SideB, "Cc", 3, 0);
    user::drag(scope().Potentio[KnobPositionH], 1000);
    // 3 V at 2 V/div: 1.5 divisions up, across the shifted trace frame.
    const auto flat = linesIn(ch1());
    ASSERT_EQ(flat.size(), 1U);
    EXPECT_DOUBLE_EQ(flat[0].y1, 150);
    EXPECT_DOUBLE_EQ(flat[0].y2, 150);
    EXPECT_DOUBLE_EQ(flat[0].x1, -400);
    EXPECT_DOUBLE_EQ(flat[0].x2, 600);
    user::click(scope().cmdVoie[2]);
    EXPECT_DOUBLE_EQ(*screen().maxY(ch2()), -150);
}

TEST_F(Traces, GroundedChannelIsFlatAtItsPositionEvenUnplugged) {
    source(SideB, "Sinus", 5, 1000);
    app.g.SourceBrancheeB = false;
    user::drag(scope().Potentio[KnobPositionCH2], 500);
    user::click(scope().cmdACDC[1]);
    user::click(scope().cmdACDC[1]); // AC → DC → GND
    ASSERT_EQ(screen().countLines(ch2()), 1U);
    EXPECT_DOUBLE_EQ(*screen().maxY(ch2()), -200);
}

TEST_F(Traces, HarmonicFundamentalAloneDrawsTheSameTraceAsTheSine) {
    harmonicPanelAtRest(SideA);
    source(SideA, "harmo", 3, 500);
    source(SideB, "Sinus", 3, 500);
    app.RefreshDisplay();
    const auto harmonic = linesIn(ch1());
    const auto sine = linesIn(ch2());
    ASSERT_EQ(harmonic.size(), sine.size());
    for (std::size_t k = 0; k < sine.size(); ++k)
        EXPECT_NEAR(harmonic[k].y2, sine[k].y2, 1e-9);
    EXPECT_EQ(screen().mousePointer(), 0); // the hourglass is gone once drawn
}

TEST_F(Traces, AlternatorSlidesTwoUnitsPerRedrawWithAuto) {
    source(SideA, "Dyn", 2, 250);
    app.RefreshDisplay();
    EXPECT_NEAR(*screen().yAt(ch1(), -500), 0, 1e-9);
    EXPECT_NEAR(*screen().yAt(ch1(), -400), 150, 1e-9); // a quarter period (4 ms = 400 units): 1.5 × 2 V
    user::click(scope().chkAuto);
    const double before = *screen().yAt(ch1(), -100);
    app.RefreshDisplay();
    EXPECT_NEAR(*screen().yAt(ch1(), -102), before, 1e-9);
}

TEST_F(Traces, SlowTimeBasesStartTheSweepInsteadOfDrawing) {
    source(SideA, "Sinus", 5, 10);
    platform.advanceSeconds(3);
    user::drag(scope().Potentio[KnobPositionH], 1000);
    user::drag(scope().Potentio[KnobTimeBase], 5); // 10 ms/div
    EXPECT_EQ(screen().countLines(), 0U);
    EXPECT_EQ(scope().tmrSpot.Interval, 1);
    EXPECT_EQ(app.g.CompteurPrecedent, platform.counterValue());
    user::drag(scope().Potentio[KnobTimeBase], 6); // 5 ms/div draws at once
    EXPECT_EQ(scope().tmrSpot.Interval, 0);
    EXPECT_EQ(screen().countLines(ch1()), 501U);
}

TEST_F(Traces, EachModeDrawsItsOwnChannelsAndAddNeverTheSeparateOnes) {
    source(SideA, "Cc", 2, 0);
    source(SideB, "Bruit", 2, 0);    // an unknown keyword draws nothing
    user::click(scope().cmdVoie[0]); // DUAL → CH2
    EXPECT_EQ(screen().countLines(), 0U);
    EXPECT_FALSE(screen().texts().empty());
    user::click(scope().cmdVoie[0]); // CH2 → CH1
    EXPECT_EQ(screen().countLines(ch1()), 1U);
    source(SideB, "Cc", -2, 0);
    user::click(scope().cmdVoie[1]);
    user::click(scope().cmdVoie[1]);
    user::click(scope().cmdVoie[1]);       // CH1 → CH2 → DUAL → ADD
    for (const auto& l : screen().lines()) // no flat channel line across the screen, in any colour
        EXPECT_FALSE(l.x1 == -500 && l.x2 == 500) << l.y1;
}

} // namespace
} // namespace ondivel
