#include "evaluation/frm_depot.h"

namespace ondivel {

FrmDepot::FrmDepot(Ondivel& app) : Form(app, "frmDepot") {}

} // namespace ondivel
