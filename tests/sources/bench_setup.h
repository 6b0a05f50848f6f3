#pragma once
// A fresh bench for the panel tests: a scripted platform over a temporary folder, the
// application, and the wiring the main window makes at start-up (the toolbox shown with
// "Aucune alimentation" on both channels).
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "core/format.h"
#include "core/ondivel.h"
#include "core/testing/fake_platform.h"
#include "core/user_input.h"
#include "meters/frm_toolbox.h"
#include "shell/mdi_ondivel.h"
#include "shell/settings_store.h"
#include "sources/frm_gbf.h"

namespace ondivel::testing {

inline std::filesystem::path freshFolder() {
    auto dir =
        std::filesystem::temp_directory_path() / ("ondivel-test-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir);
    return dir;
}

class BenchTest : public ::testing::Test {
  protected:
    BenchTest() {
        g.FichierConfig = (root / "ConfOND_eleve1.ini").string();
        g.CouleurA = 65535;
        g.CouleurB = 4227072;
        toolbox.Show();
        toolbox.optConnexion[FrmToolBox::kNoneA].setValue(1);
        toolbox.optConnexion[FrmToolBox::kNoneB].setValue(1);
    }
    ~BenchTest() override {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }

    // The user chooses "GBF" for the side; the panel draws r1 then r2 for its start values.
    FrmGBF& openGbf(int side, double r1 = 0.5, double r2 = 0.5) {
        platform.randomValues = {r1, r2};
        user::click(toolbox.optConnexion[side == SideB ? FrmToolBox::kGbfB : FrmToolBox::kGbfA]);
        return app.frmGBF(side);
    }
    static void switchOnAndPlug(FrmGBF& gbf) {
        user::click(gbf.chkOn);
        user::click(gbf.imgBorne[0]);
        user::click(gbf.imgBorne[1]);
    }

    std::filesystem::path root = freshFolder();
    FakePlatform platform{root.string()};
    Ondivel app{platform};
    Globals& g = app.g;
    FrmToolBox& toolbox = app.frmToolBox();
    FrmGBF& gbfA = app.frmGBFA();
    FrmGBF& gbfB = app.frmGBFB();
};

// Capabilities other parts of the program bring; the checks that need them skip until then.
inline bool formatterReady() {
    return FormatNumber(6, "00.00") == "06.00";
}

inline bool settingsStoreReady() {
    const auto file = (freshFolder() / "probe.ini").string();
    WriteIniValue(file, "Interface", "PosX Probe", "12");
    const bool ready = ReadIniValue(file, "Interface", "PosX Probe", "0") == "12";
    std::filesystem::remove_all(std::filesystem::path(file).parent_path());
    return ready;
}

inline bool refreshRebuildsChannels() {
    FakePlatform p;
    Ondivel probe(p);
    probe.mdi().ModeLibre = false;
    probe.g.ExoSignalCH1 = "Carre";
    probe.RefreshDisplay();
    return probe.g.SignalCH1 == "Carre";
}

} // namespace ondivel::testing
