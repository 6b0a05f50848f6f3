#pragma once
// frmPass, the teacher password asked before a teacher menu.
#include "core/form.h"

namespace ondivel {

class FrmPass : public Form {
  public:
    explicit FrmPass(Ondivel& app);
};

} // namespace ondivel
