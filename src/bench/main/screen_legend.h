#pragma once
// What a figure of the screen says beside the picture: one legend row per trace (its colour, the
// channel, the source wired to it and the kind of voltage) and the calibres of the channels on
// the screen with the time base. The exported PDF prints both; the printout prints the calibres
// under its legend.
#include <string>
#include <vector>

#include "bench/main/flat_trace_status.h"
#include "core/color.h"

namespace ondivel {

class Ondivel;

// One channel's calibre as the front panel reads it: {"Voie CH1", "2 V/div"}.
struct ChannelCalibre {
    std::string channel;
    std::string sensitivity;
};

// "Voie CH1 : 2 V/div ; Voie CH2 : 500 mV/div ; Base de temps : 1 ms/div"; the horizontal part
// is left out when `horizontal` is empty (XY), and so is a channel whose calibre is unknown.
std::string CalibreLine(const std::vector<ChannelCalibre>& channels, const std::string& horizontalName,
                        const std::string& horizontal);

// The calibres of the screen as it stands: the channels its mode shows ("(X)" and "(Y)" in XY,
// which has no time base) and the time base, or the spectrum's frequency span per division.
std::string ScreenCalibreLine(const Ondivel& app);

// "générateur de fonctions", "pile" …; empty for no source.
std::string SourceName(ChannelWiring::Source source);

struct LegendRow {
    Color color;
    std::string text;
};

// One row per trace the screen shows: "Voie CH1 : générateur de fonctions, tension sinusoïdale";
// the sum and the XY figure are one trace of CH1's colour. Empty when the screen is off.
std::vector<LegendRow> ScreenLegend(const Ondivel& app);

// "Exporté avec Ondivel v.1.0 le 03/12/2026 09:05:07", the date as the results file writes it.
std::string ExportSignature(const Ondivel& app);

} // namespace ondivel
