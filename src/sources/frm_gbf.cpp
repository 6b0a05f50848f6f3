#include "sources/frm_gbf.h"

namespace ondivel {

FrmGBF::FrmGBF(Ondivel& app, int side)
    : Form(app, side == SideB ? "frmGBFB" : "frmGBFA"),
      lblFreq(*this, ControlKind::Label, side == SideB ? "lblFreqB" : "lblFreqA"), side_(side) {}
void FrmGBF::Form_Load() {}
void FrmGBF::Form_KeyDown(int, int) {}
void FrmGBF::Form_Unload(int&) {}

} // namespace ondivel
