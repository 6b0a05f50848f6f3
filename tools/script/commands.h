#pragma once
// The commands of the scenario language. Each runs one line or throws ScriptError saying why the
// line cannot run.
#include <string>
#include <vector>

#include "script/report.h"

namespace ondivel {
class Control;
class Form;
} // namespace ondivel

namespace ondivel::script {

class Evaluator;
class ScenarioHooks;
class Session;
struct RunOptions;
struct ScenarioLine;

struct CommandContext {
    Session& session;
    Evaluator& eval;
    Report& report;
    const RunOptions& options;
    ScenarioHooks& hooks;
    const ScenarioLine& line;
    Location at;
    std::vector<std::string> words; // words[0] is the command

    // The argument words after the command, checked against the usage.
    void expectArgs(std::size_t min, std::size_t max, const char* usage) const;
    // Numeric option words such as button=2 from index `from` on; default when absent.
    int option(std::size_t from, const std::string& name, int def, int lo, int hi) const;
};

// Runs one command line.
void runCommand(CommandContext& c);

// The command groups; runCommand dispatches to them.
void runSetUpCommand(CommandContext& c);
void runEventCommand(CommandContext& c);
void runAnytimeCommand(CommandContext& c);
bool isSetUpCommand(const std::string& word);
bool isEventCommand(const std::string& word);
bool isAnytimeCommand(const std::string& word);
// tab, backtab, keypress: event commands of the keyboard.
bool isKeyboardCommand(const std::string& word);
void runKeyboardCommand(CommandContext& c);

} // namespace ondivel::script
