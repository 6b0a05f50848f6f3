#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "bench/main/panel_arrangement.h"

namespace ondivel {
namespace {

// One packing worked out by hand: the panels (the first is the oscilloscope), the work area,
// the zooms offered, and the zoom and corners expected.
struct Case {
    const char* name;
    std::vector<PanelExtent> panels;
    double areaWidth, areaHeight;
    std::vector<double> zooms;
    double zoom;
    bool fits;
    std::vector<PanelPlace> places;
};

// clang-format off
const Case kCases[] = {
    // The larger source goes beside the oscilloscope first; the small one still finds room at
    // the top, right of it (600 + 300 + 100 = 1000).
    {"LargestFirstAlongTheTop", {{600, 400}, {100, 100}, {300, 200}}, 1000, 600, {1},
     1, true, {{0, 0}, {900, 0}, {600, 0}}},
    // No room at the right (600 + 300 > 800): under the oscilloscope, flush with the bottom.
    {"UnderTheOscilloscopeWhenTheRowIsFull", {{600, 400}, {300, 300}}, 800, 700, {1},
     1, true, {{0, 0}, {0, 400}}},
    // A gap under a short panel is used before a new row: B (200 x 100) fits under A.
    {"IntoTheGapUnderAShortPanel", {{500, 300}, {300, 150}, {200, 100}}, 800, 300, {1},
     1, true, {{0, 0}, {500, 0}, {500, 150}}},
    // Frames do not grow with the zoom: 2 x 100 + 10 = 210, twice 420, exactly the width.
    // At 3 they would be 310 wide; a frame zoomed too (220) would not fit at 2 either.
    {"LargestZoomThatFitsWithFixedFrames", {{100, 50, 10, 30}, {100, 50, 10, 30}}, 420, 130, {1, 2, 3},
     2, true, {{0, 0}, {210, 0}}},
    // Content rounds to whole pixels as the shell sizes it: 101 x 1.25 = 126.25 -> 126,
    // 3 x 126 = 378 fits 378; at 1.5, 152 each does not.
    {"ContentRoundedToWholePixels", {{101, 10}, {101, 10}, {101, 10}}, 378, 20, {1, 1.25, 1.5},
     1.25, true, {{0, 0}, {126, 0}, {252, 0}}},
    // Equal panels keep the order given.
    {"EqualPanelsInTheOrderGiven", {{100, 100}, {50, 50}, {50, 50}}, 200, 100, {1},
     1, true, {{0, 0}, {100, 0}, {150, 0}}},
    // Neither beside nor under each other at 1: at half size they go side by side.
    {"ShrinksUntilTheyFit", {{300, 200}, {300, 200}}, 400, 300, {0.5, 1},
     0.5, true, {{0, 0}, {150, 0}}},
    // Too little room even at the smallest zoom: that zoom, and what has no place goes under.
    {"WhatHasNoPlaceGoesUnder", {{300, 200}, {300, 200}}, 400, 300, {1, 2},
     1, false, {{0, 0}, {0, 200}}},
};
// clang-format on

class PanelArrangement : public ::testing::TestWithParam<Case> {};

TEST_P(PanelArrangement, PlacesEachPanelAtTheLargestZoomThatFits) {
    const Case& c = GetParam();
    const Arrangement a = ArrangePanels(c.panels, c.areaWidth, c.areaHeight, c.zooms);
    EXPECT_EQ(a.zoom, c.zoom);
    EXPECT_EQ(a.fits, c.fits);
    ASSERT_EQ(a.places.size(), c.places.size());
    for (std::size_t i = 0; i < c.places.size(); ++i) {
        EXPECT_EQ(a.places[i].left, c.places[i].left) << "panel " << i;
        EXPECT_EQ(a.places[i].top, c.places[i].top) << "panel " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PanelArrangement, ::testing::ValuesIn(kCases),
                         [](const auto& p) { return std::string(p.param.name); });

// A bench as the shell measures it (scope, toolbox, two generators, a battery, the multimeter,
// the stopwatch; 23 x 31 pixels of frame each) on the three screens of a classroom: every panel
// inside the area and none over another.
TEST(PanelArrangementOnScreens, AFullBenchFitsWithoutOverlap) {
    const std::vector<PanelExtent> bench = {{700, 520, 23, 31}, {48, 500, 23, 31},  {300, 329, 23, 31},
                                            {300, 329, 23, 31}, {280, 200, 23, 31}, {320, 440, 23, 31},
                                            {240, 240, 23, 31}};
    const std::vector<double> zooms = {0.5, 0.6, 0.75, 1, 1.25, 1.5, 2};
    for (const auto& [width, height] : {std::pair{1024.0, 700.0}, {1366.0, 700.0}, {1920.0, 1000.0}}) {
        const Arrangement a = ArrangePanels(bench, width, height, zooms);
        ASSERT_TRUE(a.fits) << width;
        for (std::size_t i = 0; i < bench.size(); ++i) {
            const double right = a.places[i].left + PanelOuterWidth(bench[i], a.zoom);
            const double bottom = a.places[i].top + PanelOuterHeight(bench[i], a.zoom);
            EXPECT_TRUE(a.places[i].left >= 0 && a.places[i].top >= 0 && right <= width && bottom <= height)
                << width << " panel " << i;
            for (std::size_t j = 0; j < i; ++j) {
                const bool apart = right <= a.places[j].left || bottom <= a.places[j].top ||
                                   a.places[j].left + PanelOuterWidth(bench[j], a.zoom) <= a.places[i].left ||
                                   a.places[j].top + PanelOuterHeight(bench[j], a.zoom) <= a.places[i].top;
                EXPECT_TRUE(apart) << width << " panels " << j << " and " << i;
            }
        }
    }
}

} // namespace
} // namespace ondivel
