#pragma once
// Whether a number typed in a box is one the exercise reader can convert: the check the editor
// makes before it builds a line.
#include <string_view>

namespace ondivel {

// Blanks around, an optional sign, digits with at most one "," as decimal separator (at least one
// digit), an optional exponent. "." is not accepted here: the caller turns it into "," first.
bool IsNumericEntry(std::string_view text);

} // namespace ondivel
