#pragma once
// The maker's addresses on the web: the site opened from the Help menu and named in the
// new-version notice, and the small version file read at start-up. They are settings of the
// installation: the build gives defaults, and the file "Ondivel-web.ini" of the application
// folder (section "Web", keys "Site" and "Version") overrides them without a rebuild.
#include <string>

namespace ondivel {

inline constexpr const char* kWebSettingsFileName = "Ondivel-web.ini";

std::string WebSiteAddress(const std::string& programFolder);
// A small text whose version number follows the first "=", for example "version=1.1".
std::string VersionFileAddress(const std::string& programFolder);

// Whether an address can be a real site: http or https, and a host outside the names kept for
// examples and tests (example, example.com, .org, .net, .test, .invalid, localhost). The build's
// defaults are such placeholders until an installation names its site.
bool IsRealWebAddress(const std::string& address);

} // namespace ondivel
