#include "sources/frm_pile.h"

namespace ondivel {

FrmPile::FrmPile(Ondivel& app, int side) : Form(app, side == SideB ? "frmPileB" : "frmPileA"), side_(side) {}
void FrmPile::Form_Load() {}
void FrmPile::Form_Activate() {}
void FrmPile::Form_KeyDown(int, int) {}
void FrmPile::Form_Unload(int&) {}
void FrmPile::optPolarite_Click(int) {}

} // namespace ondivel
