#include "ui/widgets/knob_geometry.h"

#include <algorithm>
#include <cmath>

namespace ondivel::knob {

double angleOf(double value, double min, double max) {
    if (max <= min) return -kSweepDegrees / 2;
    const double t = std::clamp((value - min) / (max - min), 0.0, 1.0);
    return -kSweepDegrees / 2 + t * kSweepDegrees;
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
