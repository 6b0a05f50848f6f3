#include "meters/frm_volt.h"

namespace ondivel {

FrmVolt::FrmVolt(Ondivel& app) : Form(app, "frmVolt") {}

} // namespace ondivel
