#pragma once
// The properties that windows and controls both carry, read and written by name for the scenario
// language: the caption, the place and size in twips, the background colour and the pointer.
#include <optional>
#include <string>

#include "core/color.h"
#include "core/script_value.h"

namespace ondivel {

template <class T> std::optional<ScriptValue> sharedProperty(const T& o, const std::string& prop) {
    if (prop == "Caption") return o.Caption;
    if (prop == "Left") return o.Left;
    if (prop == "Top") return o.Top;
    if (prop == "Width") return o.Width;
    if (prop == "Height") return o.Height;
    if (prop == "BackColor") return static_cast<double>(o.BackColor);
    if (prop == "MousePointer") return static_cast<double>(o.MousePointer);
    return std::nullopt;
}

// False when `prop` is not one of them.
template <class T> bool setSharedProperty(T& o, const std::string& prop, const ScriptValue& v) {
    if (prop == "Caption")
        o.Caption = toText(v);
    else if (prop == "Left")
        o.Left = toNumber(v);
    else if (prop == "Top")
        o.Top = toNumber(v);
    else if (prop == "Width")
        o.Width = toNumber(v);
    else if (prop == "Height")
        o.Height = toNumber(v);
    else if (prop == "BackColor")
        o.BackColor = static_cast<Color>(toNumber(v));
    else if (prop == "MousePointer")
        o.MousePointer = static_cast<int>(toNumber(v));
    else
        return false;
    return true;
}

} // namespace ondivel
