// The keyboard without a mouse: `tab`, `backtab` and `keypress` move a headless focus along the
// panels' tab order and press keys on the control that has it, through the same rules as the
// desktop views (bench/main/keyboard_focus.h). Each window keeps the control it last focused, as
// the desktop's sub-windows do; `focus.name` reads the one of the window used last.
#include <cmath>
#include <vector>

#include "bench/main/keyboard_focus.h"
#include "bench/ondivel.h"
#include "core/control.h"
#include "core/form.h"
#include "core/form_host.h"
#include "script/commands.h"
#include "script/evaluator.h"
#include "script/expression.h"
#include "script/script_error.h"
#include "script/session.h"

namespace ondivel::script {

namespace {

constexpr int kMaxPresses = 1000;

Form& window(CommandContext& c) {
    const Ref r = c.eval.resolve(parseExpression(c.words[1]));
    if (r.kind != Ref::Kind::Window) throw ScriptError(c.words[0] + " needs a window, not " + c.words[1]);
    Form& form = *r.form;
    if (!form.loaded() || !form.Visible) throw ScriptError(form.name() + " is not shown");
    if (!c.session.modalStack.empty() && c.session.modalStack.back() != &form)
        throw ScriptError(c.session.modalStack.back()->name() + " is open modally: " + form.name() +
                          " takes no keys");
    return form;
}

// The control of the window that has its focus now, null when none of its stops has.
Control* focusedStop(const Form& form) {
    Control* c = form.focusControl();
    for (Control* stop : TabStops(form))
        if (stop == c) return c;
    return nullptr;
}

void focus(Session& s, Form& form, Control* stop) {
    if (Control* old =
            s.keyboardWindow && s.keyboardWindow->loaded() ? focusedStop(*s.keyboardWindow) : nullptr;
        old && old != stop)
        LeaveStop(*old);
    if (form.host().activeForm() != &form) form.host().activate(form);
    if (stop) form.setFocusTo(*stop);
    s.keyboardWindow = &form;
}

void tab(CommandContext& c, bool forward) {
    c.expectArgs(1, 2, forward ? "tab WINDOW [COUNT]" : "backtab WINDOW [COUNT]");
    Form& form = window(c);
    int count = 1;
    if (c.words.size() == 3) {
        const double n = c.eval.number(parseExpression(c.words[2]));
        if (!(n >= 1 && n <= kMaxPresses) || n != std::floor(n))
            throw ScriptError(c.words[0] + " COUNT runs from 1 to " + std::to_string(kMaxPresses));
        count = static_cast<int>(n);
    }
    Control* stop = focusedStop(form);
    for (int i = 0; i < count; ++i)
        stop = NextStop(form, stop, forward);
    if (!stop) throw ScriptError(form.name() + " has no control that takes the focus");
    focus(c.session, form, stop);
}

// "Shift+Up" → Up with Shift; "F6", "Shift+F6", "Ctrl+Tab", "Ctrl+Shift+Tab" go between panels.
void keypress(CommandContext& c) {
    c.expectArgs(2, 2, "keypress WINDOW KEY");
    Form& form = window(c);
    std::string name = c.words[2];
    if (name == "F6" || name == "Ctrl+Tab" || name == "Shift+F6" || name == "Ctrl+Shift+Tab") {
        const bool forward = name == "F6" || name == "Ctrl+Tab";
        Form* next = NextPanel(c.session.app(), &form, forward);
        if (!next) throw ScriptError("no panel is open");
        focus(c.session, *next, EnterPanel(*next));
        return;
    }
    const bool shift = name.rfind("Shift+", 0) == 0;
    if (shift) name.erase(0, 6);
    const std::optional<NavKey> key = navKeyNamed(name);
    if (!key)
        throw ScriptError(
            "unknown key " + c.words[2] +
            " (Space, Enter, Escape, Up, Down, Left, Right, PageUp, PageDown, Home, End, F6 …)");
    Control* focused = focusedStop(form);
    if (!focused) throw ScriptError("no control of " + form.name() + " has the focus: tab to one first");
    focus(c.session, form, focused);
    std::vector<Form*> hidden;
    for (Form* f : c.session.app().forms())
        if (!(f->loaded() && f->Visible)) hidden.push_back(f);
    PressKey(*focused, *key, shift);
    // A panel the key opened gets the focus on its first control, as on the desktop.
    for (Form* f : hidden)
        if (f->loaded() && f->Visible && !f->modal())
            if (Control* first = NextStop(*f, nullptr, true)) {
                focus(c.session, *f, first);
                break;
            }
}

} // namespace

bool isKeyboardCommand(const std::string& word) {
    return word == "tab" || word == "backtab" || word == "keypress";
}

void runKeyboardCommand(CommandContext& c) {
    if (c.words[0] == "keypress")
        keypress(c);
    else
        tab(c, c.words[0] == "tab");
}

Value Evaluator::focusQuery(const Expr& e) {
    // focus.name: the path of the focused control; focus.window: its window.
    if (e.name.size() != 2 || e.name[1].called || (e.name[1].name != "name" && e.name[1].name != "window"))
        throw ScriptError("write focus.name or focus.window");
    const Form* form = session_.keyboardWindow;
    if (e.name[1].name == "window") return {form ? form->name() : std::string(), {}};
    const Control* c = form && form->loaded() ? focusedStop(*form) : nullptr;
    return {c ? c->path() : std::string(), {}};
}

} // namespace ondivel::script
