#include <gtest/gtest.h>

#include <cmath>

#include "scope/bench_fixture.h"
#include "scope/renderer.h"
#include "scope/scales.h"

namespace ondivel {
namespace {

class Graticule : public testing::Bench {
protected:
    void SetUp() override {
        app.g.CouleurGrille = RGB(10, 20, 30);
        app.g.CouleurCadre = RGB(90, 90, 90);
        scope().Show();
    }
    int count(bool (*pick)(const RecordedLine&)) {
        int n = 0;
        for (const auto& l : grid().lines()) n += pick(l) ? 1 : 0;
        return n;
    }
};

TEST_F(Graticule, TenByEightDivisionsWithTicksOnTheAxesAndTwoDottedLines) {
    // 41 horizontal lines (9 divisions, 32 ticks), 2 dotted lines, 51 vertical (11 divisions, 40 ticks).
    EXPECT_EQ(grid().lines().size(), 94U);
    EXPECT_EQ(count([](const RecordedLine& l) { return l.y1 == l.y2 && l.x1 == -500 && l.x2 == 500; }), 11);
    EXPECT_EQ(count([](const RecordedLine& l) { return l.y1 == l.y2 && l.x1 == -12 && l.x2 == 12; }), 32);
    EXPECT_EQ(count([](const RecordedLine& l) { return l.x1 == l.x2 && l.y1 == 400 && l.y2 == -400; }), 11);
    EXPECT_EQ(count([](const RecordedLine& l) { return l.x1 == l.x2 && l.y1 == 12 && l.y2 == -12; }), 40);
}

TEST_F(Graticule, AxesAreThickTheFrameAndDottedLinesInTheFrameColour) {
    for (const auto& l : grid().lines()) {
        const bool axis = (l.y1 == 0 && l.y2 == 0 && l.x1 == -500) || (l.x1 == 0 && l.x2 == 0 && l.y1 == 400);
        EXPECT_EQ(l.width, axis ? 2 : 1);
        const bool dotted = l.y1 == l.y2 && std::abs(l.y1) == 250;
        EXPECT_EQ(l.style, dotted ? LineStyle::Dot : LineStyle::Solid);
        const bool frame = (l.y1 == l.y2 && std::abs(l.y1) == 400) || (l.x1 == l.x2 && std::abs(l.x1) == 500);
        EXPECT_EQ(l.color, frame || dotted ? app.g.CouleurCadre : app.g.CouleurGrille);
    }
    EXPECT_EQ(grid().backColor(), 10135975U); // the screen colour of the settings
}

TEST_F(Graticule, EveryCompleteDrawingHasTheGraticuleBehind) {
    user::click(scope().chkOn);
    EXPECT_EQ(screen().backgroundLines().size(), 94U);
    EXPECT_DOUBLE_EQ(screen().left(), -500);
    EXPECT_DOUBLE_EQ(screen().top(), 400);
    EXPECT_DOUBLE_EQ(screen().right(), 505);
    EXPECT_DOUBLE_EQ(screen().bottom(), -405);
}

class Overlay : public testing::Bench {
protected:
    void SetUp() override { switchOnAndPlug(); }
    const RecordedText& text(std::size_t k) { return screen().texts().at(k); }
    // The text's centre and bottom, from its top-left corner.
    double centre(const RecordedText& t) { return t.x + screen().textWidth(t.text) / 2; }
    double bottom(const RecordedText& t) { return t.y - screen().textHeight(t.text); }
};

TEST_F(Overlay, ModeChannelsSensitivitiesAndTimeBaseOncePerDrawing) {
    EXPECT_EQ(screen().joinedTexts(), "DUAL|CH1|2 V|CH2|2 V|1 ms");
    user::drag(scope().Potentio[KnobSensitivityCH2], 12);
    user::drag(scope().Potentio[KnobTimeBase], 13);
    user::click(scope().cmdVoie[0]); // DUAL → CH2
    EXPECT_EQ(screen().joinedTexts(), "CH2|CH1|2 V|CH2|10 mV|20 µs");
}

TEST_F(Overlay, TextsAreCentredInTheCellsOfTheBottomRow) {
    ASSERT_EQ(screen().texts().size(), 6U);
    const double cells[6] = {-450, -350, -350, -250, -250, -150};
    const double bottoms[6] = {-400, -400, -370, -400, -370, -370};
    for (std::size_t k = 0; k < 6; ++k) {
        EXPECT_NEAR(centre(text(k)), cells[k], 1e-9) << text(k).text;
        EXPECT_NEAR(bottom(text(k)), bottoms[k], 1e-9) << text(k).text;
        EXPECT_GT(text(k).y, bottoms[k]); // y up: the top is above the bottom
        EXPECT_EQ(text(k).font, "Arial");
        EXPECT_EQ(text(k).points, 8);
    }
}

TEST_F(Overlay, InkIsBlackOnALightScreenAndWhiteOnADarkOne) {
    EXPECT_EQ(text(0).color, kBlack); // default screen: luminance 166.75
    app.g.CouleurEcran = RGB(128, 128, 128);
    app.RefreshDisplay();
    EXPECT_EQ(text(0).color, kBlack);
    app.g.CouleurEcran = RGB(127, 127, 127);
    app.RefreshDisplay();
    EXPECT_EQ(text(0).color, kWhite);
    app.g.CouleurEcran = RGB(0, 0, 255); // blue weighs little
    app.RefreshDisplay();
    EXPECT_EQ(text(0).color, kWhite);
}

TEST_F(Overlay, SpectrumShowsTheFrequencyOfOneDivision) {
    scope().chkFFT.Value = kChecked;
    auto lastText = [&] {
        screen().clear();
        app.renderer().DrawSettingsOverlay();
        return screen().texts().back().text;
    };
    EXPECT_EQ(lastText(), "1 kHz"); // 1 / 0.001 = 1000 is not below 1000
    user::drag(scope().Potentio[KnobTimeBase], 7);
    EXPECT_EQ(lastText(), "500 Hz");
    user::drag(scope().Potentio[KnobTimeBase], 2);
    EXPECT_EQ(lastText(), "10 Hz");
    user::drag(scope().Potentio[KnobTimeBase], 17);
    EXPECT_EQ(lastText(), "1000 kHz");
}

TEST_F(Overlay, EmptyLabelsLeaveTheirCellsOut) {
    scope().cboSensibiliteVerticaleA.ListIndex = -1;
    scope().cboBaseTemps.ListIndex = -1;
    screen().clear();
    app.renderer().DrawSettingsOverlay();
    EXPECT_EQ(screen().joinedTexts(), "DUAL|CH1|CH2|2 V");
}

TEST_F(Overlay, CanBeTurnedOffInTheSettings) {
    if (!settingsStoreWorks()) GTEST_SKIP() << "the settings file cannot be written on this build";
    app.WriteIni("Options", "Copy Sensibility", "0");
    app.RefreshDisplay();
    EXPECT_TRUE(screen().texts().empty());
}

class FullScreenTarget : public testing::Bench {
protected:
    void SetUp() override {
        app.mdi().LargeurZoneTravail = 19200;
        app.mdi().HauteurZoneTravail = 12000;
        switchOnAndPlug();
        source(SideA, "Cc", 2, 0);
        app.RefreshDisplay();
    }
};

TEST_F(FullScreenTarget, DoubleClickOpensTheViewThatThenReceivesTheDrawing) {
    user::move(scope().picEcran, 0, 0);
    ASSERT_TRUE(scope().lblPositionCurseur.Visible);
    user::dblClick(scope().picEcran);
    FrmFullScreen& view = app.frmFullScreen();
    EXPECT_FALSE(scope().lblPositionCurseur.Visible);
    EXPECT_TRUE(app.mdi().Mnu_ViewFullScreen.Checked);
    ASSERT_TRUE(view.loaded());
    EXPECT_EQ(static_cast<RecordingSurface&>(view.grid()).lines().size(), 94U);
    EXPECT_EQ(fullScreen().backgroundLines().size(), 94U);
    EXPECT_DOUBLE_EQ(*fullScreen().maxY(app.g.CouleurA), 100);
    ASSERT_FALSE(fullScreen().texts().empty());
    EXPECT_EQ(fullScreen().texts()[0].points, 18);
    EXPECT_DOUBLE_EQ(view.picEcran.Width, 19200);
    EXPECT_DOUBLE_EQ(view.picEcran.Height, 12000);
    EXPECT_DOUBLE_EQ(view.picEcran.Left, 0);

    const auto panelLines = screen().countLines();
    user::drag(scope().Potentio[KnobPositionCH1], 800);
    EXPECT_DOUBLE_EQ(*fullScreen().maxY(app.g.CouleurA), 200);
    EXPECT_EQ(screen().countLines(), panelLines); // the front panel's screen is left alone
}

TEST_F(FullScreenTarget, AClickClosesTheViewAndDrawingGoesBackToThePanel) {
    user::dblClick(scope().picEcran);
    user::click(app.frmFullScreen().picEcran);
    EXPECT_FALSE(app.mdi().Mnu_ViewFullScreen.Checked);
    EXPECT_FALSE(app.frmFullScreen().loaded());
    user::drag(scope().Potentio[KnobPositionCH1], 800);
    EXPECT_DOUBLE_EQ(*screen().maxY(app.g.CouleurA), 200);
    EXPECT_DOUBLE_EQ(*fullScreen().maxY(app.g.CouleurA), 100);

    user::dblClick(scope().picEcran);
    user::clickForm(app.frmFullScreen()); // the form background closes it too
    EXPECT_FALSE(app.frmFullScreen().loaded());
}

TEST_F(FullScreenTarget, ReadoutFollowsThePointerOnlyWhileTheOscilloscopeIsOn) {
    user::dblClick(scope().picEcran);
    Control& readout = app.frmFullScreen().lblPositionCurseur;
    user::move(app.frmFullScreen().picEcran, 125, -75);
    EXPECT_TRUE(readout.Visible);
    EXPECT_DOUBLE_EQ(readout.Left, 135);
    EXPECT_DOUBLE_EQ(readout.Top, -85);
    user::move(app.frmFullScreen().picEcran, 480, -380); // pushed back inside the screen
    EXPECT_DOUBLE_EQ(readout.Left, 480 - readout.Width);
    EXPECT_DOUBLE_EQ(readout.Top, -380 + readout.Height);

    user::click(app.frmFullScreen().picEcran);
    user::click(scope().chkOn);
    user::dblClick(scope().picEcran);
    user::move(app.frmFullScreen().picEcran, 125, -75);
    EXPECT_FALSE(app.frmFullScreen().lblPositionCurseur.Visible);
    EXPECT_EQ(fullScreen().countLines(), 0U);
}

class AnimationTimers : public testing::Bench {
protected:
    void SetUp() override { switchOnAndPlug(); }
};

TEST_F(AnimationTimers, XYRunsItsOwnTimerAndStopsTheSweep) {
    user::click(scope().cmdVoie[1]);
    user::click(scope().cmdVoie[1]); // DUAL → ADD → XY
    EXPECT_TRUE(scope().tmrXY.Enabled);
    EXPECT_EQ(scope().tmrXY.Interval, 1);
    EXPECT_FALSE(scope().tmrSpot.Enabled);

    user::click(scope().chkFFT); // the spectrum is not drawn in XY, the figure slows down
    EXPECT_EQ(scope().tmrXY.Interval, 5);
    EXPECT_TRUE(scope().tmrXY.timerRunning());

    user::click(scope().cmdVoie[1]); // XY → CH1
    EXPECT_FALSE(scope().tmrXY.Enabled);
    EXPECT_EQ(scope().tmrXY.Interval, 0);
    EXPECT_TRUE(scope().tmrSpot.Enabled);
}

TEST_F(AnimationTimers, SwitchingOffInXYStopsTheXYTimer) {
    user::click(scope().cmdVoie[0]);
    user::click(scope().cmdVoie[0]);
    user::click(scope().cmdVoie[0]); // DUAL → CH2 → CH1 → XY
    ASSERT_TRUE(scope().tmrXY.timerRunning());
    user::click(scope().chkOn);
    EXPECT_FALSE(scope().tmrXY.timerRunning());
    EXPECT_FALSE(scope().tmrSpot.timerRunning()); // enabled but idle
}

} // namespace
} // namespace ondivel
