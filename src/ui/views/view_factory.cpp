#include "ui/views/view_factory.h"

#include <map>

#include "core/form.h"
#include "ui/views/full_screen_view.h"
#include "ui/views/generic_view.h"

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
    return new GenericView(form);
}

void registerAllViews() {
    registerFullScreenView();
    // The panel views of the oscilloscope, the generators and the toolbox add their makers here.
}

} // namespace ondivel
