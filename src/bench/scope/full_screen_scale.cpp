#include "bench/scope/full_screen_scale.h"

#include <algorithm>
#include <cmath>

namespace ondivel {

double FullScreenScale(double viewHeightPixels) {
    if (std::isnan(viewHeightPixels)) return 1;
    return std::clamp(viewHeightPixels / kReferenceViewHeight, 1.0, kLargestViewScale);
}

} // namespace ondivel
