#pragma once
// frmChrono, the round stopwatch with its alarm.
#include "core/form.h"

namespace ondivel {

class FrmChrono : public Form {
  public:
    explicit FrmChrono(Ondivel& app);
};

} // namespace ondivel
