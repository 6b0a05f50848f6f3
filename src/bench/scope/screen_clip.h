#pragma once
// Cuts a segment to the screen's edges in screen units, as the picture's frame cuts a trace: what
// paper (the printout, an exported page) needs, where nothing else stops a line at the edge.

namespace ondivel {

// Liang–Barsky: moves the ends inside the screen; false when the segment lies wholly outside.
bool ClipToScreen(double& x1, double& y1, double& x2, double& y2);

} // namespace ondivel
