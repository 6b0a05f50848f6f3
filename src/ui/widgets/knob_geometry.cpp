#include "ui/widgets/knob_geometry.h"

#include <algorithm>
#include <cmath>

namespace ondivel::knob {

double angleOf(double value, double min, double max) {
    if (max <= min) return -kSweepDegrees / 2;
    const double t = std::clamp((value - min) / (max - min), 0.0, 1.0);
    return -kSweepDegrees / 2 + t * kSweepDegrees;
}

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

double dragDelta(double pixels, double min, double max, double fullTravel, bool fine) {
    if (fullTravel <= 0) return 0;
    const double delta = pixels * (max - min) / fullTravel;
    return fine ? delta / 10 : delta;
}

double snapped(double value, double min, double max) {
    return std::abs(max - min) > 20 ? std::round(value) : value;
}

} // namespace ondivel::knob
