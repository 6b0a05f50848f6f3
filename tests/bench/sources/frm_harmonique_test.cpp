#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bench/scope/bench_fixture.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/sources/frm_harmonique.h"
#include "core/recording_surface.h"
#include "core/user_input.h"

namespace ondivel {
namespace {

// The percentages shown for orders 1 … count.
std::vector<std::string> percents(const FrmHarmonique& h, int count = 7) {
    std::vector<std::string> shown;
    for (int i = 0; i < count; ++i)
        shown.push_back(h.lblAmpli[i].Caption);
    return shown;
}

int selectedPreset(const FrmHarmonique& h) {
    for (int i = 0; i < FrmHarmonique::kPresets; ++i)
        if (h.optSignal[i].isOn()) return i;
    return -1;
}

// A spectrum left by a previous session is the harmo_* scenarios'.
class HarmonicPanel : public testing::BenchTest {
  protected:
    // The user chooses "Générateur harmoniques" for the side; r1 then r2 give the start values.
    FrmHarmonique& openHarmonic(int side, double r1 = 0.5, double r2 = 0.5) {
        platform.randomValues = {r1, r2};
        user::click(toolbox.optConnexion[side == SideB ? FrmToolBox::kHarmonicB : FrmToolBox::kHarmonicA]);
        return app.frmHarmonique(side);
    }
    int redraws() { return static_cast<RecordingSurface&>(app.frmOndivel().screen()).clearCount(); }
};

TEST_F(HarmonicPanel, ReadyMadeSpectraSetEveryOrderFromFullScale) {
    FrmHarmonique& h = openHarmonic(SideA);

    user::click(h.optSignal[1]);                 // "Carré": odd orders at 1/n
    EXPECT_DOUBLE_EQ(h.sldAmpli[18].Value, -53); // 1000 / 19 = 52.6

    // The fundamental lowered by hand comes back to 100 %; 1/n² on odd orders, every other one
    // of them inverted.
    user::slide(h.sldAmpli[0], -500);
    EXPECT_EQ(h.lblAmpli[0].Caption, "50");
    user::click(h.optSignal[2]); // "Triangulaire"
    EXPECT_EQ(percents(h, 5), (std::vector<std::string>{"100", "0", "11,1", "0", "4"}));
    EXPECT_DOUBLE_EQ(h.sldAmpli[2].Value, -111);
    const char* phases[8] = {"0°", "0°", "-180°", "0°", "0°", "0°", "-180°", "0°"};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(h.lblPhase[i].Caption, phases[i]) << "order " << i + 1;
    EXPECT_DOUBLE_EQ(h.sldPhase[18].Value, -2);
    EXPECT_DOUBLE_EQ(h.sldX0.Value, 2);

    user::click(h.optSignal[3]); // "Dent de scie": every order at 1/n, even ones inverted
    EXPECT_EQ(percents(h, 4), (std::vector<std::string>{"100", "50", "33,3", "25"}));
    EXPECT_EQ(h.lblAmpli[15].Caption, "6,2") << "62.5 steps round half to even";
    EXPECT_EQ(h.lblPhase[1].Caption, "-180°");
    EXPECT_EQ(h.lblPhase[2].Caption, "0°");
    EXPECT_DOUBLE_EQ(h.sldX0.Value, 3);

    user::click(h.optSignal[0]); // "Sinusoïde rang 1"
    EXPECT_EQ(percents(h, 4), (std::vector<std::string>{"100", "0", "0", "0"}));
    EXPECT_EQ(h.lblPhase[1].Caption, "0°");
    EXPECT_DOUBLE_EQ(h.sldX0.Value, 0);
}

TEST_F(HarmonicPanel, TheRectifiedSineHasEvenOrdersOnlyAndTheAmplitudeAsMeanValue) {
    FrmHarmonique& h = openHarmonic(SideA);
    for (auto [amplitude, mean] : {std::pair{6.5, 6.0}, {7.5, 8.0}, {3.2, 3.0}}) {
        SCOPED_TRACE(amplitude);
        g.AmplitudeA = amplitude;
        user::click(h.optSignal[0]);
        user::click(h.optSignal[4]);
        EXPECT_DOUBLE_EQ(h.sldX0.Value, mean);
    }
    EXPECT_EQ(percents(h, 6), (std::vector<std::string>{"0", "33,3", "0", "6,7", "0", "2,9"}));
    EXPECT_DOUBLE_EQ(h.sldAmpli[0].Value, 0);
}

TEST_F(HarmonicPanel, APresetRedrawsOnceAndAHandMoveMakesTheSpectrumTheUsersOwn) {
    FrmHarmonique& h = openHarmonic(SideA);
    int before = redraws();
    user::click(h.optSignal[1]);
    EXPECT_EQ(redraws(), before + 1) << "forty slider changes, one drawing";
    EXPECT_EQ(selectedPreset(h), 1);

    user::slide(h.sldPhase[4], 1);
    EXPECT_EQ(h.lblPhase[4].Caption, "90°");
    EXPECT_EQ(selectedPreset(h), -1);

    user::click(h.optSignal[1]);
    before = redraws();
    user::slide(h.sldAmpli[5], -255);
    EXPECT_EQ(h.lblAmpli[5].Caption, "25,5");
    EXPECT_GT(redraws(), before);

    // Program-side changes (the preset rewriting the sliders) keep the selection.
    user::click(h.optSignal[2]);
    h.sldAmpli[3].setValue(-100);
    h.sldPhase[3].setValue(2);
    EXPECT_EQ(selectedPreset(h), 2);
    EXPECT_EQ(h.lblPhase[3].Caption, "180°");

    // During an evaluation the sliders no longer redraw; the power switch still does.
    app.mdi().ModeLibre = false;
    before = redraws();
    user::slide(h.sldAmpli[0], -700);
    user::slide(h.sldX0, 10);
    user::click(h.optSignal[3]);
    EXPECT_EQ(redraws(), before);
    user::click(h.chkOn);
    EXPECT_EQ(redraws(), before + 1);
}

TEST_F(HarmonicPanel, TheFrequencyKeepsTheResolutionOfItsRange) {
    FrmHarmonique& h = openHarmonic(SideA);
    struct Case {
        int range;
        double knob, fine, frequency;
    };
    for (const Case c : {Case{2, 600.5, 0, 600}, Case{2, 601.5, 0, 602}, Case{2, 600.4, 3, 603},
                         Case{5, 650.7, 0, 0.651}, Case{5, 2.5, -1, 0.002}, Case{4, 650.75, 0, 6.51},
                         Case{3, 650.75, 0, 65.1}, Case{1, 650.7, 0, 6510}, Case{0, 650.7, 0, 65070}}) {
        SCOPED_TRACE(::testing::Message() << "range " << c.range << " knob " << c.knob);
        user::click(h.optGamme[c.range]);
        user::drag(h.Potentio[0], c.knob);
        if (c.fine != 0) user::slide(h.sldReglage, c.fine);
        EXPECT_DOUBLE_EQ(g.FrequenceA, c.frequency);
    }
}

TEST_F(HarmonicPanel, SideBDeliversItsOwnChannelAndItsLampsFollowThePower) {
    FrmHarmonique& h = openHarmonic(SideB);
    user::click(h.imgBorne[0]);
    user::click(h.chkOn);
    user::click(h.imgBorne[1]);
    EXPECT_TRUE(g.SourceBrancheeB);
    EXPECT_FALSE(g.SourceBrancheeA);
    user::click(h.optGamme[4]);
    EXPECT_EQ(h.shpFreq[2].FillColor, kLampOff);
    EXPECT_EQ(h.shpFreq[4].FillColor, kLampOn);

    user::click(h.chkOn);
    EXPECT_FALSE(g.SourceBrancheeB);
    EXPECT_EQ(h.imgOn.ToolTipText, "Générateur éteint");
    EXPECT_EQ(h.shpFreq[4].FillColor, kLampOff);
    user::close(h);
    EXPECT_TRUE(toolbox.optConnexion[FrmToolBox::kNoneB].isOn());
}

} // namespace
} // namespace ondivel
