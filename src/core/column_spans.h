#pragma once
// Dense traces reduced to what a screen can show. A picture has one column of pixels per unit of
// x, so a trace that crosses a column several times only inks the rows between its lowest and its
// highest point there: thousands of segments of a fast square wave at a slow time base come down
// to one vertical span per column. QtSurface uses this before painting; everything is in device
// pixels (y down), with pixel column c covering [c, c + 1).
#include <span>
#include <vector>

namespace ondivel {

struct DeviceLine {
    double x1, y1, x2, y2;
};

// The rows a trace reaches in one pixel column: top <= bottom (device y grows downwards).
struct ColumnSpan {
    int column;
    double top, bottom;
};

struct ReducedLines {
    std::vector<DeviceLine> lines; // drawn as they came: sparse or backward-running parts
    std::vector<ColumnSpan> spans; // stand for the dense chains, left to right within each chain
};

// Splits `lines` into chains (each line starts where the previous one ended and runs left to right
// or straight up or down) and replaces each chain that has at least `minLines` lines and more than
// `linesPerColumn` lines per column it crosses by its spans. Columns outside [0, columns) are
// dropped from the spans; lines are kept whatever their position.
ReducedLines ReduceDenseChains(std::span<const DeviceLine> lines, int columns, double linesPerColumn = 2,
                               std::size_t minLines = 64);

// The spans of one chain, in columns [0, columns); exposed for the tests.
std::vector<ColumnSpan> ColumnSpansOf(std::span<const DeviceLine> chain, int columns);

} // namespace ondivel
