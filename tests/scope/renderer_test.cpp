#include <gtest/gtest.h>

#include <cmath>

#include "scope/bench_fixture.h"
#include "scope/renderer.h"
#include "scope/scales.h"

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

} // namespace
} // namespace ondivel
