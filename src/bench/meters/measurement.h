#pragma once
// The meters' measurement engine: what the school voltmeter or the TRMS multimeter reads on the
// channel it is switched to, from the shared source and channel state.
#include <optional>
#include <string>

namespace ondivel {

class Ondivel;

// R.m.s. value of a waveform from its peak; nullopt for an unknown keyword (shown as 0).
std::optional<double> ValeurEfficace(double peak, const std::string& keyword);
// Highest (maximum true) or lowest instantaneous value of a side's signal (TRMS MIN/MAX).
double ValeurCreteSignal(const Ondivel& app, int side, bool maximum);
// Entry of the global refresh: the meter chosen by "Multimetre college" measures.
void MesurerVoltmetre(Ondivel& app);
// Entry of the toolbox's meter box and the preferences.
void MesurerSelonOption(Ondivel& app);
// Shows a value on the active meter, when the voltmeter menu entry is checked.
void AfficherMesure(Ondivel& app, double value);

// The two measurements behind the entries.
void MeasureSchoolVoltmeter(Ondivel& app);
void MeasureTrms(Ondivel& app);

} // namespace ondivel
