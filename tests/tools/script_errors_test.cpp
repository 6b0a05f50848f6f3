#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "script_fixture.h"

namespace ondivel::script::testing {
namespace {

struct ErrorCase {
    const char* scenario;
    const char* error; // the whole ERROR line
};

// clang-format off
const ErrorCase kErrorCases[] = {
    // Syntax.
    {"expect 1 ==",                                "ERROR t.scn:1: usage: expect EXPR OP VALUE [tol T]"},
    {"expect 1 === 1",                             "ERROR t.scn:1: unknown operator === (==, !=, <, <=, >, >=, ~=, contains, !contains)"},
    {"expect 1 == 1 tol 0.5",                      "ERROR t.scn:1: tol goes with ~= only"},
    {"expect 1 ~= 1 tol -1",                       "ERROR t.scn:1: tol needs a number >= 0, not -1"},
    {"expect \"abc == 1",                          "ERROR t.scn:1: unterminated string"},
    {"print screen.yAt(1, 2",                      "ERROR t.scn:1: missing ')'"},
    {"print 1,5",                                  "ERROR t.scn:1: unexpected ',5' in 1,5 (numbers use a dot)"},
    {"file $ROOT/a.txt <<END\nnever closed",       "ERROR t.scn:1: no END line closes this file"},
    {"file $ROOT/a.txt",                           "ERROR t.scn:1: usage: file PATH <<END, then the lines, then END"},
    {"random 0.2 1",                               "ERROR t.scn:1: random values lie in [0, 1), not 1"},
    {"clock -1",                                   "ERROR t.scn:1: clock takes seconds from 0 to 86400, not -1"},
    {"start\ntick frmOndivel.tmrSpot 1e12",        "ERROR t.scn:2: tick COUNT runs from 1 to 100000"},
    {"start\ndrag frmOndivel.Potentio(0) 5 button=x", "ERROR t.scn:2: button must be a whole number from 0 to 7"},
    {"start\ndrag frmOndivel.Potentio(0) 5 speed=2",  "ERROR t.scn:2: unknown option speed (only button=N)"},
    {"answer maybe",                               "ERROR t.scn:1: answer takes yes, no, ok or cancel, not maybe"},
    {"choosecolor 16777216",                       "ERROR t.scn:1: not a colour (0 to 16777215): 16777216"},
    {"dance",                                      "ERROR t.scn:1: unknown command dance"},
    // Unknown names.
    {"print frmNowhere.Visible",                   "ERROR t.scn:1: unknown name frmNowhere"},
    {"print frmOndivel.cmdNothing.Value",          "ERROR t.scn:1: unknown control or property frmOndivel.cmdNothing"},
    {"print frmOndivel.chkOn.Colour",              "ERROR t.scn:1: unknown property frmOndivel.chkOn.Colour"},
    {"print frmOndivel.chkOn",                     "ERROR t.scn:1: frmOndivel.chkOn is a control: name one of its properties (.Value, .Caption …)"},
    {"print frmOndivel.Potentio.Value",            "ERROR t.scn:1: frmOndivel.Potentio is a control array: give an index"},
    {"print frmOndivel.Potentio(8).Value",         "ERROR t.scn:1: no control frmOndivel.Potentio(8)"},
    {"print frmOndivel.Potentio(1, -2.5).Value",   "ERROR t.scn:1: frmOndivel.Potentio(1, -2.5): give one index"},
    {"print frmOndivel.chkOn(0).Value",            "ERROR t.scn:1: frmOndivel.chkOn is not a control array"},
    {"print AmplitudeZ",                           "ERROR t.scn:1: unknown name AmplitudeZ"},
    {"print BaseTemps.Value",                      "ERROR t.scn:1: BaseTemps is a global: it has no .Value"},
    {"print msg.first",                            "ERROR t.scn:1: write msg.count, msg.last, msg.last.title, msg(I) or msg(I).title"},
    {"print screen.maxY",                          "ERROR t.scn:1: write screen.maxY(C)"},
    {"print ini(\"Options\")",                     "ERROR t.scn:1: write ini(\"SECTION\", \"KEY\")"},
    {"print \"$HOME/x\"",                          "ERROR t.scn:1: unknown variable $HOME"},
    {"print \"$PARTAGE/x\"",                       "ERROR t.scn:1: $PARTAGE is known only after start"},
    // Commands out of place.
    {"click frmOndivel.chkOn",                     "ERROR t.scn:1: click needs the program: give start first"},
    {"start\nuser prof",                           "ERROR t.scn:2: user is a set-up command: give it before start"},
    {"start\nstart",                               "ERROR t.scn:2: start was already given"},
    {"ini Options ShowToolTip 0\nuser prof",       "ERROR t.scn:2: give user before any ini line"},
    {"start\nclick frmGBFA.chkOn",                 "ERROR t.scn:2: frmGBFA is not shown"},
    {"start\ndrag frmOndivel.chkOn 1",             "ERROR t.scn:2: drag needs a knob: frmOndivel.chkOn is a check box"},
    {"start\nslide frmOndivel.Potentio(0) 1",      "ERROR t.scn:2: slide needs a slider: frmOndivel.Potentio(0) is a knob"},
    {"start\nclose frmOndivel.chkOn",              "ERROR t.scn:2: close needs a window, not frmOndivel.chkOn"},
    {"start\ntick frmOndivel.chkOn",               "ERROR t.scn:2: tick needs a timer, not frmOndivel.chkOn"},
    {"start\nset frmOndivel.chkOn 1",              "ERROR t.scn:2: set needs a property: frmOndivel.chkOn.PROPERTY"},
    {"start\nset frmOndivel.Loaded false",         "ERROR t.scn:2: cannot set frmOndivel.Loaded: show or close the window"},
    {"start\nset frmOndivel.chkOn.ListCount 2",    "ERROR t.scn:2: cannot set frmOndivel.chkOn.ListCount"},
    {"start\nset screen.lines 2",                  "ERROR t.scn:2: screen.lines is a query, not something that can be set or acted on"},
};
// clang-format on

TEST(ScriptErrors, EachKindOfBadLineGivesOneClearError) {
    for (const auto& c : kErrorCases) {
        const Outcome o = runText(std::string(c.scenario) + "\nexpect 1 == 1\n");
        EXPECT_EQ(o.output, std::string(c.error) + "\n") << c.scenario;
        EXPECT_EQ(o.failed, 1) << c.scenario;
        EXPECT_EQ(o.passed, 0) << c.scenario;
    }
}

// Lines built from the language's own pieces, shuffled: each scenario ends normally or with one
// ERROR, never with a crash, a hang or an exception escaping the runner.
TEST(ScriptErrors, ShuffledLinesNeverCrashTheRunner) {
    // clang-format off
    const std::vector<std::string> pieces{
        "start", "expect", "print", "click", "set", "drag", "tick", "file", "<<END", "END", "answer", "choose",
        "select", "type", "close", "key", "move", "dump", "screen", "frmOndivel", "frmOndivel.chkOn",
        "frmOndivel.Potentio(3)", "frmOndivel.tmrSpot", "MDIOndivel", "frmOption", "frmOndivel.Visible",
        "msg(0)", "screen.yAt(CouleurA,", "0)", "ini(\"a\",", "\"b\")", "\"", "\\", "(", ")", "==", "~=", "tol",
        "1e308", "-0", "9999999999", "$ROOT", "$PARTAGE", "true", "#", "button=1", "yes", "cancel", "ModeLibre",
        "full.grid.lines", "file(\"$ROOT\")", "RGB(1,2,3)", "é", "\t", "."};
    // clang-format on
    std::mt19937 random(20240611);
    for (int scenario = 0; scenario < 200; ++scenario) {
        std::string text;
        const int lines = 1 + static_cast<int>(random() % 8);
        for (int l = 0; l < lines; ++l) {
            const int words = static_cast<int>(random() % 6);
            for (int w = 0; w < words; ++w)
                text += pieces[random() % pieces.size()] + (random() % 4 ? " " : "");
            text += '\n';
        }
        const Outcome o = runText(text);
        int errors = 0;
        std::istringstream out(o.output);
        for (std::string line; std::getline(out, line);) {
            if (line.starts_with("ERROR t.scn:")) {
                ++errors;
            } else if (!line.starts_with("FAIL t.scn:")) {
                EXPECT_TRUE(line.starts_with("t.scn:")) << line;
            }
        }
        EXPECT_LE(errors, 1) << text;
        EXPECT_LE(o.failed, lines) << text;
    }
}

} // namespace
} // namespace ondivel::script::testing
