#pragma once
// frmPassWord, where the teacher changes the password.
#include "core/form.h"

namespace ondivel {

class FrmPassWord : public Form {
  public:
    explicit FrmPassWord(Ondivel& app);
};

} // namespace ondivel
