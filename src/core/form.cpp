#include "core/form.h"

#include <stdexcept>

#include "core/form_host.h"
#include "core/platform.h"
#include "core/shared_properties.h"

namespace ondivel {

Form::Form(FormHost& host, std::string name) : host_(host), name_(std::move(name)) {}

Form::~Form() = default;

void Form::registerControl(Control& c) {
    c.owner_ = this;
    controls_.push_back(&c);
    auto& slot = byName_[c.name()];
    slot.push_back(&c);
}

Control* Form::findControl(const std::string& name, int index) const {
    auto it = byName_.find(name);
    if (it == byName_.end()) return nullptr;
    for (Control* c : it->second)
        if (c->index() == index) return c;
    return nullptr;
}

VarRef Form::member(const std::string& name) const {
    auto it = members_.find(name);
    return it == members_.end() ? VarRef{} : it->second;
}

void Form::Load() {
    if (loaded_) return;
    if (!designSnapshotTaken_) {
        for (Control* c : controls_)
            c->snapshotDesign();
        designSnapshotTaken_ = true;
    } else {
        for (Control* c : controls_)
            c->restoreDesign();
        resetMembers();
    }
    loaded_ = true;
    Visible = false;
    Form_Load();
    host_.requestRepaint();
}

void Form::Show() {
    Load();
    if (!loaded_) return; // Form_Load may have unloaded it
    Visible = true;
    host_.activate(*this);
    host_.requestRepaint();
}

void Form::ShowModal() {
    Load();
    if (!loaded_) return;
    Visible = true;
    modal_ = true;
    host_.activate(*this);
    host_.requestRepaint();
    host_.platform().showModal(*this);
    modal_ = false;
}

void Form::Hide() {
    Visible = false;
    host_.formClosed(*this);
    host_.requestRepaint();
}

bool Form::Unload() {
    // A window closing hands its channel back, which closes the panels of that channel: itself
    // among them. That second close is the one already under way.
    if (!loaded_ || unloading_) return true;
    unloading_ = true;
    int cancel = 0;
    Form_QueryUnload(cancel);
    if (!cancel) Form_Unload(cancel);
    unloading_ = false;
    if (cancel) return false;
    loaded_ = false;
    Visible = false;
    host_.formClosed(*this);
    host_.requestRepaint();
    return true;
}

ScriptValue Form::property(const std::string& prop) const {
    if (prop == "Visible") return Visible;
    if (prop == "Loaded") return loaded_;
    if (auto shared = sharedProperty(*this, prop)) return *shared;
    if (auto m = member(prop); m.valid()) return m.get();
    throw std::invalid_argument("unknown property " + name_ + "." + prop);
}

void Form::setProperty(const std::string& prop, const ScriptValue& v) {
    if (prop == "Visible") {
        if (toBool(v))
            Show();
        else
            Hide();
    } else if (!setSharedProperty(*this, prop, v)) {
        auto m = member(prop);
        if (!m.valid()) throw std::invalid_argument("unknown property " + name_ + "." + prop);
        m.set(v);
    }
    host_.requestRepaint();
}

ControlArray::ControlArray(Form& owner, ControlKind kind, const std::string& name, int count, int first)
    : first_(first) {
    items_.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        items_.push_back(std::make_unique<FormControl>(owner, kind, name, first + i));
}

} // namespace ondivel
