#include "evaluation/frm_create_file.h"

namespace ondivel {

FrmCreateFile::FrmCreateFile(Ondivel& app) : Form(app, "frmCreateFile") {}

} // namespace ondivel
