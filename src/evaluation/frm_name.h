#pragma once
// frmName, the pupil's identity asked before an evaluation.
#include "core/form.h"

namespace ondivel {

class FrmName : public Form {
  public:
    explicit FrmName(Ondivel& app);
};

} // namespace ondivel
