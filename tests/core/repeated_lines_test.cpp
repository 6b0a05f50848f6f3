// An XY figure drawn over itself within a frame: the repeats go before painting, nothing else does.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "core/repeated_lines.h"

namespace ondivel {
namespace {

bool operator==(const DeviceLine& a, const DeviceLine& b) {
    return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2;
}

TEST(RepeatedLines, EachSegmentOfARetracedFigureIsKeptOnceInItsFirstOrder) {
    // A circle of 250 segments drawn four times, as a frame of a 1:1 figure is.
    std::vector<DeviceLine> circle, frame;
    for (int i = 0; i < 250; ++i) {
        const double a = i * 2 * M_PI / 250, b = (i + 1) * 2 * M_PI / 250;
        circle.push_back({500 + 300 * std::cos(a), 400 + 300 * std::sin(a), 500 + 300 * std::cos(b),
                          400 + 300 * std::sin(b)});
    }
    for (int pass = 0; pass < 4; ++pass)
        for (const DeviceLine& l : circle) // later passes a rounding error away from the first
            frame.push_back({l.x1 + pass * 1e-9, l.y1, l.x2, l.y2 - pass * 1e-9});
    DropRepeatedLines(frame);
    ASSERT_EQ(frame.size(), circle.size());
    for (std::size_t i = 0; i < circle.size(); ++i)
        EXPECT_TRUE(frame[i] == circle[i]) << i;
}

TEST(RepeatedLines, OnlyTheSameEndsInEitherOrderMakeARepeat) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<DeviceLine> lines{
        {10, 10, 20, 20},     {20, 20, 10, 10}, // the same line backwards: a repeat
        {10, 10, 20, 20.01},                    // a hundredth of a pixel off: drawn
        {10, 10, 20, 20.001},                   // a quarter of the tolerance off: a repeat
        {10, 10, 10, 10},                       // a point, then the same point again
        {10, 10, 10, 10},     {nan, 0, 1, 1},   // not comparable: always kept
        {nan, 0, 1, 1},       {1e300, 0, 1, 1}, {1e300, 0, 1, 1},
    };
    DropRepeatedLines(lines);
    const std::vector<std::size_t> keptFrom{0, 2, 4, 6, 7, 8, 9};
    ASSERT_EQ(lines.size(), keptFrom.size());
    EXPECT_TRUE(lines[1] == (DeviceLine{10, 10, 20, 20.01}));
    EXPECT_TRUE(lines[2] == (DeviceLine{10, 10, 10, 10}));
    EXPECT_TRUE(std::isnan(lines[3].x1) && std::isnan(lines[4].x1));
    EXPECT_EQ(lines[6].x1, 1e300);
}

} // namespace
} // namespace ondivel
