#include "bench/scope/cursor_measures.h"

#include <cmath>
#include <cstdio>

namespace ondivel {

namespace {

struct Prefix {
    double factor;
    const char* symbol;
};

// Rounded to three significant digits first, so that 999.7 mV is written "1,00 V", not "1000 mV".
double roundedToThreeDigits(double value) {
    if (value == 0 || !std::isfinite(value)) return value;
    const double scale = std::pow(10.0, 2 - std::floor(std::log10(std::fabs(value))));
    return std::round(value * scale) / scale;
}

// `prefixes` from the largest factor down; the smallest one takes whatever is below it.
template <std::size_t N> std::string scaledText(double value, const Prefix (&prefixes)[N], const char* unit) {
    if (!std::isfinite(value)) return "?";
    const double r = roundedToThreeDigits(value);
    const Prefix* chosen = &prefixes[N - 1];
    for (const Prefix& p : prefixes)
        if (r == 0 ? p.factor == 1 : std::fabs(r) >= p.factor) {
            chosen = &p;
            break;
        }
    const double m = r / chosen->factor;
    const double size = std::fabs(m);
    const int decimals = size == 0 || size < 10 ? 2 : size < 100 ? 1 : 0;
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, m == 0 ? 0.0 : m);
    std::string out(text);
    // Whatever the C locale, the program writes a decimal comma.
    for (char& c : out)
        if (c == '.') c = ',';
    return out + " " + chosen->symbol + unit;
}

} // namespace

double CursorTime(double x, double positionH, double timeBase) {
    return (x - positionH) / 100 * timeBase;
}

double CursorVoltage(double y, double position, double sensitivity) {
    return (y - position) / 100 * sensitivity;
}

std::string TimeText(double seconds) {
    static constexpr Prefix kPrefixes[] = {{1, ""}, {1e-3, "m"}, {1e-6, "µ"}, {1e-9, "n"}};
    return scaledText(seconds, kPrefixes, "s");
}

std::string FrequencyText(double hertz) {
    static constexpr Prefix kPrefixes[] = {{1e6, "M"}, {1e3, "k"}, {1, ""}};
    return scaledText(hertz, kPrefixes, "Hz");
}

std::string VoltageText(double volts) {
    static constexpr Prefix kPrefixes[] = {{1, ""}, {1e-3, "m"}};
    return scaledText(volts, kPrefixes, "V");
}

std::string InverseTimeText(double seconds) {
    if (seconds == 0) return "?";
    return FrequencyText(1 / std::fabs(seconds));
}

} // namespace ondivel
