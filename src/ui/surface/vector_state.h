#pragma once
// Qt's raster engine fills and strokes with AVX code that leaves the upper halves of the vector
// registers in use. Until something clears them, every switch between such code and the SSE code
// this program is compiled to costs the processor a state transition: a call to std::sin then took
// some 150 ns instead of 8, and an XY frame spent more time computing its samples than painting
// them. QtSurface clears them each time Qt has painted for it.
namespace ondivel {

// Marks the upper halves of the vector registers as unused (vzeroupper) where the processor has
// them; does nothing elsewhere.
void releaseUpperVectorState();

} // namespace ondivel
