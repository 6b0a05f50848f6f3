#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "bench/scope/bench_fixture.h"
#include "bench/scope/renderer.h"
#include "bench/scope/scales.h"

namespace ondivel {
namespace {

using Screen = testing::Bench;

TEST_F(Screen, GraticuleOfTenByEightDivisionsWithAxisTicksAndTwoDottedLines) {
    app.g.CouleurGrille = RGB(10, 20, 30);
    app.g.CouleurCadre = RGB(90, 90, 90);
    scope().Show();
    int divisions = 0, ticks = 0;
    for (const auto& l : grid().lines()) {
        const bool horizontal = l.y1 == l.y2;
        const double from = horizontal ? l.x1 : l.y1, to = horizontal ? l.x2 : l.y2;
        const double at = horizontal ? l.y1 : l.x1;
        divisions += std::abs(from - to) >= 800 ? 1 : 0;
        ticks += std::abs(from) == 12 && std::abs(to) == 12 ? 1 : 0;
        EXPECT_EQ(l.width, at == 0 ? 2 : 1);
        const bool dotted = horizontal && std::abs(at) == 250;
        EXPECT_EQ(l.style, dotted ? LineStyle::Dot : LineStyle::Solid);
        const bool frame = std::abs(at) == (horizontal ? 400 : 500);
        EXPECT_EQ(l.color, frame || dotted ? app.g.CouleurCadre : app.g.CouleurGrille);
    }
    // 9 + 11 division lines and 2 dotted ones; 32 + 40 ticks.
    EXPECT_EQ(divisions, 22);
    EXPECT_EQ(ticks, 72);
    EXPECT_EQ(grid().lines().size(), 94U);
    EXPECT_EQ(grid().backColor(), 10135975U);
}

class Overlay : public testing::Bench {
  protected:
    void SetUp() override { switchOnAndPlug(); }
    std::string redrawOverlay() {
        screen().clear();
        app.renderer().DrawSettingsOverlay();
        return screen().joinedTexts();
    }
};

TEST_F(Overlay, CentredInTheBottomCellsOncePerDrawing) {
    ASSERT_EQ(screen().joinedTexts(), "DUAL|CH1|2 V|CH2|2 V|1 ms");
    const double centres[6] = {-450, -350, -350, -250, -250, -150};
    const double bottoms[6] = {-400, -400, -370, -400, -370, -370};
    for (std::size_t k = 0; k < 6; ++k) {
        const RecordedText& t = screen().texts()[k];
        EXPECT_NEAR(t.x + screen().textWidth(t.text) / 2, centres[k], 1e-9) << t.text;
        EXPECT_NEAR(t.y - screen().textHeight(t.text), bottoms[k], 1e-9) << t.text; // y up
        EXPECT_EQ(t.font, "Arial");
        EXPECT_EQ(t.points, 8);
        EXPECT_EQ(t.color, kBlack); // the default screen is light
    }
}

TEST_F(Overlay, WhiteInkBelowHalfLuminance) {
    app.g.CouleurEcran = RGB(128, 128, 128);
    redrawOverlay();
    EXPECT_EQ(screen().texts()[0].color, kBlack);
    app.g.CouleurEcran = RGB(127, 127, 127);
    redrawOverlay();
    EXPECT_EQ(screen().texts()[0].color, kWhite);
}

TEST_F(Overlay, SpectrumShowsTheFrequencyOfOneDivisionAndEmptyLabelsAreLeftOut) {
    scope().chkFFT.Value = kChecked;
    EXPECT_EQ(redrawOverlay(), "DUAL|CH1|2 V|CH2|2 V|1 kHz"); // 1/0.001 is not below 1000
    user::drag(scope().Potentio[KnobTimeBase], 17);
    EXPECT_EQ(redrawOverlay(), "DUAL|CH1|2 V|CH2|2 V|1000 kHz");
    scope().cboSensibiliteVerticaleA.ListIndex = -1;
    scope().cboBaseTemps.ListIndex = -1;
    EXPECT_EQ(redrawOverlay(), "DUAL|CH1|CH2|2 V");
}

TEST_F(Screen, FullScreenViewTakesTheDrawingUntilClosed) {
    app.mdi().LargeurZoneTravail = 19200;
    app.mdi().HauteurZoneTravail = 12000;
    switchOnAndPlug();
    source(SideA, "Cc", 2, 0);
    app.RefreshDisplay();
    user::dblClick(scope().picEcran);
    ASSERT_TRUE(app.frmFullScreen().loaded());
    EXPECT_EQ(static_cast<RecordingSurface&>(app.frmFullScreen().grid()).lines().size(), 94U);
    EXPECT_DOUBLE_EQ(app.frmFullScreen().picEcran.Width, 19200);
    EXPECT_DOUBLE_EQ(*fullScreen().maxY(app.g.CouleurA), 100);
    EXPECT_EQ(fullScreen().texts().at(0).points, 18);

    const auto panelLines = screen().countLines();
    user::drag(scope().Potentio[KnobPositionCH1], 800);
    EXPECT_DOUBLE_EQ(*fullScreen().maxY(app.g.CouleurA), 200);
    EXPECT_EQ(screen().countLines(), panelLines);

    user::clickForm(app.frmFullScreen());
    user::drag(scope().Potentio[KnobPositionCH1], 900);
    EXPECT_DOUBLE_EQ(*screen().maxY(app.g.CouleurA), 300);
}

TEST_F(Screen, XYRunsItsOwnTimerAndStopsItWhenOff) {
    switchOnAndPlug();
    user::click(scope().cmdVoie[1]);
    user::click(scope().cmdVoie[1]); // DUAL → ADD → XY
    EXPECT_FALSE(scope().tmrSpot.Enabled);
    EXPECT_TRUE(scope().tmrXY.timerRunning());
    user::click(scope().chkOn);
    EXPECT_FALSE(scope().tmrXY.timerRunning());
    EXPECT_FALSE(scope().tmrSpot.timerRunning()); // enabled but idle
    EXPECT_TRUE(scope().tmrSpot.Enabled);
}

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

// The drawers' geometry is the trace_drawers tests'; the sine and the square at their landmarks,
// the couplings and a switched-off screen are the scope_* scenarios'. Here: what the renderer hands
// the drawers from the bench.
TEST_F(Traces, AcCouplingRemovesTheMeanOfAnAsymmetricSquareAndATriangleWithoutFrequencyIsNotDrawn) {
    source(SideA, "Carre", 2, 1000);
    generator(SideA, 25, 100, true);
    app.RefreshDisplay(); // AC: the 25 % square's mean of −1 V is taken back, half a division up
    EXPECT_DOUBLE_EQ(*screen().maxY(ch1()), 150);
    user::click(scope().cmdACDC[0]); // AC → DC
    EXPECT_DOUBLE_EQ(*screen().maxY(ch1()), 100);

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
