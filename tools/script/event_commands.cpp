// Event commands: what a user does to the windows, and `set`, what program code would do.
#include <cmath>
#include <set>

#include "bench/ondivel.h"
#include "bench/scope/frm_curseurs.h"
#include "core/control.h"
#include "core/form.h"
#include "core/user_input.h"
#include "files/testing/fake_platform.h"
#include "script/commands.h"
#include "script/evaluator.h"
#include "script/expression.h"
#include "script/lexer.h"
#include "script/script_error.h"
#include "script/session.h"

namespace ondivel::script {

bool isEventCommand(const std::string& word) {
    static const std::set<std::string> names{"click", "dblclick", "drag",   "press", "rotate",
                                             "slide", "set",      "select", "type",  "key",
                                             "move",  "close",    "tick",   "leave", "cursor"};
    return names.count(word) != 0 || isKeyboardCommand(word);
}

namespace {

// Enough for a minute of a 1 ms timer; more would only make a typo hang the run.
constexpr int kMaxTicks = 100000;

const char* kindName(ControlKind k) {
    switch (k) {
    case ControlKind::CommandButton:
        return "a button";
    case ControlKind::CheckBox:
        return "a check box";
    case ControlKind::OptionButton:
        return "an option button";
    case ControlKind::Label:
        return "a label";
    case ControlKind::Image:
        return "an image";
    case ControlKind::Picture:
        return "a picture";
    case ControlKind::Shape:
        return "a shape";
    case ControlKind::Frame:
        return "a frame";
    case ControlKind::Knob:
        return "a knob";
    case ControlKind::Slider:
        return "a slider";
    case ControlKind::ProgressBar:
        return "a progress bar";
    case ControlKind::ComboBox:
        return "a combo box";
    case ControlKind::ListBox:
        return "a list box";
    case ControlKind::TextBox:
        return "a text box";
    case ControlKind::Timer:
        return "a timer";
    case ControlKind::Menu:
        return "a menu item";
    case ControlKind::TabStrip:
        return "a tab strip";
    }
    return "a control";
}

// A window or a control that a user can reach now: its window is shown and, while a modal
// window is open, is that window.
struct Target {
    Form* form = nullptr;
    Control* control = nullptr;
};

void checkReachable(const Session& s, const Form& form) {
    if (!form.loaded() || !form.Visible) throw ScriptError(form.name() + " is not shown");
    if (!s.modalStack.empty() && s.modalStack.back() != &form)
        throw ScriptError(s.modalStack.back()->name() + " is open modally: " + form.name() +
                          " takes no user events");
}

Target target(CommandContext& c, const std::string& word, bool windowAllowed, bool controlAllowed) {
    const Ref r = c.eval.resolve(parseExpression(word));
    Target t;
    if (r.kind == Ref::Kind::Window && windowAllowed) {
        t.form = r.form;
    } else if (r.kind == Ref::Kind::Control && controlAllowed) {
        t.control = r.control;
        t.form = r.control->owner();
    } else {
        const char* wanted = !controlAllowed  ? "a window"
                             : !windowAllowed ? "a control"
                                              : "a window or a control";
        throw ScriptError(c.words[0] + " needs " + wanted + ", not " + word);
    }
    checkReachable(c.session, *t.form);
    return t;
}

Control& controlOf(CommandContext& c, const std::string& word, std::initializer_list<ControlKind> kinds,
                   const char* wanted) {
    Control& ctl = *target(c, word, false, true).control;
    for (ControlKind k : kinds)
        if (ctl.kind() == k) return ctl;
    throw ScriptError(c.words[0] + " needs " + wanted + ": " + ctl.path() + " is " + kindName(ctl.kind()));
}

double finite(CommandContext& c, const std::string& word) {
    const double d = c.eval.number(parseExpression(word));
    if (!std::isfinite(d)) throw ScriptError("not a finite number: " + word);
    return d;
}

void dblClickWindow(Form& form) {
    if (form.host().activeForm() != &form) form.host().activate(form);
    form.Form_DblClick();
    form.host().requestRepaint();
}

void selectItem(CommandContext& c) {
    Control& list =
        controlOf(c, c.words[1], {ControlKind::ComboBox, ControlKind::ListBox}, "a list or combo box");
    const Expr choice = parseExpression(c.words[2]);
    int index = -1;
    if (choice.kind == Expr::Kind::String) {
        const std::string item = c.eval.text(choice);
        for (std::size_t i = 0; i < list.List.size() && index < 0; ++i)
            if (list.List[i] == item) index = static_cast<int>(i);
        if (index < 0) throw ScriptError("no item \"" + item + "\" in " + list.path());
    } else {
        index = c.eval.integer(choice);
        if (index < 0 || index >= static_cast<int>(list.List.size()))
            throw ScriptError(list.path() + " has no item " + std::to_string(index) + " (ListCount " +
                              std::to_string(list.List.size()) + ")");
    }
    user::select(list, index);
}

void tick(CommandContext& c) {
    c.expectArgs(1, 2, "tick TIMER [COUNT]");
    const Ref r = c.eval.resolve(parseExpression(c.words[1]));
    if (r.kind != Ref::Kind::Control || r.control->kind() != ControlKind::Timer)
        throw ScriptError("tick needs a timer, not " + c.words[1]);
    int count = 1;
    if (c.words.size() == 3) {
        const double n = c.eval.number(parseExpression(c.words[2]));
        if (!(n >= 1 && n <= kMaxTicks) || n != std::floor(n))
            throw ScriptError("tick COUNT runs from 1 to " + std::to_string(kMaxTicks));
        count = static_cast<int>(n);
    }
    Control& timer = *r.control;
    for (int i = 0; i < count; ++i) {
        c.session.platform().advanceSeconds(timer.Interval / 1000.0);
        // A timer of a window that is not loaded does not exist yet.
        if (timer.timerRunning() && timer.owner()->loaded()) timer.raise(timer.on.Timer);
    }
}

// A measurement cursor dragged on the screen to an abscissa (t1, t2) or a height (V1, V2).
void dragCursor(CommandContext& c) {
    static const char* const kNames[FrmCurseurs::kCount] = {"t1", "t2", "V1", "V2"};
    int which = -1;
    for (int i = 0; i < FrmCurseurs::kCount; ++i)
        if (c.words[1] == kNames[i]) which = i;
    if (which < 0) throw ScriptError("the cursors are t1, t2, V1 and V2, not " + c.words[1]);
    FrmCurseurs& cursors = c.session.app().frmCurseurs();
    if (!cursors.active()) throw ScriptError("the measurement cursors are not shown");
    cursors.DragCursor(which, finite(c, c.words[2]));
}

} // namespace

void runEventCommand(CommandContext& c) {
    const std::string& command = c.words[0];
    const auto& w = c.words;
    if (command == "click" || command == "dblclick") {
        c.expectArgs(1, 1, "click NAME");
        const Target t = target(c, w[1], true, true);
        if (command == "click") {
            if (t.control)
                user::click(*t.control);
            else
                user::clickForm(*t.form);
        } else {
            if (t.control)
                user::dblClick(*t.control);
            else
                dblClickWindow(*t.form);
        }
    } else if (command == "drag") {
        c.expectArgs(2, 3, "drag KNOB VALUE [button=N]");
        Control& knob = controlOf(c, w[1], {ControlKind::Knob}, "a knob");
        user::drag(knob, finite(c, w[2]), c.option(3, "button", kLeftButton, 0, 7));
    } else if (command == "press") {
        c.expectArgs(1, 2, "press NAME [button=N]");
        user::press(*target(c, w[1], false, true).control, c.option(2, "button", kLeftButton, 0, 7));
    } else if (command == "rotate") {
        c.expectArgs(2, 3, "rotate SELECTOR DEGREES [button=N]");
        Control& selector = *target(c, w[1], false, true).control;
        user::rotate(selector, finite(c, w[2]), c.option(3, "button", kLeftButton, 0, 7));
    } else if (command == "slide") {
        c.expectArgs(2, 2, "slide SLIDER VALUE");
        user::slide(controlOf(c, w[1], {ControlKind::Slider}, "a slider"), finite(c, w[2]));
    } else if (command == "select") {
        c.expectArgs(2, 2, "select LIST INDEX, or select LIST \"ITEM\"");
        selectItem(c);
    } else if (command == "type") {
        c.expectArgs(2, 2, "type TEXTBOX \"TEXT\"");
        Control& box = controlOf(c, w[1], {ControlKind::TextBox, ControlKind::ComboBox}, "a text box");
        user::type(box, c.session.expand(wordText(w[2])));
    } else if (command == "key") {
        c.expectArgs(2, 3, "key WINDOW CODE [shift=N]");
        Form& form = *target(c, w[1], true, false).form;
        const int code = c.eval.integer(parseExpression(w[2]));
        if (code < 0 || code > 255) throw ScriptError("key codes run from 0 to 255");
        user::key(form, code, c.option(3, "shift", 0, 0, 7));
    } else if (command == "move") {
        c.expectArgs(3, 4, "move NAME X Y [button=N]");
        const Target t = target(c, w[1], true, true);
        const double x = finite(c, w[2]), y = finite(c, w[3]);
        const int button = c.option(4, "button", 0, 0, 7);
        if (t.control)
            user::move(*t.control, x, y, button);
        else
            user::moveOverForm(*t.form, x, y, button);
    } else if (command == "leave") {
        c.expectArgs(1, 1, "leave NAME");
        user::leave(*target(c, w[1], false, true).control);
    } else if (command == "cursor") {
        c.expectArgs(2, 2, "cursor t1|t2|V1|V2 POSITION");
        dragCursor(c);
    } else if (command == "close") {
        c.expectArgs(1, 1, "close WINDOW");
        user::close(*target(c, w[1], true, false).form);
    } else if (command == "tick") {
        tick(c);
    } else if (isKeyboardCommand(command)) {
        runKeyboardCommand(c);
    } else { // set
        c.expectArgs(2, 2, "set NAME.PROPERTY VALUE, or set GLOBAL VALUE");
        const Ref r = c.eval.resolve(parseExpression(w[1]));
        c.eval.write(r, c.eval.evaluatePresent(parseExpression(w[2])));
    }
}

} // namespace ondivel::script
