#include "meters/frm_toolbox.h"

namespace ondivel {

FrmToolBox::FrmToolBox(Ondivel& app) : Form(app, "frmToolBox") {}
void FrmToolBox::Form_Load() {}
void FrmToolBox::Form_KeyDown(int, int) {}

} // namespace ondivel
