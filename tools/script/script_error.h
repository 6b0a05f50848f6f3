#pragma once
// The reason a scenario line cannot run: bad syntax, an unknown name, a command out of place.
// The runner reports it as an ERROR of that line and ends the scenario.
#include <stdexcept>

namespace ondivel::script {

class ScriptError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

} // namespace ondivel::script
