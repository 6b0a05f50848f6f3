#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "bench/scope/trace_drawers.h"
#include "core/recording_surface.h"

namespace ondivel {
namespace {

constexpr Color kInk = 0x00FFFF;
// 1 ms/div and 2 V/div, centred: 1 V is 50 units, 1 ms is 100 units.
constexpr TraceFrame kCentred{0, 0, 1e-3, 2};

TEST(StartShift, AutoOrAnUncrossableLevelStartsTwoUnitsInElseTheLevelIsCrossedAtTheCentre) {
    EXPECT_DOUBLE_EQ(StartShift(true, 0, kCentred, 1000, 2), 2);
    EXPECT_DOUBLE_EQ(StartShift(false, 0, kCentred, 1000, 2), 500);
    // A level of 100 units at 2 V/div is 2 V: the peak of a 2 V sine, a quarter period (25 units) in.
    EXPECT_NEAR(StartShift(false, 100, kCentred, 1000, 2), 525, 1e-9);
    EXPECT_DOUBLE_EQ(StartShift(false, 101, kCentred, 1000, 2), 2); // just beyond the peak
    EXPECT_NEAR(StartShift(false, -100, kCentred, 1000, 2), 475, 1e-9);
}

TEST(SampledTrace, FiveHundredAndOneSamplesAtTheFramesScaleAndShift) {
    RecordingSurface screen;
    std::vector<double> times;
    const TraceFrame frame{30, -40, 2e-3, 0.5};
    DrawSampledTrace(screen, kInk, frame, 7, [&](double t) {
        times.push_back(t);
        return 1.0;
    });
    const auto& lines = screen.lines();
    ASSERT_EQ(lines.size(), 501U);
    EXPECT_DOUBLE_EQ(lines[0].x1, lines[0].x2); // the first segment has no length
    EXPECT_DOUBLE_EQ(lines.front().x1, -470);   // shifted by H
    EXPECT_DOUBLE_EQ(lines.back().x2, 530);
    EXPECT_DOUBLE_EQ(lines[250].y2, 160); // P + 100 · 1 V / 0.5 V/div
    // Sample abscissa i is the time (i + shift)·B/100.
    EXPECT_NEAR(times.front(), (-500 + 7) * 2e-5, 1e-12);
    EXPECT_NEAR(times.back(), (500 + 7) * 2e-5, 1e-12);
}

TEST(SampledTrace, AnInfiniteOrUndefinedVoltageStaysPaintable) {
    RecordingSurface screen;
    DrawSampledTrace(screen, kInk, kCentred, 2, [](double t) {
        return t < 0 ? std::numeric_limits<double>::infinity() : std::numeric_limits<double>::quiet_NaN();
    });
    for (const RecordedLine& l : screen.lines()) {
        EXPECT_TRUE(std::abs(l.y1) <= kCoordinateLimit && std::abs(l.y2) <= kCoordinateLimit);
        EXPECT_FALSE(std::isnan(l.y1) || std::isnan(l.y2));
    }
    EXPECT_DOUBLE_EQ(screen.lines().back().y2, 0); // NaN is drawn on the centre line
}

TEST(BandTrace, StrokesEveryQuarterUnitBetweenTheScaledExtremes) {
    RecordingSurface screen;
    DrawBandTrace(screen, kInk, {10, 20, 1e-3, 2}, {-3, 5});
    EXPECT_EQ(screen.countLines(kInk), 8001U);
    EXPECT_DOUBLE_EQ(*screen.minY(kInk), 20 - 150);
    EXPECT_DOUBLE_EQ(*screen.maxY(kInk), 20 + 250);
    EXPECT_DOUBLE_EQ(*screen.minX(kInk), -490);
    EXPECT_DOUBLE_EQ(*screen.maxX(kInk), 510);
}

TEST(SquareTriangleTrace, SquareRisesAndFallsVerticallyWithItsDutyAndLosesItsMeanInAc) {
    RecordingSurface screen;
    DrawSquareTriangleTrace(screen, kInk, kCentred, {.f = 1000, .A = 2, .duty = 0.25F});
    const auto& square = screen.lines();
    ASSERT_GE(square.size(), 40U);
    // A vertical rise at the left edge, high for 25 units, a vertical fall, low for 75 units.
    EXPECT_DOUBLE_EQ(square[0].x1, -500);
    EXPECT_DOUBLE_EQ(square[0].x2, -500);
    EXPECT_DOUBLE_EQ(square[0].y1, -100);
    EXPECT_DOUBLE_EQ(square[0].y2, 100);
    EXPECT_NEAR(square[1].x2, -475, 1e-9);
    EXPECT_DOUBLE_EQ(square[2].y2, -100);
    EXPECT_NEAR(square[3].x2, -400, 1e-9);
    EXPECT_NEAR(square.back().x2, 500, 1e-9);

    // An offset lifts it, the AC coupling's mean shift (−A for a 25 % square) takes the mean back.
    RecordingSurface shifted;
    DrawSquareTriangleTrace(shifted, kInk, kCentred,
                            {.f = 1000, .A = 2, .duty = 0.25F, .offset = 1, .meanShift = -1});
    EXPECT_DOUBLE_EQ(*shifted.maxY(kInk), 200);
    EXPECT_DOUBLE_EQ(*shifted.minY(kInk), 0);
}

TEST(SquareTriangleTrace, TriangleOfDutyOneIsARisingSawtooth) {
    RecordingSurface screen;
    DrawSquareTriangleTrace(screen, kInk, kCentred, {.f = 1000, .A = 2, .riseTime = 1e-3, .fallTime = 0});
    const auto& saw = screen.lines();
    ASSERT_GE(saw.size(), 4U);
    EXPECT_DOUBLE_EQ(saw[0].y1, -100);
    EXPECT_NEAR(saw[0].x2, -400, 1e-9); // a whole period rising
    EXPECT_DOUBLE_EQ(saw[0].y2, 100);
    EXPECT_NEAR(saw[2].x1, -400, 1e-9); // then a vertical fall
    EXPECT_NEAR(saw[2].x2, -400, 1e-9);
    EXPECT_DOUBLE_EQ(saw[2].y2, -100);
}

TEST(SquareTriangleTrace, NoFrequencyDrawsNothingANegativeOneEndsAndADenseOneIsABand) {
    RecordingSurface screen;
    DrawSquareTriangleTrace(screen, kInk, kCentred, {.f = 0, .A = 2, .duty = 0.5F});
    EXPECT_EQ(screen.countLines(), 0U);
    // Periods of negative width never reach the right edge: one period is drawn and the loop ends.
    DrawSquareTriangleTrace(screen, kInk, kCentred, {.f = -1000, .A = 2, .duty = 0.5F});
    EXPECT_EQ(screen.countLines(), 4U);
    screen.clear();
    DrawSquareTriangleTrace(screen, kInk, kCentred, {.f = 1e12, .A = 2, .duty = 0.25F});
    EXPECT_EQ(screen.countLines(), 8001U);
    EXPECT_DOUBLE_EQ(*screen.maxY(kInk), 100);
    EXPECT_DOUBLE_EQ(*screen.minY(kInk), -100);
}

} // namespace
} // namespace ondivel
