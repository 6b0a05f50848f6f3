#include "core/control.h"

#include <algorithm>
#include <set>
#include <stdexcept>

#include "core/form.h"
#include "core/form_host.h"
#include "core/shared_properties.h"

namespace ondivel {

Control::Control(ControlKind kind, std::string name, int index)
    : kind_(kind), name_(std::move(name)), index_(index), group_(name_) {
    if (kind_ == ControlKind::ProgressBar || kind_ == ControlKind::Slider) Max = 100;
    if (kind_ == ControlKind::Knob) Max = 100;
}

std::string Control::path() const {
    std::string p = owner_ ? owner_->name() + "." + name_ : name_;
    if (index_ >= 0) p += "(" + std::to_string(index_) + ")";
    return p;
}

void Control::setValue(double v) {
    switch (kind_) {
    case ControlKind::CheckBox:
        if (Value == v) return;
        Value = v;
        raise(on.Click);
        break;
    case ControlKind::OptionButton: {
        const bool select = v != 0;
        if (!select) {
            Value = 0;
            break;
        }
        if (Value != 0) return;
        if (owner_) {
            for (Control* c : owner_->controls())
                if (c != this && c->kind_ == ControlKind::OptionButton && c->group_ == group_) c->Value = 0;
        }
        Value = 1;
        raise(on.Click);
        break;
    }
    case ControlKind::Slider:
    case ControlKind::ProgressBar: {
        const double clamped = std::clamp(v, std::min(Min, Max), std::max(Min, Max));
        if (Value == clamped) return;
        Value = clamped;
        if (kind_ == ControlKind::Slider) raise(on.Change);
        break;
    }
    default:
        Value = v;
        break;
    }
    if (owner_) owner_->host().requestRepaint();
}

void Control::setListIndex(int i) {
    ListIndex = i;
    raise(on.Click);
}

void Control::setText(std::string text) {
    Text = std::move(text);
    raise(on.Change);
}

void Control::addItem(std::string item) {
    List.push_back(std::move(item));
    Selected.push_back(false);
}

std::string Control::listText() const {
    if (ListIndex < 0 || ListIndex >= static_cast<int>(List.size())) return {};
    return List[static_cast<std::size_t>(ListIndex)];
}

namespace {
const std::set<std::string>& propertyNames() {
    static const std::set<std::string> names{
        "Value",     "Min",          "Max",         "Caption",     "Text",        "Visible",  "Enabled",
        "Checked",   "FillColor",    "BackColor",   "ForeColor",   "ToolTipText", "Interval", "ListIndex",
        "ListCount", "List",         "Selected",    "Left",        "Top",         "Width",    "Height",
        "Picture",   "MousePointer", "SmallChange", "LargeChange", "Shortcut",    "SelStart", "SelLength"};
    return names;
}
} // namespace

bool Control::isProperty(const std::string& prop) {
    return propertyNames().count(prop) != 0;
}

ScriptValue Control::property(const std::string& prop, int listItem) const {
    if (prop == "Value") {
        if (kind_ == ControlKind::OptionButton) return Value != 0;
        return Value;
    }
    if (prop == "Min") return Min;
    if (prop == "Max") return Max;
    if (prop == "Text") return kind_ == ControlKind::ComboBox && Text.empty() ? listText() : Text;
    if (prop == "ToolTipText") return ToolTipText;
    if (prop == "Shortcut") return Shortcut;
    if (prop == "Visible") return Visible;
    if (prop == "Enabled") return Enabled;
    if (prop == "Checked") return Checked;
    if (prop == "FillColor") return static_cast<double>(FillColor);
    if (prop == "ForeColor") return static_cast<double>(ForeColor);
    if (prop == "Interval") return static_cast<double>(Interval);
    if (prop == "ListIndex") return static_cast<double>(ListIndex);
    if (prop == "ListCount") return static_cast<double>(List.size());
    if (prop == "List" || prop == "Selected") {
        if (listItem < 0 || listItem >= static_cast<int>(List.size()))
            throw std::invalid_argument("list index " + std::to_string(listItem) + " out of range in " +
                                        path());
        if (prop == "List") return List[static_cast<std::size_t>(listItem)];
        return static_cast<bool>(Selected[static_cast<std::size_t>(listItem)]);
    }
    if (prop == "Picture") return static_cast<double>(Picture);
    if (prop == "SmallChange") return SmallChange;
    if (prop == "LargeChange") return LargeChange;
    if (prop == "SelStart") return static_cast<double>(SelStart);
    if (prop == "SelLength") return static_cast<double>(SelLength);
    if (auto shared = sharedProperty(*this, prop)) return *shared;
    throw std::invalid_argument("unknown property " + path() + "." + prop);
}

void Control::setProperty(const std::string& prop, const ScriptValue& v) {
    if (prop == "Value")
        setValue(toNumber(v));
    else if (prop == "ListIndex")
        setListIndex(static_cast<int>(toNumber(v)));
    else if (prop == "Text")
        setText(toText(v));
    else if (prop == "Min")
        Min = toNumber(v);
    else if (prop == "Max")
        Max = toNumber(v);
    else if (prop == "ToolTipText")
        ToolTipText = toText(v);
    else if (prop == "Visible")
        Visible = toBool(v);
    else if (prop == "Enabled")
        Enabled = toBool(v);
    else if (prop == "Checked")
        Checked = toBool(v);
    else if (prop == "FillColor")
        FillColor = static_cast<Color>(toNumber(v));
    else if (prop == "ForeColor")
        ForeColor = static_cast<Color>(toNumber(v));
    else if (prop == "Interval")
        Interval = static_cast<int>(toNumber(v));
    else if (prop == "Picture")
        Picture = static_cast<int>(toNumber(v));
    else if (prop == "SelStart")
        SelStart = static_cast<int>(toNumber(v));
    else if (prop == "SelLength")
        SelLength = static_cast<int>(toNumber(v));
    else if (!setSharedProperty(*this, prop, v))
        throw std::invalid_argument("cannot set " + path() + "." + prop);
    if (owner_) owner_->host().requestRepaint();
}

void Control::SetFocus() {
    if (owner_) owner_->setFocusTo(*this);
}

} // namespace ondivel
