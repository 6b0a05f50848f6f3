#include "bench/scope/auto_settings.h"

#include <algorithm>
#include <cmath>

#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/scales.h"
#include "bench/toolbox/frm_toolbox.h"

namespace ondivel {

namespace {

// The alternator's waveform at a quarter period: sin(π/2) − 0.3·sin(3π/2) + 0.2·sin(5π/2). Its
// peak is half as high again as its amplitude.
constexpr double kAlternatorPeakFactor = 1.5;

// A trace may fill four of the eight vertical divisions; one period spans the ten horizontal ones.
constexpr double kDivisionsPerPeak = 4;
constexpr double kDivisionsPerPeriod = 10;

// Knob positions shown before the scales are chosen; a channel left unwired keeps its scale
// although its knob shows this position.
constexpr int kStartTimeBaseKnob = 7;
constexpr int kStartSensitivityKnob = 4;

double batteryVolts(int option) {
    switch (option) {
    case 3:
    case 8:
        return 1.5;
    case 4:
    case 7:
        return 4.5;
    default:
        return 9;
    }
}

// The selected connection option of one channel; -1 when none is selected.
int selectedOption(const FrmToolBox& toolbox, int side) {
    for (int i = 0; i < toolbox.optConnexion.size(); ++i)
        if (FrmToolBox::isSideA(i) == (side == SideA) && toolbox.optConnexion[i].isOn()) return i;
    return -1;
}

// Volts per division and seconds per division one channel needs, carried over from the channel
// before it.
struct Needs {
    double voltsPerDivision = 0;
    double secondsPerDivision = 0;
    bool periodic = false;
};

// One period over the screen; the slower source of the two channels wins.
void keepSlowerPeriod(Needs& needs, double frequency) {
    needs.periodic = true;
    if (frequency == 0) return;
    needs.secondsPerDivision = std::max(needs.secondsPerDivision, (1 / frequency) / kDivisionsPerPeriod);
}

// Returns false when the channel has no source.
bool addChannel(Needs& needs, int option, double amplitude, double frequency) {
    using Source = FrmToolBox::Source;
    switch (option < 0 ? Source::None : FrmToolBox::sourceOf(option)) {
    case Source::None:
        return false;
    case Source::Supply:
        needs.voltsPerDivision = std::abs(amplitude) / kDivisionsPerPeak;
        break;
    case Source::Battery:
        needs.voltsPerDivision = batteryVolts(option) / kDivisionsPerPeak;
        break;
    case Source::Alternator:
        needs.voltsPerDivision = amplitude / kDivisionsPerPeak * kAlternatorPeakFactor;
        keepSlowerPeriod(needs, frequency);
        break;
    case Source::Gbf:
    case Source::Mains:
    case Source::Harmonic: // its amplitude and fundamental, like the function generator's
        needs.voltsPerDivision = amplitude / kDivisionsPerPeak;
        keepSlowerPeriod(needs, frequency);
        break;
    }
    return true;
}

// The smallest scale value ≥ needed, finest first; index 0 takes everything else.
template <typename Table> int smallestScaleAtLeast(const Table& table, double needed) {
    if (!(needed >= 0)) return 0;
    for (int i = static_cast<int>(table.size()) - 1; i > 0; --i)
        if (needed <= table[static_cast<std::size_t>(i)].value) return i;
    return 0;
}

} // namespace

int SensitivityKnobFor(double voltsPerDivision) {
    return smallestScaleAtLeast(kSensitivities, voltsPerDivision);
}

int TimeBaseKnobFor(double secondsPerDivision) {
    return smallestScaleAtLeast(kTimeBases, secondsPerDivision);
}

void AutoSettings(Ondivel& app) {
    Globals& g = app.g;
    ControlArray& knobs = app.frmOndivel().Potentio;
    const FrmToolBox& toolbox = app.frmToolBox();

    // The position knobs stay where they are; only the offsets are cleared.
    g.PositionH = g.PositionCH1 = g.PositionCH2 = 0;
    knobs[KnobTimeBase].Value = kStartTimeBaseKnob;
    knobs[KnobSensitivityCH1].Value = kStartSensitivityKnob;
    knobs[KnobSensitivityCH2].Value = kStartSensitivityKnob;

    Needs needs;
    if (addChannel(needs, selectedOption(toolbox, SideA), g.AmplitudeA, g.FrequenceA)) {
        knobs[KnobSensitivityCH1].Value = SensitivityKnobFor(needs.voltsPerDivision);
        ApplyKnob(app, kLeftButton, KnobSensitivityCH1);
    }
    if (addChannel(needs, selectedOption(toolbox, SideB), g.AmplitudeB, g.FrequenceB)) {
        knobs[KnobSensitivityCH2].Value = SensitivityKnobFor(needs.voltsPerDivision);
        ApplyKnob(app, kLeftButton, KnobSensitivityCH2);
    }
    if (needs.periodic) {
        knobs[KnobTimeBase].Value = TimeBaseKnobFor(needs.secondsPerDivision);
        ApplyKnob(app, kLeftButton, KnobTimeBase);
    }
    app.RefreshDisplay();
}

} // namespace ondivel
