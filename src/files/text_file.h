#pragma once
// Reading the program's small text files (exercises, tips, version notice) whatever their
// encoding: Windows-1252 as the program writes them, or UTF-8 as other editors may save them;
// and the UTF-16 the settings file may be kept in.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ondivel {

// A path from the UTF-8 text the program keeps paths in.
std::filesystem::path PathFromUtf8(const std::string& utf8);

// Bytes of a text file in UTF-8: taken as UTF-8 when they are well-formed UTF-8, else decoded
// from Windows-1252. Leading byte-order marks are dropped, also one saved again as Windows-1252
// text ("ï»¿"). Line ends are kept.
std::string DecodeText(std::string_view bytes);

// UTF-16 LE bytes (no byte-order mark) as UTF-8. An odd last byte, a lone surrogate or a U+0000
// unit makes wellFormed false; what cannot be decoded reads as U+FFFD.
std::string Utf16LeToUtf8(std::string_view bytes, bool& wellFormed);
// UTF-8 as UTF-16 LE; bytes that are not UTF-8 become U+FFFD.
std::string Utf8ToUtf16Le(std::string_view utf8);

// The bytes of a regular file; nullopt when it is missing, not a file or cannot be read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& file);

// The file's text, as DecodeText gives it; nullopt when the file cannot be read.
std::optional<std::string> ReadTextFile(const std::filesystem::path& file);
std::optional<std::string> ReadTextFile(const std::string& utf8Path);

} // namespace ondivel
