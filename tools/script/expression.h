#pragma once
// Expressions of checks and arguments: literals and dotted names with optional arguments,
// `frmGBFA.Potentio(0).Value`, `screen.yAt(CouleurA, 100)`, `ini("Options", "ColorYa")`.
// The parser only builds the tree; the evaluator gives names their meaning.
#include <string>
#include <string_view>
#include <vector>

namespace ondivel::script {

struct Expr;

// One dotted part of a name: `Potentio(0)` is the name "Potentio" called with one argument.
struct Segment {
    std::string name;
    bool called = false;
    std::vector<Expr> args;
};

struct Expr {
    enum class Kind { Number, String, Bool, Name };
    Kind kind = Kind::Number;
    double number = 0;
    std::string text; // strings: unescaped, variables not yet expanded
    bool boolean = false;
    std::vector<Segment> name;
    std::string source; // the expression as written, for messages
};

// Parses one word of a line. Throws ScriptError with the reason on anything malformed.
Expr parseExpression(std::string_view word);

// "frmGBFA.Potentio(0)" back from a name, for messages.
std::string nameText(const std::vector<Segment>& name, std::size_t count = static_cast<std::size_t>(-1));

} // namespace ondivel::script
