#include "sources/frm_dyn.h"

namespace ondivel {

FrmDyn::FrmDyn(Ondivel& app, int side) : Form(app, side == SideB ? "frmDynB" : "frmDynA"), side_(side) {}
void FrmDyn::Form_Load() {}
void FrmDyn::Form_KeyDown(int, int) {}
void FrmDyn::Form_Unload(int&) {}

} // namespace ondivel
