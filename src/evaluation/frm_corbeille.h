#pragma once
// frmCorbeille, which moves exercise files to the trash.
#include "core/form.h"

namespace ondivel {

class FrmCorbeille : public Form {
  public:
    explicit FrmCorbeille(Ondivel& app);
};

} // namespace ondivel
