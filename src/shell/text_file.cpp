#include "shell/text_file.h"

#include <fstream>
#include <iterator>

#include "core/win1252.h"

namespace ondivel {

std::filesystem::path PathFromUtf8(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::optional<std::string> ReadTextFile(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string_view text = bytes;
    // A byte-order mark does not vouch for what follows: an editor may have appended
    // Windows-1252 text to a file that began as UTF-8.
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    // Plain ASCII reads the same either way; other well-formed UTF-8 is almost never
    // Windows-1252 text by accident.
    if (isValidUtf8(text)) return std::string(text);
    return cp1252ToUtf8(text);
}

std::optional<std::string> ReadTextFile(const std::string& utf8Path) {
    return ReadTextFile(PathFromUtf8(utf8Path));
}

} // namespace ondivel
