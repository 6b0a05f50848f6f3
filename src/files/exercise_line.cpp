#include "files/exercise_line.h"

#include "core/keywords.h"

namespace ondivel {

namespace {

constexpr std::size_t kQuotedCharacters = 40;
// About three lines of the answer window: a teacher's instruction, not a letter.
constexpr std::size_t kCommentCharacters = 240;

bool isContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The first `count` characters of UTF-8 text, followed by "…" when some were cut.
std::string CutCharacters(std::string_view text, std::size_t count) {
    std::size_t end = 0;
    for (std::size_t n = 0; end < text.size() && n < count; ++n) {
        ++end;
        while (end < text.size() && isContinuation(text[end]))
            ++end;
    }
    return std::string(text.substr(0, end)) + (end < text.size() ? "…" : "");
}

} // namespace

ExerciseLineKind ClassifyExerciseLine(std::string_view line) {
    if (line.empty()) return ExerciseLineKind::Empty;
    if (line.front() == '\'') return ExerciseLineKind::Comment;
    return ExerciseLineKind::Oscillogram;
}

std::string TrimBlanks(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

OscillogramFields SplitOscillogramLine(std::string_view line) {
    OscillogramFields fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i < fields.size() && start <= line.size(); ++i) {
        const std::size_t slash = line.find('/', start);
        if (slash == std::string_view::npos) {
            fields[i] = TrimBlanks(line.substr(start));
            break;
        }
        fields[i] = TrimBlanks(line.substr(start, slash - start));
        start = slash + 1;
    }
    return fields;
}

bool IsExerciseTypeWord(std::string_view field) {
    const std::string word = LowerKeyword(field);
    for (const char* known :
         {"cc", "sinus", "sinusoïdale", "triangle", "triangulaire", "carre", "carrée", "dyn"})
        if (word == known) return true;
    return false;
}

std::string QuoteField(std::string_view field) {
    return "« " + CutCharacters(field, kQuotedCharacters) + " »";
}

std::string CommentText(std::string_view line) {
    if (ClassifyExerciseLine(line) != ExerciseLineKind::Comment) return {};
    line.remove_prefix(1);
    return CutCharacters(TrimBlanks(line), kCommentCharacters);
}

} // namespace ondivel
