#include "files/web_addresses.h"

#include "files/settings_store.h"
#include "files/text_file.h"

#ifndef ONDIVEL_WEB_SITE
#define ONDIVEL_WEB_SITE "https://ondivel.example/"
#endif
#ifndef ONDIVEL_VERSION_FILE
#define ONDIVEL_VERSION_FILE "https://ondivel.example/version.txt"
#endif

namespace ondivel {

namespace {

std::string webSetting(const std::string& programFolder, const char* key, const char* def) {
    if (programFolder.empty()) return def;
    const std::u8string file = (PathFromUtf8(programFolder) / kWebSettingsFileName).u8string();
    return ReadIniValue(std::string(file.begin(), file.end()), "Web", key, def);
}

} // namespace

std::string WebSiteAddress(const std::string& programFolder) {
    return webSetting(programFolder, "Site", ONDIVEL_WEB_SITE);
}

std::string VersionFileAddress(const std::string& programFolder) {
    return webSetting(programFolder, "Version", ONDIVEL_VERSION_FILE);
}

} // namespace ondivel
