#include "files/exercise_writer.h"

#include "core/platform.h"
#include "core/win1252.h"
#include "files/durable_append.h"
#include "files/exercise_line.h"
#include "files/text_file.h"

namespace ondivel {

namespace {

std::string section(const ChannelEntry& ch, bool last) {
    if (!ch.alternating) return "CC/" + TrimBlanks(ch.voltage) + (last ? "/" : "//");
    return ch.shape + "/" + TrimBlanks(ch.voltage) + "/" + TrimBlanks(ch.frequency) + (last ? "" : "/");
}

} // namespace

std::string OscillogramLine(const ChannelEntry& ch1, const ChannelEntry& ch2) {
    return section(ch1, false) + section(ch2, true);
}

std::string CommentLine(std::string_view comment) {
    return "'" + std::string(comment);
}

std::string ExerciseFileBytes(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += utf8ToCp1252(line) + "\r\n";
    return bytes;
}

bool SaveExerciseFile(Platform& platform, const std::string& path, const std::vector<std::string>& lines) {
    // Exercise folders are shared: a file a pupil replaced by a link is not written through.
    if (emptyPlainFile(path) != EmptyFileResult::Emptied) return false;
    const std::string bytes = ExerciseFileBytes(lines);
    // One durable write: a lesson saved just before the power goes is still there afterwards.
    return bytes.empty() || platform.appendDurably(path, bytes);
}

std::vector<std::string> EditableLines(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!TrimBlanks(line).empty()) lines.emplace_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::optional<std::vector<std::string>> LoadExerciseFile(const std::string& path) {
    const std::optional<std::string> text = ReadTextFile(path);
    if (!text) return std::nullopt;
    return EditableLines(*text);
}

} // namespace ondivel
