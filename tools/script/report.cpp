#include "script/report.h"

namespace ondivel::script {

namespace {
std::string where(const Location& at) {
    return at.file + ":" + std::to_string(at.line) + ": ";
}
} // namespace

void Report::fail(const Location& at, const std::string& check, const std::string& actual) {
    ++failed_;
    out_ << "FAIL " << where(at) << check << " \u2014 got " << actual << '\n';
}

void Report::error(const Location& at, const std::string& reason) {
    ++failed_;
    out_ << "ERROR " << where(at) << reason << '\n';
}

void Report::print(const Location& at, const std::string& expr, const std::string& value) {
    out_ << where(at) << expr << " = " << value << '\n';
}

void Report::summary() {
    out_ << passed_ << " passed, " << failed_ << " failed" << std::endl;
}

} // namespace ondivel::script
