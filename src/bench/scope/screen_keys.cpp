#include "bench/scope/screen_keys.h"

#include <algorithm>

#include "bench/scope/frm_ondivel.h"
#include "core/user_input.h"

namespace ondivel {

namespace {

// The pointer stays on the graticule's ten by eight divisions.
constexpr double kHalfWidth = 500, kHalfHeight = 400;
constexpr double kDivision = 100;

} // namespace

bool PressScreenKey(FrmOndivel& scope, NavKey key, bool fine) {
    ScreenPointer& p = scope.keyboardPointer;
    const double step = kDivision / (fine ? 100 : 10);
    double x = p.x, y = p.y;
    switch (key) {
    case NavKey::Enter:
        HideScreenPointer(scope);
        return user::dblClick(scope.picEcran);
    case NavKey::Escape:
        if (!p.shown) return false;
        HideScreenPointer(scope);
        return true;
    case NavKey::Left:
        x -= step;
        break;
    case NavKey::Right:
        x += step;
        break;
    case NavKey::Up:
        y += step;
        break;
    case NavKey::Down:
        y -= step;
        break;
    case NavKey::PageUp:
        y += kDivision;
        break;
    case NavKey::PageDown:
        y -= kDivision;
        break;
    case NavKey::Home:
        x = -kHalfWidth;
        break;
    case NavKey::End:
        x = kHalfWidth;
        break;
    default:
        return false;
    }
    // A pointer the user cannot see yet shows where it stands before it moves.
    if (p.shown) {
        p.x = std::clamp(x, -kHalfWidth, kHalfWidth);
        p.y = std::clamp(y, -kHalfHeight, kHalfHeight);
    }
    p.shown = true;
    user::move(scope.picEcran, p.x, p.y);
    return true;
}

void HideScreenPointer(FrmOndivel& scope) {
    if (!scope.keyboardPointer.shown) return;
    scope.keyboardPointer.shown = false;
    user::leave(scope.picEcran);
}

} // namespace ondivel
