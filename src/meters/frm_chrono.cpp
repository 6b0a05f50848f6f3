#include "meters/frm_chrono.h"

namespace ondivel {

FrmChrono::FrmChrono(Ondivel& app) : Form(app, "frmChrono") {}

} // namespace ondivel
