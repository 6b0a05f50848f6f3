#include "ui/views/view_factory.h"

#include <map>
#include <stdexcept>

#include "core/form.h"
#include "ui/dialogs/evaluation_views.h"
#include "ui/views/chrono_view.h"
#include "ui/views/dialog_views.h"
#include "ui/views/full_screen_view.h"
#include "ui/views/option_view.h"
#include "ui/views/panel_views.h"
#include "ui/views/scope_views.h"
#include "ui/views/source_views.h"
#include "ui/views/trms_view.h"
#include "ui/views/volt_view.h"

namespace ondivel {

namespace {

std::map<std::string, ViewMaker>& makers() {
    static std::map<std::string, ViewMaker> registry;
    return registry;
}

} // namespace

void registerViewMaker(const std::string& formName, ViewMaker maker) {
    makers()[formName] = std::move(maker);
}

FormView* makeView(Form& form) {
    auto it = makers().find(form.name());
    if (it != makers().end() && it->second)
        if (FormView* view = it->second(form)) return view;
    // Every window has its own view: a missing one is a fault of the program, not of the user.
    throw std::logic_error("no view for the window " + form.name());
}

void registerAllViews() {
    registerFullScreenView();
    registerScopeViews();
    registerSourceViews();
    registerBatteryViews();
    registerSupplyViews();
    registerAlternatorViews();
    registerMainsViews();
    registerHarmonicViews();
    registerVoltView();
    registerTrmsView();
    registerChronoView();
    registerEvaluationViews();
    registerOptionView();
    registerDialogViews();
}

} // namespace ondivel
