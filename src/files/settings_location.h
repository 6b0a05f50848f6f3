#pragma once
// Where the per-user settings file lives: the common application-data folder, then the author's
// sub-folder, then "ConfOND_" + logon name + ".ini".
#include <string>

namespace ondivel {

// The author's sub-folder under the common folders, as relative path components.
inline constexpr const char* kAuthorFolder = "Marvane";
inline constexpr const char* kProgramFolder = "Ondivel";
// The logon name used when the system gives none.
inline constexpr const char* kUnknownUser = "Inconnu";

// commonAppData ends with a separator or not; the result uses the native separator. The user
// name is made safe for a file name first (SafeFileNamePart).
std::string SettingsFilePath(const std::string& commonAppData, const std::string& userName);

} // namespace ondivel
