#pragma once
// Windows-1252 text, the encoding of the settings, exercise and results files.
#include <string>
#include <string_view>

namespace ondivel {

// Characters with no Windows-1252 code become "?".
std::string utf8ToCp1252(std::string_view utf8);
std::string cp1252ToUtf8(std::string_view bytes);
// True when the bytes are well-formed UTF-8 (plain ASCII included).
bool isValidUtf8(std::string_view bytes);

} // namespace ondivel
