#include <gtest/gtest.h>

#include "core/keywords.h"
#include "physics/waveforms.h"

namespace ondivel {
namespace {

constexpr double kTol = 1e-9;

TEST(SineValue, OneKilohertzFiveVolts) {
    EXPECT_NEAR(SineValue(0, 1000, 5, 0, 0), 0, kTol);
    EXPECT_NEAR(SineValue(0.25e-3, 1000, 5, 0, 0), 5, kTol);
    EXPECT_NEAR(SineValue(0.75e-3, 1000, 5, 0, 1.5), -3.5, kTol); // the offset rides on top
    EXPECT_NEAR(SineValue(0, 1000, 5, 90, 0), 5, kTol);           // a quarter turn ahead
    EXPECT_NEAR(SineValue(0.123, 0, 5, 0, 2), 2, kTol);           // no frequency: the offset alone
}

TEST(SquareTriangleValue, SquareOfQuarterDutyIsHighForAQuarterPeriod) {
    auto square = [](double t) { return SquareTriangleValue(t, 0, 0, 1000, 2, 0.25F, 0); };
    EXPECT_DOUBLE_EQ(square(0), 2);
    EXPECT_DOUBLE_EQ(square(0.2e-3), 2);
    EXPECT_DOUBLE_EQ(square(0.3e-3), -2);
    EXPECT_DOUBLE_EQ(square(-0.1e-3), -2); // 0.9 ms into the period before
    EXPECT_DOUBLE_EQ(square(-0.9e-3), 2);
    EXPECT_DOUBLE_EQ(SquareTriangleValue(0.4, 0, 0, 0, 3, 0.5F, 1), 4); // no frequency: A + O
}

TEST(SquareTriangleValue, TriangleAndSawtooth) {
    // Symmetric 1 kHz triangle of 4 V: rise 0.5 ms, fall 0.5 ms, no plateaus.
    auto tri = [](double t) { return SquareTriangleValue(t, 0.5e-3, 0.5e-3, 1000, 4, 0, 1); };
    EXPECT_NEAR(tri(0), -3, kTol);
    EXPECT_NEAR(tri(0.25e-3), 1, kTol);
    EXPECT_NEAR(tri(0.5e-3), 5, kTol);
    EXPECT_NEAR(tri(0.999e-3), -2.984, 1e-6);
    // Duty 1: rising over the whole period.
    EXPECT_NEAR(SquareTriangleValue(0.75e-3, 1e-3, 0, 1000, 4, 0, 0), 2, kTol);
}

TEST(SquareValue, HalfDutyWithZeroOnTheEdges) {
    const double t[] = {0.25e-3, 0.75e-3, 0.5e-3, 0, -0.25e-3}, v[] = {3, -3, 0, 0, -3};
    for (int i = 0; i < 5; ++i)
        EXPECT_DOUBLE_EQ(SquareValue(t[i], 1000, 3), v[i]) << t[i];
    EXPECT_DOUBLE_EQ(SquareValue(0.3, 0, 3), 0);
}

TEST(TriangleValue, SymmetricWithOffsetAndContinuousAtTheQuarters) {
    // 250 Hz: T = 4 ms, peak at 1 ms, falling through the offset at 2 ms, trough at 3 ms.
    const double f = 250, A = 2, O = 0.5;
    EXPECT_DOUBLE_EQ(TriangleValue(0, f, A, O), O);
    EXPECT_NEAR(TriangleValue(0.5e-3, f, A, O), 1.5, kTol);
    EXPECT_NEAR(TriangleValue(1e-3, f, A, O), A + O, kTol);
    EXPECT_NEAR(TriangleValue(1e-3 + 1e-12, f, A, O), A + O, 1e-8);
    EXPECT_NEAR(TriangleValue(2e-3, f, A, O), O, kTol);
    EXPECT_NEAR(TriangleValue(3e-3, f, A, O), -A + O, kTol);
    EXPECT_NEAR(TriangleValue(3.5e-3, f, A, O), -0.5, kTol);
    EXPECT_DOUBLE_EQ(TriangleValue(0.3, 0, A, O), O);
    EXPECT_DOUBLE_EQ(RampValue(3, 2, 0, 1, 0.7), 0.7); // a ramp of no duration is its offset
}

TEST(AlternatorValue, HarmonicsAddUpToOneAndAHalfAtTheQuarterPeriod) {
    // sin(π/2) − 0.3·sin(3π/2) + 0.2·sin(5π/2) = 1 + 0.3 + 0.2.
    EXPECT_NEAR(AlternatorValue(0, 50, 2), 0, kTol);
    EXPECT_NEAR(AlternatorValue(1.0 / 200, 50, 2), 3, kTol);
    EXPECT_NEAR(AlternatorValue(3.0 / 200, 50, 2), -3, kTol);
}

TEST(WaveformKeywords, CapitalsAndLongFormsAreRecognised) {
    // clang-format off
    const struct { const char* keyword; Waveform waveform; } cases[] = {
        {"Cc", Waveform::Dc}, {"SINUSOÏDALE", Waveform::Sine}, {"CARRÉE", Waveform::Square},
        {"Triangulaire", Waveform::Triangle}, {"Dyn", Waveform::Alternator}, {"HARMO", Waveform::Harmonic},
        {"", Waveform::None}, {"sinusoide", Waveform::None},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(WaveformOf(c.keyword), c.waveform) << c.keyword;
}

} // namespace
} // namespace ondivel
