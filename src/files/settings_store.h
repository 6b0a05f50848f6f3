#pragma once
// The private-profile settings file: sections in brackets, key=value lines, CR LF line ends,
// Windows-1252 text (or UTF-16 LE after a byte-order mark), names compared without regard to
// case. A rewrite changes only the lines of the values it sets; every other line is written back
// byte for byte. Names and values are UTF-8 in the program.
#include <optional>
#include <string>
#include <vector>

namespace ondivel {

// The value of key in section, or def when the file, the section or the key is missing or the
// value is empty. Values are cut at 254 characters, as the classic 255-character buffer does.
std::string ReadIniValue(const std::string& file, const std::string& section, const std::string& key,
                         const std::string& def);
// Writes key=value in section, creating the file, the section or the key as needed. Failures
// show nothing: an unwritable file, or one that is not settings text (see
// IniDocument::rewritable), keeps its old bytes, and the result is false. A name that
// cannot be written on one line is refused, which is no failure of the file.
bool WriteIniValue(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value);

struct IniSetting {
    std::string section, key, value;
};
// Several values in one rewrite of the file, in order; false when the file could not be written.
bool WriteIniValues(const std::string& file, const std::vector<IniSetting>& settings);

// A value as ReadIniValue hands it back: def when missing or empty, else cut at 254 characters.
std::string IniValueOrDefault(const std::optional<std::string>& value, const std::string& def);

} // namespace ondivel
