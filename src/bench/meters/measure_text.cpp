#include "bench/meters/measure_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

namespace ondivel {

namespace {
constexpr int kFigures = 3;
constexpr int kLowestPrefix = -9, kHighestPrefix = 6;

const char* prefixOf(int exponent) {
    switch (exponent) {
    case -9:
        return "n";
    case -6:
        return "µ";
    case -3:
        return "m";
    case 3:
        return "k";
    case 6:
        return "M";
    default:
        return "";
    }
}

// Floor division that rounds towards minus infinity for negative exponents too.
int floorToThousands(int exponent) {
    return static_cast<int>(std::floor(exponent / 3.0)) * 3;
}
} // namespace

std::string SignificantText(double value, const std::string& unit, double zeroBelow) {
    if (!std::isfinite(value)) return "?";
    double shown = 0; // in units of the prefix
    int exponent = 0, decimals = kFigures - 1;
    if (value != 0 && !(std::abs(value) < zeroBelow)) {
        // Rounded to three figures first: 999.96 becomes 1000 and takes the next prefix.
        int magnitude = static_cast<int>(std::floor(std::log10(std::abs(value))));
        const double unitOfLast = std::pow(10.0, magnitude - (kFigures - 1));
        const double rounded = std::round(value / unitOfLast) * unitOfLast;
        if (std::abs(rounded) >= std::pow(10.0, magnitude + 1)) ++magnitude;
        exponent = std::clamp(floorToThousands(magnitude), kLowestPrefix, kHighestPrefix);
        decimals = std::max(0, kFigures - 1 - (magnitude - exponent));
        shown = rounded / std::pow(10.0, exponent);
    }
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.*f", decimals, shown);
    std::string text = digits;
    for (char& c : text)
        if (c == '.') c = ',';
    return text + " " + prefixOf(exponent) + unit;
}

std::array<std::string, 7> MeasurementLines(const std::string& trace, const TraceMeasurements& m,
                                            double voltResolution) {
    auto line = [&](const char* name, const std::optional<double>& value, const char* unit, double zero) {
        return std::string(name) + " (" + trace +
               ") = " + (value ? SignificantText(*value, unit, zero) : "?");
    };
    return {line("Vpp", m.peakToPeak, "V", voltResolution),
            line("Vmax", m.maximum, "V", voltResolution),
            line("Vmin", m.minimum, "V", voltResolution),
            line("Vmoy", m.mean, "V", voltResolution),
            line("Veff", m.rms, "V", voltResolution),
            line("T", m.period, "s", 0),
            line("f", m.frequency, "Hz", 0)};
}

} // namespace ondivel
