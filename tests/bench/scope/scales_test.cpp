#include <gtest/gtest.h>

#include <filesystem>

#include "bench/scope/bench_fixture.h"
#include "bench/scope/scales.h"

namespace ondivel {
namespace {

// The panel shown at its default scales, 1 ms/div and 2 V/div.
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

TEST_F(KnobSettings, AScaleKnobSelectsTheListEntryAndTheValuePerDivisionAndKeepsItsPlace) {
    // clang-format off
    const struct { int knobIndex; double knob; const char* label; double perDivision; } cases[] = {
        {KnobTimeBase, 0, "0.5 s/div", 0.5},
        {KnobTimeBase, 17, "1 µs/div", 1e-6},
        {KnobTimeBase, 7.5, "1 ms/div", 0.001}, // half-way rounds to the even entry
        {KnobTimeBase, 8.5, "1 ms/div", 0.001},
        {KnobTimeBase, 9.4, "0.5 ms/div", 0.0005},
        {KnobSensitivityCH2, 0, "100 V/div", 100},
        {KnobSensitivityCH2, 6.5, "1 V/div", 1},
        {KnobSensitivityCH2, 13, "5 mV/div", 0.005},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        user::drag(scope().Potentio[c.knobIndex], c.knob);
        if (c.knobIndex == KnobTimeBase) {
            EXPECT_EQ(scope().cboBaseTemps.listText(), c.label);
            EXPECT_DOUBLE_EQ(app.g.BaseTemps, c.perDivision);
        } else {
            EXPECT_EQ(scope().cboSensibiliteVerticaleB.listText(), c.label);
            EXPECT_DOUBLE_EQ(app.g.SensibiliteCH2, c.perDivision);
            EXPECT_DOUBLE_EQ(app.g.SensibiliteCH1, 2); // the other channel keeps its scale
        }
        EXPECT_DOUBLE_EQ(scope().Potentio[c.knobIndex].Value, c.knob);
    }
}

TEST(ScaleLookup, IndexesOutsideTheTablesGiveZero) {
    EXPECT_DOUBLE_EQ(TimeBaseFromIndex(-1), 0);
    EXPECT_DOUBLE_EQ(TimeBaseFromIndex(18), 0);
    EXPECT_DOUBLE_EQ(SensitivityFromIndex(14), 0);
}

TEST_F(KnobSettings, FocusIsThinnestAtMidTravel) {
    // |v − 10| + 1 pixels, halves rounded to even.
    const double knob[] = {10, 0, 20, 12, 9.5, 11.5, 12.5};
    const int pixels[] = {1, 11, 11, 3, 2, 2, 4};
    for (int k = 0; k < 7; ++k) {
        user::drag(scope().Potentio[KnobFocus], knob[k]);
        EXPECT_EQ(app.g.EpaisseurTrace, pixels[k]) << knob[k];
        EXPECT_EQ(screen().drawWidth(), pixels[k]);
    }
}

TEST_F(KnobSettings, IntensityBlendsTheTracesTowardsTheScreen) {
    user::drag(scope().Potentio[KnobIntensity], 0);
    EXPECT_EQ(app.g.CouleurA, RGB(167, 169, 154));
    EXPECT_EQ(app.g.CouleurB, RGB(167, 169, 154));
    // f = 1 − 1/e ≈ 0.632: 167 + 88f, 169 + 86f, 154 − 154f.
    user::drag(scope().Potentio[KnobIntensity], 1);
    EXPECT_EQ(app.g.CouleurA, RGB(223, 223, 57));
    EXPECT_EQ(app.g.CouleurB, RGB(61, 143, 97));
    user::drag(scope().Potentio[KnobIntensity], 5);
    EXPECT_EQ(app.g.CouleurA, RGB(254, 254, 1));
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
    user::drag(scope().Potentio[KnobPositionH], 0);
    EXPECT_DOUBLE_EQ(app.g.PositionH, -900);
}

TEST_F(KnobSettings, MovingAScaleClicksFromTheApplicationFolder) {
    platform.sounds.clear();
    user::drag(scope().Potentio[KnobSensitivityCH1], 3);
    ASSERT_FALSE(platform.sounds.empty());
    EXPECT_EQ(std::filesystem::path(platform.sounds.back()),
              std::filesystem::path(platform.programDir) / "Button Click.wav");
    platform.sounds.clear();
    user::select(scope().cboBaseTemps, 2); // a choice in the list itself only clicks
    EXPECT_EQ(platform.sounds.size(), 1U);
    EXPECT_DOUBLE_EQ(app.g.BaseTemps, 0.001);
}

} // namespace
} // namespace ondivel
