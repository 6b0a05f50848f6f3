#pragma once
// A scenario file cut into command lines; a `file PATH <<END` line carries the lines up to its
// END as its body.
#include <string>
#include <string_view>
#include <vector>

namespace ondivel::script {

struct ScenarioLine {
    int number = 0;                // 1-based line number in the file
    std::string text;              // without its line end
    std::vector<std::string> body; // heredoc lines, verbatim
    bool hasBody = false;
    std::string bodyError; // "no END line closes this file" …
};

struct Scenario {
    std::string name;                // file name, used in FAIL and ERROR lines
    std::vector<ScenarioLine> lines; // commands only: blank and comment lines are dropped
};

// Accepts LF and CR LF line ends.
Scenario parseScenario(std::string name, std::string_view text);

} // namespace ondivel::script
