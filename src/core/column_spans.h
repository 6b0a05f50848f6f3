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

// The rows a trace reaches in one pixel column: top <= bottom (device y grows downwards). The
// shares tell how much of the column's width the trace runs flat along its top and its bottom:
// a wide pen inks the rows beyond the span only there, fully where a flat piece spans the whole
// column (1 also when no flat piece reaches the end: a crest is inked around its highest point).
struct ColumnSpan {
    int column;
    double top, bottom;
    double topShare = 1, bottomShare = 1;
};

struct ReducedLines {
    std::vector<DeviceLine> lines; // drawn as they came: sparse or backward-running parts
    std::vector<ColumnSpan> spans; // stand for the dense chains, left to right within each chain
};

// Splits `lines` into chains (each line starts where the previous one ended and runs left to right
// or straight up or down) and replaces each chain that has at least `minLines` lines and more than
// `linesPerColumn` lines per column it crosses by its spans. The lines within `keptEnds` pixels of
// either end of a chain stay lines: a wide pen's flat ends are not a column's to draw. Columns
// outside [0, columns) are dropped from the spans; lines are kept whatever their position.
ReducedLines ReduceDenseChains(std::span<const DeviceLine> lines, int columns, double keptEnds = 0,
                               double linesPerColumn = 2, std::size_t minLines = 64);

// The spans of one chain, in columns [0, columns); exposed for the tests.
std::vector<ColumnSpan> ColumnSpansOf(std::span<const DeviceLine> chain, int columns);

} // namespace ondivel
