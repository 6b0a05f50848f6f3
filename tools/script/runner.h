#pragma once
// Runs scenarios: each in a fresh application on a fresh platform rooted in its own temporary
// folder, line by line, with the lines after a command that opens a modal window running inside
// that window until it closes.
#include <ostream>
#include <string>
#include <vector>

#include "script/hooks.h"
#include "script/report.h"
#include "script/scenario.h"

namespace ondivel::script {

// Runs one scenario, reporting into report.
void runScenario(const Scenario& scenario, Report& report, const RunOptions& options, ScenarioHooks& hooks);

// Reads and runs each scenario file, then prints "N passed, M failed". Returns the exit code:
// 0 only when nothing failed.
int runScenarioFiles(const std::vector<std::string>& paths, const RunOptions& options, ScenarioHooks& hooks,
                     std::ostream& out);

} // namespace ondivel::script
