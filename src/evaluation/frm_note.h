#pragma once
// frmNote, the mark out of 20 at the end of an exercise file.
#include "core/form.h"

namespace ondivel {

class FrmNote : public Form {
  public:
    explicit FrmNote(Ondivel& app);
};

} // namespace ondivel
