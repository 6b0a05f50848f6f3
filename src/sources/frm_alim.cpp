#include "sources/frm_alim.h"

namespace ondivel {

FrmAlim::FrmAlim(Ondivel& app, int side)
    : Form(app, side == SideB ? "frmAlimB" : "frmAlimA"),
      shpConnection(*this, ControlKind::Shape, side == SideB ? "shpConnectionAlimB" : "shpConnectionAlimA",
                    4),
      side_(side) {}
void FrmAlim::Form_Load() {}
void FrmAlim::Form_KeyDown(int, int) {}
void FrmAlim::Form_Unload(int&) {}

} // namespace ondivel
