// Commands that may come anywhere: checks, answers to what the program will ask, the random
// source and the clock, and output.
#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>

#include "bench/ondivel.h"
#include "bench/scope/frm_full_screen.h"
#include "bench/scope/frm_ondivel.h"
#include "core/platform.h"
#include "core/recording_surface.h"
#include "files/testing/fake_platform.h"
#include "script/checks.h"
#include "script/commands.h"
#include "script/evaluator.h"
#include "script/expression.h"
#include "script/hooks.h"
#include "script/lexer.h"
#include "script/scenario.h"
#include "script/script_error.h"
#include "script/session.h"

namespace ondivel::script {

namespace fs = std::filesystem;

bool isAnytimeCommand(const std::string& word) {
    static const std::set<std::string> names{"expect", "print", "answer", "choose", "choosecolor",
                                             "random", "clock", "dump",   "shot"};
    return names.count(word) != 0;
}

namespace {

// A day of simulated time is more than any lesson needs.
constexpr double kMaxClockStep = 86400;

void expect(CommandContext& c) {
    const auto& w = c.words;
    if (w.size() != 4 && w.size() != 6) throw ScriptError("usage: expect EXPR OP VALUE [tol T]");
    const auto op = parseOp(w[2]);
    if (!op)
        throw ScriptError("unknown operator " + w[2] + " (==, !=, <, <=, >, >=, ~=, contains, !contains)");
    double tolerance = 1e-9;
    if (w.size() == 6) {
        if (w[4] != "tol") throw ScriptError("unexpected " + w[4] + " (only tol T may follow the value)");
        if (*op != Op::Near) throw ScriptError("tol goes with ~= only");
        if (!parseNumber(w[5], tolerance) || tolerance < 0)
            throw ScriptError("tol needs a number >= 0, not " + w[5]);
    }
    const Expr actualExpr = parseExpression(w[1]);
    const Expr expectedExpr = parseExpression(w[3]);
    const Value actual = c.eval.evaluate(actualExpr);
    const Value expected = c.eval.evaluate(expectedExpr);
    if (holds(actual, *op, expected, tolerance))
        c.report.pass();
    else
        c.report.fail(c.at, w[1] + " " + w[2] + " " + w[3], describe(actual));
}

void answer(CommandContext& c) {
    c.expectArgs(1, 1, "answer yes|no|ok|cancel");
    const std::string& a = c.words[1];
    int result = 0;
    if (a == "yes")
        result = vbYes;
    else if (a == "no")
        result = vbNo;
    else if (a == "ok")
        result = vbOK;
    else if (a == "cancel")
        result = vbCancel;
    else
        throw ScriptError("answer takes yes, no, ok or cancel, not " + a);
    c.session.queueMessageAnswer(result, c.at.line);
}

void dump(CommandContext& c) {
    c.expectArgs(2, 2, "dump screen PATH.svg, or dump full PATH.svg");
    Ondivel& app = c.session.app();
    const Surface* surface = nullptr;
    if (c.words[1] == "screen")
        surface = &app.frmOndivel().screen();
    else if (c.words[1] == "full")
        surface = &app.frmFullScreen().screen();
    else
        throw ScriptError("dump takes screen or full, not " + c.words[1]);
    const auto* rec = dynamic_cast<const RecordingSurface*>(surface);
    if (!rec) throw ScriptError("the screen is not recorded on this platform");
    fs::path path = c.session.expand(wordText(c.words[2]));
    if (path.is_relative() && !c.options.svgDir.empty()) path = c.options.svgDir / path;
    std::error_code ec;
    if (path.has_parent_path()) fs::create_directories(path.parent_path(), ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << rec->toSvg();
    if (!out) throw ScriptError("cannot write " + path.string());
}

} // namespace

void runAnytimeCommand(CommandContext& c) {
    const std::string& command = c.words[0];
    Session& s = c.session;
    if (command == "expect") {
        expect(c);
    } else if (command == "print") {
        c.expectArgs(1, 1, "print EXPR");
        c.report.print(c.at, c.words[1], describe(c.eval.evaluate(parseExpression(c.words[1]))));
    } else if (command == "answer") {
        answer(c);
    } else if (command == "choose") {
        c.expectArgs(1, 1, "choose PATH, or choose cancel");
        if (c.words[1] == "cancel")
            s.queueFileAnswer(std::nullopt, c.at.line);
        else
            s.queueFileAnswer(s.expand(wordText(c.words[1])), c.at.line);
    } else if (command == "choosecolor") {
        c.expectArgs(1, 1, "choosecolor RGB, or choosecolor cancel");
        if (c.words[1] == "cancel")
            s.queueColorAnswer(std::nullopt, c.at.line);
        else
            s.queueColorAnswer(c.eval.color(parseExpression(c.words[1])), c.at.line);
    } else if (command == "random") {
        if (c.words.size() < 2) throw ScriptError("usage: random V1 V2 …");
        std::vector<double> values;
        for (std::size_t i = 1; i < c.words.size(); ++i) {
            double v = 0;
            if (!parseNumber(c.words[i], v) || v < 0 || v >= 1)
                throw ScriptError("random values lie in [0, 1), not " + c.words[i]);
            values.push_back(v);
        }
        s.platform().randomValues.insert(s.platform().randomValues.end(), values.begin(), values.end());
    } else if (command == "clock") {
        c.expectArgs(1, 1, "clock SECONDS");
        double seconds = 0;
        if (!parseNumber(c.words[1], seconds) || seconds < 0 || seconds > kMaxClockStep)
            throw ScriptError("clock takes seconds from 0 to 86400, not " + c.words[1]);
        s.platform().advanceSeconds(seconds);
    } else if (command == "dump") {
        dump(c);
    } else { // shot
        c.expectArgs(1, 2, "shot NAME [WINDOW]");
        std::string window;
        if (c.words.size() > 2) {
            window = wordText(c.words[2]);
            // MsgBox and Aide: the last message box and the help window, for the screenshot tool.
            if (window != "MsgBox" && window != "Aide" && !s.app().form(window))
                throw ScriptError("unknown window " + window);
        }
        c.hooks.shot(s.app(), wordText(c.words[1]), window);
    }
}

} // namespace ondivel::script
