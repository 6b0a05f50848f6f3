#include "sources/frm_edf.h"

namespace ondivel {

FrmEDF::FrmEDF(Ondivel& app, int side) : Form(app, side == SideB ? "frmEDFB" : "frmEDFA"), side_(side) {}
void FrmEDF::Form_Load() {}
void FrmEDF::Form_KeyDown(int, int) {}
void FrmEDF::Form_Unload(int&) {}

} // namespace ondivel
