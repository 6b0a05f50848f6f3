#include "ui/views/view_table.h"

#include <stdexcept>
#include <string_view>

#include "bench/evaluation/frm_tableau.h"
#include "bench/main/frm_about.h"
#include "bench/main/frm_option.h"
#include "bench/main/frm_tip.h"
#include "bench/meters/frm_chrono.h"
#include "bench/meters/frm_multi_rms.h"
#include "bench/meters/frm_volt.h"
#include "bench/scope/frm_curseurs.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/sources/frm_alim.h"
#include "bench/sources/frm_dyn.h"
#include "bench/sources/frm_edf.h"
#include "bench/sources/frm_gbf.h"
#include "bench/sources/frm_harmonique.h"
#include "bench/sources/frm_pile.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/form.h"
#include "ui/dialogs/dialog_view.h"
#include "ui/evaluation/frm_tableau_view.h"
#include "ui/main/frm_about_view.h"
#include "ui/main/frm_option_view.h"
#include "ui/main/frm_tip_view.h"
#include "ui/meters/frm_chrono_view.h"
#include "ui/meters/frm_multi_rms_view.h"
#include "ui/meters/frm_volt_view.h"
#include "ui/scope/frm_curseurs_view.h"
#include "ui/scope/frm_full_screen_view.h"
#include "ui/scope/frm_ondivel_view.h"
#include "ui/sources/frm_alim_view.h"
#include "ui/sources/frm_dyn_view.h"
#include "ui/sources/frm_edf_view.h"
#include "ui/sources/frm_gbf_view.h"
#include "ui/sources/frm_harmonique_view.h"
#include "ui/sources/frm_pile_view.h"
#include "ui/toolbox/frm_toolbox_view.h"

namespace ondivel {

namespace {

// The view class View over a window whose model class is Model.
template <class View, class Model> FormView* make(Form& form) {
    return new View(static_cast<Model&>(form));
}

struct ViewEntry {
    std::string_view form;
    FormView* (*make)(Form& form);
};

// Every window of the program but the main one, by subsystem. The windows of the evaluated mode
// and of the teacher tools are laid out from their controls by one dialog view.
// clang-format off
constexpr ViewEntry kViews[] = {
    // scope
    {"frmOndivel",     make<OscilloscopeView, FrmOndivel>},
    {"frmFullScreen",  make<FullScreenView, Form>},
    {"frmCurseurs",    make<CursorsView, FrmCurseurs>},
    // toolbox
    {"frmToolBox",     make<ToolboxView, FrmToolBox>},
    // sources
    {"frmGBFA",        make<GeneratorView, FrmGBF>},
    {"frmGBFB",        make<GeneratorView, FrmGBF>},
    {"frmHarmoniqueA", make<HarmonicView, FrmHarmonique>},
    {"frmHarmoniqueB", make<HarmonicView, FrmHarmonique>},
    {"frmPileA",       make<BatteryView, FrmPile>},
    {"frmPileB",       make<BatteryView, FrmPile>},
    {"frmAlimA",       make<SupplyView, FrmAlim>},
    {"frmAlimB",       make<SupplyView, FrmAlim>},
    {"frmDynA",        make<AlternatorView, FrmDyn>},
    {"frmDynB",        make<AlternatorView, FrmDyn>},
    {"frmEDFA",        make<MainsView, FrmEDF>},
    {"frmEDFB",        make<MainsView, FrmEDF>},
    // meters
    {"frmVolt",        make<VoltView, FrmVolt>},
    {"frmMulti_RMS",   make<TrmsView, FrmMultiRMS>},
    {"frmChrono",      make<ChronoView, FrmChrono>},
    {"frmMesures",     make<DialogView, Form>},
    // main
    {"frmOption",      make<OptionView, FrmOption>},
    {"frmTip",         make<TipView, FrmTip>},
    {"frmAbout",       make<AboutView, FrmAbout>},
    // evaluation
    {"frmName",        make<DialogView, Form>},
    {"frmExo",         make<DialogView, Form>},
    {"frmNote",        make<DialogView, Form>},
    {"frmCorrections", make<DialogView, Form>},
    {"frmCreateFile",  make<DialogView, Form>},
    {"frmPass",        make<DialogView, Form>},
    {"frmPassWord",    make<DialogView, Form>},
    {"frmDepot",       make<DialogView, Form>},
    {"frmCorbeille",   make<DialogView, Form>},
    {"frmTableau",     make<TableauView, FrmTableau>},
};
// clang-format on

} // namespace

FormView* makeView(Form& form) {
    for (const ViewEntry& entry : kViews)
        if (entry.form == form.name()) return entry.make(form);
    // Every window has its own view: a missing one is a fault of the program, not of the user.
    throw std::logic_error("no view for the window " + form.name());
}

} // namespace ondivel
