#pragma once
// The comparison operators of `expect`.
#include <optional>
#include <string_view>

#include "script/value.h"

namespace ondivel::script {

enum class Op { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual, Near, Contains, NotContains };

std::optional<Op> parseOp(std::string_view word);

// Whether `actual OP expected` holds. Numbers compare with numbers, and with texts that are
// wholly a number ("65535" read from the settings file); booleans count as 1 and 0 against
// numbers; `~=` allows an absolute difference up to tolerance; `contains` compares texts.
// A missing or non-numeric actual value never satisfies an ordering. Throws ScriptError when
// the expected value cannot serve, such as `< "abc"`.
bool holds(const Value& actual, Op op, const Value& expected, double tolerance);

} // namespace ondivel::script
