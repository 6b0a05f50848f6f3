#include "ui/views/view_factory.h"

#include <map>
#include <stdexcept>

#include "core/form.h"
#include "ui/evaluation/evaluation_views.h"
#include "ui/main/frm_option_view.h"
#include "ui/main/help_dialog_views.h"
#include "ui/meters/frm_chrono_view.h"
#include "ui/meters/frm_multi_rms_view.h"
#include "ui/meters/frm_volt_view.h"
#include "ui/scope/frm_full_screen_view.h"
#include "ui/scope/scope_views.h"
#include "ui/sources/source_views.h"
#include "ui/views/panel_views.h"

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
