#pragma once
// Word-level lexing of scenario lines, shared by the command parser and the expression parser.
#include <string>
#include <string_view>
#include <vector>

namespace ondivel::script {

// Splits a line into blank-separated words. A quoted string or a parenthesised group is one word
// with its blanks kept: `expect ini("Options", "Couleur fond") == "255"` gives four words.
// Throws ScriptError on an unterminated string or unbalanced parentheses.
std::vector<std::string> splitWords(std::string_view line);

bool isQuoted(std::string_view word);

// The text of a quoted word with its escapes resolved: \" \\ \n \r. Throws ScriptError on any
// other escape or when the word is not one whole quoted string.
std::string unquote(std::string_view word);

// A quoted word's text, or a bare word as it is (paths, user names, version texts).
std::string wordText(std::string_view word);

// Numbers use a dot: 12, -3.5, 1e-3. Nothing but the number may be in the text.
bool parseNumber(std::string_view text, double& out);

bool isBlank(char c);

} // namespace ondivel::script
