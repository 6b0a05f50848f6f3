#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "scope/bench_fixture.h"
#include "scope/renderer.h"
#include "scope/scales.h"

namespace ondivel {
namespace {

// The panel is on in DUAL, both channels in AC, 1 ms/div, 2 V/div, positions centred.
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

// Number of local maxima of a sampled polyline.
int peaks(const std::vector<RecordedLine>& lines) {
    int count = 0;
    for (std::size_t k = 1; k + 1 < lines.size(); ++k) {
        const double y = lines[k].y2;
        if (y > lines[k].y1 && y >= lines[k + 1].y2) ++count;
    }
    return count;
}

TEST_F(Traces, SineStartsAtTheLeftEdgeGoingUpWithTenPeriods) {
    source(SideA, "Sinus", 5, 1000);
    app.RefreshDisplay();
    const auto sine = linesIn(ch1());
    ASSERT_EQ(sine.size(), 501U);
    EXPECT_DOUBLE_EQ(sine.front().x1, -500);
    EXPECT_NEAR(sine.front().y1, 0, 1e-9);
    EXPECT_GT(sine[1].y2, 0);
    EXPECT_DOUBLE_EQ(sine.back().x2, 500);
    // 5 V at 2 V/div is 2.5 divisions; samples every 2 units fall at most 1 unit from the crest.
    EXPECT_NEAR(*screen().maxY(ch1()), 250, 0.5);
    EXPECT_NEAR(*screen().minY(ch1()), -250, 0.5);
    EXPECT_EQ(peaks(sine), 10);
    // A period is 100 units wide.
    EXPECT_NEAR(*screen().yAt(ch1(), -437), *screen().yAt(ch1(), 63), 1e-6);
}

TEST_F(Traces, AutoPutsTheRisingCrossingTwoUnitsLeftOfTheCentreAndHoldsStill) {
    source(SideA, "Sinus", 5, 1000);
    user::click(scope().chkAuto);
    EXPECT_NEAR(*screen().yAt(ch1(), -2), 0, 1e-9);
    EXPECT_LT(*screen().yAt(ch1(), -4), 0);
    EXPECT_GT(*screen().yAt(ch1(), 0), 0);
    const auto first = linesIn(ch1());
    app.RefreshDisplay();
    const auto second = linesIn(ch1());
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t k = 0; k < first.size(); ++k) EXPECT_DOUBLE_EQ(first[k].y2, second[k].y2);
}

TEST_F(Traces, ChannelPositionAndHorizontalPositionShiftThePicture) {
    source(SideA, "Sinus", 5, 1000);
    user::drag(scope().Potentio[KnobPositionCH1], 800); // +100
    user::drag(scope().Potentio[KnobPositionH], 950);   // +50
    EXPECT_NEAR(*screen().maxY(ch1()), 350, 0.5);
    EXPECT_DOUBLE_EQ(*screen().minX(ch1()), -450);
    EXPECT_NEAR(*screen().yAt(ch1(), -450), 100, 1e-9); // the time origin moved with the trace
}

TEST_F(Traces, SquareOfQuarterDutyInDcThenShiftedByItsMeanInAc) {
    source(SideA, "Carre", 2, 1000);
    generator(SideA, 25, 100, true);
    user::click(scope().cmdACDC[0]); // AC → DC
    auto square = linesIn(ch1());
    ASSERT_GE(square.size(), 40U);
    // Rising edge at the left edge, high for 25 units, falling edge, low for 75 units.
    EXPECT_DOUBLE_EQ(square[0].x1, -500);
    EXPECT_DOUBLE_EQ(square[0].y1, -100);
    EXPECT_DOUBLE_EQ(square[0].y2, 100);
    EXPECT_NEAR(square[1].x2, -475, 1e-9);
    EXPECT_DOUBLE_EQ(square[2].y2, -100);
    EXPECT_NEAR(square[3].x2, -400, 1e-9);
    EXPECT_GE(*screen().maxX(ch1()), 500);

    user::click(scope().cmdACDC[0]); // DC → GND
    user::click(scope().cmdACDC[0]); // GND → AC
    // Mean of a 25 % square is −A/2: the trace rises by 1 V, 50 units.
    EXPECT_DOUBLE_EQ(*screen().maxY(ch1()), 150);
    EXPECT_DOUBLE_EQ(*screen().minY(ch1()), -50);
}

TEST_F(Traces, HalfDutySquareInAcIsNotShifted) {
    source(SideA, "Carre", 2, 1000);
    generator(SideA, 50, 100, true);
    app.RefreshDisplay();
    EXPECT_DOUBLE_EQ(*screen().maxY(ch1()), 100);
    EXPECT_DOUBLE_EQ(*screen().minY(ch1()), -100);
}

TEST_F(Traces, TriangleOfDutyOneIsARisingSawtoothAndZeroAFallingOne) {
    source(SideA, "Triangle", 2, 1000);
    generator(SideA, 100, 100, false);
    app.RefreshDisplay();
    auto saw = linesIn(ch1());
    ASSERT_GE(saw.size(), 4U);
    EXPECT_DOUBLE_EQ(saw[0].x1, -500);
    EXPECT_DOUBLE_EQ(saw[0].y1, -100);
    EXPECT_NEAR(saw[0].x2, -400, 1e-9); // one whole period rising
    EXPECT_DOUBLE_EQ(saw[0].y2, 100);
    EXPECT_NEAR(saw[2].x1, -400, 1e-9); // then a vertical fall
    EXPECT_NEAR(saw[2].x2, -400, 1e-9);
    EXPECT_DOUBLE_EQ(saw[2].y2, -100);

    app.frmGBFA().Potentio[2].Value = 0;
    app.RefreshDisplay();
    saw = linesIn(ch1());
    EXPECT_NEAR(saw[0].x2, -500, 1e-9); // a vertical rise
    EXPECT_DOUBLE_EQ(saw[0].y2, 100);
    EXPECT_NEAR(saw[2].x2, -400, 1e-9); // then a fall over the whole period
    EXPECT_DOUBLE_EQ(saw[2].y2, -100);
}

TEST_F(Traces, NoFrequencyDrawsNoSquareNorTriangle) {
    source(SideA, "Carre", 2, 0);
    source(SideB, "Triangle", 2, 0);
    app.RefreshDisplay();
    EXPECT_EQ(screen().countLines(ch1()), 0U);
    EXPECT_EQ(screen().countLines(ch2()), 0U);
}

TEST_F(Traces, DirectVoltageIsAFlatLineAndMinusCh2InvertsIt) {
    source(SideA, "Cc", 3, 0);
    source(SideB, "Cc", 3, 0);
    user::drag(scope().Potentio[KnobPositionH], 1000);
    // 3 V at 2 V/div: 1.5 divisions up, across the whole trace frame.
    ASSERT_EQ(screen().countLines(ch1()), 1U);
    const RecordedLine line = linesIn(ch1())[0];
    EXPECT_DOUBLE_EQ(line.y1, 150);
    EXPECT_DOUBLE_EQ(line.y2, 150);
    EXPECT_DOUBLE_EQ(line.x1, -400);
    EXPECT_DOUBLE_EQ(line.x2, 600);
    EXPECT_DOUBLE_EQ(*screen().maxY(ch2()), 150);
    user::click(scope().cmdVoie[2]);
    EXPECT_DOUBLE_EQ(*screen().maxY(ch2()), -150);
    EXPECT_DOUBLE_EQ(*screen().maxY(ch1()), 150);
}

TEST_F(Traces, ReversedBatteryStaysBelowZeroInAcAndSitsOnZeroInGnd) {
    source(SideA, "Cc", -4.5, 0);
    app.RefreshDisplay();
    EXPECT_DOUBLE_EQ(*screen().maxY(ch1()), -225); // AC removes nothing from a direct voltage
    user::click(scope().cmdACDC[0]);
    EXPECT_DOUBLE_EQ(*screen().maxY(ch1()), -225);
    user::click(scope().cmdACDC[0]);
    EXPECT_DOUBLE_EQ(*screen().maxY(ch1()), 0);
}

TEST_F(Traces, GroundedChannelIsFlatAtItsPositionEvenUnplugged) {
    source(SideB, "Sinus", 5, 1000);
    app.g.SourceBrancheeB = false;
    user::drag(scope().Potentio[KnobPositionCH2], 500); // −200
    user::click(scope().cmdACDC[1]);
    user::click(scope().cmdACDC[1]); // AC → DC → GND
    ASSERT_EQ(screen().countLines(ch2()), 1U);
    EXPECT_DOUBLE_EQ(*screen().minY(ch2()), -200);
    EXPECT_DOUBLE_EQ(*screen().maxY(ch2()), -200);
}

TEST_F(Traces, UnknownKeywordDrawsNothingButTheOverlay) {
    source(SideA, "", 5, 1000);
    source(SideB, "Bruit", 5, 1000);
    app.RefreshDisplay();
    EXPECT_EQ(screen().countLines(), 0U);
    EXPECT_FALSE(screen().texts().empty());
}

TEST_F(Traces, HarmonicFundamentalAloneDrawsTheSameTraceAsTheSine) {
    harmonicPanelAtRest(SideA);
    source(SideA, "harmo", 3, 500);
    source(SideB, "Sinus", 3, 500);
    user::click(scope().cmdACDC[1]); // CH2 DC, so that both channels differ only by keyword
    user::click(scope().cmdACDC[0]);
    const auto harmonic = linesIn(ch1());
    const auto sine = linesIn(ch2());
    ASSERT_EQ(harmonic.size(), sine.size());
    for (std::size_t k = 0; k < sine.size(); ++k) EXPECT_NEAR(harmonic[k].y2, sine[k].y2, 1e-9);
    EXPECT_EQ(screen().mousePointer(), 0); // the hourglass is gone once drawn
}

TEST_F(Traces, AlternatorSlidesTwoUnitsPerRedrawWithAuto) {
    source(SideA, "Dyn", 2, 250);
    app.RefreshDisplay();
    EXPECT_NEAR(*screen().yAt(ch1(), -500), 0, 1e-9);   // synchronised: t = 0 on the left edge
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
    EXPECT_TRUE(scope().tmrSpot.Enabled);
    EXPECT_EQ(scope().tmrSpot.Interval, 1);
    EXPECT_DOUBLE_EQ(app.g.PositionSpot, 100);
    EXPECT_EQ(app.g.CompteurPrecedent, platform.counterValue());
    EXPECT_FALSE(screen().texts().empty());

    user::drag(scope().Potentio[KnobTimeBase], 6); // 5 ms/div draws at once
    EXPECT_EQ(scope().tmrSpot.Interval, 0);
    EXPECT_EQ(screen().countLines(ch1()), 501U);
}

TEST_F(Traces, AddModeNeverDrawsTheSeparateChannels) {
    source(SideA, "Sinus", 5, 1000);
    source(SideB, "Cc", 3, 0);
    user::click(scope().cmdVoie[1]); // DUAL → ADD
    EXPECT_EQ(screen().countLines(ch2()), 0U);
    for (const auto& l : screen().lines()) // never CH2's own flat line, in any colour
        EXPECT_FALSE(l.x1 == -500 && l.x2 == 500) << l.y1;
}

TEST_F(Traces, SingleChannelModesDrawOnlyTheirChannel) {
    source(SideA, "Cc", 2, 0);
    source(SideB, "Cc", -2, 0);
    user::click(scope().cmdVoie[0]); // DUAL → CH2
    EXPECT_EQ(screen().countLines(ch1()), 0U);
    EXPECT_EQ(screen().countLines(ch2()), 1U);
    user::click(scope().cmdVoie[0]); // CH2 → CH1
    EXPECT_EQ(screen().countLines(ch1()), 1U);
    EXPECT_EQ(screen().countLines(ch2()), 0U);
}

TEST_F(Traces, SwitchedOffShowsTheBareGraticule) {
    source(SideA, "Sinus", 5, 1000);
    app.RefreshDisplay();
    ASSERT_GT(screen().countLines(), 0U);
    user::click(scope().chkOn);
    EXPECT_EQ(screen().countLines(), 0U);
    EXPECT_TRUE(screen().texts().empty());
    EXPECT_EQ(screen().backgroundLines().size(), grid().lines().size());
    EXPECT_FALSE(scope().tmrXY.Enabled);
}

} // namespace
} // namespace ondivel
