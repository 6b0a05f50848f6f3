// The keyboard without a mouse, headless: every panel's tab order names real controls once, in
// the order the panels are read; Tab wraps and skips what is not shown; the keys do to the
// focused control what the desktop widgets do; F6 goes round the open panels.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "bench/main/keyboard_focus.h"
#include "bench/main/mdi_ondivel.h"
#include "bench/main/tab_order.h"
#include "bench/meters/frm_multi_rms.h"
#include "bench/meters/frm_volt.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/scales.h"
#include "bench/sources/frm_gbf.h"
#include "bench/sources/frm_harmonique.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/user_input.h"
#include "support/app_fixture.h"

namespace ondivel {
namespace {

class KeyboardFocus : public testing::AppFixture {
  protected:
    void SetUp() override {
        platform.randomValues = {0.5, 0.5};
        start();
    }
    // Where a control stands in its window's tab order, -1 when it is not there.
    static long stopIndex(const Form& form, const Control& c) {
        const auto stops = TabStops(form);
        const auto it = std::find(stops.begin(), stops.end(), &c);
        return it == stops.end() ? -1 : it - stops.begin();
    }
};

TEST_F(KeyboardFocus, EveryStopIsAControlOfItsWindowOnce) {
    int panels = 0;
    for (Form* form : app.forms()) {
        const std::vector<std::string> order = TabOrder(form->name());
        if (order.empty()) continue;
        ++panels;
        const std::vector<Control*> stops = TabStops(*form);
        EXPECT_EQ(stops.size(), order.size()) << form->name() << ": a stop names no control";
        EXPECT_EQ(std::set<Control*>(stops.begin(), stops.end()).size(), stops.size()) << form->name();
    }
    // The scope, the toolbox, six pairs of sources, three meters and the cursors' read-out.
    EXPECT_EQ(panels, 2 + 12 + 3 + 1);
}

TEST_F(KeyboardFocus, TheScopeIsReadBlockByBlockFromThePowerSwitch) {
    FrmOndivel& s = app.frmOndivel();
    // One control of each block, in the order Tab must meet them.
    const Control* blocks[] = {&s.chkOn,
                               &s.Potentio[KnobFocus],
                               &s.Potentio[KnobSensitivityCH1],
                               &s.cmdACDC[0],
                               &s.Potentio[KnobPositionCH2],
                               &s.cmdVoie[0],
                               &s.chkFFT,
                               &s.Potentio[KnobTimeBase],
                               &s.chkAuto,
                               &s.imgBorne[0],
                               &s.imgBorne[2],
                               &s.picEcran};
    EXPECT_EQ(stopIndex(s, s.chkOn), 0);
    for (std::size_t i = 1; i < std::size(blocks); ++i)
        EXPECT_LT(stopIndex(s, *blocks[i - 1]), stopIndex(s, *blocks[i])) << blocks[i]->path();
    EXPECT_EQ(stopIndex(s, s.picEcran), static_cast<long>(TabStops(s).size()) - 1);
}

TEST_F(KeyboardFocus, TheToolboxGoesDownCH1sStripThenCH2s) {
    const std::vector<Control*> stops = TabStops(app.frmToolBox());
    ASSERT_GE(stops.size(), 18u);
    // The strips are laid out downwards: each stop stands below the one before.
    for (std::size_t i = 1; i < 18; ++i)
        EXPECT_GT(stops[i]->Top, stops[i - 1]->Top) << stops[i]->path();
    EXPECT_EQ(stops[0]->ToolTipText, "Aucune alimentation");
    EXPECT_EQ(stops[1]->ToolTipText, "GBF");
}

TEST_F(KeyboardFocus, TabWrapsRoundThePanelAndSkipsWhatIsNotShown) {
    FrmOndivel& s = app.frmOndivel();
    EXPECT_EQ(NextStop(s, nullptr, true), &s.chkOn);
    EXPECT_EQ(NextStop(s, nullptr, false), &s.picEcran);
    EXPECT_EQ(NextStop(s, &s.picEcran, true), &s.chkOn);
    EXPECT_EQ(NextStop(s, &s.chkOn, false), &s.picEcran);
    s.imgBorne[1].Enabled = false;
    EXPECT_EQ(NextStop(s, &s.imgBorne[0], true), &s.imgBorne[2]);
    s.imgBorne[2].Visible = false;
    EXPECT_EQ(NextStop(s, &s.imgBorne[0], true), &s.picEcran);

    // The harmonic generator shows ten columns at a time.
    user::click(app.frmToolBox().optConnexion[16]);
    FrmHarmonique& h = app.frmHarmoniqueA();
    EXPECT_EQ(NextStop(h, &h.sldPhase[9], true), &h.sldX0);
    user::select(h.sstHarmo, 1);
    EXPECT_EQ(NextStop(h, &h.sstHarmo, true), &h.sldAmpli[10]);
}

TEST_F(KeyboardFocus, KeysDoWhatTheDesktopWidgetsDo) {
    user::click(app.frmToolBox().optConnexion[1]);
    FrmGBF& gbf = app.frmGBFA();
    Control& freq = gbf.Potentio[0]; // 0 to 1200: a step of 10, a page of 100
    struct Turn {
        NavKey key;
        bool shift;
        double from, to;
    };
    // clang-format off
    const Turn turns[] = {
        {NavKey::Up,       false, 500, 510}, {NavKey::Right,  false, 500, 510},
        {NavKey::Down,     false, 500, 490}, {NavKey::Up,     true,  500, 501},
        {NavKey::PageUp,   false, 500, 600}, {NavKey::PageDown, false, 500, 400},
        {NavKey::Home,     false, 500, 0},   {NavKey::End,    false, 500, 1200},
        {NavKey::PageUp,   false, 1150, 1200},
    };
    // clang-format on
    for (const Turn& t : turns) {
        freq.Value = t.from;
        EXPECT_TRUE(PressKey(freq, t.key, t.shift));
        EXPECT_EQ(freq.Value, t.to) << int(t.key);
    }
    // The panel heard a drag: the frequency follows the knob.
    EXPECT_DOUBLE_EQ(app.g.FrequenceA, 1200 * app.g.GammeA / 1000);
    EXPECT_FALSE(PressKey(freq, NavKey::Space, false));

    // Space and Enter plug and unplug a terminal, through its plug once it is in.
    EXPECT_FALSE(gbf.imgFiche[0].Visible);
    EXPECT_TRUE(PressKey(gbf.imgBorne[0], NavKey::Space, false));
    EXPECT_TRUE(gbf.imgFiche[0].Visible);
    EXPECT_TRUE(PressKey(gbf.imgBorne[0], NavKey::Enter, false));
    EXPECT_FALSE(gbf.imgFiche[0].Visible);
    EXPECT_FALSE(PressKey(gbf.imgBorne[0], NavKey::Up, false));

    EXPECT_TRUE(PressKey(gbf.chkOn, NavKey::Enter, false));
    EXPECT_EQ(gbf.chkOn.Value, kChecked);
    gbf.sldReglage[0].Value = 0;
    EXPECT_TRUE(PressKey(gbf.sldReglage[0], NavKey::Right, false));
    EXPECT_EQ(gbf.sldReglage[0].Value, 1);
    EXPECT_TRUE(PressKey(gbf.sldReglage[0], NavKey::PageDown, false));
    EXPECT_EQ(gbf.sldReglage[0].Value, 1 - gbf.sldReglage[0].LargeChange);

    // The harmonic amplitudes stand upside down: Up makes the harmonic larger.
    user::click(app.frmToolBox().optConnexion[16]);
    FrmHarmonique& h = app.frmHarmoniqueA();
    Control& ampli = h.sldAmpli[2];
    const double before = ampli.Value;
    EXPECT_TRUE(PressKey(ampli, NavKey::Up, false));
    EXPECT_EQ(ampli.Value, before - ampli.SmallChange);
    EXPECT_TRUE(PressKey(h.sstHarmo, NavKey::Right, false));
    EXPECT_EQ(h.sstHarmo.ListIndex, 1);
    EXPECT_FALSE(PressKey(h.sstHarmo, NavKey::Right, false)); // no third tab
}

TEST_F(KeyboardFocus, TheArrowsTurnTheMetersSelectorsFromPositionToPosition) {
    FrmVolt& volt = app.frmVolt();
    volt.Show();
    app.g.PositionSelecteur = FrmVolt::kOff;
    EXPECT_TRUE(PressKey(volt.imgSelecteur, NavKey::Right, false));
    EXPECT_EQ(app.g.PositionSelecteur, 0); // 1000 V, the first position clockwise from OFF
    EXPECT_TRUE(PressKey(volt.imgSelecteur, NavKey::Right, false));
    EXPECT_EQ(app.g.PositionSelecteur, 1);
    EXPECT_TRUE(PressKey(volt.imgSelecteur, NavKey::Home, false));
    EXPECT_EQ(app.g.PositionSelecteur, FrmVolt::kOff);
    EXPECT_TRUE(PressKey(volt.imgSelecteur, NavKey::Left, false)); // no stop before OFF
    EXPECT_EQ(app.g.PositionSelecteur, FrmVolt::kOff);
    volt.Unload();

    // The TRMS meter by its positions' numbers, from OFF (0) to A (7).
    FrmMultiRMS& trms = app.frmMulti_RMS();
    trms.Show();
    app.g.PositionSelecteur = FrmMultiRMS::kOff;
    EXPECT_TRUE(PressKey(trms.imgSelecteur, NavKey::Up, false));
    EXPECT_EQ(app.g.PositionSelecteur, FrmMultiRMS::kVoltsAC);
    EXPECT_TRUE(PressKey(trms.imgSelecteur, NavKey::End, false));
    EXPECT_EQ(app.g.PositionSelecteur, 7);
}

TEST_F(KeyboardFocus, TheScreensArrowsMoveAPointerThatReadsIt) {
    FrmOndivel& s = app.frmOndivel();
    user::click(s.chkOn);
    struct Step {
        NavKey key;
        bool shift;
        double x, y; // where the pointer stands after the key
    };
    // The first key shows the pointer at the centre; then the arrows a tenth of a division, Shift
    // a hundredth, the pages a division, Home and End the edges, never past the graticule.
    // clang-format off
    const Step steps[] = {
        {NavKey::Left,     false,   0,    0}, {NavKey::Left,     false, -10,    0},
        {NavKey::Up,       true,  -10,    1}, {NavKey::PageDown, false, -10,  -99},
        {NavKey::End,      false, 500,  -99}, {NavKey::Right,    false, 500,  -99},
        {NavKey::PageDown, false, 500, -199}, {NavKey::PageDown, false, 500, -299},
        {NavKey::PageDown, false, 500, -399}, {NavKey::PageDown, false, 500, -400},
        {NavKey::Home,     false, -500, -400}, {NavKey::PageUp,  false, -500, -300},
    };
    // clang-format on
    for (const Step& step : steps) {
        EXPECT_TRUE(PressKey(s.picEcran, step.key, step.shift));
        EXPECT_TRUE(s.keyboardPointer.shown);
        EXPECT_EQ(s.keyboardPointer.x, step.x);
        EXPECT_EQ(s.keyboardPointer.y, step.y);
    }
    // The read-out is the mouse's, in divisions from the centre.
    EXPECT_TRUE(s.lblPositionCurseur.Visible);
    EXPECT_EQ(s.lblPositionCurseur.Caption, " x = -5.00 div \r\n  y = -3.00 div ");

    // Escape hides both, once; the focus going elsewhere too.
    EXPECT_TRUE(PressKey(s.picEcran, NavKey::Escape, false));
    EXPECT_FALSE(s.keyboardPointer.shown || s.lblPositionCurseur.Visible);
    EXPECT_FALSE(PressKey(s.picEcran, NavKey::Escape, false));
    EXPECT_TRUE(PressKey(s.picEcran, NavKey::Down, false));
    EXPECT_EQ(s.keyboardPointer.y, -300); // shown where it stood
    LeaveStop(s.picEcran);
    EXPECT_FALSE(s.keyboardPointer.shown || s.lblPositionCurseur.Visible);

    // Enter shows the full-screen view, as the double-click does.
    EXPECT_FALSE(PressKey(s.picEcran, NavKey::Space, false));
    EXPECT_TRUE(PressKey(s.picEcran, NavKey::Enter, false));
    EXPECT_TRUE(app.mdi().Mnu_ViewFullScreen.Checked);
}

TEST_F(KeyboardFocus, F6GoesRoundTheOpenPanelsAndEntersAtTheFirstStop) {
    Form& scope = app.frmOndivel();
    Form& toolbox = app.frmToolBox();
    user::click(app.frmToolBox().optConnexion[1]);
    Form& gbf = app.frmGBFA();
    std::vector<Form*> seen;
    for (Form* f = &scope; seen.size() < 4; f = NextPanel(app, f, true))
        seen.push_back(f);
    // Three panels open: round and back to the scope; never the main window.
    EXPECT_EQ(seen[3], &scope);
    EXPECT_EQ(std::set<Form*>(seen.begin(), seen.end()), (std::set<Form*>{&scope, &toolbox, &gbf}));
    EXPECT_EQ(NextPanel(app, NextPanel(app, &gbf, true), false), &gbf);
    gbf.Unload();
    EXPECT_EQ(NextPanel(app, NextPanel(app, &scope, true), true), &scope);

    EXPECT_EQ(EnterPanel(toolbox), &app.frmToolBox().optConnexion[0]);
    EXPECT_EQ(app.activeForm(), &toolbox);
}

} // namespace
} // namespace ondivel
