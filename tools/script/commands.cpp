#include "script/commands.h"

#include <cmath>

#include "bench/main/mdi_ondivel.h"
#include "bench/ondivel.h"
#include "script/lexer.h"
#include "script/scenario.h"
#include "script/script_error.h"
#include "script/session.h"

namespace ondivel::script {

void CommandContext::expectArgs(std::size_t min, std::size_t max, const char* usage) const {
    const std::size_t n = words.size() - 1;
    if (n < min || n > max) throw ScriptError(std::string("usage: ") + usage);
}

int CommandContext::option(std::size_t from, const std::string& name, int def, int lo, int hi) const {
    int value = def;
    for (std::size_t i = from; i < words.size(); ++i) {
        const std::string& w = words[i];
        const std::size_t eq = w.find('=');
        if (eq == std::string::npos) throw ScriptError("unexpected " + w);
        if (w.substr(0, eq) != name)
            throw ScriptError("unknown option " + w.substr(0, eq) + " (only " + name + "=N)");
        double d = 0;
        if (!parseNumber(w.substr(eq + 1), d) || d < lo || d > hi || d != std::floor(d))
            throw ScriptError(name + " must be a whole number from " + std::to_string(lo) + " to " +
                              std::to_string(hi));
        value = static_cast<int>(d);
    }
    return value;
}

void runCommand(CommandContext& c) {
    if (c.words.empty()) return;
    const std::string& command = c.words[0];
    if (c.line.hasBody && command != "file") throw ScriptError("only file takes <<END lines");
    if (command == "start" && c.session.started) throw ScriptError("start was already given");
    if (isSetUpCommand(command)) {
        if (c.session.started) throw ScriptError(command + " is a set-up command: give it before start");
        runSetUpCommand(c);
    } else if (isEventCommand(command)) {
        if (!c.session.started) throw ScriptError(command + " needs the program: give start first");
        if (c.session.app().mdi().ended()) throw ScriptError(command + ": the program has ended");
        runEventCommand(c);
    } else if (isAnytimeCommand(command)) {
        runAnytimeCommand(c);
    } else {
        throw ScriptError("unknown command " + command);
    }
}

} // namespace ondivel::script
