#pragma once
// The waveform keywords of the sources ("Cc", "Sinus", "Carre", "Triangle", "Dyn", "harmo") and
// the long forms exercise files use, recognised whatever their capitalisation. Every reader of a
// keyword (renderer, sum, XY, spectrum, sweep, meters) goes through here.
#include <string>
#include <string_view>

namespace ondivel {

enum class Waveform { None, Dc, Sine, Square, Triangle, Alternator, Harmonic };

// Lower case, French capitals included ("SINUSOÏDALE" → "sinusoïdale"); UTF-8 in and out.
std::string LowerKeyword(std::string_view keyword);

// The waveform a keyword names; None for an empty or unknown keyword.
Waveform WaveformOf(std::string_view keyword);

} // namespace ondivel
