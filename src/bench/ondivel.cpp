#include "bench/ondivel.h"

#include <filesystem>

#include "bench/evaluation/frm_corbeille.h"
#include "bench/evaluation/frm_corrections.h"
#include "bench/evaluation/frm_create_file.h"
#include "bench/evaluation/frm_depot.h"
#include "bench/evaluation/frm_exo.h"
#include "bench/evaluation/frm_name.h"
#include "bench/evaluation/frm_note.h"
#include "bench/evaluation/frm_pass.h"
#include "bench/evaluation/frm_pass_word.h"
#include "bench/evaluation/frm_tableau.h"
#include "bench/main/frm_about.h"
#include "bench/main/frm_option.h"
#include "bench/main/frm_tip.h"
#include "bench/main/mdi_ondivel.h"
#include "bench/meters/frm_chrono.h"
#include "bench/meters/frm_mesures.h"
#include "bench/meters/frm_multi_rms.h"
#include "bench/meters/frm_volt.h"
#include "bench/scope/frm_curseurs.h"
#include "bench/scope/frm_full_screen.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/renderer.h"
#include "bench/sources/frm_alim.h"
#include "bench/sources/frm_dyn.h"
#include "bench/sources/frm_edf.h"
#include "bench/sources/frm_gbf.h"
#include "bench/sources/frm_harmonique.h"
#include "bench/sources/frm_pile.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/form.h"
#include "core/platform.h"
#include "files/settings_store.h"
#include "files/unsaved_settings.h"

#ifndef ONDIVEL_VERSION_MAJOR
#define ONDIVEL_VERSION_MAJOR 1
#endif
#ifndef ONDIVEL_VERSION_MINOR
#define ONDIVEL_VERSION_MINOR 0
#endif

