#pragma once
// The automatic measurements as frmMesures shows them: "Vpp (CH1) = 10,0 V", three significant
// figures with a decimal comma and a unit prefix, "?" for what the screen cannot tell.
#include <array>
#include <string>

#include "physics/trace_measurements.h"

namespace ondivel {

// `value` to three significant figures in `unit` with the prefix that leaves one to three digits
// before the comma (n, µ, m, k, M): 0.0125 V → "12,5 mV", 999.96 Hz → "1,00 kHz". A value smaller
// than `zeroBelow` in size shows as zero ("0,00 V"), so that the sampling's rounding noise
// around a zero mean does not read as a measurement.
std::string SignificantText(double value, const std::string& unit, double zeroBelow = 0);

// The seven lines of one trace, in the panel's order: Vpp, Vmax, Vmin, Vmoy, Veff, T, f.
// `voltResolution` is the smallest voltage the trace's scale tells from zero.
std::array<std::string, 7> MeasurementLines(const std::string& trace, const TraceMeasurements& m,
                                            double voltResolution);

} // namespace ondivel
