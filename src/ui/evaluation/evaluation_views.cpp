#include "ui/evaluation/evaluation_views.h"

#include "ui/dialogs/dialog_view.h"
#include "ui/views/view_factory.h"

namespace ondivel {

void registerEvaluationViews() {
    for (const char* name : {"frmName", "frmExo", "frmNote", "frmCreateFile", "frmPass", "frmPassWord",
                             "frmDepot", "frmCorbeille"})
        registerViewMaker(name, [](Form& form) -> FormView* { return new DialogView(form); });
}

} // namespace ondivel
