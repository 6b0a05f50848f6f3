#pragma once
// The private-profile settings file: sections in brackets, key=value lines, CR LF line ends,
// Windows-1252 text, names compared without regard to case; comments, blank lines and the order
// of lines are kept when a value is rewritten. Names and values are UTF-8 in the program.
#include <string>

namespace ondivel {

// The value of key in section, or def when the file, the section or the key is missing or the
// value is empty. Values are cut at 254 characters, as the classic 255-character buffer does.
std::string ReadIniValue(const std::string& file, const std::string& section, const std::string& key,
                         const std::string& def);
// Writes key=value in section, creating the file, the section or the key as needed. Failures are
// silent: an unwritable file keeps its old values.
void WriteIniValue(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value);

} // namespace ondivel
