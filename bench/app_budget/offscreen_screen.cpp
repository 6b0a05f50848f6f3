#include "offscreen_screen.h"

#include <fstream>

namespace ondivel::budget {

std::string offscreenPlatform(const std::filesystem::path& folder) {
    const std::filesystem::path file = folder / "offscreen-screen.json";
    std::ofstream(file) << "{ \"screens\": [ { \"name\": \"classroom\", \"x\": 0, \"y\": 0, \"width\": "
                        << kScreenWidth << ", \"height\": " << kScreenHeight
                        << ", \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1 } ] }\n";
    return "offscreen:configfile=" + file.string();
}

} // namespace ondivel::budget
