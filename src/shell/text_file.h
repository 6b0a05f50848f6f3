#pragma once
// Reading the program's small text files (settings, version notice) whatever their encoding:
// Windows-1252 as the program writes them, or UTF-8 as other editors may save them.
#include <filesystem>
#include <optional>
#include <string>

namespace ondivel {

// A path from the UTF-8 text the program keeps paths in.
std::filesystem::path PathFromUtf8(const std::string& utf8);

// The file's text in UTF-8: taken as UTF-8 when it is well-formed UTF-8 (a leading byte-order
// mark dropped), else decoded from Windows-1252. Line ends are kept. nullopt when the file cannot
// be read.
std::optional<std::string> ReadTextFile(const std::filesystem::path& file);
std::optional<std::string> ReadTextFile(const std::string& utf8Path);

} // namespace ondivel
