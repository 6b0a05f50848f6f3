#pragma once
// frmCreateFile, the teacher's editor of exercise files.
#include "core/form.h"

namespace ondivel {

class FrmCreateFile : public Form {
  public:
    explicit FrmCreateFile(Ondivel& app);
};

} // namespace ondivel
