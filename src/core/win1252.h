#pragma once
// Windows-1252 text, the encoding of the settings, exercise and results files.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace ondivel {

// Characters with no Windows-1252 code become "?".
std::string utf8ToCp1252(std::string_view utf8);
std::string cp1252ToUtf8(std::string_view bytes);
// True when the bytes are well-formed UTF-8 (plain ASCII included).
bool isValidUtf8(std::string_view bytes);

// One UTF-8 sequence at s[i]: its length, or 0 when it is malformed (overlong forms and
// surrogates included).
std::size_t decodeUtf8(std::string_view s, std::size_t i, std::uint32_t& cp);
void appendUtf8(std::string& out, std::uint32_t cp);

} // namespace ondivel
