#include "files/web_addresses.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

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

bool endsWithLabel(std::string_view host, std::string_view name) {
    if (host == name) return true;
    return host.size() > name.size() && host.ends_with(name) && host[host.size() - name.size() - 1] == '.';
}

} // namespace

bool IsRealWebAddress(const std::string& address) {
    std::string lower = address;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    std::string_view rest = lower;
    if (rest.starts_with("https://"))
        rest.remove_prefix(8);
    else if (rest.starts_with("http://"))
        rest.remove_prefix(7);
    else
        return false;
    std::string_view host = rest.substr(0, rest.find_first_of("/?#"));
    if (const auto at = host.rfind('@'); at != std::string_view::npos) host.remove_prefix(at + 1);
    if (const auto colon = host.rfind(':'); colon != std::string_view::npos) host = host.substr(0, colon);
    if (host.ends_with('.')) host.remove_suffix(1);
    if (host.empty()) return false;
    constexpr std::array<std::string_view, 7> kReserved = {
        "example", "example.com", "example.org", "example.net", "test", "invalid", "localhost"};
    return std::none_of(kReserved.begin(), kReserved.end(),
                        [host](std::string_view name) { return endsWithLabel(host, name); });
}

std::string WebSiteAddress(const std::string& programFolder) {
    return webSetting(programFolder, "Site", ONDIVEL_WEB_SITE);
}

std::string VersionFileAddress(const std::string& programFolder) {
    return webSetting(programFolder, "Version", ONDIVEL_VERSION_FILE);
}

} // namespace ondivel
