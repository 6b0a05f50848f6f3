#pragma once
// The scenes the refresh benchmarks and the painting tests draw, on the platform the benchmark chooses: a
// typical DUAL picture (a 1 kHz sine and a 700 Hz square), the heaviest one the knobs allow (120 kHz squares
// on both channels at 5 ms/div, about 24 000 segments each) and an XY figure (1001 samples a frame).
#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/scales.h"
#include "bench/scope/xy_display.h"
#include "bench/sources/frm_gbf.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/user_input.h"
#include "files/testing/fake_platform.h"

namespace ondivel {

class BenchScene {
  public:
    explicit BenchScene(FakePlatform& platform) : app(platform) {
        FrmOndivel& scope = app.frmOndivel();
        scope.Show();
        user::click(scope.chkOn);
        for (int plug : {0, 1, 2})
            user::click(scope.imgBorne[plug]);
    }

    void dualSineAndSquare() {
        source(SideA, "Sinus", 5, 1000);
        square(SideB, 3, 700);
    }

    // 120 kHz by default: 6000 periods at 5 ms/div, 24 000 segments a channel.
    void worstCaseSquares(double frequency = 120000) {
        square(SideA, 5, frequency);
        square(SideB, 5, frequency);
        user::drag(app.frmOndivel().Potentio[KnobTimeBase], 6); // 5 ms/div
    }

    // Sources set the way their panels would, then XY through the next-mode button
    // (DUAL → ADD → XY): a 1 kHz sine on CH1 against `keywordB` at 2 kHz on CH2.
    void xyFigure(const char* keywordB = "Sinus") {
        source(SideA, "Sinus", 4, 1000);
        source(SideB, keywordB, 4, 2000);
        user::click(app.frmOndivel().cmdVoie[1]);
        user::click(app.frmOndivel().cmdVoie[1]);
    }

    // One tick of tmrXY: the next frame of the figure.
    void nextXYFrame() {
        xyPhase_ += 2000;
        DrawXY(app, xyPhase_);
    }

    Ondivel app;

    // A generator wired and switched on, at a 30 % duty cycle, without going through its panel.
    void square(int side, double amplitude, double frequency) {
        source(side, "Carre", amplitude, frequency);
        app.frmToolBox().optConnexion[side == SideA ? 1 : 10].Value = 1;
        FrmGBF& gbf = app.frmGBF(side);
        gbf.chkOn.Caption = "Off";
        gbf.Potentio[2].Max = 100;
        gbf.Potentio[2].Value = 30;
        gbf.Potentio[3].Max = 200;
        gbf.Potentio[3].Value = 100;
        gbf.shpSignal[1].FillColor = kLampOn;
    }

    void source(int side, const char* keyword, double amplitude, double frequency) {
        Globals& g = app.g;
        (side == SideA ? g.SignalA : g.SignalB) = keyword;
        (side == SideA ? g.AmplitudeA : g.AmplitudeB) = amplitude;
        (side == SideA ? g.FrequenceA : g.FrequenceB) = frequency;
        (side == SideA ? g.SourceBrancheeA : g.SourceBrancheeB) = true;
    }

  private:
    double xyPhase_ = 0;
};

} // namespace ondivel
