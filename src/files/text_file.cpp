#include "files/text_file.h"

#include <cstdint>
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

namespace {

constexpr std::uint32_t kReplacement = 0xFFFD;

std::uint32_t unitAt(std::string_view bytes, std::size_t i) {
    return static_cast<unsigned char>(bytes[i]) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8);
}

void appendUtf16Le(std::string& out, std::uint32_t unit) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
}

} // namespace

std::string Utf16LeToUtf8(std::string_view bytes, bool& wellFormed) {
    wellFormed = bytes.size() % 2 == 0;
    std::string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const std::uint32_t unit = unitAt(bytes, i);
        if (unit == 0) wellFormed = false;
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
            const std::uint32_t low = unitAt(bytes, i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        if (unit >= 0xD800 && unit <= 0xDFFF) {
            wellFormed = false;
            appendUtf8(out, kReplacement);
        } else {
            appendUtf8(out, unit);
        }
    }
    if (i < bytes.size()) appendUtf8(out, kReplacement);
    return out;
}

std::string Utf8ToUtf16Le(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() * 2);
    for (std::size_t i = 0; i < utf8.size();) {
        std::uint32_t cp = 0;
        std::size_t len = decodeUtf8(utf8, i, cp);
        if (len == 0) {
            cp = kReplacement;
            len = 1;
        }
        if (cp >= 0x10000) {
            appendUtf16Le(out, 0xD800 + ((cp - 0x10000) >> 10));
            appendUtf16Le(out, 0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            appendUtf16Le(out, cp);
        }
        i += len;
    }
    return out;
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

std::optional<std::string> ReadTextFile(const std::filesystem::path& file) {
    const std::optional<std::string> bytes = ReadFileBytes(file);
    if (!bytes) return std::nullopt;
    return DecodeText(*bytes);
}

std::optional<std::string> ReadTextFile(const std::string& utf8Path) {
    return ReadTextFile(PathFromUtf8(utf8Path));
}

} // namespace ondivel
