#include "physics/round_decimals.h"

#include <cmath>

namespace ondivel {

double RoundDecimals(double x, int digits) {
    const double scale = std::pow(10.0, digits);
    const double sign = x > 0 ? 1 : (x < 0 ? -1 : 0);
    return std::trunc(x * scale + sign / 2) / scale;
}

} // namespace ondivel
