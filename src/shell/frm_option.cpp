#include "shell/frm_option.h"

namespace ondivel {

FrmOption::FrmOption(Ondivel& app) : Form(app, "frmOption") { Caption = "Options pour Ondivel"; }
void FrmOption::Form_Load() {}

} // namespace ondivel
