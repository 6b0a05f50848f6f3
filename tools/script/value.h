#pragma once
// What an expression yields: a number, a boolean or a text, or nothing with the reason why (a
// missing file, no segment of a colour). Checks against nothing always fail.
#include <string>

#include "core/script_value.h"

namespace ondivel::script {

struct Value {
    ScriptValue value;
    std::string missing; // why there is no value; empty when there is one

    bool present() const { return missing.empty(); }
    static Value none(std::string why) { return {ScriptValue(0.0), std::move(why)}; }
};

// Numbers as the shortest text that reads back the same ("1000", "0.1", "16777215").
std::string numberText(double v);
// For FAIL and print lines: numbers plainly, booleans as true/false, texts quoted with \r \n \"
// and \\ escaped, a missing value as its reason.
std::string describe(const Value& v);
// The text of a value for `contains` and for text settings: numbers as numberText.
std::string plainText(const ScriptValue& v);

} // namespace ondivel::script
