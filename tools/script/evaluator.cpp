#include "script/evaluator.h"

#include <cmath>
#include <limits>
#include <set>
#include <stdexcept>

#include "bench/ondivel.h"
#include "core/control.h"
#include "core/form.h"
#include "script/script_error.h"
#include "script/session.h"

namespace ondivel::script {

namespace {

const std::set<std::string>& windowProperties() {
    static const std::set<std::string> names{"Visible", "Caption",   "Left",   "Top",         "Width",
                                             "Height",  "BackColor", "Loaded", "MousePointer"};
    return names;
}

} // namespace

bool Evaluator::isQueryName(const std::string& name) {
    static const std::set<std::string> names{"ini",   "file",     "exists",   "msg",       "launched",
                                             "help",  "sound",    "beeps",    "screen",    "grid",
                                             "full",  "RGB",      "printed",  "clipboard", "accessible",
                                             "focus", "exported", "fileline", "filelines"};
    return names.count(name) != 0;
}

Value Evaluator::evaluate(const Expr& e) {
    switch (e.kind) {
    case Expr::Kind::Number:
        return {e.number, {}};
    case Expr::Kind::Bool:
        return {e.boolean, {}};
    case Expr::Kind::String:
        return {session_.expand(e.text), {}};
    case Expr::Kind::Name:
        break;
    }
    const std::string& head = e.name.front().name;
    if (!session_.app().form(head) && isQueryName(head)) return query(e);
    return read(resolve(e));
}

ScriptValue Evaluator::evaluatePresent(const Expr& e) {
    Value v = evaluate(e);
    if (!v.present()) throw ScriptError(e.source + ": " + v.missing);
    return v.value;
}

double Evaluator::number(const Expr& e) {
    const ScriptValue v = evaluatePresent(e);
    if (const auto* d = std::get_if<double>(&v)) return *d;
    throw ScriptError("expected a number, not " + describe({v, {}}) + " (" + e.source + ")");
}

int Evaluator::integer(const Expr& e) {
    const double d = number(e);
    if (d != std::floor(d) || std::abs(d) > 1e9)
        throw ScriptError("expected a whole number, not " + e.source);
    return static_cast<int>(d);
}

Color Evaluator::color(const Expr& e) {
    const double d = number(e);
    if (d != std::floor(d) || d < 0 || d > 0xFFFFFF)
        throw ScriptError("not a colour (0 to 16777215): " + e.source);
    return static_cast<Color>(d);
}

std::string Evaluator::text(const Expr& e) {
    return plainText(evaluatePresent(e));
}

Ref Evaluator::resolve(const Expr& e) {
    if (e.kind != Expr::Kind::Name) throw ScriptError("expected a name, not " + e.source);
    const Segment& head = e.name.front();
    if (Form* form = session_.app().form(head.name)) {
        noArgs(head);
        return resolveWindowPart(*form, e);
    }
    if (isQueryName(head.name))
        throw ScriptError(e.source + " is a query, not something that can be set or acted on");
    VarRef var = session_.app().global(head.name);
    if (!var.valid()) throw ScriptError("unknown name " + head.name);
    noArgs(head);
    if (e.name.size() > 1) throw ScriptError(head.name + " is a global: it has no ." + e.name[1].name);
    Ref r;
    r.kind = Ref::Kind::Global;
    r.global = var;
    r.text = e.source;
    return r;
}

Ref Evaluator::resolveWindowPart(Form& form, const Expr& e) {
    Ref r;
    r.form = &form;
    r.text = e.source;
    if (e.name.size() == 1) {
        r.kind = Ref::Kind::Window;
        return r;
    }
    const Segment& part = e.name[1];
    if (!form.hasControlNamed(part.name)) {
        if (!windowProperties().count(part.name) && !form.member(part.name).valid())
            throw ScriptError("unknown control or property " + nameText(e.name, 2));
        noArgs(part);
        if (e.name.size() > 2)
            throw ScriptError("unexpected ." + e.name[2].name + " after " + nameText(e.name, 2));
        r.kind = Ref::Kind::WindowProperty;
        r.property = part.name;
        return r;
    }
    int index = -1;
    if (part.called) {
        if (part.args.size() != 1) throw ScriptError(nameText(e.name, 2) + ": give one index");
        index = integer(part.args[0]);
    }
    r.control = form.findControl(part.name, index);
    if (!r.control) {
        if (index < 0) throw ScriptError(nameText(e.name, 2) + " is a control array: give an index");
        if (form.findControl(part.name, -1))
            throw ScriptError(form.name() + "." + part.name + " is not a control array");
        throw ScriptError("no control " + nameText(e.name, 2));
    }
    if (e.name.size() == 2) {
        r.kind = Ref::Kind::Control;
        return r;
    }
    const Segment& prop = e.name[2];
    if (!Control::isProperty(prop.name)) throw ScriptError("unknown property " + nameText(e.name, 3));
    const bool listed = prop.name == "List" || prop.name == "Selected";
    if (listed) {
        if (!prop.called || prop.args.size() != 1)
            throw ScriptError(prop.name + " needs one index: " + prop.name + "(I)");
        r.item = integer(prop.args[0]);
    } else {
        noArgs(prop);
    }
    if (e.name.size() > 3)
        throw ScriptError("unexpected ." + e.name[3].name + " after " + nameText(e.name, 3));
    r.kind = Ref::Kind::ControlProperty;
    r.property = prop.name;
    return r;
}

Value Evaluator::read(const Ref& r) {
    try {
        switch (r.kind) {
        case Ref::Kind::Global:
            return {r.global.get(), {}};
        case Ref::Kind::WindowProperty:
            return {r.form->property(r.property), {}};
        case Ref::Kind::ControlProperty: {
            const Control& c = *r.control;
            if ((r.property == "List" || r.property == "Selected") &&
                (r.item < 0 || r.item >= static_cast<int>(c.List.size())))
                return Value::none("no item " + std::to_string(r.item) + " (ListCount " +
                                   std::to_string(c.List.size()) + ")");
            // Models may fill List without Selected; an item without a flag is not selected.
            if (r.property == "Selected" && r.item >= static_cast<int>(c.Selected.size())) return {false, {}};
            return {c.property(r.property, r.item), {}};
        }
        case Ref::Kind::Window:
            throw ScriptError(r.text + " is a window: name one of its properties");
        case Ref::Kind::Control:
            throw ScriptError(r.text + " is a control: name one of its properties (.Value, .Caption …)");
        }
    } catch (const std::invalid_argument& e) {
        throw ScriptError(e.what());
    }
    return {};
}

void Evaluator::write(const Ref& r, const ScriptValue& v) {
    try {
        switch (r.kind) {
        case Ref::Kind::Global:
            r.global.set(v);
            return;
        case Ref::Kind::WindowProperty:
            if (r.property == "Loaded")
                throw ScriptError("cannot set " + r.text + ": show or close the window");
            r.form->setProperty(r.property, v);
            return;
        case Ref::Kind::ControlProperty: {
            Control& c = *r.control;
            if (r.property == "List" || r.property == "Selected") {
                if (r.item < 0 || r.item >= static_cast<int>(c.List.size()))
                    throw ScriptError("no item " + std::to_string(r.item) + " in " + c.path());
                const auto i = static_cast<std::size_t>(r.item);
                if (r.property == "List")
                    c.List[i] = plainText(v);
                else {
                    if (c.Selected.size() < c.List.size()) c.Selected.resize(c.List.size());
                    c.Selected[i] = toBool(v);
                }
                return;
            }
            c.setProperty(r.property, v);
            return;
        }
        case Ref::Kind::Window:
        case Ref::Kind::Control:
            throw ScriptError("set needs a property: " + r.text + ".PROPERTY");
        }
    } catch (const std::invalid_argument& e) {
        throw ScriptError(e.what());
    }
}

} // namespace ondivel::script
