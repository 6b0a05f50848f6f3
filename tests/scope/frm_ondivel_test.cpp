#include <gtest/gtest.h>

#include "core/format.h"
#include "scope/bench_fixture.h"
#include "scope/scales.h"

namespace ondivel {
namespace {

class FrontPanel : public testing::Bench {
protected:
    // Lit lights among shpVoie 0…5 then shpACDC 0…5, as "100100|100100".
    std::string lights() {
        std::string s;
        for (int i = 0; i < 6; ++i) s += scope().lit(scope().shpVoie[i]) ? '1' : '0';
        s += '|';
        for (int i = 0; i < 6; ++i) s += scope().lit(scope().shpACDC[i]) ? '1' : '0';
        return s;
    }
};

TEST_F(FrontPanel, LoadResetsTheSidesAndStartsSwitchedOff) {
    app.frmToolBox().Width = 2400;
    app.g.SignalA = "Sinus";
    app.g.AmplitudeB = 4;
    app.g.EntreeBrancheeCH1 = true;
    app.g.NiveauDeclenchement = 50;
    scope().Show();
    EXPECT_DOUBLE_EQ(scope().Left, 2400); // opens beside the toolbox
    EXPECT_DOUBLE_EQ(scope().Top, 0);
    EXPECT_EQ(app.g.SignalA, "Cc");
    EXPECT_EQ(app.g.SignalB, "Cc");
    EXPECT_DOUBLE_EQ(app.g.AmplitudeB, 0);
    EXPECT_FALSE(app.g.EntreeBrancheeCH1);
    EXPECT_DOUBLE_EQ(app.g.NiveauDeclenchement, 0);
    EXPECT_EQ(scope().chkOn.Caption, "On");
    EXPECT_EQ(lights(), "000000|000000");
    // Each start shows 1 ms/div, 2 V/div on both channels, centred traces and a 3-pixel trace.
    EXPECT_DOUBLE_EQ(app.g.BaseTemps, 0.001);
    EXPECT_DOUBLE_EQ(app.g.SensibiliteCH1, 2);
    EXPECT_DOUBLE_EQ(app.g.SensibiliteCH2, 2);
    EXPECT_DOUBLE_EQ(app.g.PositionH, 0);
    EXPECT_DOUBLE_EQ(app.g.PositionCH2, 0);
    EXPECT_EQ(app.g.EpaisseurTrace, 3);
    EXPECT_EQ(app.g.CouleurA, 65535U);
    EXPECT_EQ(scope().shpConnectCH2[1].FillColor, 4227072U);
    EXPECT_EQ(screen().countLines(), 0U);
    EXPECT_EQ(grid().lines().size(), 94U);
}

TEST_F(FrontPanel, PowerLightsDualAndAcWithoutSettingsAndDarkensEverythingWhenOff) {
    scope().Show();
    user::click(scope().chkOn);
    EXPECT_EQ(scope().chkOn.Caption, "Off");
    EXPECT_EQ(scope().imgOn.ToolTipText, "Oscilloscope allumé");
    EXPECT_EQ(lights(), "001000|100100");
    user::click(scope().cmdVoie[2]);
    user::click(scope().chkOn);
    EXPECT_EQ(scope().chkOn.Caption, "On");
    EXPECT_EQ(scope().imgOn.ToolTipText, "Oscilloscope éteint");
    EXPECT_EQ(lights(), "000000|000000");
}

TEST_F(FrontPanel, ModesWrapAroundAndOnlyNextIntoXYRestartsTheFigure) {
    scope().Show();
    user::click(scope().chkOn);
    user::click(scope().cmdVoie[1]);
    user::click(scope().cmdVoie[1]);
    EXPECT_EQ(scope().modeIndex(), ModeXY);
    user::click(scope().cmdVoie[1]);
    EXPECT_EQ(scope().modeIndex(), ModeCH1);

    scope().PhaseXY = 6000;
    user::click(scope().cmdVoie[0]); // CH1 → XY backwards keeps the figure's time
    EXPECT_EQ(scope().modeIndex(), ModeXY);
    EXPECT_DOUBLE_EQ(scope().PhaseXY, 6000);
    user::click(scope().cmdVoie[0]);
    user::click(scope().cmdVoie[1]); // ADD → XY forwards restarts it
    EXPECT_DOUBLE_EQ(scope().PhaseXY, 0);

    user::click(scope().cmdVoie[2]);
    EXPECT_TRUE(scope().lit(scope().shpVoie[kInvertLight]));
    EXPECT_EQ(scope().modeIndex(), ModeXY); // the inversion is not a mode
    user::click(scope().cmdVoie[2]);
    EXPECT_FALSE(scope().lit(scope().shpVoie[kInvertLight]));
}

TEST_F(FrontPanel, ModeAndCouplingButtonsDoNothingWhileOff) {
    scope().Show();
    const int redraws = screen().clearCount();
    user::click(scope().cmdVoie[1]);
    user::click(scope().cmdVoie[2]);
    user::click(scope().cmdACDC[0]);
    EXPECT_EQ(lights(), "000000|000000");
    EXPECT_EQ(screen().clearCount(), redraws);
}

TEST_F(FrontPanel, CouplingCyclesAcDcGndPerChannel) {
    scope().Show();
    user::click(scope().chkOn);
    user::click(scope().cmdACDC[1]);
    EXPECT_EQ(lights(), "001000|100010");
    user::click(scope().cmdACDC[1]);
    EXPECT_EQ(lights(), "001000|100001");
    user::click(scope().cmdACDC[1]);
    EXPECT_EQ(lights(), "001000|100100");
    user::click(scope().cmdACDC[0]);
    EXPECT_EQ(lights(), "001000|010100");
}

TEST_F(FrontPanel, ModeAndCouplingsAreRestoredAtTheNextPowerOn) {
    if (!settingsStoreWorks()) GTEST_SKIP() << "the settings file cannot be written on this build";
    scope().Show();
    user::click(scope().chkOn);
    user::click(scope().cmdVoie[0]);   // DUAL → CH2
    user::click(scope().cmdVoie[2]);   // -CH2
    user::click(scope().cmdACDC[0]);   // CH1 DC
    for (int k = 0; k < 2; ++k) user::click(scope().cmdACDC[1]); // CH2 GND
    EXPECT_EQ(app.ReadIni("Interface", "Mode voie", ""), "1");
    EXPECT_EQ(app.ReadIni("Interface", "Mode voie -CH2", ""), "1");
    EXPECT_EQ(app.ReadIni("Interface", "ACDC CH1", ""), "1");
    EXPECT_EQ(app.ReadIni("Interface", "ACDC CH2", ""), "5"); // CH2 stores the light's own index
    user::click(scope().chkOn);
    user::click(scope().chkOn);
    EXPECT_EQ(lights(), "010001|010001");
}

TEST_F(FrontPanel, StoredNumbersOutOfRangeLightNothing) {
    if (!settingsStoreWorks()) GTEST_SKIP() << "the settings file cannot be written on this build";
    app.WriteIni("Interface", "Mode voie", "5");
    app.WriteIni("Interface", "ACDC CH1", "4");
    app.WriteIni("Interface", "ACDC CH2", "2");
    scope().Show();
    user::click(scope().chkOn);
    EXPECT_EQ(lights(), "000000|000000");
}

TEST_F(FrontPanel, AChannelNeedsItsPlugAndTheGroundPlug) {
    scope().Show();
    user::click(scope().chkOn);
    user::click(scope().imgBorne[0]);
    EXPECT_TRUE(scope().imgFiche[0].Visible);
    EXPECT_FALSE(app.g.EntreeBrancheeCH1); // no ground yet
    user::click(scope().imgBorne[2]);
    EXPECT_TRUE(app.g.EntreeBrancheeCH1);
    EXPECT_FALSE(app.g.EntreeBrancheeCH2);
    user::click(scope().imgFiche[0]); // pulling the plug out
    EXPECT_FALSE(scope().imgFiche[0].Visible);
    EXPECT_FALSE(app.g.EntreeBrancheeCH1);

    // A signal plug without the ground plug: a flat line.
    user::click(scope().imgBorne[0]);
    user::click(scope().imgBorne[2]);
    source(SideA, "Sinus", 5, 1000);
    app.RefreshDisplay();
    EXPECT_DOUBLE_EQ(*screen().maxY(app.g.CouleurA), 0);
}

TEST_F(FrontPanel, PlugsCountWhileOffOnlyWhenClickedThemselves) {
    scope().Show();
    for (int i : {0, 1, 2}) user::click(scope().imgBorne[i]);
    EXPECT_FALSE(app.g.EntreeBrancheeCH1); // terminals while off: nothing is received
    user::click(scope().imgFiche[1]);      // the plug itself recomputes from the plugs
    EXPECT_TRUE(app.g.EntreeBrancheeCH1);
    EXPECT_FALSE(app.g.EntreeBrancheeCH2);
    user::click(scope().chkOn);
    user::click(scope().chkOn);
    EXPECT_FALSE(app.g.EntreeBrancheeCH1); // switching off unplugs the inputs
}

TEST_F(FrontPanel, KnobsTakeTheLeftButtonAndShowTheKnobCursor) {
    scope().Show();
    user::drag(scope().Potentio[KnobPositionCH1], 900, kRightButton);
    EXPECT_DOUBLE_EQ(app.g.PositionCH1, 0);
    EXPECT_EQ(scope().MousePointer, 99);
    user::drag(scope().Potentio[KnobPositionCH1], 900);
    EXPECT_DOUBLE_EQ(app.g.PositionCH1, 200);
    user::moveOverForm(scope(), 10, 10);
    EXPECT_EQ(scope().MousePointer, 0);
}

TEST_F(FrontPanel, DoubleClickRecentresOnlyThatPosition) {
    scope().Show();
    user::drag(scope().Potentio[KnobPositionH], 100);
    user::drag(scope().Potentio[KnobPositionCH1], 100);
    user::drag(scope().Potentio[KnobPositionCH2], 100);
    user::dblClick(scope().Potentio[KnobPositionCH1]);
    EXPECT_DOUBLE_EQ(scope().Potentio[KnobPositionCH1].Value, 700);
    EXPECT_DOUBLE_EQ(app.g.PositionCH1, 0);
    EXPECT_DOUBLE_EQ(app.g.PositionCH2, -600);
    EXPECT_DOUBLE_EQ(app.g.PositionH, -800);
    user::dblClick(scope().Potentio[KnobPositionH]);
    EXPECT_DOUBLE_EQ(scope().Potentio[KnobPositionH].Value, 900);
    EXPECT_DOUBLE_EQ(app.g.PositionH, 0);
    const int redraws = screen().clearCount();
    user::dblClick(scope().Potentio[KnobTimeBase]); // other knobs only redraw
    EXPECT_DOUBLE_EQ(scope().Potentio[KnobTimeBase].Value, 8);
    EXPECT_EQ(screen().clearCount(), redraws + 1);
}

TEST_F(FrontPanel, ReadoutShowsDivisionsBesideThePointerInsideTheScreen) {
    scope().Show();
    Control& readout = scope().lblPositionCurseur;
    user::move(scope().picEcran, 125, -75);
    EXPECT_FALSE(readout.Visible); // never while off
    user::click(scope().chkOn);
    user::drag(scope().Potentio[KnobPositionH], 1500); // positions do not count
    user::move(scope().picEcran, 125, -75);
    EXPECT_TRUE(readout.Visible);
    EXPECT_EQ(readout.Caption, " x = 1.25 div \r\n  y = -0.75 div ");
    EXPECT_DOUBLE_EQ(readout.Left, 155);
    EXPECT_DOUBLE_EQ(readout.Top, -95);
    user::move(scope().picEcran, 400, -390);
    EXPECT_DOUBLE_EQ(readout.Left, 400 - readout.Width);
    EXPECT_DOUBLE_EQ(readout.Top, -390 + readout.Height);
    user::move(readout, 10, 10);
    EXPECT_DOUBLE_EQ(readout.Left, 40);
    EXPECT_DOUBLE_EQ(readout.Top, -10);
    user::moveOverForm(scope(), 0, 0);
    EXPECT_FALSE(readout.Visible);
}

TEST_F(FrontPanel, ReadoutAtTheCentreShowsZeroDivisions) {
    if (FormatNumber(0, "0.00") != "0.00") GTEST_SKIP() << "number patterns are not formatted on this build";
    scope().Show();
    user::click(scope().chkOn);
    user::move(scope().picEcran, 0, 0);
    EXPECT_EQ(scope().lblPositionCurseur.Caption, " x = 0.00 div \r\n  y = 0.00 div ");
}

TEST_F(FrontPanel, MovingOverTheScreenNoticesAClosedCalculator) {
    scope().Show();
    app.mdi().Mnu_Calc.Checked = true;
    app.frmToolBox().chkCalc.Value = kChecked;
    platform.openWindows = {"Calculatrice"};
    user::move(scope().picEcran, 0, 0);
    EXPECT_EQ(app.frmToolBox().chkCalc.Value, kChecked);
    platform.openWindows.clear();
    user::move(scope().picEcran, 0, 0);
    EXPECT_EQ(app.frmToolBox().chkCalc.Value, kUnchecked);
}

TEST_F(FrontPanel, F1OpensItsHelpTopic) {
    scope().Show();
    user::key(scope(), 113);
    EXPECT_TRUE(platform.helpRequests.empty());
    user::key(scope(), 112);
    ASSERT_EQ(platform.helpRequests.size(), 1U);
    EXPECT_EQ(platform.helpRequests[0], "ondivel.chm#3300");
}

TEST_F(FrontPanel, XYTimerAdvancesThePhaseAndRestartsPastTheLimit) {
    scope().Show();
    scope().tmrXY.Interval = 0;
    scope().tmrXY_Timer();
    EXPECT_DOUBLE_EQ(scope().PhaseXY, 0); // a stopped timer does nothing
    scope().tmrXY.Interval = 1;
    scope().tmrXY_Timer();
    scope().tmrXY_Timer();
    EXPECT_DOUBLE_EQ(scope().PhaseXY, 4000);
    scope().PhaseXY = 1.5e99;
    scope().tmrXY_Timer();
    EXPECT_DOUBLE_EQ(scope().PhaseXY, 0);
}

TEST_F(FrontPanel, PauseButtonSuspendsAndResumesTheSweep) {
    switchOnAndPlug();
    user::drag(scope().Potentio[KnobTimeBase], 3);
    ASSERT_TRUE(scope().tmrSpot.timerRunning());
    user::click(scope().cmdPauseSpot);
    EXPECT_FALSE(scope().tmrSpot.timerRunning());
    user::click(scope().cmdPauseSpot);
    EXPECT_TRUE(scope().tmrSpot.timerRunning());
}

TEST_F(FrontPanel, AutoAndSpectrumBoxesRedraw) {
    switchOnAndPlug();
    const int redraws = screen().clearCount();
    user::click(scope().chkAuto);
    user::click(scope().chkFFT);
    EXPECT_EQ(screen().clearCount(), redraws + 2);
}

TEST_F(FrontPanel, UnloadSavesFocusIntensityAndPosition) {
    if (!settingsStoreWorks()) GTEST_SKIP() << "the settings file cannot be written on this build";
    scope().Show();
    user::drag(scope().Potentio[KnobFocus], 7.5);
    user::drag(scope().Potentio[KnobIntensity], 3);
    scope().Left = 1234;
    scope().Top = 56;
    user::close(scope());
    EXPECT_EQ(app.ReadIni("Interface", "Focus", ""), "7.5");
    EXPECT_EQ(app.ReadIni("Interface", "Intensity", ""), "3");
    EXPECT_EQ(app.ReadIni("Interface", "PosX Ondivel", ""), "1234");
    EXPECT_EQ(app.ReadIni("Interface", "PosY Ondivel", ""), "56");
    scope().Show();
    EXPECT_DOUBLE_EQ(scope().Potentio[KnobFocus].Value, 7.5);
    EXPECT_EQ(app.g.EpaisseurTrace, 4); // |7.5 − 10| + 1 = 3.5, rounded to even
    EXPECT_DOUBLE_EQ(scope().Left, 1234);
}

} // namespace
} // namespace ondivel
