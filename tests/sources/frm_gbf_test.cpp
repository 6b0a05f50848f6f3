#include <gtest/gtest.h>

#include "core/user_input.h"
#include "scope/frm_ondivel.h"
#include "sources/bench_setup.h"

namespace ondivel {
namespace {

// The index of the one lit lamp, -1 when none, 99 when several.
int litLamp(const ControlArray& lamps) {
    int lit = -1;
    for (int i = 0; i < lamps.size(); ++i)
        if (lamps[i].FillColor == kLampOn) lit = lit == -1 ? i : 99;
    return lit;
}

class GbfPanel : public testing::BenchTest {};

TEST_F(GbfPanel, StartsOffWithRandomValuesFrequencyFirstTruncated) {
    struct Case {
        double r1, r2, frequency, amplitude;
    };
    for (const Case c :
         {Case{0, 0.99999, 100, 11.999}, Case{0.99999, 0.0001, 1199, 0.001}, Case{0.5, 0.5, 650, 6}}) {
        SCOPED_TRACE(c.r1);
        FrmGBF& gbf = openGbf(SideA, c.r1, c.r2);
        EXPECT_DOUBLE_EQ(g.FrequenceA, c.frequency);
        EXPECT_DOUBLE_EQ(g.AmplitudeA, c.amplitude);
        EXPECT_DOUBLE_EQ(gbf.Potentio[0].Value, c.frequency);
        EXPECT_NEAR(gbf.Potentio[1].Value, c.amplitude * 1000, 1e-9);
        if (c.r1 != 0.5) user::close(gbf);
    }
    EXPECT_FALSE(g.SourceBrancheeA || gbfA.imgFiche[0].Visible || gbfA.lblFreq.Visible);
    EXPECT_EQ(litLamp(gbfA.shpFreq), -1);
}

TEST_F(GbfPanel, TheSlowestRangeEndsAt1Point2Hertz) {
    FrmGBF& gbf = openGbf(SideA);
    user::click(gbf.optGamme[5]); // "1"
    user::drag(gbf.Potentio[0], 1200);
    EXPECT_DOUBLE_EQ(g.FrequenceA, 1.2);
    EXPECT_EQ(gbf.lblUnite.Caption, "Hz");
}

TEST_F(GbfPanel, OneLampLightsForTheRangeAndTheWaveformChosenWhileOn) {
    FrmGBF& gbf = openGbf(SideA);
    user::click(gbf.optGamme[3]);
    user::click(gbf.optSignal[2]);
    EXPECT_EQ(litLamp(gbf.shpSignal), -1);
    user::click(gbf.chkOn);
    EXPECT_EQ(litLamp(gbf.shpFreq), 3);
    EXPECT_EQ(litLamp(gbf.shpSignal), 2);
    user::click(gbf.optGamme[1]);
    user::click(gbf.optSignal[1]);
    EXPECT_EQ(litLamp(gbf.shpFreq), 1);
    EXPECT_EQ(litLamp(gbf.shpSignal), 1);
    EXPECT_EQ(g.SignalA, "Carre");
}

TEST_F(GbfPanel, SideBDrivesOnlyTheSideBGlobals) {
    openGbf(SideA, 0.5, 0.5);
    FrmGBF& b = openGbf(SideB, 0, 0);
    switchOnAndPlug(b);
    user::drag(b.Potentio[0], 300);
    user::click(b.optGamme[3]);
    user::click(b.optSignal[1]);
    EXPECT_TRUE(g.SourceBrancheeB);
    EXPECT_DOUBLE_EQ(g.FrequenceB, 30);
    EXPECT_EQ(g.SignalB, "Carre");
    EXPECT_EQ(b.lblFreq.Caption, "030,0");
    EXPECT_EQ(b.shpBorne[0].FillColor, g.CouleurB);
    EXPECT_FALSE(g.SourceBrancheeA);
    EXPECT_DOUBLE_EQ(g.FrequenceA, 650);
    EXPECT_EQ(g.SignalA, "Sinus");
}

TEST_F(GbfPanel, AnEvaluationFreezesTheScreenForRangeAndWaveformOnly) {
    FrmGBF& gbf = openGbf(SideA);
    app.mdi().ModeLibre = false;
    g.ExoSignalCH1 = "Triangle";
    g.SignalCH1 = "unchanged";
    user::click(gbf.optGamme[4]);
    user::click(gbf.optSignal[1]);
    EXPECT_DOUBLE_EQ(g.GammeA, 10);
    EXPECT_EQ(g.SignalA, "Carre");
    EXPECT_EQ(g.SignalCH1, "unchanged") << "range or waveform redrew during an evaluation";

    user::drag(gbf.Potentio[0], 500);
    EXPECT_EQ(g.SignalCH1, "Triangle") << "a knob must still refresh";
}

TEST_F(GbfPanel, OpensBesideTheOscilloscopeAndAnswersOnlyF1) {
    app.frmOndivel().Left = 720;
    app.frmOndivel().Width = 9000;
    FrmGBF& a = openGbf(SideA);
    EXPECT_DOUBLE_EQ(a.Left, 9720);
    EXPECT_DOUBLE_EQ(a.Top, 0);
    user::key(a, 113);
    EXPECT_TRUE(platform.helpRequests.empty());
}

} // namespace
} // namespace ondivel
