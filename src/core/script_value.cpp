#include "core/script_value.h"

#include "core/format.h"

namespace ondivel {

std::string toText(const ScriptValue& v) {
    if (auto d = std::get_if<double>(&v)) return NumberText(*d);
    if (auto b = std::get_if<bool>(&v)) return *b ? "true" : "false";
    return std::get<std::string>(v);
}

double toNumber(const ScriptValue& v) {
    if (auto d = std::get_if<double>(&v)) return *d;
    if (auto b = std::get_if<bool>(&v)) return *b ? 1.0 : 0.0;
    return Val(std::get<std::string>(v));
}

bool toBool(const ScriptValue& v) {
    if (auto b = std::get_if<bool>(&v)) return *b;
    if (auto d = std::get_if<double>(&v)) return *d != 0;
    const auto& s = std::get<std::string>(v);
    return s == "true" || s == "True" || Val(s) != 0;
}

bool VarRef::isNull() const {
    return std::visit([](auto* p) { return p == nullptr; }, target_);
}

ScriptValue VarRef::get() const {
    return std::visit(
        [](auto* p) -> ScriptValue {
            using T = std::remove_pointer_t<decltype(p)>;
            if constexpr (std::is_same_v<T, bool>)
                return *p;
            else if constexpr (std::is_same_v<T, std::string>)
                return *p;
            else
                return static_cast<double>(*p);
        },
        target_);
}

void VarRef::set(const ScriptValue& v) const {
    std::visit(
        [&](auto* p) {
            using T = std::remove_pointer_t<decltype(p)>;
            if constexpr (std::is_same_v<T, bool>)
                *p = toBool(v);
            else if constexpr (std::is_same_v<T, std::string>)
                *p = toText(v);
            else
                *p = static_cast<T>(toNumber(v));
        },
        target_);
}

} // namespace ondivel
