#include "sources/frm_harmonique.h"

namespace ondivel {

FrmHarmonique::FrmHarmonique(Ondivel& app, int side)
    : Form(app, side == SideB ? "frmHarmoniqueB" : "frmHarmoniqueA"),
      lblFreq(*this, ControlKind::Label, side == SideB ? "lblFreqB" : "lblFreqA"), side_(side) {}

} // namespace ondivel
