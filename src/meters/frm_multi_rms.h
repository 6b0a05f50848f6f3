#pragma once
// frmMulti_RMS, the true-r.m.s. multimeter.
#include "core/form.h"

namespace ondivel {

class FrmMultiRMS : public Form {
  public:
    explicit FrmMultiRMS(Ondivel& app);
};

} // namespace ondivel
