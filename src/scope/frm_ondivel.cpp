#include "scope/frm_ondivel.h"

#include "core/ondivel.h"
#include "core/platform.h"

namespace ondivel {

FrmOndivel::FrmOndivel(Ondivel& app) : Form(app, "frmOndivel") {
    Caption = "Oscilloscope bicourbe";
    screen_ = app.platform().createSurface(1000, 800);
    grid_ = app.platform().createSurface(1000, 800);
    print_ = app.platform().createSurface(1000, 800);
    picEcran.setSurface(screen_.get());
    picGrille.setSurface(grid_.get());
    picEcranPrint.setSurface(print_.get());
}
FrmOndivel::~FrmOndivel() = default;
void FrmOndivel::Form_Load() {}
void FrmOndivel::Form_Unload(int&) {}
void FrmOndivel::Form_KeyDown(int, int) {}
void FrmOndivel::Form_MouseMove(int, int, double, double) {}
int FrmOndivel::modeIndex() const {
    for (int i = 0; i < 5; ++i)
        if (lit(shpVoie[i])) return i;
    return 5;
}

} // namespace ondivel
