#pragma once
// A fresh bench for the oscilloscope tests: a fake platform rooted in a temporary folder and the
// application. Sources are set through the globals, the way their panels set them, so these tests
// do not depend on the source panels.
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

} // namespace ondivel::testing
