#include "files/settings_location.h"

#include <filesystem>

#include "files/safe_file_name.h"

namespace ondivel {

std::string SettingsFilePath(const std::string& commonAppData, const std::string& userName) {
    const std::filesystem::path folder =
        std::filesystem::path(commonAppData) / kAuthorFolder / kProgramFolder;
    return (folder / ("ConfOND_" + SafeFileNamePart(userName) + ".ini")).string();
}

} // namespace ondivel
