#include "ui/views/source_views.h"

#include "bench/sources/frm_gbf.h"
#include "bench/toolbox/frm_toolbox.h"
#include "ui/views/generator_view.h"
#include "ui/views/toolbox_view.h"
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
