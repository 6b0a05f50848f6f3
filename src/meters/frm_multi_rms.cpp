#include "meters/frm_multi_rms.h"

namespace ondivel {

FrmMultiRMS::FrmMultiRMS(Ondivel& app) : Form(app, "frmMulti_RMS") {}

} // namespace ondivel
