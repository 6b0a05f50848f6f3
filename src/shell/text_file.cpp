#include "shell/text_file.h"

#include <fstream>
#include <iterator>

#include "core/win1252.h"

namespace ondivel {

std::filesystem::path PathFromUtf8(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string DecodeText(std::string_view bytes) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    // A byte-order mark does not vouch for what follows: an editor may have appended
    // Windows-1252 text to a file that began as UTF-8.
    while (bytes.starts_with(kMark))
        bytes.remove_prefix(kMark.size());
    // Plain ASCII reads the same either way; other well-formed UTF-8 is almost never
    // Windows-1252 text by accident.
    std::string text = isValidUtf8(bytes) ? std::string(bytes) : cp1252ToUtf8(bytes);
    // A mark that an editor took for Windows-1252 text and saved again reads as "ï»¿". Kept, it
    // would turn back into a mark when the program writes the file in Windows-1252, and the
    // first line would change meaning between two reads.
    constexpr std::string_view kMarkAsText = "\u00EF\u00BB\u00BF";
    while (std::string_view(text).starts_with(kMarkAsText))
        text.erase(0, kMarkAsText.size());
    return text;
}

std::optional<std::string> ReadTextFile(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return DecodeText(bytes);
}

std::optional<std::string> ReadTextFile(const std::string& utf8Path) {
    return ReadTextFile(PathFromUtf8(utf8Path));
}

} // namespace ondivel
