#pragma once
// A value as the script harness and the generic property access see it, and a typed reference
// to a variable that can be read or written through such a value.
#include <cstdint>
#include <string>
#include <variant>

namespace ondivel {

using ScriptValue = std::variant<double, bool, std::string>;

std::string toText(const ScriptValue& v);
double toNumber(const ScriptValue& v);
bool toBool(const ScriptValue& v);

// Points at a member variable of the application or of a window model.
class VarRef {
  public:
    using Target = std::variant<double*, float*, int*, std::int16_t*, std::int64_t*, bool*, std::string*,
                                std::uint32_t*>;
    VarRef() = default;
    template <class T> explicit VarRef(T* p) : target_(p) {}
    ScriptValue get() const;
    void set(const ScriptValue& v) const;
    bool valid() const { return target_.index() != std::variant_npos && !isNull(); }

  private:
    bool isNull() const;
    Target target_{static_cast<double*>(nullptr)};
};

} // namespace ondivel
