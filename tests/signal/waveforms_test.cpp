#include <gtest/gtest.h>

#include "signal/keywords.h"
#include "signal/waveforms.h"

namespace ondivel {
namespace {

constexpr double kTol = 1e-9;

TEST(SineValue, OneKilohertzFiveVoltsOverOnePeriod) {
    EXPECT_NEAR(SineValue(0, 1000, 5, 0, 0), 0, kTol);
    EXPECT_NEAR(SineValue(0.25e-3, 1000, 5, 0, 0), 5, kTol);
    EXPECT_NEAR(SineValue(0.75e-3, 1000, 5, 0, 0), -5, kTol);
    EXPECT_NEAR(SineValue(0.25e-3, 1000, 5, 0, 1.5), 6.5, kTol); // the offset rides on top
    EXPECT_NEAR(SineValue(0, 1000, 5, 90, 0), 5, kTol);           // a quarter turn ahead
}

TEST(SineValue, NoFrequencyGivesTheOffsetAlone) {
    EXPECT_NEAR(SineValue(0.123, 0, 5, 0, 2), 2, kTol);
}

TEST(SquareTriangleValue, SquareOfQuarterDutyIsHighForAQuarterPeriod) {
    // 1 kHz, 2 V, duty 0.25: high from 0 to 0.25 ms, low until 1 ms.
    EXPECT_DOUBLE_EQ(SquareTriangleValue(0, 0, 0, 1000, 2, 0.25F, 0), 2);
    EXPECT_DOUBLE_EQ(SquareTriangleValue(0.1e-3, 0, 0, 1000, 2, 0.25F, 0), 2);
    EXPECT_DOUBLE_EQ(SquareTriangleValue(0.3e-3, 0, 0, 1000, 2, 0.25F, 0), -2);
    EXPECT_DOUBLE_EQ(SquareTriangleValue(0.9e-3, 0, 0, 1000, 2, 0.25F, 1), -1);
    // Negative times fold into the period: −0.1 ms is 0.9 ms into it.
    EXPECT_DOUBLE_EQ(SquareTriangleValue(-0.1e-3, 0, 0, 1000, 2, 0.25F, 0), -2);
    EXPECT_DOUBLE_EQ(SquareTriangleValue(-0.9e-3, 0, 0, 1000, 2, 0.25F, 0), 2);
}

TEST(SquareTriangleValue, TriangleRampsUpThenDown) {
    // Symmetric 1 kHz triangle of 4 V: rise 0.5 ms, fall 0.5 ms, no plateaus.
    auto tri = [](double t) { return SquareTriangleValue(t, 0.5e-3, 0.5e-3, 1000, 4, 0, 0); };
    EXPECT_NEAR(tri(0), -4, kTol);
    EXPECT_NEAR(tri(0.25e-3), 0, kTol);
    EXPECT_NEAR(tri(0.5e-3), 4, kTol);
    EXPECT_NEAR(tri(0.75e-3), 0, kTol);
    EXPECT_NEAR(tri(0.999e-3), -3.984, 1e-6);
}

TEST(SquareTriangleValue, SawtoothOfDutyOneRisesOverTheWholePeriod) {
    auto saw = [](double t) { return SquareTriangleValue(t, 1e-3, 0, 1000, 4, 0, 0); };
    EXPECT_NEAR(saw(0), -4, kTol);
    EXPECT_NEAR(saw(0.5e-3), 0, kTol);
    EXPECT_NEAR(saw(0.75e-3), 2, kTol);
}

TEST(SquareTriangleValue, NoFrequencyGivesAmplitudePlusOffset) {
    EXPECT_DOUBLE_EQ(SquareTriangleValue(0.4, 0, 0, 0, 3, 0.5F, 1), 4);
}

TEST(SquareValue, EdgesGiveZero) {
    // 1 kHz, T/2 = 0.5 ms.
    EXPECT_DOUBLE_EQ(SquareValue(0.25e-3, 1000, 3), 3);
    EXPECT_DOUBLE_EQ(SquareValue(0.75e-3, 1000, 3), -3);
    EXPECT_DOUBLE_EQ(SquareValue(0.5e-3, 1000, 3), 0);
    EXPECT_DOUBLE_EQ(SquareValue(0, 1000, 3), 0);
    EXPECT_DOUBLE_EQ(SquareValue(-0.25e-3, 1000, 3), -3);
    EXPECT_DOUBLE_EQ(SquareValue(0.3, 0, 3), 0); // no frequency: nothing, and no division by zero
}

TEST(TriangleValue, SymmetricWithOffsetAndContinuousAtTheQuarters) {
    // 250 Hz: T = 4 ms, peak at 1 ms, zero going down at 2 ms, trough at 3 ms.
    const double f = 250, A = 2, O = 0.5;
    EXPECT_DOUBLE_EQ(TriangleValue(0, f, A, O), O);
    EXPECT_NEAR(TriangleValue(0.5e-3, f, A, O), 1.5, kTol);
    EXPECT_NEAR(TriangleValue(1e-3, f, A, O), A + O, kTol);
    EXPECT_NEAR(TriangleValue(1e-3 + 1e-12, f, A, O), A + O, 1e-8); // the falling line meets it
    EXPECT_NEAR(TriangleValue(2e-3, f, A, O), O, kTol);
    EXPECT_NEAR(TriangleValue(3e-3, f, A, O), -A + O, kTol);
    EXPECT_NEAR(TriangleValue(3.5e-3, f, A, O), -0.5, kTol);
    EXPECT_DOUBLE_EQ(TriangleValue(0.3, 0, A, O), O);
}

TEST(RampValue, LineThroughMinusAAndPlusA) {
    EXPECT_DOUBLE_EQ(RampValue(1, 2, 2, 1, 0), -2);
    EXPECT_DOUBLE_EQ(RampValue(2, 2, 2, 1, 0.5), 0.5);
    EXPECT_DOUBLE_EQ(RampValue(3, 2, 2, 1, 0), 2);
    EXPECT_DOUBLE_EQ(RampValue(3, 2, 0, 1, 0.7), 0.7); // no duration: the offset
}

TEST(AlternatorValue, HarmonicsAddUpToOneAndAHalfAtTheQuarterPeriod) {
    // sin(π/2) − 0.3·sin(3π/2) + 0.2·sin(5π/2) = 1 + 0.3 + 0.2.
    EXPECT_NEAR(AlternatorValue(0, 50, 2), 0, kTol);
    EXPECT_NEAR(AlternatorValue(1.0 / 200, 50, 2), 3, kTol);
    EXPECT_NEAR(AlternatorValue(3.0 / 200, 50, 2), -3, kTol);
}

TEST(WaveformKeywords, CapitalsAndLongFormsAreRecognised) {
    EXPECT_EQ(WaveformOf("Cc"), Waveform::Dc);
    EXPECT_EQ(WaveformOf("SINUS"), Waveform::Sine);
    EXPECT_EQ(WaveformOf("SINUSOÏDALE"), Waveform::Sine);
    EXPECT_EQ(WaveformOf("Carrée"), Waveform::Square);
    EXPECT_EQ(WaveformOf("CARRÉE"), Waveform::Square);
    EXPECT_EQ(WaveformOf("Triangulaire"), Waveform::Triangle);
    EXPECT_EQ(WaveformOf("Dyn"), Waveform::Alternator);
    EXPECT_EQ(WaveformOf("HARMO"), Waveform::Harmonic);
    EXPECT_EQ(WaveformOf(""), Waveform::None);
    EXPECT_EQ(WaveformOf("sinusoide"), Waveform::None);
}

} // namespace
} // namespace ondivel
