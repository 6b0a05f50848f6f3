#include "evaluation/frm_pass_word.h"

namespace ondivel {

FrmPassWord::FrmPassWord(Ondivel& app) : Form(app, "frmPassWord") {}

} // namespace ondivel
