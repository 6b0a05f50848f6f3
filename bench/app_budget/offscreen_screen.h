#pragma once
// The offscreen platform with a screen of a classroom computer: its default 800 x 800 screen is
// below the program's minimum width, and the start-up would stop on the resolution message.
#include <filesystem>
#include <string>

namespace ondivel::budget {

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;

// Writes the screen's description into `folder` and returns the QT_QPA_PLATFORM value that uses it.
std::string offscreenPlatform(const std::filesystem::path& folder);

} // namespace ondivel::budget
