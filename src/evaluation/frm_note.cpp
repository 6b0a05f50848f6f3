#include "evaluation/frm_note.h"

namespace ondivel {

FrmNote::FrmNote(Ondivel& app) : Form(app, "frmNote") {}

} // namespace ondivel
