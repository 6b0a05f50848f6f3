#include "script/scenario.h"

#include <optional>

#include "script/lexer.h"

namespace ondivel::script {

namespace {

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// The END word of a `file PATH <<END` line: nullopt when the line opens no heredoc, "" when it
// tries to but is malformed.
std::optional<std::string> heredocTerminator(std::string_view t) {
    if (!t.starts_with("file") || (t.size() > 4 && !isBlank(t[4]))) return std::nullopt;
    const std::size_t marker = t.rfind("<<");
    if (marker == std::string_view::npos) return std::nullopt;
    const std::string end(t.substr(marker + 2));
    if (marker == 0 || !isBlank(t[marker - 1]) || end.empty() ||
        end.find_first_of(" \t\"") != std::string::npos)
        return std::string();
    return end;
}

} // namespace

Scenario parseScenario(std::string name, std::string_view text) {
    Scenario s;
    s.name = std::move(name);
    const std::vector<std::string> lines = splitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view t = trimmed(lines[i]);
        if (t.empty() || t.front() == '#') continue;
        ScenarioLine line;
        line.number = static_cast<int>(i + 1);
        line.text = std::string(t);
        if (const auto end = heredocTerminator(t)) {
            line.hasBody = true;
            if (end->empty()) {
                line.bodyError = "write file PATH <<END, with a word right after <<";
            } else {
                std::size_t j = i + 1;
                while (j < lines.size() && trimmed(lines[j]) != *end)
                    line.body.push_back(lines[j++]);
                if (j == lines.size()) line.bodyError = "no " + *end + " line closes this file";
                i = j;
            }
        }
        s.lines.push_back(std::move(line));
    }
    return s;
}

} // namespace ondivel::script
