#pragma once
// A fresh application on a fake platform rooted in a fresh temporary folder.
#include <filesystem>
#include <string>

#include "bench/main/mdi_ondivel.h"
#include "bench/ondivel.h"
#include "files/settings_store.h"
#include "files/testing/fake_platform.h"
#include "temp_folder.h"

namespace ondivel::testing {

class AppFixture : public ::testing::Test {
  protected:
    TempFolder tmp;
    FakePlatform platform{tmp.path().string()};
    Ondivel app{platform};

    // Launching the program.
    void start() { app.mdi().Show(); }
    // The settings file start-up will find, for the default logon name.
    std::string iniPath() const { return tmp / "appdata/Marvane/Ondivel/ConfOND_eleve1.ini"; }
    void preset(const std::string& section, const std::string& key, const std::string& value) {
        WriteIniValue(iniPath(), section, key, value);
    }
    std::string ini(const std::string& section, const std::string& key) const {
        return ReadIniValue(app.g.FichierConfig, section, key, "");
    }
    int messagesTitled(const std::string& title) const {
        int n = 0;
        for (const auto& m : platform.messages)
            n += m.title == title;
        return n;
    }
};

} // namespace ondivel::testing
