#include "bench/scope/auto_settings.h"

#include <gtest/gtest.h>

#include "bench/scope/scales.h"
#include "bench_fixture.h"

namespace ondivel::testing {
namespace {

TEST(AutoScaleChoice, TheSmallestScaleHoldingTheNeededValuePerDivisionWithBoundariesKeptFiner) {
    // clang-format off
    const struct { double volts; int knob; } sensitivities[] = {
        {0, 13}, {0.005, 13}, {0.0051, 12}, {0.375, 7}, {1.25, 5}, {2, 5}, {2.25, 4}, {50, 1},
        {81.3, 0}, {1e6, 0}, {-0.1, 0}, // a negative amplitude falls outside every range
    };
    const struct { double seconds; int knob; } timeBases[] = {
        {0, 17}, {1e-6, 17}, {1.1e-6, 16}, {1e-4, 11}, {3.33e-4, 9}, {1.667e-3, 7}, {0.2, 1},
        {0.25, 0}, {-1, 0}, // slower than the slowest listed range
    };
    // clang-format on
    for (const auto& c : sensitivities)
        EXPECT_EQ(SensitivityKnobFor(c.volts), c.knob) << c.volts;
    for (const auto& c : timeBases)
        EXPECT_EQ(TimeBaseKnobFor(c.seconds), c.knob) << c.seconds;
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
};

// One bench per row: the toolbox choice of each side, what the sources deliver, and the scales
// the automatic setting must choose. 5 mV/div and 0.5 s/div are the scales it started from.
struct AutoCase {
    const char* name;
    int optionA, optionB;
    const char* signalA;
    double amplitudeA, frequencyA;
    const char* signalB;
    double amplitudeB, frequencyB;
    double sensitivityA, sensitivityB, timeBase;
};

// clang-format off
const AutoCase kAutoCases[] = {
    // Batteries: 9 / 4 = 2.25 and 1.5 / 4 = 0.375; nothing periodic leaves the time base.
    {"Batteries",     5, 8,   "Cc", 0, 0,           "Cc", 0, 0,       5, 0.5, 0.5},
    {"SameBatteries", 4, 7,   "Cc", 0, 0,           "Cc", 0, 0,       2, 2, 0.5},
    // A supply counts by its magnitude: 12 / 4 = 3.
    {"NegativeSupply", FrmToolBox::kNoneA, 9, "", 0, 0, "Cc", -12, 0, 0.005, 5, 0.5},
    // 169.7 / 4 ≈ 42.4 and 1 / 60 / 10 ≈ 1.67 ms.
    {"SixtyHertzMains", 12, FrmToolBox::kNoneB, "Sinus", 169.7, 60, "", 0, 0, 50, 0.005, 0.002},
    // The alternator peaks at 1.5 times its amplitude: 8 × 1.5 / 4 = 3, not 2 V/div.
    {"Alternator", FrmToolBox::kNoneA, 15, "", 0, 0, "Dyn", 8, 20, 0.005, 5, 0.005},
    {"Harmonics", FrmToolBox::kHarmonicA, FrmToolBox::kNoneB, "harmo", 1, 500, "", 0, 0, 0.5, 0.005, 0.0002},
    // The slower of two periodic sources decides, whichever side it is on.
    {"SlowGeneratorOnB", 12, FrmToolBox::kGbfB, "Sinus", 325.3, 50, "Sinus", 5, 10, 100, 2, 0.01},
    {"StoppedGenerator", FrmToolBox::kGbfA, FrmToolBox::kNoneB, "Sinus", 0, 0, "", 0, 0, 0.005, 0.005, 1e-6},
    {"NothingWired", FrmToolBox::kNoneA, FrmToolBox::kNoneB, "", 0, 0, "", 0, 0, 0.005, 0.005, 0.5},
};
// clang-format on

class AutoSettingsCases : public AutoSettingsBench, public ::testing::WithParamInterface<AutoCase> {};

TEST_P(AutoSettingsCases, ChooseEachWiredChannelsScaleAndTheTimeBaseAndCentreTheTraces) {
    const AutoCase& c = GetParam();
    wire(c.optionA, c.optionB);
    if (*c.signalA) source(SideA, c.signalA, c.amplitudeA, c.frequencyA);
    if (*c.signalB) source(SideB, c.signalB, c.amplitudeB, c.frequencyB);
    AutoSettings(app);
    EXPECT_EQ(app.g.SensibiliteCH1, c.sensitivityA);
    EXPECT_EQ(app.g.SensibiliteCH2, c.sensitivityB);
    EXPECT_EQ(app.g.BaseTemps, c.timeBase);
    EXPECT_EQ(app.g.PositionCH1, 0);
    EXPECT_EQ(app.g.PositionCH2, 0);
}

INSTANTIATE_TEST_SUITE_P(Benches, AutoSettingsCases, ::testing::ValuesIn(kAutoCases),
                         [](const auto& p) { return std::string(p.param.name); });

} // namespace
} // namespace ondivel::testing
