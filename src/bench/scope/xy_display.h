#pragma once
// The XY mode figure: CH1 deflects horizontally, CH2 vertically. One frame per tick of frmOndivel's
// tmrXY, each frame starting at the sample number PhaseXY; also drawn once before printing or
// copying the screen in XY mode.

namespace ondivel {

class Ondivel;

// Samples per second of a frame: 500 × the slower channel's frequency, at least 50000, so a frame
// of 2000 sample numbers spans four periods of the slower channel, or 40 ms for slow signals.
double XYSampleRate(double frequencyCH1, double frequencyCH2);

// Draws one frame of 1001 samples (startSample, startSample + 2, … startSample + 2000) on a freshly
// cleared screen, then the overlay. Re-derives the frequencies, offsets and duty cycles of the
// working set from the sources first in free mode; in evaluated mode the exercise's stay.
void DrawXY(Ondivel& app, double startSample);

} // namespace ondivel
