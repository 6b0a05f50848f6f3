#pragma once
// Appends that survive a crash or a power cut, and whole-line interleaving between programs.
#include <string>

namespace ondivel {

// Opens the file in append mode, writes the bytes with one system write, syncs them to disk and
// closes the file. Two programs appending this way never tear each other's writes.
bool appendDurablyToFile(const std::string& path, const std::string& bytes);

} // namespace ondivel
