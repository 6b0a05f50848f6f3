#include "ui/sources/source_views.h"

#include "bench/sources/frm_gbf.h"
#include "bench/toolbox/frm_toolbox.h"
#include "ui/sources/frm_gbf_view.h"
#include "ui/toolbox/frm_toolbox_view.h"
#include "ui/views/view_factory.h"

namespace ondivel {

void registerSourceViews() {
    const ViewMaker generator = [](Form& form) -> FormView* {
        return new GeneratorView(static_cast<FrmGBF&>(form));
    };
    registerViewMaker("frmGBFA", generator);
    registerViewMaker("frmGBFB", generator);
    registerViewMaker("frmToolBox", [](Form& form) -> FormView* {
        return new ToolboxView(static_cast<FrmToolBox&>(form));
    });
}

} // namespace ondivel
