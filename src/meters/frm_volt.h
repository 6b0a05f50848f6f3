#pragma once
// frmVolt, the school digital voltmeter.
#include "core/form.h"

namespace ondivel {

class FrmVolt : public Form {
  public:
    explicit FrmVolt(Ondivel& app);
};

} // namespace ondivel
