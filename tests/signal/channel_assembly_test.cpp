#include <gtest/gtest.h>

#include "scope/bench_fixture.h"
#include "signal/channel_assembly.h"

namespace ondivel {
namespace {

class ChannelAssembly : public testing::Bench {
protected:
    // Lights one coupling of a channel, the way the panel's coupling button leaves them.
    void coupling(int channel, Coupling c) {
        for (int k = 0; k < 3; ++k) scope().shpACDC[3 * channel + k].FillColor = kLampOff;
        scope().shpACDC[3 * channel + static_cast<int>(c)].FillColor = kLampOn;
    }
    void pluggedInputs() { app.g.EntreeBrancheeCH1 = app.g.EntreeBrancheeCH2 = true; }
};

TEST_F(ChannelAssembly, FreeModeCopiesEachSideToItsChannel) {
    source(SideA, "Sinus", 5, 1000);
    source(SideB, "Cc", -9, 0);
    pluggedInputs();
    coupling(0, Coupling::AC);
    coupling(1, Coupling::DC);
    AssembleChannels(app);
    EXPECT_EQ(app.g.SignalCH1, "Sinus");
    EXPECT_DOUBLE_EQ(app.g.AmplitudeCH1, 5);
    EXPECT_DOUBLE_EQ(app.g.FrequenceCH1, 1000);
    EXPECT_EQ(app.g.SignalCH2, "Cc");
    EXPECT_DOUBLE_EQ(app.g.AmplitudeCH2, -9);
}

TEST_F(ChannelAssembly, GroundOrAMissingCableFlattensOnlyThatChannel) {
    source(SideA, "Sinus", 5, 1000);
    source(SideB, "Carre", 3, 200);
    pluggedInputs();
    coupling(0, Coupling::GND);
    coupling(1, Coupling::AC);
    AssembleChannels(app);
    EXPECT_DOUBLE_EQ(app.g.AmplitudeCH1, 0);
    EXPECT_EQ(app.g.SignalCH1, "Sinus"); // the trace keeps its kind
    EXPECT_DOUBLE_EQ(app.g.FrequenceCH1, 1000);
    EXPECT_DOUBLE_EQ(app.g.AmplitudeCH2, 3);

    coupling(0, Coupling::AC);
    app.g.EntreeBrancheeCH1 = false; // CH1 cable pulled out of the oscilloscope
    AssembleChannels(app);
    EXPECT_DOUBLE_EQ(app.g.AmplitudeCH1, 0);
    EXPECT_DOUBLE_EQ(app.g.AmplitudeCH2, 3);

    app.g.EntreeBrancheeCH1 = true;
    app.g.SourceBrancheeB = false; // generator B switched off
    AssembleChannels(app);
    EXPECT_DOUBLE_EQ(app.g.AmplitudeCH1, 5);
    EXPECT_DOUBLE_EQ(app.g.AmplitudeCH2, 0);
}

TEST_F(ChannelAssembly, GeneratorDutyCycleIsClampedForTheSquareOnly) {
    source(SideA, "Carre", 2, 1000);
    pluggedInputs();
    coupling(0, Coupling::AC);
    generator(SideA, 100, 100, true);
    AssembleChannels(app);
    EXPECT_FLOAT_EQ(app.g.RapportCycliqueCH1, 0.9F);

    generator(SideA, 100, 100, false); // triangle selected: a pure rising ramp
    AssembleChannels(app);
    EXPECT_FLOAT_EQ(app.g.RapportCycliqueCH1, 1.0F);

    generator(SideA, 0, 100, true);
    AssembleChannels(app);
    EXPECT_FLOAT_EQ(app.g.RapportCycliqueCH1, 0.1F);

    // The fine slider adds hundredths, and the sum is clamped to 0…1.
    generator(SideA, 30, 100, false);
    app.frmGBFA().sldReglage[2].Value = 5;
    AssembleChannels(app);
    EXPECT_FLOAT_EQ(app.g.RapportCycliqueCH1, 0.35F);
    app.frmGBFA().Potentio[2].Value = 0;
    app.frmGBFA().sldReglage[2].Value = -10;
    AssembleChannels(app);
    EXPECT_FLOAT_EQ(app.g.RapportCycliqueCH1, 0.0F);
}

TEST_F(ChannelAssembly, GeneratorOffsetOnlyInDcCoupling) {
    source(SideB, "Sinus", 1, 500);
    pluggedInputs();
    generator(SideB, 50, 150, false); // 150 tenths above 100: +5 V
    coupling(1, Coupling::DC);
    AssembleChannels(app);
    EXPECT_DOUBLE_EQ(app.g.OffsetCH2, 5);
    app.frmGBFB().sldReglage[3].Value = -10; // −10 halves of a tenth: −0.5 V
    AssembleChannels(app);
    EXPECT_DOUBLE_EQ(app.g.OffsetCH2, 4.5);

    coupling(1, Coupling::AC);
    AssembleChannels(app);
    EXPECT_DOUBLE_EQ(app.g.OffsetCH2, 0);
    coupling(1, Coupling::GND);
    AssembleChannels(app);
    EXPECT_DOUBLE_EQ(app.g.OffsetCH2, 0);
    EXPECT_DOUBLE_EQ(app.g.OffsetCH1, 0); // side A has no generator wired
}

TEST_F(ChannelAssembly, AGeneratorOffOrNotWiredGivesNeitherOffsetNorDuty) {
    source(SideA, "Carre", 2, 1000);
    pluggedInputs();
    coupling(0, Coupling::DC);
    generator(SideA, 25, 180, true);
    app.frmGBFA().chkOn.Caption = "On"; // switched off
    AssembleChannels(app);
    EXPECT_DOUBLE_EQ(app.g.OffsetCH1, 0);
    EXPECT_FLOAT_EQ(app.g.RapportCycliqueCH1, 0);

    generator(SideA, 25, 180, true);
    app.frmToolBox().optConnexion[1].Value = 0; // the toolbox wires something else
    AssembleChannels(app);
    EXPECT_DOUBLE_EQ(app.g.OffsetCH1, 0);
    EXPECT_FLOAT_EQ(app.g.RapportCycliqueCH1, 0);
}

TEST_F(ChannelAssembly, EvaluatedModeDrawsTheExerciseWithHalfDuty) {
    source(SideA, "Carre", 2, 1000);
    pluggedInputs();
    coupling(0, Coupling::DC);
    coupling(1, Coupling::AC);
    generator(SideA, 25, 120, true);
    AssembleChannels(app); // a free-mode refresh leaves a 2 V offset on CH1
    ASSERT_DOUBLE_EQ(app.g.OffsetCH1, 2);

    app.mdi().ModeLibre = false;
    app.g.ExoSignalCH1 = "TRIANGULAIRE";
    app.g.ExoAmplitudeCH1 = 4;
    app.g.ExoFrequenceCH1 = 250;
    app.g.ExoSignalCH2 = "sinusoïdale";
    app.g.ExoAmplitudeCH2 = 1;
    app.g.ExoFrequenceCH2 = 50;
    source(SideB, "Cc", 0, 0);
    AssembleChannels(app);
    EXPECT_EQ(app.g.SignalCH1, "TRIANGULAIRE");
    EXPECT_DOUBLE_EQ(app.g.AmplitudeCH1, 4);
    EXPECT_DOUBLE_EQ(app.g.FrequenceCH1, 250);
    EXPECT_EQ(app.g.SignalCH2, "sinusoïdale");
    EXPECT_DOUBLE_EQ(app.g.FrequenceCH2, 50);
    EXPECT_FLOAT_EQ(app.g.RapportCycliqueCH1, 0.5F);
    EXPECT_FLOAT_EQ(app.g.RapportCycliqueCH2, 0.5F);
    EXPECT_DOUBLE_EQ(app.g.OffsetCH1, 2); // kept from the last free-mode refresh

    coupling(1, Coupling::GND); // grounding still applies to the exercise
    AssembleChannels(app);
    EXPECT_DOUBLE_EQ(app.g.AmplitudeCH2, 0);
}

} // namespace
} // namespace ondivel
