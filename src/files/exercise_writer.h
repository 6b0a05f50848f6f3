#pragma once
// Writing exercise files: the oscillogram and comment lines the editor builds, and the file
// itself (Windows-1252, CR LF). Loading a file back for the editor lives here too, so that what
// is saved and what is read agree.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ondivel {

class Platform;

// What the editor holds for one channel: a continuous level, or an alternating signal with its
// shape word ("sinusoïdale", "triangulaire", "carrée"). Numbers are kept as typed.
struct ChannelEntry {
    bool alternating = false;
    std::string shape;
    std::string voltage;
    std::string frequency;
};

// "sinusoïdale/5/50/triangulaire/2/100", "CC/1.5//carrée/3/1000", "CC/5//CC/-2/": the voltage
// and frequency texts trimmed; a continuous channel leaves its frequency field empty.
std::string OscillogramLine(const ChannelEntry& ch1, const ChannelEntry& ch2);

// "'" followed by the comment as typed.
std::string CommentLine(std::string_view comment);

// The bytes of a file holding these lines (UTF-8 in memory): each line in Windows-1252 followed
// by CR LF. No lines give no bytes.
std::string ExerciseFileBytes(const std::vector<std::string>& lines);

// Replaces the file's content with the lines; false when it cannot be written.
bool SaveExerciseFile(Platform& platform, const std::string& path, const std::vector<std::string>& lines);

// The lines the editor shows for a file: every line whose trimmed text is not empty, unchanged.
// Windows-1252 or UTF-8, CR LF or LF. nullopt when the file cannot be read.
std::vector<std::string> EditableLines(std::string_view text);
std::optional<std::vector<std::string>> LoadExerciseFile(const std::string& path);

} // namespace ondivel
