#include "bench/scope/frm_curseurs.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>

#include "bench/main/mdi_ondivel.h"
#include "bench/main/window_layout.h"
#include "bench/meters/frm_mesures.h"
#include "bench/ondivel.h"
#include "bench/scope/cursor_measures.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/renderer.h"
#include "core/format.h"
#include "core/surface.h"

namespace ondivel {

namespace {

// Where the cursors stand when the panel opens: two divisions either side of the centre.
constexpr double kStart[FrmCurseurs::kCount] = {-200, 200, -200, 200};
constexpr double kHalfWidth = 500;
constexpr double kHalfHeight = 400;
constexpr const char* kNames[FrmCurseurs::kCount] = {"t1", "t2", "V1", "V2"};
constexpr const char* kXYNames[FrmCurseurs::kCount] = {"X1", "X2", "Y1", "Y2"};

bool vertical(int which) {
    return which == FrmCurseurs::T1 || which == FrmCurseurs::T2;
}

} // namespace

Color FrmCurseurs::CursorColour(Color screen) {
    // The same split as the overlay's ink: by the screen's luminance.
    const double luminance = 0.3 * redOf(screen) + 0.59 * greenOf(screen) + 0.11 * blueOf(screen);
    return luminance < 127.5 ? kOnDarkScreen : kOnLightScreen;
}

FrmCurseurs::FrmCurseurs(Ondivel& app) : BenchForm(app, "frmCurseurs") {
    Caption = "Curseurs de mesure";
    HelpTopic = 4300; // "Mesurer sur l'écran", shared with the measurements
    Width = 3150;     // twips
    Height = 3900;
    for (int i = 0; i < kCount; ++i) {
        optCurseur[i].Caption = kNames[i];
        optCurseur[i].on.Click = [this, i] { select(i); };
    }
    optCurseur[T1].Value = 1;
    registerMember("CouleurCurseurs", VarRef(&CouleurCurseurs));
    resetMembers();
}

void FrmCurseurs::resetMembers() {
    std::copy(std::begin(kStart), std::end(kStart), std::begin(position_));
    selected_ = T1;
}

void FrmCurseurs::Form_Load() {
    Ondivel& a = app();
    const FrmOndivel& scope = a.frmOndivel();
    // Beyond the column where the source panels open, so that it hides none of them.
    Left = Val(
        a.ReadIni("Interface", "PosX Curseurs", NumberText(scope.Left + scope.Width + kLayoutColumnWidth)));
    Top = Val(a.ReadIni("Interface", "PosY Curseurs", NumberText(scope.Top)));
    StackBelowOpenNeighbours(*this, {&a.frmMesures()});
    for (int i = 0; i < kCount; ++i)
        optCurseur[i].ToolTipText = "Choisit le curseur que déplacent les flèches.";
    a.mdi().Mnu_Curseurs.Checked = true;
    UpdateReadings();
    redraw();
}

void FrmCurseurs::Form_Unload(int&) {
    Ondivel& a = app();
    a.WriteIni("Interface", "PosX Curseurs", NumberText(Left));
    a.WriteIni("Interface", "PosY Curseurs", NumberText(Top));
    a.mdi().Mnu_Curseurs.Checked = false;
    redraw(); // still loaded while Unload runs, but no longer active: the cursors go
}

bool FrmCurseurs::active() const {
    return loaded() && !unloading() && app().mdi().ModeLibre;
}

int FrmCurseurs::cursorNear(double x, double y, double tolerance) const {
    int best = -1;
    double bestDistance = tolerance;
    for (int i = 0; i < kCount; ++i) {
        const double d = std::fabs((vertical(i) ? x : y) - position_[i]);
        if (d <= bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

void FrmCurseurs::select(int which) {
    selected_ = which;
    // Selecting its button from here raises its Click, which comes back here once.
    if (!optCurseur[which].isOn()) {
        optCurseur[which].setValue(1);
        return;
    }
    redraw(); // the selected cursor is drawn wider
}

void FrmCurseurs::DragCursor(int which, double position) {
    const double limit = vertical(which) ? kHalfWidth : kHalfHeight;
    position_[which] = std::clamp(position, -limit, limit);
    if (selected_ != which)
        select(which);
    else
        redraw();
}

void FrmCurseurs::NudgeSelected(double divisions) {
    DragCursor(selected_, position_[selected_] + divisions * 100);
}

void FrmCurseurs::redraw() {
    Ondivel& a = app();
    const FrmOndivel& scope = a.frmOndivel();
    // The XY timer and the sweeping spot redraw the whole screen at their next tick anyway; a
    // drawing from here would restart the sweep.
    const bool selfDrawing = scope.tmrXY.timerRunning() || scope.tmrSpot.timerRunning();
    if (scope.loaded() && !selfDrawing) a.renderer().DrawOscillogram();
    UpdateReadings();
    a.requestRepaint();
}

void FrmCurseurs::DrawCursors(Surface& screen, bool spectrum) {
    if (!active() || spectrum) return;
    CouleurCurseurs = CursorColour(app().g.CouleurEcran);
    screen.setDrawStyle(LineStyle::Dash);
    for (int i = 0; i < kCount; ++i) {
        screen.setDrawWidth(i == selected_ ? 3 : 2); // thin dashes vanish on a projector
        const double p = position_[i];
        if (vertical(i))
            screen.line(p, kHalfHeight, p, -kHalfHeight, CouleurCurseurs);
        else
            screen.line(-kHalfWidth, p, kHalfWidth, p, CouleurCurseurs);
    }
    // The pen is the screen's own: what is drawn after the cursors (CH2 in DUAL, the next
    // drawing) takes it as the traces left it.
    const Renderer& renderer = app().renderer();
    screen.setDrawStyle(static_cast<LineStyle>(renderer.TraceCourante.style));
    screen.setDrawWidth(renderer.traceWidth());
}

void FrmCurseurs::PrintReadout(Surface& screen, Color ink) {
    if (!active()) return;
    UpdateReadings(); // the knobs may have moved since the panel last read them
    double top = kHalfHeight - 10;
    for (const Control* label :
         std::initializer_list<const Control*>{&lblDt, &lblFreq, &lblDV[0], &lblDV[1]}) {
        if (!label->Visible || label->Caption.empty()) continue;
        screen.print(kHalfWidth - 10 - screen.textWidth(label->Caption), top, label->Caption, ink);
        top -= screen.textHeight(label->Caption);
    }
}

void FrmCurseurs::UpdateReadings() {
    if (!loaded()) return;
    const Globals& g = app().g;
    const FrmOndivel& scope = app().frmOndivel();
    const int mode = scope.modeIndex();
    const bool xy = mode == ModeXY;
    const bool spectrum = scope.chkFFT.Value == kChecked && !xy;
    CouleurCurseurs = CursorColour(g.CouleurEcran);
    for (int i = 0; i < kCount; ++i)
        optCurseur[i].Caption = xy ? kXYNames[i] : kNames[i];

    const double x1 = position_[T1], x2 = position_[T2];
    if (xy) {
        // The beam's abscissa is CH1's deflection: the vertical cursors read CH1 volts.
        const double a = CursorVoltage(x1, g.PositionCH1, g.SensibiliteCH1);
        const double b = CursorVoltage(x2, g.PositionCH1, g.SensibiliteCH1);
        lblT1.Caption = "X1 (CH1) = " + VoltageText(a);
        lblT2.Caption = "X2 (CH1) = " + VoltageText(b);
        lblDt.Caption = "ΔX (CH1) = " + VoltageText(b - a);
    } else if (spectrum) {
        lblT1.Caption = "Sans objet sur le spectre";
    } else {
        const double a = CursorTime(x1, g.PositionH, g.BaseTemps);
        const double b = CursorTime(x2, g.PositionH, g.BaseTemps);
        lblT1.Caption = "t1 = " + TimeText(a);
        lblT2.Caption = "t2 = " + TimeText(b);
        lblDt.Caption = "Δt = " + TimeText(b - a);
        lblFreq.Caption = "1/Δt = " + InverseTimeText(b - a);
    }
    lblT2.Visible = lblDt.Visible = !spectrum;
    lblFreq.Visible = !spectrum && !xy;

    const bool shown[2] = {!xy && (mode == ModeCH1 || mode == ModeDUAL || mode == ModeADD),
                           xy || mode == ModeCH2 || mode == ModeDUAL || mode == ModeADD};
    for (int ch = 0; ch < 2; ++ch) {
        const bool visible = shown[ch] && !spectrum;
        lblV1[ch].Visible = lblV2[ch].Visible = lblDV[ch].Visible = visible;
        if (!visible) continue;
        const double P = ch == 0 ? g.PositionCH1 : g.PositionCH2;
        const double S = ch == 0 ? g.SensibiliteCH1 : g.SensibiliteCH2;
        const double a = CursorVoltage(position_[V1], P, S);
        const double b = CursorVoltage(position_[V2], P, S);
        const std::string channel = ch == 0 ? " (CH1) = " : " (CH2) = ";
        lblV1[ch].Caption = (xy ? "Y1" : "V1") + channel + VoltageText(a);
        lblV2[ch].Caption = (xy ? "Y2" : "V2") + channel + VoltageText(b);
        lblDV[ch].Caption = (xy ? "ΔY" : "ΔV") + channel + VoltageText(b - a);
    }
}

} // namespace ondivel
