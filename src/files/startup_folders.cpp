#include "files/startup_folders.h"

#include <filesystem>
#include <vector>

#include "files/ini_document.h"
#include "files/settings_location.h"
#include "files/text_file.h"

namespace ondivel {

namespace fs = std::filesystem;

namespace {

std::string utf8Of(const fs::path& p) {
    const std::u8string s = p.u8string();
    return std::string(s.begin(), s.end());
}

std::string trimmed(const std::string& s) {
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

} // namespace

std::string WithTrailingSeparator(const std::string& folder) {
    if (folder.empty() || folder.back() == '/' || folder.back() == char(fs::path::preferred_separator))
        return folder;
    return folder + char(fs::path::preferred_separator);
}

std::string AuthorSubFolder() {
    return utf8Of(fs::path(kAuthorFolder) / kProgramFolder);
}

std::string SharedFolderPath(const std::string& commonDocuments) {
    std::string root = trimmed(commonDocuments);
    root = root.empty() ? std::string(1, char(fs::path::preferred_separator)) : WithTrailingSeparator(root);
    return WithTrailingSeparator(root + AuthorSubFolder());
}

std::string FolderBeforeSettingsFile(const std::string& chosenFile) {
    const fs::path chosen = PathFromUtf8(chosenFile);
    std::vector<fs::path> parts(chosen.begin(), chosen.end());
    const char* ending[] = {kAuthorFolder, kProgramFolder, "Conf_OND.ini"};
    bool endsSo = parts.size() >= 3;
    for (std::size_t i = 0; endsSo && i < 3; ++i)
        endsSo = IniDocument::sameName(utf8Of(parts[parts.size() - 3 + i]), ending[i]);
    const fs::path folder = endsSo ? chosen.parent_path().parent_path().parent_path() : chosen.parent_path();
    return utf8Of(folder);
}

} // namespace ondivel
