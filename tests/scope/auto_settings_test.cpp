#include "scope/auto_settings.h"

#include <gtest/gtest.h>

#include "bench_fixture.h"
#include "scope/scales.h"

namespace ondivel::testing {
namespace {

TEST(AutoScaleChoice, SensitivityIsTheSmallestScaleHoldingTheNeededVoltsPerDivision) {
    EXPECT_EQ(SensitivityKnobFor(0), 13);      // nothing to show: finest scale
    EXPECT_EQ(SensitivityKnobFor(0.005), 13);  // a boundary keeps the finer scale
    EXPECT_EQ(SensitivityKnobFor(0.0051), 12); // just above needs 10 mV/div
    EXPECT_EQ(SensitivityKnobFor(0.375), 7);   // 1.5 V battery: 0.5 V/div
    EXPECT_EQ(SensitivityKnobFor(1.25), 5);    // 5 V peak: 2 V/div
    EXPECT_EQ(SensitivityKnobFor(2), 5);
    EXPECT_EQ(SensitivityKnobFor(2.25), 4); // 9 V battery: 5 V/div
    EXPECT_EQ(SensitivityKnobFor(50), 1);
    EXPECT_EQ(SensitivityKnobFor(81.3), 0); // European mains: 100 V/div
    EXPECT_EQ(SensitivityKnobFor(1e6), 0);
    EXPECT_EQ(SensitivityKnobFor(-0.1), 0); // a negative amplitude falls outside every range
}

TEST(AutoScaleChoice, TimeBaseIsTheSmallestSweepHoldingTheNeededSecondsPerDivision) {
    EXPECT_EQ(TimeBaseKnobFor(0), 17);
    EXPECT_EQ(TimeBaseKnobFor(1e-6), 17);
    EXPECT_EQ(TimeBaseKnobFor(1.1e-6), 16);
    EXPECT_EQ(TimeBaseKnobFor(1e-4), 11);    // 1 kHz over ten divisions: 0.1 ms/div
    EXPECT_EQ(TimeBaseKnobFor(3.33e-4), 9);  // 300 Hz: 0.5 ms/div
    EXPECT_EQ(TimeBaseKnobFor(1.667e-3), 7); // 60 Hz: 2 ms/div
    EXPECT_EQ(TimeBaseKnobFor(0.2), 1);
    EXPECT_EQ(TimeBaseKnobFor(0.25), 0); // slower than the slowest listed range
    EXPECT_EQ(TimeBaseKnobFor(-1), 0);
}

// The scope on screen with scales deliberately far from anything the automatic setting would
// choose, so that a scale left alone is told apart from one that was set.
class AutoSettingsBench : public Bench {
  protected:
    AutoSettingsBench() {
        scope().Show();
        turn(KnobTimeBase, 0);        // 0.5 s/div
        turn(KnobSensitivityCH1, 13); // 5 mV/div
        turn(KnobSensitivityCH2, 13);
        turn(KnobPositionH, 1000);
        turn(KnobPositionCH1, 100);
        turn(KnobPositionCH2, 1300);
    }

    void turn(int knob, double value) {
        scope().Potentio[knob].Value = value;
        ApplyKnob(app, kLeftButton, knob);
    }

    // The toolbox choice of each channel, set without opening any panel.
    void wire(int optionA, int optionB) {
        ControlArray& options = app.frmToolBox().optConnexion;
        for (int i = 0; i < options.size(); ++i)
            options[i].Value = i == optionA || i == optionB;
    }

