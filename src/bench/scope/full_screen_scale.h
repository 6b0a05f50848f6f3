#pragma once
// How large the full-screen view draws, so that a picture projected at 1920 × 1080 or 3840 × 2160
// stays readable from the back of a classroom. Up to the reference, the full-screen view of a
// 1280 × 800 work area (the common classroom projector, and the harness's default work area),
// the documents' sizes hold as they are: texts of 18 and 12 points, pens of their width in
// pixels. Beyond it the desktop view magnifies its texts and pens in proportion to its height, so
// that the picture keeps the reference's proportions at any size; the models and the harness keep
// the documents' sizes.

namespace ondivel {

inline constexpr double kReferenceViewHeight = 800; // pixels
// No screen is 6 × 800 pixels high: the cap only keeps the glyphs and the pens of a nonsensical
// size from costing more than those of the largest real screens.
inline constexpr double kLargestViewScale = 6;
// The full-screen traces' least width in the projection colours, before the magnification.
inline constexpr int kProjectionTraceWidth = 4; // pixels

// height / 800, never below 1 nor above 6; 1 for a height that is not a number.
double FullScreenScale(double viewHeightPixels);

} // namespace ondivel
