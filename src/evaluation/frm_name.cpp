#include "evaluation/frm_name.h"

namespace ondivel {

FrmName::FrmName(Ondivel& app) : Form(app, "frmName") {}

} // namespace ondivel
