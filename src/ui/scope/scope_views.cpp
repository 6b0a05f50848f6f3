#include "ui/scope/scope_views.h"

#include "bench/scope/frm_ondivel.h"
#include "ui/scope/frm_ondivel_view.h"
#include "ui/views/view_factory.h"

namespace ondivel {

void registerScopeViews() {
    registerViewMaker("frmOndivel", [](Form& form) -> FormView* {
        return new OscilloscopeView(static_cast<FrmOndivel&>(form));
    });
}

} // namespace ondivel
