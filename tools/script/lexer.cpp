#include "script/lexer.h"

#include <charconv>
#include <cmath>

#include "script/script_error.h"

namespace ondivel::script {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::vector<std::string> splitWords(std::string_view line) {
    std::vector<std::string> words;
    std::string current;
    bool inString = false;
    int depth = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (inString) {
            current += c;
            if (c == '\\' && i + 1 < line.size())
                current += line[++i];
            else if (c == '"')
                inString = false;
            continue;
        }
        if (isBlank(c) && depth == 0) {
            if (!current.empty()) words.push_back(std::move(current));
            current.clear();
            continue;
        }
        if (c == '"')
            inString = true;
        else if (c == '(')
            ++depth;
        else if (c == ')' && --depth < 0)
            throw ScriptError("unbalanced ')'");
        current += c;
    }
    if (inString) throw ScriptError("unterminated string");
    if (depth > 0) throw ScriptError("missing ')'");
    if (!current.empty()) words.push_back(std::move(current));
    return words;
}

bool isQuoted(std::string_view word) {
    return word.size() >= 2 && word.front() == '"' && word.back() == '"';
}

std::string unquote(std::string_view word) {
    if (word.empty() || word.front() != '"') throw ScriptError("expected a string in double quotes");
    std::string out;
    std::size_t i = 1;
    for (; i < word.size(); ++i) {
        const char c = word[i];
        if (c == '"') break;
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == word.size()) break;
        switch (word[i]) {
        case '"':
            out += '"';
            break;
        case '\\':
            out += '\\';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        default:
            throw ScriptError(std::string("unknown escape \\") + word[i] + " in a string");
        }
    }
    if (i >= word.size()) throw ScriptError("unterminated string");
    if (i + 1 != word.size())
        throw ScriptError("unexpected text after a string: " + std::string(word.substr(i + 1)));
    return out;
}

std::string wordText(std::string_view word) {
    if (!word.empty() && word.front() == '"') return unquote(word);
    return std::string(word);
}

bool parseNumber(std::string_view text, double& out) {
    if (text.empty()) return false;
    const char* first = text.data();
    const char* last = first + text.size();
    // from_chars takes no "+", and scenarios never need one: "+1" is not a number.
    auto [end, ec] = std::from_chars(first, last, out, std::chars_format::general);
    return ec == std::errc() && end == last && std::isfinite(out);
}

} // namespace ondivel::script
