#include "bench/main/window_layout.h"

#include "bench/evaluation/frm_exo.h"
#include "bench/main/mdi_ondivel.h"
#include "bench/meters/frm_chrono.h"
#include "bench/meters/frm_multi_rms.h"
#include "bench/meters/frm_volt.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/sources/frm_alim.h"
#include "bench/sources/frm_dyn.h"
#include "bench/sources/frm_edf.h"
#include "bench/sources/frm_gbf.h"
#include "bench/sources/frm_harmonique.h"
#include "bench/sources/frm_pile.h"

namespace ondivel {

namespace {

void moveTo(Form& form, double left, double top) {
    form.Left = left;
    form.Top = top;
}

// Every open source panel of a side goes to the column, not only the one the toolbox selected:
// the harmonic generator A opened from the menu would otherwise stay wherever it was.
void placeSourcePanels(Ondivel& app, int side, double left, double top) {
    Form* panels[] = {&app.frmGBF(side),        &app.frmAlim(side), &app.frmPile(side),
                      &app.frmHarmonique(side), &app.frmDyn(side),  &app.frmEDF(side)};
    for (Form* panel : panels)
        if (panel->loaded()) moveTo(*panel, left, top);
}

} // namespace

void DefaultWindowLayout(Ondivel& app) {
    MDIOndivel& mdi = app.mdi();
    FrmOndivel& scope = app.frmOndivel();
    moveTo(scope, kLayoutScopeLeft, 0);
    const double rightEdge = scope.Left + scope.Width;

    if (mdi.Mnu_Volt.Checked) {
        for (Form* meter : {static_cast<Form*>(&app.frmVolt()), static_cast<Form*>(&app.frmMulti_RMS())})
            if (meter->loaded()) moveTo(*meter, scope.Left, scope.Height);
    }
    if (mdi.Mnu_Chrono.Checked) {
        FrmChrono& chrono = app.frmChrono();
        moveTo(chrono, rightEdge + (kLayoutColumnWidth - chrono.Width) / 2,
               scope.Top + scope.Height - chrono.Height);
    }
    if (!mdi.ModeLibre && app.frmExo().loaded()) moveTo(app.frmExo(), rightEdge, 0);

    placeSourcePanels(app, SideA, rightEdge, 0);
    placeSourcePanels(app, SideB, rightEdge, kLayoutSideBTop);
}

void StackBelowOpenNeighbours(Form& panel, std::initializer_list<const Form*> neighbours) {
    const auto overlaps = [&panel](const Form& other) {
        return panel.Left < other.Left + other.Width && other.Left < panel.Left + panel.Width &&
               panel.Top < other.Top + other.Height && other.Top < panel.Top + panel.Height;
    };
    // One pass per neighbour at most: each move only goes down, past one neighbour's bottom.
    for (std::size_t pass = 0; pass < neighbours.size(); ++pass)
        for (const Form* other : neighbours)
            if (other != &panel && other->loaded() && overlaps(*other))
                panel.Top = other->Top + other->Height;
}

} // namespace ondivel
