#include "scope/frm_full_screen.h"

#include "core/ondivel.h"
#include "core/platform.h"

namespace ondivel {

FrmFullScreen::FrmFullScreen(Ondivel& app) : Form(app, "frmFullScreen") {
    screen_ = app.platform().createSurface(1280, 800);
    grid_ = app.platform().createSurface(1280, 800);
    picEcran.setSurface(screen_.get());
    picGrille.setSurface(grid_.get());
}
FrmFullScreen::~FrmFullScreen() = default;
void FrmFullScreen::Form_Load() {}
void FrmFullScreen::Form_Click() {}

} // namespace ondivel
