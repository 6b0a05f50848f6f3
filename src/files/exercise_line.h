#pragma once
// One line of an exercise file: what kind it is and the six fields of an oscillogram line.
// Shared by the evaluation, which reads the files, and the editor, which writes them.
#include <array>
#include <string>
#include <string_view>

namespace ondivel {

enum class ExerciseLineKind { Comment, Empty, Oscillogram };

// Decided on the raw line: a leading apostrophe is a comment, only "" is empty (a line of
// blanks is an oscillogram whose fields all take their defaults).
ExerciseLineKind ClassifyExerciseLine(std::string_view line);

// CH1 type, CH1 peak volts, CH1 hertz, CH2 type, CH2 peak volts, CH2 hertz: each trimmed of
// surrounding blanks. A line with fewer separators leaves the missing fields empty; text after a
// sixth "/" is ignored.
using OscillogramFields = std::array<std::string, 6>;
OscillogramFields SplitOscillogramLine(std::string_view line);

// Blanks (spaces and tabs) removed from both ends.
std::string TrimBlanks(std::string_view text);

// Whether a type field names a signal the oscilloscope can draw: "CC", "sinusoïdale" or
// "sinus", "triangulaire" or "triangle", "carrée" or "carre", "dyn", in any case. An empty field
// is not a word (the caller reads it as "CC").
bool IsExerciseTypeWord(std::string_view field);

// A field as a message quotes it: "« text »", cut to its first 40 characters followed by "…",
// so that a runaway field in a hand-edited file cannot flood a message box or the results file.
// UTF-8 in and out.
std::string QuoteField(std::string_view field);

// A comment line's text as the pupil reads it: without its apostrophe, trimmed, cut to its first
// 240 characters followed by "…". Empty for a line that is not a comment.
std::string CommentText(std::string_view line);

} // namespace ondivel
