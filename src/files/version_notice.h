#pragma once
// The new-version notice shown at start-up: reading the downloaded version file and comparing
// versions the way the notice always has (dots removed, then numbers compared, so that 4.10,
// read 410, is newer than 4.9, read 49).
#include <optional>
#include <string>
#include <string_view>

namespace ondivel {

// The version announced by the file: its text without line breaks, after the first "=" (the
// whole text when there is none), without surrounding blanks.
std::string RemoteVersionFromFile(std::string_view content);

bool IsNewerVersion(std::string_view remote, std::string_view local);

// The notice for a newer remote version, naming the web site; nullopt when the local version is
// not older.
std::optional<std::string> NewVersionNotice(std::string_view remote, std::string_view local,
                                            std::string_view webSite);

} // namespace ondivel
