#include "ui/views/panel_views.h"

namespace ondivel {

// Until this panel has its own view the generic one shows it.
void registerMainsViews() {}

} // namespace ondivel
