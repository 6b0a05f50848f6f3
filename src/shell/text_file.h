#pragma once
// Reading the program's small text files (settings, version notice) whatever their encoding:
// Windows-1252 as the program writes them, or UTF-8 as other editors may save them.
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

// The file's text, as DecodeText gives it; nullopt when the file cannot be read.
std::optional<std::string> ReadTextFile(const std::filesystem::path& file);
std::optional<std::string> ReadTextFile(const std::string& utf8Path);

} // namespace ondivel
