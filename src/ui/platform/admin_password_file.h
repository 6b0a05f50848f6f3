#pragma once
// The teacher password fixed by a school administrator for every account of the computer: one
// line holding its hash in a file that everybody reads and only the administrator writes.
#include <optional>
#include <string>

namespace ondivel {

inline constexpr const char* kAdminPasswordFile = "/etc/ondivel/password";

// ONDIVEL_ADMIN_PASSWORD_FILE when set (the tests), else kAdminPasswordFile.
std::string adminPasswordFilePath();

// nullopt when the file does not exist; otherwise its first line, "" when it cannot be read.
std::optional<std::string> readAdminPasswordFile(const std::string& path);

// Replaces the file with the hash in one step (a crash leaves the old file or the new one, never
// half of it), readable by all (0644), creating its folder (0755). On failure, says why in French.
bool writeAdminPasswordFile(const std::string& path, const std::string& hash, std::string& error);

} // namespace ondivel