    double knob(int index) { return scope().Potentio[index].Value; }
};

TEST_F(AutoSettingsBench, OneKilohertzSineFillsTwoAndAHalfDivisionsAndTenPeriods) {
    wire(FrmToolBox::kGbfA, FrmToolBox::kNoneB);
    source(SideA, "Sinus", 5, 1000);
    AutoSettings(app);

    EXPECT_EQ(app.g.SensibiliteCH1, 2);
    EXPECT_EQ(scope().cboSensibiliteVerticaleA.listText(), "2 V/div");
    EXPECT_EQ(app.g.BaseTemps, 0.0001);
    EXPECT_EQ(scope().cboBaseTemps.listText(), "0.1 ms/div");
    EXPECT_EQ(knob(KnobTimeBase), 11);
    EXPECT_EQ(knob(KnobSensitivityCH1), 5);

    // The unwired channel keeps its scale although its knob shows the starting position.
    EXPECT_EQ(app.g.SensibiliteCH2, 0.005);
    EXPECT_EQ(knob(KnobSensitivityCH2), 4);

    // Traces centred, position knobs untouched.
    EXPECT_EQ(app.g.PositionH, 0);
    EXPECT_EQ(app.g.PositionCH1, 0);
    EXPECT_EQ(app.g.PositionCH2, 0);
    EXPECT_EQ(knob(KnobPositionH), 1000);
    EXPECT_EQ(knob(KnobPositionCH2), 1300);
}

TEST_F(AutoSettingsBench, BatteriesSetTheirSensitivityAndLeaveTheTimeBaseAlone) {
    wire(5, 8); // 9 V on CH1, 1.5 V on CH2
    AutoSettings(app);
    EXPECT_EQ(app.g.SensibiliteCH1, 5);   // 9 / 4 = 2.25
    EXPECT_EQ(app.g.SensibiliteCH2, 0.5); // 1.5 / 4 = 0.375
    EXPECT_EQ(app.g.BaseTemps, 0.5);      // nothing periodic
    EXPECT_EQ(knob(KnobTimeBase), 7);

    wire(4, 7); // 4.5 V on both: 1.125 needs 2 V/div
    AutoSettings(app);
    EXPECT_EQ(app.g.SensibiliteCH1, 2);
    EXPECT_EQ(app.g.SensibiliteCH2, 2);
}

TEST_F(AutoSettingsBench, SupplyUsesItsMagnitudeWhateverItsPolarity) {
    wire(FrmToolBox::kNoneA, 9);
    source(SideB, "Cc", -12, 0);
    AutoSettings(app);
    EXPECT_EQ(app.g.SensibiliteCH2, 5); // 12 / 4 = 3
    EXPECT_EQ(app.g.SensibiliteCH1, 0.005);
    EXPECT_EQ(app.g.BaseTemps, 0.5);
}

TEST_F(AutoSettingsBench, SixtyHertzMainsFitsFiftyVoltsAndTwoMillisecondsPerDivision) {
    wire(12, FrmToolBox::kNoneB);
    source(SideA, "Sinus", 169.7, 60);
    AutoSettings(app);
    EXPECT_EQ(app.g.SensibiliteCH1, 50); // 169.7 / 4 ≈ 42.4
    EXPECT_EQ(app.g.BaseTemps, 0.002);   // 1 / 60 / 10 ≈ 1.67 ms
}

TEST_F(AutoSettingsBench, AlternatorPeakIsHalfAsHighAgainAsItsAmplitude) {
    wire(FrmToolBox::kNoneA, 15);
    source(SideB, "Dyn", 8, 20);
    AutoSettings(app);
    EXPECT_EQ(app.g.SensibiliteCH2, 5); // 8 × 1.5 / 4 = 3, not 2 V/div
    EXPECT_EQ(app.g.BaseTemps, 0.005);  // 1 / 20 / 10
}

TEST_F(AutoSettingsBench, HarmonicGeneratorIsReadLikeTheFunctionGenerator) {
    wire(FrmToolBox::kHarmonicA, FrmToolBox::kNoneB);
    source(SideA, "harmo", 1, 500);
    AutoSettings(app);
    EXPECT_EQ(app.g.SensibiliteCH1, 0.5); // 0.25 V/div needed
    EXPECT_EQ(app.g.BaseTemps, 0.0002);   // 1 / 500 / 10
}

TEST_F(AutoSettingsBench, TheSlowerOfTwoPeriodicSourcesDecidesTheTimeBase) {
    // Mains at 50 Hz on CH1, a 300 Hz generator on CH2: the mains wins although it comes first.
    wire(12, FrmToolBox::kGbfB);
    source(SideA, "Sinus", 325.3, 50);
    source(SideB, "Sinus", 5, 300);
    AutoSettings(app);
    EXPECT_EQ(app.g.BaseTemps, 0.002);
    EXPECT_EQ(app.g.SensibiliteCH1, 100); // 81.3 V/div needed
    EXPECT_EQ(app.g.SensibiliteCH2, 2);   // 1.25

    // A 10 Hz generator on CH2 is now the slower one.
    source(SideB, "Sinus", 5, 10);
    AutoSettings(app);
    EXPECT_EQ(app.g.BaseTemps, 0.01);
}

TEST_F(AutoSettingsBench, StoppedGeneratorGetsTheFastestSweep) {
    wire(FrmToolBox::kGbfA, FrmToolBox::kNoneB);
    source(SideA, "Sinus", 0, 0);
    AutoSettings(app);
    EXPECT_EQ(app.g.SensibiliteCH1, 0.005);
    EXPECT_EQ(app.g.BaseTemps, 1e-6);
}

TEST_F(AutoSettingsBench, NothingWiredOnlyCentresTheTraces) {
    wire(FrmToolBox::kNoneA, FrmToolBox::kNoneB);
    AutoSettings(app);
    EXPECT_EQ(app.g.SensibiliteCH1, 0.005);
    EXPECT_EQ(app.g.SensibiliteCH2, 0.005);
    EXPECT_EQ(app.g.BaseTemps, 0.5);
    EXPECT_EQ(app.g.PositionCH1, 0);
    EXPECT_EQ(knob(KnobSensitivityCH1), 4);
}

} // namespace
} // namespace ondivel::testing
