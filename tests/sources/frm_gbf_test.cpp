#include <gtest/gtest.h>

#include "core/user_input.h"
#include "scope/frm_ondivel.h"
#include "sources/bench_setup.h"

namespace ondivel {
namespace {

using testing::formatterReady;

void expectReadout(const FrmGBF& gbf, const char* text) {
    if (formatterReady()) {
        EXPECT_EQ(gbf.lblFreq.Caption, text);
    }
}

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
    FrmGBF& gbf = gbfA;
    expectReadout(gbf, "0,650");
    EXPECT_EQ(gbf.lblUnite.Caption, "kHz");
    EXPECT_EQ(g.SignalA, "Sinus");
    EXPECT_EQ(gbf.chkOn.Caption, "On");
    EXPECT_FALSE(g.SourceBrancheeA || gbf.imgFiche[0].Visible || gbf.lblFreq.Visible);
    EXPECT_EQ(litLamp(gbf.shpFreq), -1);
}

TEST_F(GbfPanel, TheFrequencyFollowsTheRangeWithTheKnobInPlace) {
    FrmGBF& gbf = openGbf(SideA);
    user::drag(gbf.Potentio[0], 600);
    user::click(gbf.optGamme[4]); // "10"
    EXPECT_DOUBLE_EQ(g.FrequenceA, 6);
    EXPECT_EQ(gbf.lblUnite.Caption, "Hz");
    EXPECT_DOUBLE_EQ(gbf.Potentio[0].Value, 600);
    expectReadout(gbf, "06,00");

    user::click(gbf.optGamme[0]); // "100k"
    EXPECT_DOUBLE_EQ(g.FrequenceA, 60000);
    EXPECT_EQ(gbf.lblUnite.Caption, "kHz");
    expectReadout(gbf, "060,0");

    user::click(gbf.optGamme[5]); // "1": full scale 1.2 Hz
    user::drag(gbf.Potentio[0], 1200);
    EXPECT_DOUBLE_EQ(g.FrequenceA, 1.2);
}

TEST_F(GbfPanel, PowerLightsTheLampsOfTheSelectedRangeAndWaveform) {
    FrmGBF& gbf = openGbf(SideA);
    user::click(gbf.optGamme[3]);
    user::click(gbf.optSignal[2]);
    EXPECT_EQ(g.SignalA, "Triangle");
    EXPECT_EQ(litLamp(gbf.shpSignal), -1);

    user::click(gbf.chkOn);
    EXPECT_EQ(gbf.chkOn.Caption, "Off");
    EXPECT_EQ(gbf.imgOn.ToolTipText, "GBF allumé");
    EXPECT_TRUE(gbf.lblFreq.Visible && gbf.lblUnite.Visible && gbf.imgSignal.Visible);
    EXPECT_EQ(litLamp(gbf.shpFreq), 3);
    EXPECT_EQ(litLamp(gbf.shpSignal), 2);

    user::click(gbf.optGamme[1]);
    user::click(gbf.optSignal[1]);
    EXPECT_EQ(litLamp(gbf.shpFreq), 1);
    EXPECT_EQ(litLamp(gbf.shpSignal), 1);
    EXPECT_EQ(g.SignalA, "Carre");

    user::click(gbf.chkOn);
    EXPECT_EQ(gbf.imgOn.ToolTipText, "GBF éteint");
    EXPECT_FALSE(gbf.lblFreq.Visible || gbf.lblUnite.Visible || gbf.imgSignal.Visible);
    EXPECT_EQ(litLamp(gbf.shpFreq), -1);
    EXPECT_EQ(litLamp(gbf.shpSignal), -1);
}

TEST_F(GbfPanel, KnobsTakeTheLeftButtonOnlyAndFineSlidersAddWithoutClamping) {
    FrmGBF& gbf = openGbf(SideA);
    user::drag(gbf.Potentio[0], 600);
    user::drag(gbf.Potentio[1], 6000);
    user::slide(gbf.sldReglage[0], 5);  // knob steps of 1 Hz on "1k"
    user::slide(gbf.sldReglage[1], -3); // 0.1 V a step
    EXPECT_DOUBLE_EQ(g.FrequenceA, 605);
    EXPECT_DOUBLE_EQ(g.AmplitudeA, 5.7);
    EXPECT_DOUBLE_EQ(gbf.Potentio[0].Value, 600);

    user::drag(gbf.Potentio[0], 900, kRightButton);
    EXPECT_DOUBLE_EQ(g.FrequenceA, 605);
    EXPECT_DOUBLE_EQ(gbf.sldReglage[0].Value, 5);
    user::drag(gbf.Potentio[0], 0);
    user::drag(gbf.Potentio[1], 0);
    EXPECT_DOUBLE_EQ(gbf.sldReglage[0].Value, 0);
    EXPECT_DOUBLE_EQ(gbf.sldReglage[1].Value, 0);
    user::slide(gbf.sldReglage[0], -10);
    user::slide(gbf.sldReglage[1], -10);
    EXPECT_DOUBLE_EQ(g.FrequenceA, -10);
    EXPECT_DOUBLE_EQ(g.AmplitudeA, -1);

    // A double-click centres the duty-cycle and offset knobs only.
    const double before[4] = {900, 3000, 80, 30}, after[4] = {900, 3000, 50, 100};
    for (int i = 0; i < 4; ++i)
        user::drag(gbf.Potentio[i], before[i]);
    for (int i = 0; i < 4; ++i)
        user::dblClick(gbf.Potentio[i]);
    for (int i = 0; i < 4; ++i)
        EXPECT_DOUBLE_EQ(gbf.Potentio[i].Value, after[i]) << i;
}

TEST_F(GbfPanel, TheSourceDeliversOnlyWhenOnWithBothPlugsIn) {
    FrmGBF& gbf = openGbf(SideA);
    user::click(gbf.imgBorne[0]);
    user::click(gbf.chkOn);
    EXPECT_FALSE(g.SourceBrancheeA) << "COM plug missing";
    user::click(gbf.imgBorne[1]);
    EXPECT_TRUE(g.SourceBrancheeA);
    user::click(gbf.imgFiche[1]); // pulled out
    EXPECT_FALSE(gbf.imgFiche[1].Visible || g.SourceBrancheeA);
    user::click(gbf.imgBorne[1]);
    EXPECT_TRUE(g.SourceBrancheeA);
    user::click(gbf.chkOn);
    EXPECT_FALSE(g.SourceBrancheeA);
    user::click(gbf.imgFiche[0]);
    user::click(gbf.imgBorne[0]);
    EXPECT_FALSE(g.SourceBrancheeA) << "plugging while off";
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
    expectReadout(b, "030,0");
    EXPECT_EQ(b.shpBorne[0].FillColor, g.CouleurB);
    EXPECT_FALSE(g.SourceBrancheeA);
    EXPECT_DOUBLE_EQ(g.FrequenceA, 650);
    EXPECT_EQ(g.SignalA, "Sinus");
}

TEST_F(GbfPanel, ClosingHandsTheChannelBackToNoSupply) {
    FrmGBF& a = openGbf(SideA);
    FrmGBF& b = openGbf(SideB);
    switchOnAndPlug(a);
    user::close(a);
    EXPECT_FALSE(a.loaded());
    EXPECT_TRUE(toolbox.optConnexion[FrmToolBox::kNoneA].isOn());
    EXPECT_EQ(g.SignalA, "Cc");
    EXPECT_FALSE(g.AmplitudeA || g.FrequenceA || g.SourceBrancheeA);
    EXPECT_TRUE(b.loaded() && toolbox.optConnexion[FrmToolBox::kGbfB].isOn());
    user::close(b);
    EXPECT_TRUE(toolbox.optConnexion[FrmToolBox::kNoneB].isOn());
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

    if (!testing::refreshRebuildsChannels()) GTEST_SKIP() << "the refresh does not rebuild the channels yet";
    user::drag(gbf.Potentio[0], 500);
    EXPECT_EQ(g.SignalCH1, "Triangle") << "a knob must still refresh";
}

TEST_F(GbfPanel, OpensBesideTheOscilloscopeRemembersWhereItWasLeftAndAnswersF1) {
    app.frmOndivel().Left = 720;
    app.frmOndivel().Width = 9000;
    FrmGBF& a = openGbf(SideA);
    FrmGBF& b = openGbf(SideB);
    EXPECT_DOUBLE_EQ(a.Left, 9720);
    EXPECT_DOUBLE_EQ(a.Top, 0);
    EXPECT_DOUBLE_EQ(b.Top, 4935);
    user::key(b, 113);
    user::key(b, 112);
    EXPECT_EQ(platform.helpRequests, std::vector<std::string>{"ondivel.chm#3200"});

    if (!testing::settingsStoreReady()) GTEST_SKIP() << "the settings file is not written yet";
    b.Left = 1500;
    b.Top = 2250;
    user::close(b);
    openGbf(SideB);
    EXPECT_DOUBLE_EQ(b.Left, 1500);
    EXPECT_DOUBLE_EQ(b.Top, 2250);
}

} // namespace
} // namespace ondivel
