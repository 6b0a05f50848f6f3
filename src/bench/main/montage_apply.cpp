// Putting a set-up on the bench with a user's own gestures: every switch, plug and option is
// clicked only when it differs, so that a control already right raises nothing; knobs are dragged
// and sliders slid, which runs the panels' handlers and their settings writes as by hand.
#include <algorithm>
#include <cmath>

#include "bench/main/mdi_ondivel.h"
#include "bench/main/montage.h"
#include "bench/meters/frm_chrono.h"
#include "bench/meters/frm_mesures.h"
#include "bench/meters/frm_multi_rms.h"
#include "bench/meters/frm_volt.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_curseurs.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/sources/frm_alim.h"
#include "bench/sources/frm_dyn.h"
#include "bench/sources/frm_edf.h"
#include "bench/sources/frm_gbf.h"
#include "bench/sources/frm_harmonique.h"
#include "bench/sources/frm_pile.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/user_input.h"

namespace ondivel {

namespace {

// The toolbox option of each kind of source, by side, in MontageSource order.
constexpr int kWiringOption[2][kMontageSourceCount] = {{0, 1, 2, 3, 4, 5, 12, 14, 16},
                                                       {11, 10, 9, 8, 7, 6, 13, 15, 17}};

int whole(double v) {
    return static_cast<int>(std::lround(v));
}

bool on(double v) {
    return v != 0;
}

void setFlag(Control& shown, bool wanted, Control& clicked) {
    if (shown.Visible != wanted) user::click(clicked);
}

void selectOption(ControlArray& options, int index) {
    if (index >= 0 && index < options.size() && !options[index].isOn()) user::click(options[index]);
}

void slideTo(Control& slider, double value) {
    if (slider.Value != value) user::slide(slider, value);
}

// Plugs that pull others out when they go in (a meter's one measuring plug, the socket's two
// leads, the supply's signal plug): out first, then in.
void setPlugs(ControlArray& plugs, ControlArray& terminals, const double* wanted, int count) {
    for (int i = 0; i < count; ++i)
        if (plugs[i].Visible && !on(wanted[i])) user::click(terminals[i]);
    for (int i = 0; i < count; ++i)
        if (!plugs[i].Visible && on(wanted[i])) user::click(terminals[i]);
}

void place(Form& form, const MontagePlace& p) {
    if (!form.loaded()) return;
    if (p.left >= 0) form.Left = p.left;
    if (p.top >= 0) form.Top = p.top;
}

void applyGbf(FrmGBF& p, const MontageGbf& m) {
    selectOption(p.optGamme, whole(m.range));
    selectOption(p.optSignal, whole(m.waveform));
    for (int i = 0; i < 4; ++i)
        user::drag(p.Potentio[i], m.knob[i]); // resets the fine slider under it
    for (int i = 0; i < 4; ++i)
        slideTo(p.sldReglage[i], m.fine[i]);
    if (p.isOn() != on(m.on)) user::click(p.chkOn);
    for (int i = 0; i < 2; ++i)
        setFlag(p.imgFiche[i], on(m.plug[i]), p.imgBorne[i]);
    place(p, m.place);
}

void applyHarmo(Ondivel& app, FrmHarmonique& p, const MontageHarmo& m, int side) {
    selectOption(p.optGamme, whole(m.range));
    user::drag(p.Potentio[0], m.knob);
    slideTo(p.sldReglage, m.fine);
    // No control sets it: the panel draws it at random as it opens, and the set-up fixes it.
    (side == SideB ? app.g.AmplitudeB : app.g.AmplitudeA) = m.amplitude;
    if (m.preset >= 0) selectOption(p.optSignal, whole(m.preset));
    // Sliders that differ from the preset's are the user's own touches (they deselect it).
    if (m.slidersGiven || m.preset < 0) {
        for (int i = 0; i < FrmHarmonique::kHarmonics; ++i) {
            slideTo(p.sldAmpli[i], m.ampli[i]);
            slideTo(p.sldPhase[i], m.phase[i]);
        }
        slideTo(p.sldX0, m.mean);
    }
    if (p.sstHarmo.ListIndex != whole(m.tab)) user::select(p.sstHarmo, whole(m.tab));
    if (p.isOn() != on(m.on)) user::click(p.chkOn);
    for (int i = 0; i < 2; ++i)
        setFlag(p.imgFiche[i], on(m.plug[i]), p.imgBorne[i]);
    place(p, m.place);
}

void applyAlim(FrmAlim& p, const MontageAlim& m) {
    for (int i = 0; i < 3; ++i)
        user::drag(p.Potentio[i], m.knob[i]); // the coarse knob first: it centres the fine one
    if (p.isOn() != on(m.on)) user::click(p.chkOnOff);
    double plugs[3] = {m.plug[0], m.plug[1], m.plug[2]};
    if (on(plugs[FrmAlim::kPlugNeg]) && on(plugs[FrmAlim::kPlugPos]))
        plugs[FrmAlim::kPlugNeg] = 0; // one signal plug
    setPlugs(p.imgFiche, p.imgBorne, plugs, 3);
    place(p, m.place);
}

void applyDyn(FrmDyn& p, const MontageDyn& m) {
    user::drag(p.Potentio[FrmDyn::kSpeedKnob], m.knob[0]); // centres the fine knob
    user::drag(p.Potentio[FrmDyn::kFineKnob], m.knob[1]);
    for (int i = 0; i < 2; ++i)
        setFlag(p.imgFiche[i], on(m.plug[i]), p.imgBorne[i]);
    place(p, m.place);
}

void applyEdf(FrmEDF& p, const MontageEdf& m) {
    selectOption(p.optWorld, whole(m.world));
    double plugs[3] = {m.plug[0], m.plug[1], m.plug[2]};
    if (on(plugs[0]) && on(plugs[1]) && on(plugs[2])) plugs[FrmEDF::kTerre] = 0; // a lead has two plugs
    setPlugs(p.imgFiche, p.imgBorne, plugs, 3);
    place(p, m.place);
}

void applyPile(FrmPile& p, const MontagePile& m) {
    selectOption(p.optPolarite, whole(m.polarity));
    place(p, m.place);
}

void applySide(Ondivel& app, const MontageSide& m, int side) {
    switch (m.source()) {
    case MontageSource::Gbf:
        return applyGbf(app.frmGBF(side), m.gbf);
    case MontageSource::Harmonic:
        return applyHarmo(app, app.frmHarmonique(side), m.harmo, side);
    case MontageSource::Supply:
        return applyAlim(app.frmAlim(side), m.alim);
    case MontageSource::Alternator:
        return applyDyn(app.frmDyn(side), m.dyn);
    case MontageSource::Mains:
        return applyEdf(app.frmEDF(side), m.edf);
    case MontageSource::Battery15:
    case MontageSource::Battery45:
    case MontageSource::Battery9:
        return applyPile(app.frmPile(side), m.pile);
    case MontageSource::None:
        return;
    }
}

void applyScope(FrmOndivel& s, const MontageScope& m) {
    // The mode and coupling buttons answer only while the oscilloscope is on.
    if (!s.isOn()) user::click(s.chkOn);
    for (int i = 0; i < 5 && s.modeIndex() != whole(m.mode); ++i)
        user::click(s.cmdVoie[1]);
    if (s.lit(s.shpVoie[kInvertLight]) != on(m.invert)) user::click(s.cmdVoie[2]);
    for (int c = 0; c < 2; ++c)
        for (int i = 0; i < 3 && !s.couplingLit(c, static_cast<Coupling>(whole(m.coupling[c]))); ++i)
            user::click(s.cmdACDC[c]);
    if (s.chkFFT.isOn() != on(m.fft)) user::click(s.chkFFT);
    if (s.chkAuto.isOn() != on(m.freeRun)) user::click(s.chkAuto);
    for (int i = 0; i < 8; ++i)
        user::drag(s.Potentio[i], m.knob[i]);
    for (int i = 0; i < 3; ++i)
        setFlag(s.imgFiche[i], on(m.plug[i]), s.imgBorne[i]);
    if (!on(m.on)) user::click(s.chkOn);
    place(s, m.place);
}

void applyMeter(Ondivel& app, const MontageMeter& m) {
    FrmToolBox& toolbox = app.frmToolBox();
    const bool optionSchool = app.ReadIni("Options", "Multimetre college", "0") != "0";
    if (optionSchool == m.school) {
        user::click(toolbox.chkMulti);
    } else {
        // The set-up names the other meter than the options choose: the toolbox's box opens it
        // as it would open that one.
        toolbox.chkMulti.Value = kChecked;
        app.mdi().Mnu_Volt.Checked = true;
        if (m.school)
            app.frmVolt().Show();
        else
            app.frmMulti_RMS().Show();
    }
    double plugs[4] = {m.plug[0], m.plug[1], m.plug[2], m.plug[3]};
    for (int i = 2; i >= 0; --i) // one measuring plug: the first one named wins
        for (int j = 0; j < i; ++j)
            if (on(plugs[j])) plugs[i] = 0;
    const int position = whole(m.position);
    if (m.school) {
        FrmVolt& v = app.frmVolt();
        user::rotate(v.imgSelecteur, FrmVolt::PositionAngle(position));
        selectOption(v.optVoie, whole(m.channel));
        setPlugs(v.imgFiche, v.imgBorne, plugs, 4);
        place(v, m.place);
        return;
    }
    FrmMultiRMS& t = app.frmMulti_RMS();
    user::rotate(t.imgSelecteur, FrmMultiRMS::PositionAngle(position));
    selectOption(t.optVoie, whole(m.channel));
    setPlugs(t.imgFiche, t.imgBorne, plugs, 4);
    // The RANGE key goes round auto, 600 mV, 6 V, 60 V, 600 V, 1000 V; the MIN/MAX key round
    // off, MAX, MIN. Both do nothing on OFF, hence the bounded loops.
    constexpr const char* kRanges[5] = {"600 mV", "6 V", "60 V", "600 V", "1000 V"};
    const bool automatic = on(m.automatic);
    const std::string range = kRanges[std::clamp(whole(m.range), 0, 4)];
    for (int i = 0; i < 6; ++i) {
        if (automatic ? t.automatic() : !t.automatic() && t.lblGamme.Caption == range) break;
        user::click(t.cmdBouton[1]);
    }
    for (int i = 0; i < 3 && static_cast<int>(t.memory()) != whole(m.memory); ++i)
        user::click(t.cmdBouton[0]);
    place(t, m.place);
}

void applyChrono(Ondivel& app, const MontageChrono& m) {
    user::click(app.frmToolBox().chkClock);
    FrmChrono& c = app.frmChrono();
    slideTo(c.sldAlarme, m.interval);
    setFlag(c.lblAlarme, on(m.alarm), c.chkAlarme);
    place(c, m.place);
}

// The bench without any optional panel: meter, stopwatch, measurements, cursors, and the
// harmonic generator the menu may have opened unwired.
void closeOptionalPanels(Ondivel& app) {
    FrmToolBox& toolbox = app.frmToolBox();
    MDIOndivel& mdi = app.mdi();
    if (toolbox.chkMulti.isOn()) user::click(toolbox.chkMulti);
    if (toolbox.chkClock.isOn()) user::click(toolbox.chkClock);
    if (app.frmMesures().loaded()) user::click(mdi.Mnu_Mesures);
    if (app.frmCurseurs().loaded()) user::click(mdi.Mnu_Curseurs);
    for (int side : {SideA, SideB})
        if (app.frmHarmonique(side).loaded()) user::close(app.frmHarmonique(side));
}

} // namespace

void ApplyMontage(Ondivel& app, const Montage& m) {
    closeOptionalPanels(app);
    FrmToolBox& toolbox = app.frmToolBox();
    for (int side : {SideA, SideB}) {
        // Through "Aucune alimentation", so that the panel opens afresh as the set-up expects.
        selectOption(toolbox.optConnexion, kWiringOption[side][0]);
        const int wired = kWiringOption[side][static_cast<int>(m.side[side].source())];
        selectOption(toolbox.optConnexion, wired);
        applySide(app, m.side[side], side);
    }
    if (m.harmonicUnwired && m.side[SideA].source() != MontageSource::Harmonic) {
        user::click(app.mdi().Mnu_Harmo);
        applyHarmo(app, app.frmHarmoniqueA(), m.side[SideA].harmo, SideA);
    }
    applyScope(app.frmOndivel(), m.scope);
    if (m.meter.open) applyMeter(app, m.meter);
    if (m.chrono.open) applyChrono(app, m.chrono);
    MDIOndivel& mdi = app.mdi();
    if (m.mesures.open) {
        user::click(mdi.Mnu_Mesures);
        place(app.frmMesures(), m.mesures.place);
    }
    if (m.curseurs.open) {
        user::click(mdi.Mnu_Curseurs);
        place(app.frmCurseurs(), m.curseurs.place);
        // Dragged last to first, as a hand would, so that t1 is the one the arrows move, as when
        // the panel opens.
        for (int i = FrmCurseurs::kCount - 1; i >= 0; --i)
            app.frmCurseurs().DragCursor(i, m.cursor[i]);
    }
    place(toolbox, m.toolbox);
    app.RefreshDisplay();
}

} // namespace ondivel
