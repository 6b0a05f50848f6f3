#pragma once
// The tips of the day: a text file with one tip per line, shipped in the application folder. The
// teacher adds tips to a copy in the shared folder, which then takes precedence.
#include <string>
#include <string_view>
#include <vector>

namespace ondivel {

class Ondivel;

inline constexpr const char* kTipsFileName = "TipOfDayOndivel.txt";

// The tips of a file's text: one per line, blanks around it removed, empty lines skipped.
std::vector<std::string> TipsFromText(std::string_view text);

// The file the tip window reads: the shared copy when there is one, else the shipped file.
std::string TipsFileToRead(const Ondivel& app);

// The shared copy the teacher edits, made from the shipped file (or empty) when missing.
// Empty when the shared folder cannot hold it.
std::string EditableTipsFile(Ondivel& app);

// The tips the program can show now.
std::vector<std::string> LoadTips(const Ondivel& app);

} // namespace ondivel
