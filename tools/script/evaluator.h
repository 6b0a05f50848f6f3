#pragma once
// Gives the names and queries of the scenario language their meaning against one scenario's
// application: globals, windows, controls and their properties, the settings and other files,
// the platform's records and the recorded screens.
#include <string>
#include <vector>

#include "core/color.h"
#include "core/script_value.h"
#include "script/expression.h"
#include "script/value.h"

namespace ondivel {
class Control;
class Form;
class RecordingSurface;
} // namespace ondivel

namespace ondivel::script {

class Session;

// A name resolved to what it designates.
struct Ref {
    enum class Kind { Global, Window, WindowProperty, Control, ControlProperty };
    Kind kind = Kind::Global;
    Form* form = nullptr;
    Control* control = nullptr;
    VarRef global;
    std::string property;
    int item = -1; // the I of List(I) and Selected(I)
    std::string text;
};

class Evaluator {
  public:
    explicit Evaluator(Session& session) : session_(session) {}

    Value evaluate(const Expr& e);
    // A number, a boolean or a text; throws ScriptError when it is missing.
    ScriptValue evaluatePresent(const Expr& e);
    double number(const Expr& e);
    int integer(const Expr& e);
    Color color(const Expr& e);
    std::string text(const Expr& e);

    // A window, control, property or global. Throws ScriptError on unknown names, naming the
    // first part that is unknown.
    Ref resolve(const Expr& e);
    Value read(const Ref& r);
    // What program code would do: raises what the control raises when set from code.
    void write(const Ref& r, const ScriptValue& v);

    // Whether a first name part is a query of this language (ini, msg, screen …).
    static bool isQueryName(const std::string& name);

  private:
    Ref resolveWindowPart(Form& form, const Expr& e);
    Value query(const Expr& e);
    static void noArgs(const Segment& s);
    Value recordQuery(const std::vector<std::string>& records, const Expr& e, const char* what);
    Value messageQuery(const Expr& e);
    // focus.name, focus.window (keyboard_commands.cpp).
    Value focusQuery(const Expr& e);
    Value surfaceQuery(const RecordingSurface& s, const Expr& e, std::size_t first, bool onPaper = false);
    const RecordingSurface& recorded(const std::string& which) const;

    Session& session_;
};

} // namespace ondivel::script
