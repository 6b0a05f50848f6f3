#pragma once
// The spectrum display that replaces the traces while frmOndivel's "FFT" box is checked: one line
// per harmonic of each displayed channel, from the waveforms' Fourier series in closed form.

namespace ondivel {

class Ondivel;

// The spectrum of channel 0 (CH1) or 1 (CH2), then the overlay.
void DrawSpectrum(Ondivel& app, int channel);
// The spectrum of the CH1 + CH2 sum (ADD mode), then the overlay.
void DrawSumSpectrum(Ondivel& app);

} // namespace ondivel
