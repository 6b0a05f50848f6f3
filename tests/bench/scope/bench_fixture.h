#pragma once
// A fresh bench: a fake platform rooted in a temporary folder and the application. The
// oscilloscope tests set sources through the globals, the way their panels set them, so that they
// do not depend on the source panels; the panel tests start from the wiring the main window makes.
#include <gtest/gtest.h>

#include <string>

#include "bench/main/mdi_ondivel.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_full_screen.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/sources/frm_gbf.h"
#include "bench/sources/frm_harmonique.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/recording_surface.h"
#include "core/user_input.h"
#include "files/testing/fake_platform.h"
#include "support/temp_folder.h"

namespace ondivel::testing {

class Bench : public ::testing::Test {
  protected:
    Bench() { app.g.FichierConfig = tmp / "ConfOND_eleve1.ini"; }

    FrmOndivel& scope() { return app.frmOndivel(); }
    RecordingSurface& screen() { return static_cast<RecordingSurface&>(scope().screen()); }
    RecordingSurface& grid() { return static_cast<RecordingSurface&>(scope().grid()); }
    RecordingSurface& fullScreen() { return static_cast<RecordingSurface&>(app.frmFullScreen().screen()); }

    // Loads the panel, switches it on (DUAL, both channels AC without settings) and plugs CH1,
    // CH2 and the ground.
    void switchOnAndPlug() {
        scope().Show();
        user::click(scope().chkOn);
        for (int plug : {0, 1, 2})
            user::click(scope().imgBorne[plug]);
    }

    // The picture the screen tools are tried on: DUAL, a 5 V 1 kHz sine on CH1 and a 2 V 500 Hz
    // square on CH2, at 2 V/div and 1 ms/div.
    void showSineAndSquare() {
        switchOnAndPlug();
        source(SideA, "Sinus", 5, 1000);
        source(SideB, "Carre", 2, 500);
        app.RefreshDisplay();
    }

    void source(int side, const std::string& keyword, double amplitude, double frequency) {
        Globals& g = app.g;
        (side == SideA ? g.SignalA : g.SignalB) = keyword;
        (side == SideA ? g.AmplitudeA : g.AmplitudeB) = amplitude;
        (side == SideA ? g.FrequenceA : g.FrequenceB) = frequency;
        (side == SideA ? g.SourceBrancheeA : g.SourceBrancheeB) = true;
    }

    // The side's function generator wired by the toolbox and on, with its duty knob (0…100),
    // its offset knob (0…200, 100 = none) and its square lamp.
    void generator(int side, double dutyKnob, double offsetKnob, bool squareLamp) {
        app.frmToolBox().optConnexion[side == SideA ? 1 : 10].Value = 1;
        FrmGBF& gbf = app.frmGBF(side);
        gbf.chkOn.Caption = "Off";
        gbf.Potentio[2].Max = 100;
        gbf.Potentio[2].Value = dutyKnob;
        gbf.Potentio[3].Max = 200;
        gbf.Potentio[3].Value = offsetKnob;
        gbf.shpSignal[1].FillColor = squareLamp ? kLampOn : kLampOff;
    }

    // The harmonic generator's sliders as its panel starts: order 1 at 100 %, the others at 0.
    void harmonicPanelAtRest(int side) {
        FrmHarmonique& h = app.frmHarmonique(side);
        for (int i = 0; i < 20; ++i) {
            h.sldAmpli[i].Min = -1000;
            h.sldAmpli[i].Max = 0;
            h.sldAmpli[i].Value = i == 0 ? -1000 : 0;
            h.sldPhase[i].Value = 0;
        }
        h.sldX0.Value = 0;
    }

    TempFolder tmp;
    FakePlatform platform{tmp.path().string()};
    Ondivel app{platform};
};

// The start-up wiring of the main window: the toolbox shown with "Aucune alimentation" on both
// channels.
class BenchTest : public Bench {
  protected:
    BenchTest() {
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

    Globals& g = app.g;
    FrmToolBox& toolbox = app.frmToolBox();
    FrmGBF& gbfA = app.frmGBFA();
    FrmGBF& gbfB = app.frmGBFB();
};

} // namespace ondivel::testing
