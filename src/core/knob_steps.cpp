#include "core/knob_steps.h"

#include <algorithm>
#include <cmath>

namespace ondivel {

std::optional<NavKey> navKeyNamed(std::string_view name) {
    struct Named {
        std::string_view name;
        NavKey key;
    };
    static constexpr Named kNames[] = {
        {"Space", NavKey::Space}, {"Enter", NavKey::Enter},   {"Return", NavKey::Enter},
        {"Up", NavKey::Up},       {"Down", NavKey::Down},     {"Left", NavKey::Left},
        {"Right", NavKey::Right}, {"PageUp", NavKey::PageUp}, {"PageDown", NavKey::PageDown},
        {"Home", NavKey::Home},   {"End", NavKey::End},       {"Escape", NavKey::Escape},
    };
    for (const Named& n : kNames)
        if (n.name == name) return n.key;
    return std::nullopt;
}

namespace knob {

double stepOf(double min, double max) {
    const double span = std::abs(max - min);
    if (span <= 120) return 1;
    return std::max(1.0, std::round(span / 120));
}

double fineStepOf(double min, double max) {
    const double step = stepOf(min, max);
    return std::max(std::min(1.0, step), std::round(step / 10));
}

double pageOf(double min, double max) {
    return 10 * stepOf(min, max);
}

std::optional<double> keyTarget(NavKey key, double value, double min, double max, bool fine) {
    const double step = fine ? fineStepOf(min, max) : stepOf(min, max);
    switch (key) {
    case NavKey::Up:
    case NavKey::Right:
        return value + step;
    case NavKey::Down:
    case NavKey::Left:
        return value - step;
    case NavKey::PageUp:
        return value + pageOf(min, max);
    case NavKey::PageDown:
        return value - pageOf(min, max);
    case NavKey::Home:
        return std::min(min, max);
    case NavKey::End:
        return std::max(min, max);
    default:
        return std::nullopt;
    }
}

} // namespace knob
} // namespace ondivel
