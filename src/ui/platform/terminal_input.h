#pragma once
// Lines typed on the terminal, for the command-line tools of the program (no window needed).
#include <optional>
#include <string>

namespace ondivel {

// Shows the prompt on the standard error and reads one line from the standard input, without
// echoing it when the input is a terminal (a password). nullopt at the end of the input.
std::optional<std::string> readHiddenLine(const std::string& prompt);

} // namespace ondivel
