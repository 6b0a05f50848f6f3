#pragma once
// The frequency read-out of the generator panels (function and harmonic generators): the text
// shown for a range multiplier and a frequency, and the procedures that write it into a panel's
// lblFreqA or lblFreqB.
#include <optional>
#include <string>

namespace ondivel {

class BenchForm;

// The read-out for a range multiplier (1 … 100000) and a frequency in hertz, with a decimal
// comma: kHz on the three upper ranges, Hz on the three lower ones. No text for any other
// multiplier.
std::optional<std::string> FrequencyReadoutText(double multiplier, double frequency);

// Write the side's read-out (GammeA/FrequenceA into lblFreqA, GammeB/FrequenceB into lblFreqB)
// on the given generator panel; an unknown multiplier leaves the caption as it was.
void AfficherFrequenceA(BenchForm& form);
void AfficherFrequenceB(BenchForm& form);

} // namespace ondivel
