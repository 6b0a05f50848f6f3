#include "script/checks.h"

#include <cmath>

#include "script/lexer.h"
#include "script/script_error.h"

namespace ondivel::script {

std::optional<Op> parseOp(std::string_view w) {
    if (w == "==") return Op::Equal;
    if (w == "!=") return Op::NotEqual;
    if (w == "<") return Op::Less;
    if (w == "<=") return Op::LessEqual;
    if (w == ">") return Op::Greater;
    if (w == ">=") return Op::GreaterEqual;
    if (w == "~=") return Op::Near;
    if (w == "contains") return Op::Contains;
    if (w == "!contains") return Op::NotContains;
    return std::nullopt;
}

namespace {

std::optional<double> asNumber(const ScriptValue& v) {
    if (auto d = std::get_if<double>(&v)) return *d;
    if (auto b = std::get_if<bool>(&v)) return *b ? 1.0 : 0.0;
    double n = 0;
    if (parseNumber(std::get<std::string>(v), n)) return n;
    return std::nullopt;
}

bool equal(const ScriptValue& a, const ScriptValue& b) {
    const bool aText = std::holds_alternative<std::string>(a);
    const bool bText = std::holds_alternative<std::string>(b);
    if (aText && bText) return std::get<std::string>(a) == std::get<std::string>(b);
    if (aText != bText) {
        // "true" read from a text compares as text with a boolean, a numeric text as a number.
        if (std::holds_alternative<bool>(a) || std::holds_alternative<bool>(b))
            return plainText(a) == plainText(b);
    }
    const auto x = asNumber(a), y = asNumber(b);
    return x && y && *x == *y;
}

double numberFor(const Value& v, std::string_view role) {
    if (auto n = asNumber(v.value)) return *n;
    throw ScriptError(std::string(role) + " is not a number: " + describe(v));
}

} // namespace

bool holds(const Value& actual, Op op, const Value& expected, double tolerance) {
    if (!expected.present()) throw ScriptError("the expected value is missing: " + expected.missing);
    if (op == Op::Contains || op == Op::NotContains) {
        if (!actual.present()) return false;
        const bool found = plainText(actual.value).find(plainText(expected.value)) != std::string::npos;
        return op == Op::Contains ? found : !found;
    }
    if (op == Op::Equal || op == Op::NotEqual) {
        if (!actual.present()) return false;
        return equal(actual.value, expected.value) == (op == Op::Equal);
    }
    const double want = numberFor(expected, "the expected value");
    // A program value that is not a number fails the check, like any other wrong value.
    const auto gotNumber = actual.present() ? asNumber(actual.value) : std::nullopt;
    if (!gotNumber) return false;
    const double got = *gotNumber;
    switch (op) {
    case Op::Less:
        return got < want;
    case Op::LessEqual:
        return got <= want;
    case Op::Greater:
        return got > want;
    case Op::GreaterEqual:
        return got >= want;
    case Op::Near:
        return std::abs(got - want) <= tolerance;
    default:
        return false;
    }
}

} // namespace ondivel::script
