#include "core/format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace ondivel {

// Placeholder implementations; the full pattern formatter replaces these.
std::string FormatNumber(double value, std::string_view) { return NumberText(value); }

void Remplacer(std::string& text, std::string_view from, std::string_view to) {
    if (text.empty() || from.empty()) return;
    for (std::size_t pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos + to.size()))
        text.replace(pos, from.size(), to);
}

std::string FormatComma(double value, std::string_view pattern) {
    std::string s = FormatNumber(value, pattern);
    Remplacer(s, ".", ",");
    return s;
}

std::string NumberText(double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    return buf;
}

double Val(std::string_view text) { return std::strtod(std::string(text).c_str(), nullptr); }

double RoundHalfEven(double value) { return std::nearbyint(value); }

} // namespace ondivel
