#include "evaluation/frm_exo.h"

namespace ondivel {

FrmExo::FrmExo(Ondivel& app) : Form(app, "frmExo") {}

} // namespace ondivel
