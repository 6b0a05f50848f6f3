// A scenario file as anyone may write it: cut into command lines and heredoc bodies, each line
// into words, each word read as an expression, a string or a number.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "script/expression.h"
#include "script/lexer.h"
#include "script/scenario.h"
#include "script/script_error.h"

using namespace ondivel::script;
using ondivel::fuzz::require;

namespace {

void readWord(const std::string& word) {
    try {
        const Expr e = parseExpression(word);
        require(word.find(e.source) != std::string::npos, "an expression's source is not in its word");
        if (e.kind == Expr::Kind::Name) require(!nameText(e.name).empty(), "a name prints as nothing");
    } catch (const ScriptError&) {
        // Refusing a malformed word with a reason is the expected answer.
    }
    try {
        wordText(word);
    } catch (const ScriptError&) {
    }
    double number = 0;
    parseNumber(word, number);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Scenario scenario = parseScenario("fuzz.scn", text);
    int lastNumber = 0;
    for (const ScenarioLine& line : scenario.lines) {
        require(line.number > lastNumber, "command lines are not in the file's order");
        lastNumber = line.number;
        require(!line.text.empty() && line.text.find('\n') == std::string::npos,
                "a command line is malformed");
        require(line.hasBody || line.body.empty(), "a line that opens no file has a body");
        try {
            for (const std::string& word : splitWords(line.text))
                readWord(word);
        } catch (const ScriptError&) {
        }
    }
    return 0;
}