namespace ondivel {

Ondivel::Ondivel(Platform& platform) : platform_(platform) {
    mdi_ = std::make_unique<MDIOndivel>(*this);
    frmOndivel_ = std::make_unique<FrmOndivel>(*this);
    frmToolBox_ = std::make_unique<FrmToolBox>(*this);
    frmGBF_[SideA] = std::make_unique<FrmGBF>(*this, SideA);
    frmGBF_[SideB] = std::make_unique<FrmGBF>(*this, SideB);
    frmHarmonique_[SideA] = std::make_unique<FrmHarmonique>(*this, SideA);
    frmHarmonique_[SideB] = std::make_unique<FrmHarmonique>(*this, SideB);
    for (int side : {SideA, SideB}) {
        frmPile_[side] = std::make_unique<FrmPile>(*this, side);
        frmAlim_[side] = std::make_unique<FrmAlim>(*this, side);
        frmDyn_[side] = std::make_unique<FrmDyn>(*this, side);
        frmEDF_[side] = std::make_unique<FrmEDF>(*this, side);
    }
    frmVolt_ = std::make_unique<FrmVolt>(*this);
    frmMultiRMS_ = std::make_unique<FrmMultiRMS>(*this);
    frmChrono_ = std::make_unique<FrmChrono>(*this);
    frmCurseurs_ = std::make_unique<FrmCurseurs>(*this);
    frmMesures_ = std::make_unique<FrmMesures>(*this);
    frmName_ = std::make_unique<FrmName>(*this);
    frmExo_ = std::make_unique<FrmExo>(*this);
    frmNote_ = std::make_unique<FrmNote>(*this);
    frmCorrections_ = std::make_unique<FrmCorrections>(*this);
    frmCreateFile_ = std::make_unique<FrmCreateFile>(*this);
    frmPass_ = std::make_unique<FrmPass>(*this);
    frmPassWord_ = std::make_unique<FrmPassWord>(*this);
    frmDepot_ = std::make_unique<FrmDepot>(*this);
    frmCorbeille_ = std::make_unique<FrmCorbeille>(*this);
    frmTableau_ = std::make_unique<FrmTableau>(*this);
    frmOption_ = std::make_unique<FrmOption>(*this);
    frmFullScreen_ = std::make_unique<FrmFullScreen>(*this);
    frmTip_ = std::make_unique<FrmTip>(*this);
    frmAbout_ = std::make_unique<FrmAbout>(*this);
    renderer_ = std::make_unique<Renderer>(*this);
    unsavedSettings_ = std::make_unique<UnsavedSettings>();
    for (Form* f : std::initializer_list<Form*>{
             mdi_.get(), frmOndivel_.get(), frmToolBox_.get(), frmGBF_[0].get(), frmGBF_[1].get(),
             frmHarmonique_[0].get(), frmHarmonique_[1].get(), frmOption_.get(), frmFullScreen_.get()})
        add(*f);
    for (Form* f : std::initializer_list<Form*>{frmVolt_.get(), frmMultiRMS_.get(), frmChrono_.get(),
                                                frmCurseurs_.get(), frmMesures_.get()})
        add(*f);
    for (Form* f : std::initializer_list<Form*>{
             frmName_.get(), frmExo_.get(), frmNote_.get(), frmCorrections_.get(), frmCreateFile_.get(),
             frmPass_.get(), frmPassWord_.get(), frmDepot_.get(), frmCorbeille_.get(), frmTableau_.get()})
        add(*f);
    for (int side : {SideA, SideB})
        for (Form* f : std::initializer_list<Form*>{frmPile_[side].get(), frmAlim_[side].get(),
                                                    frmDyn_[side].get(), frmEDF_[side].get()})
            add(*f);
    add(*frmTip_);
    add(*frmAbout_);
    registerGlobals();
}

Ondivel::~Ondivel() = default;

void Ondivel::add(Form& form) {
    forms_.push_back(&form);
}

Form* Ondivel::form(const std::string& name) const {
    for (Form* f : forms_)
        if (f->name() == name) return f;
    return nullptr;
}

VarRef Ondivel::global(const std::string& name) const {
    if (auto it = globals_.find(name); it != globals_.end()) return it->second;
    return mdi_->member(name);
}

void Ondivel::RefreshDisplay() {
    renderer_->RefreshDisplay();
    mdi_->UpdateStatus();
    frmCurseurs_->UpdateReadings();
    frmOndivel_->UpdatePointerVolts();
}

std::string Ondivel::ReadIni(const std::string& section, const std::string& key,
                             const std::string& def) const {
    if (const auto unsaved = unsavedSettings_->value(g.FichierConfig, section, key))
        return IniValueOrDefault(unsaved, def);
    return ReadIniValue(g.FichierConfig, section, key, def);
}

void Ondivel::WriteIni(const std::string& section, const std::string& key, const std::string& value) const {
    if (g.FichierConfig.empty()) return; // no settings file before start-up locates it
    unsavedSettings_->write(g.FichierConfig, section, key, value);
}

std::string Ondivel::programFolder() const {
    std::string folder = platform_.programFolder();
    while (!folder.empty() && (folder.back() == '/' || folder.back() == '\\'))
        folder.pop_back();
    return folder;
}

void Ondivel::ShowHelpTopic(int topic) const {
    platform_.showHelp((std::filesystem::path(programFolder()) / "ondivel.chm").string(), topic);
}

int Ondivel::versionMajor() {
    return ONDIVEL_VERSION_MAJOR;
}
int Ondivel::versionMinor() {
    return ONDIVEL_VERSION_MINOR;
}

void Ondivel::activate(Form& form) {
    if (active_ == &form) return;
    active_ = &form;
    form.Form_Activate();
}

void Ondivel::formClosed(Form& form) {
    if (active_ == &form) active_ = nullptr;
    // Closing the oscilloscope refreshes nothing, yet its channels are no longer in use.
    if (mdi_ && &form != mdi_.get()) mdi_->UpdateStatus();
}

void Ondivel::registerGlobals() {
#define ONDIVEL_GLOBAL(name) globals_[#name] = VarRef(&g.name)
    ONDIVEL_GLOBAL(AmplitudeA);
    ONDIVEL_GLOBAL(AmplitudeB);
    ONDIVEL_GLOBAL(FrequenceA);
    ONDIVEL_GLOBAL(FrequenceB);
    ONDIVEL_GLOBAL(SignalA);
    ONDIVEL_GLOBAL(SignalB);
    ONDIVEL_GLOBAL(GammeA);
    ONDIVEL_GLOBAL(GammeB);
    ONDIVEL_GLOBAL(SourceBrancheeA);
    ONDIVEL_GLOBAL(SourceBrancheeB);
    ONDIVEL_GLOBAL(EntreeBrancheeCH1);
    ONDIVEL_GLOBAL(EntreeBrancheeCH2);
    ONDIVEL_GLOBAL(VoltmetreBranche);
    ONDIVEL_GLOBAL(NiveauDeclenchement);
    ONDIVEL_GLOBAL(AmplitudeCH1);
    ONDIVEL_GLOBAL(AmplitudeCH2);
    ONDIVEL_GLOBAL(FrequenceCH1);
    ONDIVEL_GLOBAL(FrequenceCH2);
    ONDIVEL_GLOBAL(SignalCH1);
    ONDIVEL_GLOBAL(SignalCH2);
    ONDIVEL_GLOBAL(OffsetCH1);
    ONDIVEL_GLOBAL(OffsetCH2);
    ONDIVEL_GLOBAL(RapportCycliqueCH1);
    ONDIVEL_GLOBAL(RapportCycliqueCH2);
    ONDIVEL_GLOBAL(BaseTemps);
    ONDIVEL_GLOBAL(SensibiliteCH1);
    ONDIVEL_GLOBAL(SensibiliteCH2);
    ONDIVEL_GLOBAL(PositionH);
    ONDIVEL_GLOBAL(PositionCH1);
    ONDIVEL_GLOBAL(PositionCH2);
    ONDIVEL_GLOBAL(EpaisseurTrace);
    ONDIVEL_GLOBAL(FacteurIntensite);
    ONDIVEL_GLOBAL(StyleTraceCH1);
    ONDIVEL_GLOBAL(StyleTraceCH2);
    ONDIVEL_GLOBAL(CouleurA);
    ONDIVEL_GLOBAL(CouleurB);
    ONDIVEL_GLOBAL(CouleurEcran);
    ONDIVEL_GLOBAL(CouleurGrille);
    ONDIVEL_GLOBAL(CouleurCadre);
    ONDIVEL_GLOBAL(RougeA);
    ONDIVEL_GLOBAL(VertA);
    ONDIVEL_GLOBAL(BleuA);
    ONDIVEL_GLOBAL(RougeB);
    ONDIVEL_GLOBAL(VertB);
    ONDIVEL_GLOBAL(BleuB);
    ONDIVEL_GLOBAL(RougeEcran);
    ONDIVEL_GLOBAL(VertEcran);
    ONDIVEL_GLOBAL(BleuEcran);
    ONDIVEL_GLOBAL(PositionSpot);
    ONDIVEL_GLOBAL(CompteurPrecedent);
    ONDIVEL_GLOBAL(FrequenceCompteur);
    ONDIVEL_GLOBAL(PositionSelecteur);
    ONDIVEL_GLOBAL(DossierPartage);
    ONDIVEL_GLOBAL(SousDossierAuteur);
    ONDIVEL_GLOBAL(DossierDonneesCommunes);
    ONDIVEL_GLOBAL(DossierDocumentsCommuns);
    ONDIVEL_GLOBAL(FichierConfig);
    ONDIVEL_GLOBAL(DossierDepot);
    ONDIVEL_GLOBAL(MotDePasseValide);
    ONDIVEL_GLOBAL(NomUtilisateur);
    ONDIVEL_GLOBAL(ExoSignalCH1);
    ONDIVEL_GLOBAL(ExoSignalCH2);
    ONDIVEL_GLOBAL(ExoAmplitudeCH1);
    ONDIVEL_GLOBAL(ExoAmplitudeCH2);
    ONDIVEL_GLOBAL(ExoFrequenceCH1);
    ONDIVEL_GLOBAL(ExoFrequenceCH2);
    ONDIVEL_GLOBAL(ExoNombreOscillogrammes);
    ONDIVEL_GLOBAL(ExoNumeroOscillogramme);
    ONDIVEL_GLOBAL(ExoPoints);
    ONDIVEL_GLOBAL(ExoPointsMax);
#undef ONDIVEL_GLOBAL
    globals_["CouleurCurseurs"] = VarRef(&frmCurseurs_->CouleurCurseurs);
}

} // namespace ondivel
