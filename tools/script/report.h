#pragma once
// The harness's output: one FAIL line per failed expectation, one ERROR line per line that
// cannot run, the lines of `print`, and the closing count "N passed, M failed".
#include <ostream>
#include <string>

namespace ondivel::script {

struct Location {
    std::string file; // the scenario's file name, "demo.scn"
    int line = 0;
};

class Report {
  public:
    explicit Report(std::ostream& out) : out_(out) {}

    void pass() { ++passed_; }
    // FAIL demo.scn:14: EXPR OP VALUE — got ACTUAL
    void fail(const Location& at, const std::string& check, const std::string& actual);
    // ERROR demo.scn:14: reason — counts as one failure
    void error(const Location& at, const std::string& reason);
    // demo.scn:14: EXPR = VALUE
    void print(const Location& at, const std::string& expr, const std::string& value);
    // "N passed, M failed", alone on its line.
    void summary();

    int passed() const { return passed_; }
    int failed() const { return failed_; }

  private:
    std::ostream& out_;
    int passed_ = 0;
    int failed_ = 0;
};

} // namespace ondivel::script
