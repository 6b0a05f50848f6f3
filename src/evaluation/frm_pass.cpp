#include "evaluation/frm_pass.h"

namespace ondivel {

FrmPass::FrmPass(Ondivel& app) : Form(app, "frmPass") {}

} // namespace ondivel
