#pragma once
// Rounding to a number of decimals, half away from zero, as the spectrum's frequency labels and
// frequency axis need it.

namespace ondivel {

// Fix(x·10^digits + Sgn(x)/2) / 10^digits, Fix truncating toward zero: 2.25 → 2.3, −2.25 → −2.3.
double RoundDecimals(double x, int digits);

} // namespace ondivel
