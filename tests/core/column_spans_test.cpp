// Dense traces reduced to one span per pixel column: which chains are reduced, and the rows each
// column keeps.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "core/column_spans.h"

namespace ondivel {
namespace {

// A square wave between rows `high` and `low` from x = 0 to `width`, `period` pixels a period,
// four lines a period (rise, high plateau, fall, low plateau), as the square drawer makes them.
std::vector<DeviceLine> squareWave(double width, double period, double high, double low) {
    std::vector<DeviceLine> lines;
    for (double x = 0; x < width; x += period) {
        const double mid = x + 0.3 * period, end = x + period;
        lines.push_back({x, low, x, high});
        lines.push_back({x, high, mid, high});
        lines.push_back({mid, high, mid, low});
        lines.push_back({mid, low, end, low});
    }
    return lines;
}

// A polyline through `count` + 1 points (x, f(x)), `step` pixels apart from x = 0.
template <class F> std::vector<DeviceLine> sampled(int count, double step, F f) {
    std::vector<DeviceLine> lines;
    for (int i = 0; i < count; ++i) {
        const double x = i * step, next = (i + 1) * step;
        lines.push_back({x, f(x), next, f(next)});
    }
    return lines;
}

// The same lines moved `dx` pixels to the right.
std::vector<DeviceLine> shifted(std::vector<DeviceLine> lines, double dx) {
    for (DeviceLine& l : lines) {
        l.x1 += dx;
        l.x2 += dx;
    }
    return lines;
}

TEST(ColumnSpans, ASlantedLineKeepsItsHeightsAtTheColumnEdges) {
    // Two rows down per column: column 3 runs from x = 3 (row 6) to x = 4 (row 8).
    const std::vector<DeviceLine> line{{0, 0, 10, 20}};
    const auto spans = ColumnSpansOf(line, 100);
    ASSERT_EQ(spans.size(), 10u); // the end x = 10 only touches column 10: no ink there
    EXPECT_EQ(spans[3].column, 3);
    EXPECT_DOUBLE_EQ(spans[3].top, 6);
    EXPECT_DOUBLE_EQ(spans[3].bottom, 8);
    EXPECT_EQ(spans[9].column, 9);
    EXPECT_DOUBLE_EQ(spans[9].bottom, 20);
}

TEST(ColumnSpans, ARisingLineInsideOneColumnGivesThatColumnItsWholeHeight) {
    // Up from row 50 to row 10 at x = 7.4, then on along row 10.
    const std::vector<DeviceLine> chain{{7.4, 50, 7.4, 10}, {7.4, 10, 7.9, 10}};
    const auto spans = ColumnSpansOf(chain, 100);
    ASSERT_EQ(spans.size(), 1u);
    EXPECT_EQ(spans[0].column, 7);
    EXPECT_DOUBLE_EQ(spans[0].top, 10);
    EXPECT_DOUBLE_EQ(spans[0].bottom, 50);
}

TEST(ColumnSpans, AFastSquareWaveFillsEveryColumnBetweenItsLevels) {
    // Four periods a column: every column sees a rise and a fall.
    const auto lines = squareWave(1900, 0.25, 100, 300);
    const ReducedLines reduced = ReduceDenseChains(lines, 1920);
    EXPECT_TRUE(reduced.lines.empty());
    ASSERT_EQ(reduced.spans.size(), 1900u);
    for (const ColumnSpan& s : reduced.spans) {
        EXPECT_DOUBLE_EQ(s.top, 100) << s.column;
        EXPECT_DOUBLE_EQ(s.bottom, 300) << s.column;
        // High for 30 % of each period, low for the rest: flat along 0.3 and 0.7 of the column.
        EXPECT_NEAR(s.topShare, 0.3, 1e-9) << s.column;
        EXPECT_NEAR(s.bottomShare, 0.7, 1e-9) << s.column;
    }
    EXPECT_EQ(reduced.spans.front().column, 0);
    EXPECT_EQ(reduced.spans.back().column, 1899);
}

TEST(ColumnSpans, ADenseSineKeepsItsEnvelopeColumnByColumn) {
    // 32 samples a column of a sine of period 200 pixels, amplitude 100 around row 500.
    auto f = [](double x) { return 500 - 100 * std::sin(2 * M_PI * x / 200); };
    const auto lines = sampled(400 * 32, 1.0 / 32, f);
    const ReducedLines reduced = ReduceDenseChains(lines, 1000);
    ASSERT_EQ(reduced.spans.size(), 400u);
    // Column 50 holds the crest (x = 50, row 400): top at the crest, bottom at the far edge.
    EXPECT_NEAR(reduced.spans[50].top, 400, 1e-4);
    EXPECT_NEAR(reduced.spans[50].bottom, f(51), 1e-4);
    // Column 100 is the steepest descent, from x = 100 to 101.
    EXPECT_NEAR(reduced.spans[100].top, f(100), 1e-4);
    EXPECT_NEAR(reduced.spans[100].bottom, f(101), 1e-4);
    // Nothing runs flat: a wide pen inks fully around the crest.
    EXPECT_EQ(reduced.spans[50].topShare, 1);
}

TEST(ColumnSpans, SparseTracesAndShortChainsAreLeftAsTheyCame) {
    // A sine sampled every four pixels (the DUAL picture at full HD): fewer lines than columns.
    const auto sine = sampled(500, 3.8, [](double x) { return 500 + 80 * std::sin(x / 30); });
    ReducedLines reduced = ReduceDenseChains(sine, 1920);
    EXPECT_TRUE(reduced.spans.empty());
    EXPECT_EQ(reduced.lines.size(), sine.size());

    // Dense, but only 40 lines: not worth a reduction.
    const auto shortBurst = squareWave(10, 1.0, 100, 200);
    reduced = ReduceDenseChains(shortBurst, 1920);
    EXPECT_TRUE(reduced.spans.empty());
    EXPECT_EQ(reduced.lines.size(), 40u);
}

TEST(ColumnSpans, FiguresThatRunBackwardsAndUnjoinedLinesAreNotChains) {
    // An XY ellipse of 1000 lines within 200 columns. Its first half runs leftwards along rows 400
    // to 480 and stays as it is; the second half, rows 320 to 400, runs rightwards, densely enough.
    std::vector<DeviceLine> ellipse;
    for (int i = 0; i < 1000; ++i) {
        const double a = 2 * M_PI * i / 1000, b = 2 * M_PI * (i + 1) / 1000;
        ellipse.push_back({500 + 100 * std::cos(a), 400 + 80 * std::sin(a), 500 + 100 * std::cos(b),
                           400 + 80 * std::sin(b)});
    }
    ReducedLines reduced = ReduceDenseChains(ellipse, 1920);
    EXPECT_EQ(reduced.lines.size(), 500u);
    ASSERT_EQ(reduced.spans.size(), 200u);
    for (const ColumnSpan& s : reduced.spans)
        EXPECT_LE(s.bottom, 400 + 1e-9) << s.column; // never filled across to the other half
    EXPECT_EQ(reduced.spans[100].column, 500);
    EXPECT_NEAR(reduced.spans[100].top, 320, 0.01);

    // 300 separate ticks in 30 columns, like a graticule's: no line starts where the last ended.
    std::vector<DeviceLine> ticks;
    for (int i = 0; i < 300; ++i)
        ticks.push_back({i * 0.1, 10, i * 0.1, 20});
    reduced = ReduceDenseChains(ticks, 1920);
    EXPECT_TRUE(reduced.spans.empty());
    EXPECT_EQ(reduced.lines.size(), 300u);
}

TEST(ColumnSpans, ABreakInTheTraceStartsANewChain) {
    // Two dense square waves one after the other on different levels, with a jump between them
    // (the sweep's piece wrapping round the right edge is drawn this way).
    auto lines = squareWave(100, 0.25, 100, 200);
    for (const DeviceLine& l : shifted(squareWave(100, 0.25, 300, 400), 200))
        lines.push_back(l);
    const ReducedLines reduced = ReduceDenseChains(lines, 1920);
    ASSERT_EQ(reduced.spans.size(), 200u); // no span bridges columns 100 to 199
    EXPECT_EQ(reduced.spans[99].column, 99);
    EXPECT_DOUBLE_EQ(reduced.spans[99].bottom, 200);
    EXPECT_EQ(reduced.spans[100].column, 200);
    EXPECT_DOUBLE_EQ(reduced.spans[100].top, 300);
}

TEST(ColumnSpans, TheEndsOfAChainStayLinesForAWidePen) {
    // Three pixels kept at either end of a square wave from x = 0 to 100, four periods a pixel.
    // The head is every line starting left of x = 3: twelve periods, 48 lines. The tail is every
    // line ending right of x = 97: all of the last twelve periods but the rise at x = 97, 47 lines.
    const auto lines = squareWave(100, 0.25, 100, 200);
    const ReducedLines reduced = ReduceDenseChains(lines, 1920, 3);
    ASSERT_EQ(reduced.lines.size(), 95u);
    EXPECT_DOUBLE_EQ(reduced.lines[47].x2, 3);  // the head ends where the spans begin
    EXPECT_DOUBLE_EQ(reduced.lines[48].x1, 97); // and the tail begins where they end
    ASSERT_EQ(reduced.spans.size(), 95u);
    EXPECT_EQ(reduced.spans.front().column, 3);
    EXPECT_EQ(reduced.spans.back().column, 97);
}

TEST(ColumnSpans, ColumnsOffThePictureAreDroppedAndBrokenNumbersKept) {
    // The trace moved half off the picture by the horizontal position.
    const auto lines = squareWave(400, 0.25, 100, 200);
    ReducedLines reduced = ReduceDenseChains(shifted(lines, -300), 1920);
    ASSERT_EQ(reduced.spans.size(), 100u);
    EXPECT_EQ(reduced.spans.front().column, 0);
    EXPECT_TRUE(reduced.lines.empty());

    // Entirely to the right of a picture 50 columns wide (the trace runs from x = 300 to 700).
    reduced = ReduceDenseChains(shifted(lines, 300), 50);
    EXPECT_TRUE(reduced.spans.empty());
    EXPECT_TRUE(reduced.lines.empty());

    // A line with an infinite end interrupts the chain at x = 50 and goes to the painter.
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<DeviceLine> broken = lines;
    broken.insert(broken.begin() + 800, DeviceLine{50, 200, inf, 100});
    reduced = ReduceDenseChains(broken, 1920);
    EXPECT_EQ(reduced.lines.size(), 1u);
    EXPECT_EQ(reduced.spans.size(), 400u); // both chains, with no column lost or doubled
}

} // namespace
} // namespace ondivel
