#pragma once
// The spectrum display that replaces the traces while frmOndivel's "FFT" box is checked: one line
// per harmonic of each displayed channel, from the waveforms' Fourier series in closed form.
// The renderer calls the two drawers; the pure pieces below are what they are made of.
#include <array>
#include <string>

namespace ondivel {

class Ondivel;

// The spectrum of channel 0 (CH1) or 1 (CH2), then the overlay.
void DrawSpectrum(Ondivel& app, int channel);
// The spectrum of the CH1 + CH2 sum (ADD mode), then the overlay.
void DrawSumSpectrum(Ondivel& app);

// Orders 0 (the DC line) to 49.
inline constexpr int kSpectrumOrders = 50;
// Orders a harmonic generator panel sets.
inline constexpr int kPanelHarmonics = 20;

// What one channel's spectrum is made from.
struct SpectrumSource {
    std::string keyword;
    double amplitude = 0;   // volts, already negated for an inverted CH2
    double frequency = 0;   // hertz
    double offset = 0;      // volts, the DC line
    double duty = 0.5;      // 0 … 1
    double sensitivity = 1; // volts a division
    // The percentages shown by the harmonic panel for orders 1 … 20 (keyword "harmo").
    std::array<double, kPanelHarmonics> percent{};
};

// Line heights in screen units (100 a division; signed only for "sinus" and "dyn", magnitudes
// otherwise) and frequencies in hertz. A line merged into the other channel's is not shown.
struct SpectrumLines {
    std::array<double, kSpectrumOrders> height{};
    std::array<double, kSpectrumOrders> frequency{};
    std::array<bool, kSpectrumOrders> shown{};
};

// The lines of one channel; an unknown keyword gives the DC line alone.
SpectrumLines BuildSpectrum(const SpectrumSource& source);

// Adds to each line of `ch1` the heights of the `ch2` lines at the same frequency (within one
// part in a thousand) and hides those: the spectrum of the sum, phases ignored.
void MergeSpectra(SpectrumLines& ch1, SpectrumLines& ch2);

// Where the fundamental stands: −400 (one division from the left edge) unless the other channel
// is connected with a lower frequency, in which case that one stands at −400 and this one as far
// right as the frequency difference takes it at 1/timeBase hertz a division.
double SpectrumShift(double timeBase, double frequency, double otherFrequency, bool otherConnected);

// The text under the fundamental: "1000", "2.5", "0.5".
std::string FrequencyLabel(double fundamental);

} // namespace ondivel
