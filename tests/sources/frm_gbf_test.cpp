#include <gtest/gtest.h>

#include "core/user_input.h"
#include "scope/frm_ondivel.h"
#include "sources/bench_setup.h"

namespace ondivel {
namespace {

using testing::formatterReady;
using testing::refreshRebuildsChannels;
using testing::settingsStoreReady;

// Read-out texts need the number patterns; the other checks of a test run regardless.
void expectReadout(const FrmGBF& gbf, const char* text) {
    if (formatterReady()) {
        EXPECT_EQ(gbf.lblFreq.Caption, text);
    }
}

class GbfPanel : public testing::BenchTest {
protected:
    void SetUp() override { startBench(); }
    int litRange(const FrmGBF& gbf) const {
        int lit = -1;
        for (int i = 0; i < 6; ++i)
            if (gbf.shpFreq[i].FillColor == kLampOn) lit = lit == -1 ? i : 99;
        return lit;
    }
    int litWave(const FrmGBF& gbf) const {
        int lit = -1;
        for (int i = 0; i < 3; ++i)
            if (gbf.shpSignal[i].FillColor == kLampOn) lit = lit == -1 ? i : 99;
        return lit;
    }
};

TEST_F(GbfPanel, StartValuesComeFromTheRandomSourceFrequencyFirst) {
    struct Case {
        double r1, r2, frequency, amplitude;
    };
    // int(r × 1100 + 100) Hz and int(r × 12000) mV: truncated, never rounded.
    for (const Case c : {Case{0.5, 0.5, 650, 6}, Case{0, 0.99999, 100, 11.999}, Case{0.99999, 0, 1199, 0},
                         Case{0.12345, 0.0001, 235, 0.001}}) {
        SCOPED_TRACE(c.r1);
        FrmGBF& gbf = openGbf(SideA, c.r1, c.r2);
        EXPECT_DOUBLE_EQ(g.FrequenceA, c.frequency);
        EXPECT_DOUBLE_EQ(g.AmplitudeA, c.amplitude);
        EXPECT_DOUBLE_EQ(gbf.Potentio[0].Value, c.frequency);
        EXPECT_NEAR(gbf.Potentio[1].Value, c.amplitude * 1000, 1e-9);
        user::close(gbf);
    }
}

TEST_F(GbfPanel, LoadsSwitchedOffOnTheOneKilohertzRangeWithASine) {
    FrmGBF& gbf = openGbf(SideA, 0.5, 0.5);
    EXPECT_TRUE(gbf.Visible);
    EXPECT_EQ(gbf.chkOn.Caption, "On");
    EXPECT_EQ(gbf.imgOn.ToolTipText, "GBF éteint");
    EXPECT_FALSE(g.SourceBrancheeA);
    EXPECT_DOUBLE_EQ(g.GammeA, 1000);
    EXPECT_TRUE(gbf.optGamme[2].isOn());
    EXPECT_EQ(gbf.lblUnite.Caption, "kHz");
    EXPECT_EQ(g.SignalA, "Sinus");
    EXPECT_TRUE(gbf.optSignal[0].isOn());
    // Duty cycle 50 % and no offset: both knobs at their centre.
    EXPECT_DOUBLE_EQ(gbf.Potentio[2].Value, 50);
    EXPECT_DOUBLE_EQ(gbf.Potentio[3].Value, 100);
    EXPECT_DOUBLE_EQ(gbf.Potentio[3].Max, 200);
    // Nothing lit and no read-out while off.
    EXPECT_EQ(litRange(gbf), -1);
    EXPECT_EQ(litWave(gbf), -1);
    EXPECT_FALSE(gbf.lblFreq.Visible);
    EXPECT_FALSE(gbf.imgFiche[0].Visible || gbf.imgFiche[1].Visible);
    expectReadout(gbf, "0,650");
}

TEST_F(GbfPanel, TheFrequencyFollowsTheRangeWithTheKnobInPlace) {
    FrmGBF& gbf = openGbf(SideA);
    user::drag(gbf.Potentio[0], 600);
    EXPECT_DOUBLE_EQ(g.FrequenceA, 600);

    user::click(gbf.optGamme[4]); // "10"
    EXPECT_DOUBLE_EQ(g.FrequenceA, 6);
    EXPECT_DOUBLE_EQ(g.GammeA, 10);
    EXPECT_EQ(gbf.lblUnite.Caption, "Hz");
    EXPECT_DOUBLE_EQ(gbf.Potentio[0].Value, 600);
    expectReadout(gbf, "06,00");

    user::click(gbf.optGamme[0]); // "100k"
    EXPECT_DOUBLE_EQ(g.FrequenceA, 60000);
    EXPECT_EQ(gbf.lblUnite.Caption, "kHz");
    expectReadout(gbf, "060,0");

    // On "1" the knob's full scale is 1.2 Hz.
    user::click(gbf.optGamme[5]);
    user::drag(gbf.Potentio[0], 1200);
    EXPECT_DOUBLE_EQ(g.FrequenceA, 1.2);
}

TEST_F(GbfPanel, PowerLightsTheLampsOfTheSelectedRangeAndWaveform) {
    FrmGBF& gbf = openGbf(SideA);
    user::click(gbf.optGamme[3]);
    user::click(gbf.optSignal[2]);
    EXPECT_EQ(litRange(gbf), -1);
    EXPECT_EQ(g.SignalA, "Triangle");

    user::click(gbf.chkOn);
    EXPECT_EQ(gbf.chkOn.Caption, "Off");
    EXPECT_EQ(gbf.imgOn.Picture, kPictureLampOn);
    EXPECT_EQ(gbf.imgOn.ToolTipText, "GBF allumé");
    EXPECT_TRUE(gbf.lblFreq.Visible && gbf.lblUnite.Visible && gbf.imgSignal.Visible);
    EXPECT_EQ(litRange(gbf), 3);
    EXPECT_EQ(litWave(gbf), 2);

    // While on, a new choice moves the light.
    user::click(gbf.optGamme[1]);
    user::click(gbf.optSignal[1]);
    EXPECT_EQ(litRange(gbf), 1);
    EXPECT_EQ(litWave(gbf), 1);
    EXPECT_EQ(g.SignalA, "Carre");
    EXPECT_EQ(gbf.imgSignal.Picture, kPictureSquare);

    user::click(gbf.chkOn);
    EXPECT_EQ(gbf.chkOn.Caption, "On");
    EXPECT_EQ(gbf.imgOn.Picture, kPictureLampOff);
    EXPECT_EQ(gbf.imgOn.ToolTipText, "GBF éteint");
    EXPECT_FALSE(gbf.lblFreq.Visible || gbf.lblUnite.Visible || gbf.imgSignal.Visible);
    EXPECT_EQ(litRange(gbf), -1);
    EXPECT_EQ(litWave(gbf), -1);
}

TEST_F(GbfPanel, OnlyTheLeftButtonTurnsAKnobAndTurningItResetsItsFineSlider) {
    FrmGBF& gbf = openGbf(SideA);
    user::drag(gbf.Potentio[0], 600);
    user::slide(gbf.sldReglage[0], 4);
    EXPECT_DOUBLE_EQ(g.FrequenceA, 604);

    user::drag(gbf.Potentio[0], 900, kRightButton);
    EXPECT_DOUBLE_EQ(g.FrequenceA, 604);
    EXPECT_DOUBLE_EQ(gbf.sldReglage[0].Value, 4);

    user::drag(gbf.Potentio[0], 900);
    EXPECT_DOUBLE_EQ(g.FrequenceA, 900);
    EXPECT_DOUBLE_EQ(gbf.sldReglage[0].Value, 0);

    user::slide(gbf.sldReglage[1], -2);
    user::drag(gbf.Potentio[1], 2500);
    EXPECT_DOUBLE_EQ(g.AmplitudeA, 2.5);
    EXPECT_DOUBLE_EQ(gbf.sldReglage[1].Value, 0);
}

TEST_F(GbfPanel, FineSlidersAddToTheKnobWithoutMovingItOrClamping) {
    FrmGBF& gbf = openGbf(SideA);
    user::drag(gbf.Potentio[0], 600);
    user::drag(gbf.Potentio[1], 6000);

    user::slide(gbf.sldReglage[0], 5); // five knob steps of 1 Hz on "1k"
    EXPECT_DOUBLE_EQ(g.FrequenceA, 605);
    EXPECT_DOUBLE_EQ(gbf.Potentio[0].Value, 600);
    user::slide(gbf.sldReglage[1], -3); // 0.1 V a step
    EXPECT_DOUBLE_EQ(g.AmplitudeA, 5.7);
    EXPECT_DOUBLE_EQ(gbf.Potentio[1].Value, 6000);

    // Duty-cycle and offset sliders are read by the refresh; they store nothing.
    user::slide(gbf.sldReglage[2], 7);
    user::slide(gbf.sldReglage[3], -7);
    EXPECT_DOUBLE_EQ(g.FrequenceA, 605);
    EXPECT_DOUBLE_EQ(g.AmplitudeA, 5.7);

    user::drag(gbf.Potentio[0], 0);
    user::drag(gbf.Potentio[1], 0);
    user::slide(gbf.sldReglage[0], -10);
    user::slide(gbf.sldReglage[1], -10);
    EXPECT_DOUBLE_EQ(g.FrequenceA, -10);
    EXPECT_DOUBLE_EQ(g.AmplitudeA, -1);
}

TEST_F(GbfPanel, DoubleClickCentresOnlyTheDutyAndOffsetKnobs) {
    FrmGBF& gbf = openGbf(SideA);
    user::drag(gbf.Potentio[0], 900);
    user::drag(gbf.Potentio[1], 3000);
    user::drag(gbf.Potentio[2], 80);
    user::drag(gbf.Potentio[3], 30);
    for (int i = 0; i < 4; ++i) user::dblClick(gbf.Potentio[i]);
    EXPECT_DOUBLE_EQ(gbf.Potentio[0].Value, 900);
    EXPECT_DOUBLE_EQ(gbf.Potentio[1].Value, 3000);
    EXPECT_DOUBLE_EQ(gbf.Potentio[2].Value, 50);
    EXPECT_DOUBLE_EQ(gbf.Potentio[3].Value, 100);
    EXPECT_DOUBLE_EQ(g.FrequenceA, 900);
    EXPECT_DOUBLE_EQ(g.AmplitudeA, 3);
}

TEST_F(GbfPanel, TheSourceDeliversOnlyWhenOnWithBothPlugsIn) {
    FrmGBF& gbf = openGbf(SideA);
    user::click(gbf.imgBorne[0]);
    EXPECT_TRUE(gbf.imgFiche[0].Visible);
    user::click(gbf.chkOn);
    EXPECT_FALSE(g.SourceBrancheeA) << "COM plug missing";
    user::click(gbf.imgBorne[1]);
    EXPECT_TRUE(g.SourceBrancheeA);

    user::click(gbf.imgFiche[1]); // pulling the plug out
    EXPECT_FALSE(gbf.imgFiche[1].Visible);
    EXPECT_FALSE(g.SourceBrancheeA);
    user::click(gbf.imgBorne[1]);
    EXPECT_TRUE(g.SourceBrancheeA);

    user::click(gbf.chkOn);
    EXPECT_FALSE(g.SourceBrancheeA);
    // Plugging while off does not deliver either.
    user::click(gbf.imgFiche[0]);
    user::click(gbf.imgBorne[0]);
    EXPECT_FALSE(g.SourceBrancheeA);
    EXPECT_FALSE(g.SourceBrancheeB);
}

TEST_F(GbfPanel, AReopenedPanelStartsOffWithItsPlugsOutAndSlidersCentred) {
    FrmGBF& gbf = openGbf(SideA);
    switchOnAndPlug(gbf);
    user::slide(gbf.sldReglage[0], 6);
    user::click(gbf.optGamme[0]);
    user::close(gbf);

    openGbf(SideA, 0.5, 0.5);
    EXPECT_EQ(gbf.chkOn.Caption, "On");
    EXPECT_FALSE(gbf.imgFiche[0].Visible || gbf.imgFiche[1].Visible);
    EXPECT_FALSE(g.SourceBrancheeA);
    EXPECT_DOUBLE_EQ(gbf.sldReglage[0].Value, 0);
    EXPECT_TRUE(gbf.optGamme[2].isOn());
    EXPECT_FALSE(gbf.optGamme[0].isOn());
    EXPECT_DOUBLE_EQ(g.FrequenceA, 650);
}

TEST_F(GbfPanel, SideBDrivesOnlyTheSideBGlobals) {
    FrmGBF& a = openGbf(SideA, 0.5, 0.5);
    FrmGBF& b = openGbf(SideB, 0, 0);
    EXPECT_EQ(b.Caption, "GBF - Voie CH2");
    EXPECT_EQ(b.lblFreq.name(), "lblFreqB");
    EXPECT_EQ(b.shpBorne[0].FillColor, g.CouleurB);
    EXPECT_EQ(a.shpBorne[1].FillColor, g.CouleurA);
    EXPECT_DOUBLE_EQ(g.FrequenceB, 100);

    switchOnAndPlug(b);
    user::drag(b.Potentio[0], 300);
    user::drag(b.Potentio[1], 4000);
    user::click(b.optGamme[3]);
    user::click(b.optSignal[1]);
    EXPECT_TRUE(g.SourceBrancheeB);
    EXPECT_DOUBLE_EQ(g.FrequenceB, 30);
    EXPECT_DOUBLE_EQ(g.AmplitudeB, 4);
    EXPECT_EQ(g.SignalB, "Carre");
    expectReadout(b, "030,0");

    EXPECT_FALSE(g.SourceBrancheeA);
    EXPECT_DOUBLE_EQ(g.FrequenceA, 650);
    EXPECT_DOUBLE_EQ(g.AmplitudeA, 6);
    EXPECT_DOUBLE_EQ(g.GammeA, 1000);
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
    EXPECT_DOUBLE_EQ(g.AmplitudeA, 0);
    EXPECT_DOUBLE_EQ(g.FrequenceA, 0);
    EXPECT_FALSE(g.SourceBrancheeA);
    // CH2 keeps its generator.
    EXPECT_TRUE(b.loaded());
    EXPECT_TRUE(toolbox.optConnexion[FrmToolBox::kGbfB].isOn());

    user::close(b);
    EXPECT_TRUE(toolbox.optConnexion[FrmToolBox::kNoneB].isOn());
    EXPECT_EQ(g.SignalB, "Cc");
}

TEST_F(GbfPanel, AnEvaluationFreezesTheScreenForRangeAndWaveformOnly) {
    FrmGBF& gbf = openGbf(SideA);
    app.mdi().ModeLibre = false;
    g.ExoSignalCH1 = "Triangle";
    g.SignalCH1 = "unchanged";

    user::click(gbf.optGamme[4]);
    user::click(gbf.optSignal[1]);
    // The panel itself follows.
    EXPECT_DOUBLE_EQ(g.GammeA, 10);
    EXPECT_EQ(g.SignalA, "Carre");
    EXPECT_EQ(g.SignalCH1, "unchanged") << "range or waveform redrew during an evaluation";

    if (!refreshRebuildsChannels()) GTEST_SKIP() << "the refresh does not rebuild the channels yet";
    user::drag(gbf.Potentio[0], 500);
    EXPECT_EQ(g.SignalCH1, "Triangle") << "a knob must still refresh";
}

TEST_F(GbfPanel, F1OpensTheGeneratorHelpTopic) {
    FrmGBF& gbf = openGbf(SideB);
    user::key(gbf, 113);
    EXPECT_TRUE(platform.helpRequests.empty());
    user::key(gbf, 112);
    ASSERT_EQ(platform.helpRequests.size(), 1u);
    EXPECT_EQ(platform.helpRequests.back(), "ondivel.chm#3200");
}

TEST_F(GbfPanel, OpensBesideTheOscilloscopeAndRemembersWhereItWasLeft) {
    FrmOndivel& scope = app.frmOndivel();
    scope.Left = 720;
    scope.Width = 9000;
    FrmGBF& a = openGbf(SideA);
    FrmGBF& b = openGbf(SideB);
    EXPECT_DOUBLE_EQ(a.Left, 9720);
    EXPECT_DOUBLE_EQ(a.Top, 0);
    EXPECT_DOUBLE_EQ(b.Left, 9720);
    EXPECT_DOUBLE_EQ(b.Top, 4935);

    if (!settingsStoreReady()) GTEST_SKIP() << "the settings file is not written yet";
    b.Left = 1500;
    b.Top = 2250;
    user::close(b);
    openGbf(SideB);
    EXPECT_DOUBLE_EQ(b.Left, 1500);
    EXPECT_DOUBLE_EQ(b.Top, 2250);
    EXPECT_DOUBLE_EQ(a.Top, 0) << "side A keeps its own keys";
}

} // namespace
} // namespace ondivel
