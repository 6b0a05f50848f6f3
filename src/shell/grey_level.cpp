#include "shell/grey_level.h"

namespace ondivel {

int GreyValue(Color c) {
    const int r = redOf(c), g = greenOf(c), b = blueOf(c);
    return (150 * g + 77 * r + 28 * b) / 256 + 1;
}

Color GreyLevel(Color c) {
    return static_cast<Color>(GreyValue(c)) * 65793u;
}

} // namespace ondivel
