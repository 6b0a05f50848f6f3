#include "bench/scope/frm_full_screen.h"

#include <algorithm>

#include "bench/main/mdi_ondivel.h"
#include "bench/main/preferences.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/full_screen_scale.h"
#include "bench/scope/pointer_readout.h"
#include "bench/scope/renderer.h"
#include "core/platform.h"
#include "physics/cursor_readout.h"

namespace ondivel {

FrmFullScreen::FrmFullScreen(Ondivel& app) : BenchForm(app, "frmFullScreen") {
    screen_ = app.platform().createSurface(1280, 800);
    grid_ = app.platform().createSurface(1280, 800);
    picEcran.setSurface(screen_.get());
    picGrille.setSurface(grid_.get());
    picGrille.Visible = false;
    lblPositionCurseur.Visible = false;
    lblPositionCurseur.Width = 100; // screen units
    lblPositionCurseur.Height = 30;
    lblPositionVolts.Visible = false;
    picEcran.on.Click = [this] { picEcran_Click(); };
    picEcran.on.MouseMove = [this](int b, int s, double x, double y) { picEcran_MouseMove(b, s, x, y); };
    picEcran.on.MouseLeave = [this] { picEcran_MouseLeave(); };
}

FrmFullScreen::~FrmFullScreen() = default;

void FrmFullScreen::Form_Load() {
    Ondivel& a = app();
    picEcran.ToolTipText = "Cliquer n'importe où sur l'écran pour revenir à l'interface principale.";
    const double width = a.mdi().LargeurZoneTravail, height = a.mdi().HauteurZoneTravail;
    Width = width;
    Height = height;
    for (Control* picture : {&picGrille, &picEcran}) {
        picture->Height = height;
        picture->Width = width;
        picture->Left = (width - picture->Width) / 2;
        picture->Top = 0;
    }
    screen().setDrawWidth(traceWidth());
    a.renderer().DrawGrid(*this);
    a.RefreshDisplay();
}

double FrmFullScreen::heightPixels() const {
    return picEcran.Height / app().platform().twipsPerPixel();
}

double FrmFullScreen::viewScale() const {
    return FullScreenScale(heightPixels());
}

int FrmFullScreen::traceWidth() const {
    const Globals& g = app().g;
    return ProjectionColoursInUse(g) ? std::max<int>(g.EpaisseurTrace, kProjectionTraceWidth)
                                     : g.EpaisseurTrace;
}

void FrmFullScreen::closeView() {
    app().mdi().Mnu_ViewFullScreen.Checked = false;
    Unload();
}

void FrmFullScreen::Form_Click() {
    closeView();
}
void FrmFullScreen::picEcran_Click() {
    closeView();
}

void FrmFullScreen::picEcran_MouseMove(int, int, double x, double y) {
    if (!app().frmOndivel().isOn()) return;
    lblPositionCurseur.Caption = CursorReadoutCaption(x, y);
    PlaceCursorReadout(lblPositionCurseur, x, y, 10, 10);
    PlacePointerVolts(app(), lblPositionVolts, lblPositionCurseur, x, y);
}

void FrmFullScreen::picEcran_MouseLeave() {
    lblPositionCurseur.Visible = lblPositionVolts.Visible = false;
}

} // namespace ondivel
