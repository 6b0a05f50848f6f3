#pragma once
// A fresh bench for the panel tests: a scripted platform over a temporary folder, the
// application, and the default wiring the main window makes at start-up.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/ondivel.h"
#include "core/testing/fake_platform.h"
#include "meters/frm_toolbox.h"
#include "shell/mdi_ondivel.h"
#include "sources/frm_gbf.h"

namespace ondivel::testing {

class BenchTest : public ::testing::Test {
protected:
    BenchTest();
    ~BenchTest() override;

    // The toolbox shown with "Aucune alimentation" on both channels.
    void startBench();
    // Chooses "GBF" for the side in the toolbox; the panel draws r1 then r2 for its start
    // frequency and amplitude.
    FrmGBF& openGbf(int side, double r1 = 0.5, double r2 = 0.5);
    // Switches the generator on and places both plugs, as a user does.
    void switchOnAndPlug(FrmGBF& gbf);

    std::filesystem::path root;
    FakePlatform platform;
    Ondivel app;
    Globals& g;
    FrmToolBox& toolbox;
    FrmGBF& gbfA;
    FrmGBF& gbfB;
};

// Capabilities that other parts of the program bring; the tests that need them skip until then.
bool formatterReady();
bool settingsStoreReady();
bool refreshRebuildsChannels();

} // namespace ondivel::testing
