#include <gtest/gtest.h>

#include "bench/scope/bench_fixture.h"
#include "bench/toolbox/channel_assembly.h"

namespace ondivel {
namespace {

class ChannelAssembly : public testing::Bench {
  protected:
    void SetUp() override { app.g.EntreeBrancheeCH1 = app.g.EntreeBrancheeCH2 = true; }
    // Lights one coupling of a channel, as the panel's coupling button leaves them.
    void coupling(int channel, Coupling c) {
        for (int k = 0; k < 3; ++k)
            scope().shpACDC[3 * channel + k].FillColor = kLampOff;
        scope().shpACDC[3 * channel + static_cast<int>(c)].FillColor = kLampOn;
    }
};

TEST_F(ChannelAssembly, GroundOrAMissingCableFlattensOnlyThatChannel) {
    source(SideA, "Sinus", 5, 1000);
    source(SideB, "Cc", -9, 0);
    coupling(0, Coupling::GND);
    coupling(1, Coupling::DC);
    AssembleChannels(app);
    EXPECT_DOUBLE_EQ(app.g.AmplitudeCH1, 0);
    EXPECT_EQ(app.g.SignalCH1, "Sinus"); // the trace keeps its kind
    EXPECT_DOUBLE_EQ(app.g.FrequenceCH1, 1000);
    EXPECT_DOUBLE_EQ(app.g.AmplitudeCH2, -9);

    coupling(0, Coupling::AC);
    app.g.EntreeBrancheeCH1 = false;
    AssembleChannels(app);
    EXPECT_DOUBLE_EQ(app.g.AmplitudeCH1, 0);
    app.g.EntreeBrancheeCH1 = true;
    app.g.SourceBrancheeB = false;
    AssembleChannels(app);
    EXPECT_DOUBLE_EQ(app.g.AmplitudeCH1, 5);
    EXPECT_DOUBLE_EQ(app.g.AmplitudeCH2, 0);
}

TEST_F(ChannelAssembly, GeneratorDutyCycleIsHeldInsideTenToNinetyForTheSquareOnly) {
    source(SideA, "Carre", 2, 1000);
    coupling(0, Coupling::AC);
    const struct {
        double knob, slider;
        bool squareLamp;
        float duty;
    } cases[] = {{100, 0, true, 0.9F},  {100, 0, false, 1.0F}, {0, 0, true, 0.1F},
                 {30, 5, false, 0.35F}, {0, -10, false, 0.0F}, {100, 10, false, 1.0F}};
    for (const auto& c : cases) {
        generator(SideA, c.knob, 100, c.squareLamp);
        app.frmGBFA().sldReglage[2].Value = c.slider;
        AssembleChannels(app);
        EXPECT_FLOAT_EQ(app.g.RapportCycliqueCH1, c.duty) << c.knob << " " << c.slider;
    }
}

TEST_F(ChannelAssembly, GeneratorOffsetCountsInDcCouplingOnlyWhileTheGeneratorIsWiredAndOn) {
    source(SideB, "Sinus", 1, 500);
    generator(SideB, 50, 150, false); // 50 tenths above the centre: +5 V
    coupling(1, Coupling::DC);
    app.frmGBFB().sldReglage[3].Value = -10; // −10 half-tenths: −0.5 V
    AssembleChannels(app);
    EXPECT_DOUBLE_EQ(app.g.OffsetCH2, 4.5);
    EXPECT_DOUBLE_EQ(app.g.OffsetCH1, 0);

    coupling(1, Coupling::AC);
    AssembleChannels(app);
    EXPECT_DOUBLE_EQ(app.g.OffsetCH2, 0);
    coupling(1, Coupling::DC);
    app.frmGBFB().chkOn.Caption = "On"; // switched off
    AssembleChannels(app);
    EXPECT_DOUBLE_EQ(app.g.OffsetCH2, 0);
    EXPECT_FLOAT_EQ(app.g.RapportCycliqueCH2, 0);
    generator(SideB, 50, 150, false);
    app.frmToolBox().optConnexion[10].Value = 0; // the toolbox wires something else to CH2
    AssembleChannels(app);
    EXPECT_DOUBLE_EQ(app.g.OffsetCH2, 0);
}

TEST_F(ChannelAssembly, EvaluatedModeDrawsTheExerciseWithHalfDutyAndTheLastOffsets) {
    source(SideA, "Carre", 2, 1000);
    coupling(0, Coupling::DC);
    coupling(1, Coupling::GND);
    generator(SideA, 25, 120, true);
    AssembleChannels(app); // free mode: a 2 V offset on CH1
    app.mdi().ModeLibre = false;
    app.g.ExoSignalCH1 = "TRIANGULAIRE";
    app.g.ExoAmplitudeCH1 = 4;
    app.g.ExoFrequenceCH1 = 250;
    app.g.ExoAmplitudeCH2 = 1;
    AssembleChannels(app);
    EXPECT_EQ(app.g.SignalCH1, "TRIANGULAIRE");
    EXPECT_DOUBLE_EQ(app.g.AmplitudeCH1, 4);
    EXPECT_DOUBLE_EQ(app.g.FrequenceCH1, 250);
    EXPECT_FLOAT_EQ(app.g.RapportCycliqueCH1, 0.5F);
    EXPECT_FLOAT_EQ(app.g.RapportCycliqueCH2, 0.5F);
    EXPECT_DOUBLE_EQ(app.g.OffsetCH1, 2);
    EXPECT_DOUBLE_EQ(app.g.AmplitudeCH2, 0); // grounding still applies
}

TEST_F(ChannelAssembly, RealisticAcCouplingBlocksEveryConstantVoltageOnlyWhenChosen) {
    source(SideA, "Cc", -4.5, 0);
    source(SideB, "Sinus", 1, 500);
    generator(SideB, 50, 150, false); // +5 V of offset
    coupling(0, Coupling::AC);
    coupling(1, Coupling::DC);
    AssembleChannels(app); // the classic coupling: the battery stays in AC
    EXPECT_DOUBLE_EQ(app.g.AmplitudeCH1, -4.5);

    app.g.CouplageACBloqueDC = true;
    AssembleChannels(app);
    EXPECT_DOUBLE_EQ(app.g.AmplitudeCH1, 0);
    EXPECT_EQ(app.g.SignalCH1, "Cc");
    EXPECT_DOUBLE_EQ(app.g.AmplitudeCH2, 1); // a DC-coupled channel passes everything
    EXPECT_DOUBLE_EQ(app.g.OffsetCH2, 5);
    coupling(0, Coupling::DC);
    AssembleChannels(app);
    EXPECT_DOUBLE_EQ(app.g.AmplitudeCH1, -4.5);

    // An evaluation keeps the last free-mode offset, which AC coupling now blocks; the
    // exercise's periodic signal passes, its DC one does not.
    app.mdi().ModeLibre = false;
    app.g.ExoSignalCH1 = "CC";
    app.g.ExoAmplitudeCH1 = 3;
    app.g.ExoSignalCH2 = "sinusoïdale";
    app.g.ExoAmplitudeCH2 = 2;
    coupling(0, Coupling::AC);
    coupling(1, Coupling::AC);
    AssembleChannels(app);
    EXPECT_DOUBLE_EQ(app.g.AmplitudeCH1, 0);
    EXPECT_DOUBLE_EQ(app.g.AmplitudeCH2, 2);
    EXPECT_DOUBLE_EQ(app.g.OffsetCH2, 0);
}

} // namespace
} // namespace ondivel
