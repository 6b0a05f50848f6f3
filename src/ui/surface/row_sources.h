#pragma once
// A screen's bare background is mostly the same few rows over and over: the plain colour crossed
// by the vertical lines of the graticule, and a handful of rows holding its horizontal lines.
// Restoring a trace's pixels from the first copy of each row reads a few rows that stay in the
// cache instead of a second picture as large as the screen (33 MB at 4K), so a clear costs about
// the writing alone.
#include <QImage>
#include <vector>

namespace ondivel {

// For each row of `picture`, the first row with exactly the same pixels (itself when none).
std::vector<int> FirstEqualRows(const QImage& picture);

} // namespace ondivel
