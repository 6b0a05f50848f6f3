#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "scope/bench_fixture.h"
#include "scope/scales.h"

namespace ondivel {
namespace {

struct ScaleCase {
    double knob;
    const char* label;
    double perDivision;
};

class ScaleKnob : public testing::Bench, public ::testing::WithParamInterface<ScaleCase> {
protected:
    void SetUp() override { scope().Show(); }
};

class TimeBaseKnob : public ScaleKnob {};
class SensitivityKnob : public ScaleKnob {};

TEST_P(TimeBaseKnob, SelectsTheListEntryAndTheSecondsPerDivision) {
    user::drag(scope().Potentio[KnobTimeBase], GetParam().knob);
    EXPECT_EQ(scope().cboBaseTemps.listText(), GetParam().label);
    EXPECT_DOUBLE_EQ(app.g.BaseTemps, GetParam().perDivision);
    EXPECT_DOUBLE_EQ(scope().Potentio[KnobTimeBase].Value, GetParam().knob); // the knob keeps its place
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, TimeBaseKnob, ::testing::Values(
    ScaleCase{0, "0.5 s/div", 0.5},
    ScaleCase{5, "10 ms/div", 0.01},
    ScaleCase{8, "1 ms/div", 0.001},
    ScaleCase{12, "50 µs/div", 50e-6},
    ScaleCase{17, "1 µs/div", 1e-6},
    ScaleCase{7.5, "1 ms/div", 0.001},   // half-way rounds to the even entry
    ScaleCase{8.5, "1 ms/div", 0.001},
    ScaleCase{6.5, "5 ms/div", 0.005},
    ScaleCase{9.4, "0.5 ms/div", 0.0005}));
// clang-format on

TEST_P(SensitivityKnob, SelectsTheListEntryAndTheVoltsPerDivisionOfItsChannelOnly) {
    user::drag(scope().Potentio[KnobSensitivityCH2], GetParam().knob);
    EXPECT_EQ(scope().cboSensibiliteVerticaleB.listText(), GetParam().label);
    EXPECT_DOUBLE_EQ(app.g.SensibiliteCH2, GetParam().perDivision);
    EXPECT_EQ(scope().cboSensibiliteVerticaleA.listText(), "2 V/div");
    EXPECT_DOUBLE_EQ(app.g.SensibiliteCH1, 2);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, SensitivityKnob, ::testing::Values(
    ScaleCase{0, "100 V/div", 100},
    ScaleCase{5, "2 V/div", 2},
    ScaleCase{6.5, "1 V/div", 1},
    ScaleCase{10, "50 mV/div", 0.05},
    ScaleCase{13, "5 mV/div", 0.005}));
// clang-format on

TEST(ScaleLookup, IndexesOutsideTheTablesGiveZero) {
    EXPECT_DOUBLE_EQ(TimeBaseFromIndex(-1), 0);
    EXPECT_DOUBLE_EQ(TimeBaseFromIndex(18), 0);
    EXPECT_DOUBLE_EQ(TimeBaseFromIndex(17), 1e-6);
    EXPECT_DOUBLE_EQ(SensitivityFromIndex(-1), 0);
    EXPECT_DOUBLE_EQ(SensitivityFromIndex(14), 0);
    EXPECT_DOUBLE_EQ(SensitivityFromIndex(0), 100);
}

struct FocusCase {
    double knob;
    int pixels;
};

class FocusKnob : public testing::Bench, public ::testing::WithParamInterface<FocusCase> {};

TEST_P(FocusKnob, TraceIsThinnestAtMidTravel) {
    scope().Show();
    user::drag(scope().Potentio[KnobFocus], GetParam().knob);
    EXPECT_EQ(app.g.EpaisseurTrace, GetParam().pixels);
    EXPECT_EQ(screen().drawWidth(), GetParam().pixels);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, FocusKnob, ::testing::Values(
    FocusCase{10, 1}, FocusCase{0, 11}, FocusCase{20, 11}, FocusCase{12, 3},
    FocusCase{9.5, 2}, FocusCase{10.5, 2}, FocusCase{11.5, 2}, FocusCase{12.5, 4}));
// clang-format on

class KnobSettings : public testing::Bench {
protected:
    void SetUp() override {
        // Yellow and dark green traces on the default grey-green screen.
        app.g.RougeA = 255, app.g.VertA = 255, app.g.BleuA = 0;
        app.g.RougeB = 0, app.g.VertB = 128, app.g.BleuB = 64;
        app.g.RougeEcran = 167, app.g.VertEcran = 169, app.g.BleuEcran = 154;
        scope().Show();
    }
};

TEST_F(KnobSettings, IntensityBlendsTheTracesTowardsTheScreen) {
    user::drag(scope().Potentio[KnobIntensity], 0);
    EXPECT_EQ(app.g.CouleurA, RGB(167, 169, 154));
    EXPECT_EQ(app.g.CouleurB, RGB(167, 169, 154));
    // f = 1 − 1/e ≈ 0.632: 167 + 88f, 169 + 86f, 154 − 154f.
    user::drag(scope().Potentio[KnobIntensity], 1);
    EXPECT_EQ(app.g.CouleurA, RGB(223, 223, 57));
    EXPECT_EQ(app.g.CouleurB, RGB(61, 143, 97));
    user::drag(scope().Potentio[KnobIntensity], 5);
    EXPECT_NEAR(app.g.FacteurIntensite, 0.99326, 1e-5);
    EXPECT_EQ(app.g.CouleurA, RGB(254, 254, 1));
}

TEST_F(KnobSettings, PositionsAreCentredOnHalfTheTravel) {
    user::drag(scope().Potentio[KnobPositionH], 1000);
    user::drag(scope().Potentio[KnobPositionCH1], 0);
    user::drag(scope().Potentio[KnobPositionCH2], 1400);
    EXPECT_DOUBLE_EQ(app.g.PositionH, 100);
    EXPECT_DOUBLE_EQ(app.g.PositionCH1, -700);
    EXPECT_DOUBLE_EQ(app.g.PositionCH2, 700);
}

TEST_F(KnobSettings, OnlyTheLeftButtonActsAndRedraws) {
    const int redraws = screen().clearCount();
    const auto sounds = platform.sounds.size();
    for (int button : {0, 2, 3}) {
        user::drag(scope().Potentio[KnobTimeBase], 3, button);
        user::drag(scope().Potentio[KnobPositionH], 0, button);
    }
    EXPECT_DOUBLE_EQ(app.g.BaseTemps, 0.001);
    EXPECT_DOUBLE_EQ(app.g.PositionH, 0);
    EXPECT_EQ(screen().clearCount(), redraws);
    EXPECT_EQ(platform.sounds.size(), sounds);
}

TEST_F(KnobSettings, AnyKnobIndexRedraws) {
    const int redraws = screen().clearCount();
    ApplyKnob(app, kLeftButton, 9);
    EXPECT_EQ(screen().clearCount(), redraws + 1);
}

TEST_F(KnobSettings, MovingAScaleClicksFromTheApplicationFolder) {
    platform.sounds.clear();
    user::drag(scope().Potentio[KnobSensitivityCH1], 3);
    ASSERT_FALSE(platform.sounds.empty());
    EXPECT_EQ(std::filesystem::path(platform.sounds.back()),
              std::filesystem::path(platform.programDir) / "Button Click.wav");
    platform.sounds.clear();
    user::select(scope().cboBaseTemps, 2); // the list itself only clicks
    EXPECT_EQ(platform.sounds.size(), 1U);
    EXPECT_DOUBLE_EQ(app.g.BaseTemps, 0.001);
}

} // namespace
} // namespace ondivel
