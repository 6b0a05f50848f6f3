#pragma once
// The XY mode figure: CH1 deflects horizontally, CH2 vertically. One frame per tick of frmOndivel's
// tmrXY, each frame starting at the sample number PhaseXY; also drawn once before printing or
// copying the screen in XY mode.

#include <vector>

namespace ondivel {

class Ondivel;

// Samples per second of a frame: 500 × the slower channel's frequency, at least 50000, so a frame
// of 2000 sample numbers spans four periods of the slower channel, or 40 ms for slow signals.
double XYSampleRate(double frequencyCH1, double frequencyCH2);

// Draws one frame of 1001 samples (startSample, startSample + 2, … startSample + 2000) on a freshly
// cleared screen, then the overlay. Re-derives the frequencies, offsets and duty cycles of the
// working set from the sources first in free mode; in evaluated mode the exercise's stay.
void DrawXY(Ondivel& app, double startSample);

// One point of a frame in volts as the channels' scales read it ("-CH2" applied to Y), and
// whether the spot is inside the screen on each axis.
struct XYPoint {
    double t = 0; // seconds, sample number / sample rate
    double x = 0, y = 0;
    bool xShown = true, yShown = true;
};
// The 1001 points of the frame DrawXY draws from startSample, with the working set as the last
// drawing left it. A channel too fast for the samples alternates between its extremes, as the
// figure's strokes do.
std::vector<XYPoint> XYFrameVolts(const Ondivel& app, double startSample);

} // namespace ondivel
