#include "bench/sources/frequency_readout.h"

#include "bench/bench_form.h"
#include "bench/ondivel.h"
#include "core/format.h"

namespace ondivel {

namespace {

// Every range shows its full scale (1.2 × the multiplier) with four significant digits.
struct ReadoutFormat {
    double multiplier;
    double divisor; // hertz per displayed unit
    const char* pattern;
};

constexpr ReadoutFormat kFormats[] = {
    {100000, 1000, "000.0"}, {10000, 1000, "00.00"}, {1000, 1000, "0.000"},
    {100, 1, "000.0"},       {10, 1, "00.00"},       {1, 1, "0.000"},
};

void writeReadout(Form& form, const char* label, double multiplier, double frequency) {
    const auto text = FrequencyReadoutText(multiplier, frequency);
    if (!text) return;
    if (Control* c = form.findControl(label)) c->Caption = *text;
}

} // namespace

std::optional<std::string> FrequencyReadoutText(double multiplier, double frequency) {
    for (const auto& f : kFormats)
        if (f.multiplier == multiplier) return FormatComma(frequency / f.divisor, f.pattern);
    return std::nullopt;
}

void AfficherFrequenceA(BenchForm& form) {
    const Globals& g = form.app().g;
    writeReadout(form, "lblFreqA", g.GammeA, g.FrequenceA);
}

void AfficherFrequenceB(BenchForm& form) {
    const Globals& g = form.app().g;
    writeReadout(form, "lblFreqB", g.GammeB, g.FrequenceB);
}

} // namespace ondivel
