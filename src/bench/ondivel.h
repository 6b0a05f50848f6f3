#pragma once
// The application object: the bench state (the program's globals), every window model, and the
// procedures shared between windows. Each test and each scenario builds a fresh one.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/globals.h"
#include "core/form_host.h"
#include "core/script_value.h"

namespace ondivel {

class Form;
class Platform;
class Renderer;
class MDIOndivel;
class FrmOndivel;
class FrmToolBox;
class FrmGBF;
class FrmHarmonique;
class FrmOption;
class FrmFullScreen;
class FrmTip;
class FrmAbout;
class FrmPile;
class FrmAlim;
class FrmDyn;
class FrmEDF;
class FrmVolt;
class FrmMultiRMS;
class FrmChrono;
class FrmCurseurs;
class FrmMesures;
class FrmName;
class FrmExo;
class FrmNote;
class FrmCorrections;
class FrmCreateFile;
class FrmPass;
class FrmPassWord;
class FrmDepot;
class FrmCorbeille;
class FrmTableau;
class UnsavedSettings;

enum Side { SideA = 0, SideB = 1 };

class Ondivel : public FormHost {
  public:
    explicit Ondivel(Platform& platform);
    ~Ondivel() override;
    Ondivel(const Ondivel&) = delete;
    Ondivel& operator=(const Ondivel&) = delete;

    Platform& platform() const override { return platform_; }

    Globals g;

    // Window models.
    MDIOndivel& mdi() const { return *mdi_; }
    FrmOndivel& frmOndivel() const { return *frmOndivel_; }
    FrmToolBox& frmToolBox() const { return *frmToolBox_; }
    FrmGBF& frmGBFA() const { return *frmGBF_[SideA]; }
    FrmGBF& frmGBFB() const { return *frmGBF_[SideB]; }
    FrmGBF& frmGBF(int side) const { return *frmGBF_[side == SideB ? 1 : 0]; }
    FrmHarmonique& frmHarmoniqueA() const { return *frmHarmonique_[SideA]; }
    FrmHarmonique& frmHarmoniqueB() const { return *frmHarmonique_[SideB]; }
    FrmHarmonique& frmHarmonique(int side) const { return *frmHarmonique_[side == SideB ? 1 : 0]; }
    FrmPile& frmPile(int side) const { return *frmPile_[side == SideB ? 1 : 0]; }
    FrmAlim& frmAlim(int side) const { return *frmAlim_[side == SideB ? 1 : 0]; }
    FrmDyn& frmDyn(int side) const { return *frmDyn_[side == SideB ? 1 : 0]; }
    FrmEDF& frmEDF(int side) const { return *frmEDF_[side == SideB ? 1 : 0]; }
    FrmVolt& frmVolt() const { return *frmVolt_; }
    FrmMultiRMS& frmMulti_RMS() const { return *frmMultiRMS_; }
    FrmChrono& frmChrono() const { return *frmChrono_; }
    FrmCurseurs& frmCurseurs() const { return *frmCurseurs_; }
    FrmMesures& frmMesures() const { return *frmMesures_; }
    FrmName& frmName() const { return *frmName_; }
    FrmExo& frmExo() const { return *frmExo_; }
    FrmNote& frmNote() const { return *frmNote_; }
    FrmCorrections& frmCorrections() const { return *frmCorrections_; }
    FrmCreateFile& frmCreateFile() const { return *frmCreateFile_; }
    FrmPass& frmPass() const { return *frmPass_; }
    FrmPassWord& frmPassWord() const { return *frmPassWord_; }
    FrmDepot& frmDepot() const { return *frmDepot_; }
    FrmCorbeille& frmCorbeille() const { return *frmCorbeille_; }
    FrmTableau& frmTableau() const { return *frmTableau_; }
    FrmOption& frmOption() const { return *frmOption_; }
    FrmFullScreen& frmFullScreen() const { return *frmFullScreen_; }
    FrmTip& frmTip() const { return *frmTip_; }
    FrmAbout& frmAbout() const { return *frmAbout_; }

    // Every window by its name ("frmGBFA", "MDIOndivel" …); null when unknown.
    Form* form(const std::string& name) const;
    const std::vector<Form*>& forms() const { return forms_; }

    // A global by its name; main-window members (ModeLibre …) are reached here too.
    // Invalid VarRef when unknown.
    VarRef global(const std::string& name) const;
    const std::map<std::string, VarRef>& globals() const { return globals_; }

    // The screen renderer and its one global refresh.
    Renderer& renderer() const { return *renderer_; }
    void RefreshDisplay();

    // The settings file FichierConfig, through the private-profile store. Values the file refused
    // are kept and read back until a later write saves them.
    std::string ReadIni(const std::string& section, const std::string& key, const std::string& def) const;
    void WriteIni(const std::string& section, const std::string& key, const std::string& value) const;

    // The application folder (sound, help, tips), with a trailing separator removed.
    std::string programFolder() const;
    // Opens the program's help at a topic number (F1 on a panel).
    void ShowHelpTopic(int topic) const;
    static int versionMajor();
    static int versionMinor();

    // Active window bookkeeping (Activate events).
    Form* activeForm() const override { return active_; }
    void activate(Form& form) override;
    void formClosed(Form& form) override;

    // The desktop shell repaints its views when the models change; coalesced there.
    void setRepaintListener(std::function<void()> listener) { repaint_ = std::move(listener); }
    void requestRepaint() const override {
        if (repaint_) repaint_();
    }

  private:
    void registerGlobals();
    void add(Form& form);

    Platform& platform_;
    std::map<std::string, VarRef> globals_;
    std::vector<Form*> forms_;
    std::unique_ptr<MDIOndivel> mdi_;
    std::unique_ptr<FrmOndivel> frmOndivel_;
    std::unique_ptr<FrmToolBox> frmToolBox_;
    std::unique_ptr<FrmGBF> frmGBF_[2];
    std::unique_ptr<FrmHarmonique> frmHarmonique_[2];
    std::unique_ptr<FrmPile> frmPile_[2];
    std::unique_ptr<FrmAlim> frmAlim_[2];
    std::unique_ptr<FrmDyn> frmDyn_[2];
    std::unique_ptr<FrmEDF> frmEDF_[2];
    std::unique_ptr<FrmVolt> frmVolt_;
    std::unique_ptr<FrmMultiRMS> frmMultiRMS_;
    std::unique_ptr<FrmChrono> frmChrono_;
    std::unique_ptr<FrmCurseurs> frmCurseurs_;
    std::unique_ptr<FrmMesures> frmMesures_;
    std::unique_ptr<FrmName> frmName_;
    std::unique_ptr<FrmExo> frmExo_;
    std::unique_ptr<FrmNote> frmNote_;
    std::unique_ptr<FrmCorrections> frmCorrections_;
    std::unique_ptr<FrmCreateFile> frmCreateFile_;
    std::unique_ptr<FrmPass> frmPass_;
    std::unique_ptr<FrmPassWord> frmPassWord_;
    std::unique_ptr<FrmDepot> frmDepot_;
    std::unique_ptr<FrmCorbeille> frmCorbeille_;
    std::unique_ptr<FrmTableau> frmTableau_;
    std::unique_ptr<FrmOption> frmOption_;
    std::unique_ptr<FrmFullScreen> frmFullScreen_;
    std::unique_ptr<FrmTip> frmTip_;
    std::unique_ptr<FrmAbout> frmAbout_;
    std::unique_ptr<Renderer> renderer_;
    std::unique_ptr<UnsavedSettings> unsavedSettings_;
    Form* active_ = nullptr;
    std::function<void()> repaint_;
};

} // namespace ondivel
