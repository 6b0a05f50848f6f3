#pragma once
// frmExo, where the pupil answers for each oscillogram and sees the score.
#include "core/form.h"

namespace ondivel {

class FrmExo : public Form {
  public:
    explicit FrmExo(Ondivel& app);
};

} // namespace ondivel
