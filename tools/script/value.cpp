#include "script/value.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace ondivel::script {

std::string numberText(double v) {
    if (v == 0) return "0"; // also -0
    char buf[40];
    for (int precision : {15, 17}) {
        std::snprintf(buf, sizeof buf, "%.*g", precision, v);
        if (std::strtod(buf, nullptr) == v) break;
    }
    return buf;
}

std::string plainText(const ScriptValue& v) {
    if (auto d = std::get_if<double>(&v)) return numberText(*d);
    if (auto b = std::get_if<bool>(&v)) return *b ? "true" : "false";
    return std::get<std::string>(v);
}

std::string describe(const Value& v) {
    if (!v.present()) return v.missing;
    const auto* s = std::get_if<std::string>(&v.value);
    if (!s) return plainText(v.value);
    std::string out = "\"";
    for (char c : *s) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out + '"';
}

} // namespace ondivel::script
