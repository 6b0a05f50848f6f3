#pragma once
// frmDepot, the name of the network deposit folder.
#include "core/form.h"

namespace ondivel {

class FrmDepot : public Form {
  public:
    explicit FrmDepot(Ondivel& app);
};

} // namespace ondivel
