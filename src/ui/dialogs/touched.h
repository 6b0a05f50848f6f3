#pragma once
// What a dialog widget calls after it gave the model an event, so the view reads the whole window
// again.
#include <functional>

namespace ondivel {

using Touched = std::function<void()>;

} // namespace ondivel
