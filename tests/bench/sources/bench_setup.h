#pragma once
// A fresh bench for the panel tests: a scripted platform over a temporary folder, the
// application, and the wiring the main window makes at start-up (the toolbox shown with
// "Aucune alimentation" on both channels).
#include <gtest/gtest.h>

#include <string>

#include "bench/main/mdi_ondivel.h"
#include "bench/ondivel.h"
#include "bench/sources/frm_gbf.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/user_input.h"
#include "files/testing/fake_platform.h"
#include "support/temp_folder.h"

namespace ondivel::testing {

class BenchTest : public ::testing::Test {
  protected:
    BenchTest() {
        g.FichierConfig = tmp / "ConfOND_eleve1.ini";
        g.CouleurA = 65535;
        g.CouleurB = 4227072;
        toolbox.Show();
        toolbox.optConnexion[FrmToolBox::kNoneA].setValue(1);
        toolbox.optConnexion[FrmToolBox::kNoneB].setValue(1);
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

    TempFolder tmp;
    FakePlatform platform{tmp.path().string()};
    Ondivel app{platform};
    Globals& g = app.g;
    FrmToolBox& toolbox = app.frmToolBox();
    FrmGBF& gbfA = app.frmGBFA();
    FrmGBF& gbfB = app.frmGBFB();
};

} // namespace ondivel::testing
