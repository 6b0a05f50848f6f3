#include "files/unsaved_settings.h"

#include <algorithm>

#include "files/ini_document.h"

namespace ondivel {

namespace {

auto sameKey(const std::string& section, const std::string& key) {
    return [&](const IniSetting& s) {
        return IniDocument::sameName(s.section, section) && IniDocument::sameName(s.key, key);
    };
}

} // namespace

void UnsavedSettings::write(const std::string& file, const std::string& section, const std::string& key,
                            const std::string& value) {
    // Values waiting for another file (the settings file was located again) are not this one's.
    if (file != file_) waiting_.clear();
    file_ = file;
    std::erase_if(waiting_, sameKey(section, key));
    waiting_.push_back({section, key, value});
    if (WriteIniValues(file, waiting_)) waiting_.clear();
}

std::optional<std::string> UnsavedSettings::value(const std::string& file, const std::string& section,
                                                  const std::string& key) const {
    if (file != file_) return std::nullopt;
    const auto it = std::find_if(waiting_.begin(), waiting_.end(), sameKey(section, key));
    if (it == waiting_.end()) return std::nullopt;
    return it->value;
}

} // namespace ondivel
