#include "evaluation/exercise_line.h"

namespace ondivel {

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

} // namespace ondivel
