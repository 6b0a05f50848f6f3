#pragma once
// An XY figure is drawn over itself several times in one frame (a frame spans four periods of the
// slower signal), and painting a segment again where it already lies only darkens its antialiased
// edge. Dropping the repeats before painting cuts an XY frame's painting by as much, and gives its
// trace the same weight as a time-base trace of the same focus.
#include <vector>

#include "core/column_spans.h"

namespace ondivel {

// Removes, in place and keeping the order, every line whose ends (in either order) match those of
// an earlier line to within 1/256 of a pixel. Lines with coordinates too large to compare are kept.
void DropRepeatedLines(std::vector<DeviceLine>& lines);

} // namespace ondivel
