#include <gtest/gtest.h>

#include "bench/scope/bench_fixture.h"
#include "bench/scope/scales.h"

namespace ondivel {
namespace {

class FrontPanel : public testing::Bench {
  protected:
    // Lit lights among shpVoie 0…5, then shpACDC 0…5: "001000|100100".
    std::string lights() {
        std::string s;
        for (int i = 0; i < 6; ++i)
            s += scope().lit(scope().shpVoie[i]) ? '1' : '0';
        s += '|';
        for (int i = 0; i < 6; ++i)
            s += scope().lit(scope().shpACDC[i]) ? '1' : '0';
        return s;
    }
};

TEST_F(FrontPanel, LoadResetsTheSidesAndOpensSwitchedOffBesideTheToolbox) {
    app.frmToolBox().Width = 2400;
    source(SideA, "Sinus", 5, 1000);
    app.g.EntreeBrancheeCH1 = true;
    app.g.NiveauDeclenchement = 50;
    app.g.ExoPoints = 7;
    app.g.ExoPointsMax = 10;
    scope().Show();
    EXPECT_DOUBLE_EQ(scope().Left, 2400);
    EXPECT_EQ(app.g.SignalA, "Cc");
    EXPECT_DOUBLE_EQ(app.g.AmplitudeA, 0);
    EXPECT_FALSE(app.g.EntreeBrancheeCH1);
    EXPECT_DOUBLE_EQ(app.g.NiveauDeclenchement, 0);
    EXPECT_DOUBLE_EQ(app.g.ExoPoints, 0);
    EXPECT_DOUBLE_EQ(app.g.ExoPointsMax, 0);
    EXPECT_EQ(lights(), "000000|000000");
}

// The lights of each mode and coupling, and how modes wrap, are the scope_panel_modes and
// xy_phase_and_timer scenarios'.
TEST_F(FrontPanel, WhileOffTheButtonsAreIgnoredAndStoredNumbersOutOfRangeLightNothing) {
    scope().Show();
    user::click(scope().cmdVoie[1]);
    user::click(scope().cmdACDC[1]);
    user::click(scope().chkOn);
    ASSERT_EQ(lights(), "001000|100100");
    user::click(scope().chkOn);

    user::close(scope());
    app.WriteIni("Interface", "Mode voie", "5");
    app.WriteIni("Interface", "ACDC CH1", "4");
    app.WriteIni("Interface", "ACDC CH2", "2");
    scope().Show();
    user::click(scope().chkOn);
    EXPECT_EQ(lights(), "000000|000000");
}

TEST_F(FrontPanel, AChannelNeedsItsPlugAndTheGroundPlugCountedOnlyByAClickOnThePlugWhileOff) {
    scope().Show();
    for (int i : {0, 1, 2})
        user::click(scope().imgBorne[i]);
    EXPECT_FALSE(app.g.EntreeBrancheeCH1);
    user::click(scope().imgFiche[1]);
    EXPECT_TRUE(app.g.EntreeBrancheeCH1);
    EXPECT_FALSE(app.g.EntreeBrancheeCH2);

    user::click(scope().chkOn);
    user::click(scope().imgFiche[2]); // pulling the ground plug out
    EXPECT_FALSE(app.g.EntreeBrancheeCH1);
    source(SideA, "Sinus", 5, 1000);
    app.RefreshDisplay();
    EXPECT_DOUBLE_EQ(*screen().maxY(app.g.CouleurA), 0); // a flat line
}

TEST_F(FrontPanel, KnobsTakeTheLeftButtonAndDoubleClicksRecentreOnePosition) {
    scope().Show();
    user::drag(scope().Potentio[KnobPositionCH1], 100, kRightButton);
    EXPECT_DOUBLE_EQ(app.g.PositionCH1, 0);
    EXPECT_EQ(scope().MousePointer, 99);
    user::moveOverForm(scope(), 10, 10);
    EXPECT_EQ(scope().MousePointer, 0);
    for (int k : {KnobPositionH, KnobPositionCH1, KnobPositionCH2})
        user::drag(scope().Potentio[k], 100);
    user::dblClick(scope().Potentio[KnobPositionCH1]);
    EXPECT_DOUBLE_EQ(scope().Potentio[KnobPositionCH1].Value, 700);
    EXPECT_DOUBLE_EQ(app.g.PositionCH1, 0);
    EXPECT_DOUBLE_EQ(app.g.PositionCH2, -600);
    EXPECT_DOUBLE_EQ(app.g.PositionH, -800);
    user::dblClick(scope().Potentio[KnobPositionH]);
    EXPECT_DOUBLE_EQ(scope().Potentio[KnobPositionH].Value, 900);
    EXPECT_DOUBLE_EQ(app.g.PositionH, 0);
}

TEST_F(FrontPanel, ReadoutStaysInsideTheScreenAndAwayFromThePointer) {
    scope().Show();
    user::click(scope().chkOn);
    Control& readout = scope().lblPositionCurseur;
    user::move(scope().picEcran, 400, -390);
    EXPECT_DOUBLE_EQ(readout.Left, 400 - readout.Width);
    EXPECT_DOUBLE_EQ(readout.Top, -390 + readout.Height);
    user::move(readout, 10, 10);
    EXPECT_DOUBLE_EQ(readout.Left, 40);
    EXPECT_DOUBLE_EQ(readout.Top, -10);
    user::moveOverForm(scope(), 0, 0);
    EXPECT_FALSE(readout.Visible);
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

TEST_F(FrontPanel, XYPhaseRestartsPastItsLimitAndAStoppedTimerLeavesIt) {
    switchOnAndPlug();
    scope().tmrXY.Interval = 1;
    scope().PhaseXY = 1.5e99;
    scope().tmrXY_Timer();
    EXPECT_DOUBLE_EQ(scope().PhaseXY, 0);
    scope().tmrXY.Interval = 0;
    scope().tmrXY_Timer();
    EXPECT_DOUBLE_EQ(scope().PhaseXY, 0);
}

TEST_F(FrontPanel, TheNextLoadTakesTheSavedFocusAndPosition) {
    scope().Show();
    user::drag(scope().Potentio[KnobFocus], 7.5);
    scope().Left = 1234;
    user::close(scope());
    scope().Show();
    EXPECT_EQ(app.g.EpaisseurTrace, 4); // |7.5 − 10| + 1 = 3.5, rounded to even
    EXPECT_DOUBLE_EQ(scope().Left, 1234);
}

} // namespace
} // namespace ondivel
