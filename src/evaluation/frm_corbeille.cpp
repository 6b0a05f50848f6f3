#include "evaluation/frm_corbeille.h"

namespace ondivel {

FrmCorbeille::FrmCorbeille(Ondivel& app) : Form(app, "frmCorbeille") {}

} // namespace ondivel
