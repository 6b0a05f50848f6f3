#include "shell/settings_store.h"

namespace ondivel {

std::string ReadIniValue(const std::string&, const std::string&, const std::string&, const std::string& def) {
    return def;
}

void WriteIniValue(const std::string&, const std::string&, const std::string&, const std::string&) {}

} // namespace ondivel
