#include "bench/main/mdi_ondivel.h"

#include "bench/evaluation/evaluation.h"
#include "bench/evaluation/frm_exo.h"
#include "bench/evaluation/frm_pass.h"
#include "bench/main/clipboard_copy.h"
#include "bench/main/desktop_services.h"
#include "bench/main/flat_trace_status.h"
#include "bench/main/frm_option.h"
#include "bench/main/montage.h"
#include "bench/main/printout.h"
#include "bench/main/program_info.h"
#include "bench/main/screen_export.h"
#include "bench/main/window_layout.h"
#include "bench/meters/frm_mesures.h"
#include "bench/ondivel.h"
#include "bench/scope/auto_settings.h"
#include "bench/scope/frm_curseurs.h"
#include "bench/scope/frm_full_screen.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/sources/frm_alim.h"
#include "bench/sources/frm_dyn.h"
#include "bench/sources/frm_edf.h"
#include "bench/sources/frm_gbf.h"
#include "bench/sources/frm_harmonique.h"
#include "bench/sources/frm_pile.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/format.h"
#include "core/platform.h"

namespace ondivel {

MDIOndivel::MDIOndivel(Ondivel& app) : BenchForm(app, "MDIOndivel") {
    addMenu(Mnu_File, "&Fichier", 0);
    addMenu(Mnu_Libre, "Mode &libre", 1);
    addMenu(Mnu_Pilote, "Mode éva&lué", 1);
    addMenu(Mnu_SeparMontage, "-", 1);
    addMenu(Mnu_OpenMontage, "&Ouvrir un montage…", 1);
    addMenu(Mnu_Exemples, "Montages d'e&xemple", 1);
    for (int i = 0; i < Mnu_Exemple.size(); ++i)
        addMenu(Mnu_Exemple[i], kExampleMontageList[i].title, 2);
    addMenu(Mnu_SaveMontage, "E&nregistrer le montage…", 1);
    addMenu(Mnu_MontageInitial, "Montage ini&tial", 1);
    addMenu(Mnu_Separ1, "-", 1);
    addMenu(Mnu_Create, "&Créer un fichier Ondivel", 1);
    addMenu(Mnu_Modif, "&Modifier un fichier Ondivel", 1);
    addMenu(Mnu_Kill, "&Supprimer un fichier Ondivel", 1);
    addMenu(Mnu_Separ2, "-", 1);
    addMenu(Mnu_View, "&Visualisation des réponses élèves", 1);
    addMenu(Mnu_Tableau, "&Tableau de la classe…", 1);
    addMenu(Mnu_Clean, "Vider le fichier de &réponses élèves", 1);
    addMenu(Mnu_Separ3, "-", 1);
    addMenu(Mnu_Print, "&Imprimer écran", 1);
    addMenu(Mnu_ConfigPrint, "Con&figuration imprimante", 1);
    addMenu(Mnu_Exporter, "&Exporter l'écran…", 1);
    addMenu(Mnu_Separ4, "-", 1);
    addMenu(Mnu_End, "&Quitter", 1);
    addMenu(Mnu_Edition, "&Edition", 0);
    addMenu(Mnu_Copier, "&Copier les oscillogrammes ...", 1);
    addMenu(Mnu_ClipBoard[0], "identique à l'écran", 2);
    addMenu(Mnu_ClipBoard[1], "en niveau de gris", 2);
    addMenu(Mnu_Affichage, "Aff&ichage", 0);
    addMenu(Mnu_Harmo, "Générateur harmoniques", 1);
    addMenu(Mnu_Volt, "&Multimètre", 1);
    addMenu(Mnu_Chrono, "&Chronomètre", 1);
    addMenu(Mnu_Calc, "&Calculatrice", 1);
    addMenu(Mnu_Mesures, "Mesures &automatiques", 1);
    addMenu(Mnu_Separ5, "-", 1);
    addMenu(Mnu_PosWin, "&Positionnement par défaut des fenêtres", 1);
    addMenu(Mnu_Disposer, "&Disposer les fenêtres", 1);
    addMenu(Mnu_ViewFullScreen, "&Visualisation plein écran des oscillogrammes", 1);
    addMenu(Mnu_Curseurs, "C&urseurs de mesure", 1);
    addMenu(Mnu_Option, "&Options", 0);
    addMenu(Mnu_Pref[0], "&Interface", 1, "Ctrl+I");
    addMenu(Mnu_Pref[1], "&Oscillogrammes", 1, "Ctrl+O");
    addMenu(Mnu_Pref[2], "Im&pression", 1, "Ctrl+P");
    addMenu(Mnu_Reglages, "&Sensibilités automatiques", 1, "Ctrl+S");
    addMenu(Mnu_Help, "&Aide", 0);
    addMenu(Mnu_Help_Contents, "&Sommaire de l'aide d'Ondivel", 1);
    addMenu(Mnu_Help_Index, "Index de l'aide d'Ondivel", 1);
    addMenu(Mnu_Separ7, "-", 1);
    addMenu(Mnu_Tip, "Astuce du &jour", 1);
    addMenu(Mnu_NewTip, "&Rajouter une astuce", 1);
    addMenu(Mnu_Separ8, "-", 1);
    addMenu(Mnu_PassWord, "Changer le &mot de passe", 1);
    addMenu(Mnu_Web, "Visiter le site de l'auteur", 1);
    addMenu(Mnu_About, "A &propos de Ondivel", 1);

    // The calculator entry only where the desktop has a calculator.
    Mnu_Calc.Enabled = app.platform().calculatorAvailable();
    Mnu_Libre.Enabled = false;          // free mode at start
    Mnu_Reglages.Enabled = false;       // until the preferences allow it
    Mnu_MontageInitial.Enabled = false; // until a set-up is opened

    Mnu_Libre.on.Click = [this] { Mnu_Libre_Click(); };
    Mnu_Pilote.on.Click = [this] { Mnu_Pilote_Click(); };
    Mnu_End.on.Click = [this] { Mnu_End_Click(); };
    Mnu_OpenMontage.on.Click = [this] { Mnu_OpenMontage_Click(); };
    for (int i = 0; i < Mnu_Exemple.size(); ++i)
        Mnu_Exemple[i].on.Click = [this, i] { Mnu_Exemple_Click(i); };
    Mnu_SaveMontage.on.Click = [this] { Mnu_SaveMontage_Click(); };
    Mnu_MontageInitial.on.Click = [this] { Mnu_MontageInitial_Click(); };
    Mnu_Volt.on.Click = [this] { Mnu_Volt_Click(); };
    Mnu_Chrono.on.Click = [this] { Mnu_Chrono_Click(); };
    Mnu_Calc.on.Click = [this] { Mnu_Calc_Click(); };
    Mnu_Mesures.on.Click = [this] { Mnu_Mesures_Click(); };
    Mnu_Harmo.on.Click = [this] { Mnu_Harmo_Click(); };
    Mnu_Print.on.Click = [this] { Mnu_Print_Click(); };
    Mnu_ConfigPrint.on.Click = [this] { Mnu_ConfigPrint_Click(); };
    Mnu_Exporter.on.Click = [this] { Mnu_Exporter_Click(); };
    for (int i = 0; i < Mnu_ClipBoard.size(); ++i)
        Mnu_ClipBoard[i].on.Click = [this, i] { Mnu_ClipBoard_Click(i); };
    Mnu_PosWin.on.Click = [this] { Mnu_PosWin_Click(); };
    Mnu_Disposer.on.Click = [this] { Mnu_Disposer_Click(); };
    Mnu_ViewFullScreen.on.Click = [this] { Mnu_ViewFullScreen_Click(); };
    Mnu_Curseurs.on.Click = [this] { Mnu_Curseurs_Click(); };
    for (int i = 0; i < Mnu_Pref.size(); ++i)
        Mnu_Pref[i].on.Click = [this, i] { Mnu_Pref_Click(i); };
    Mnu_Reglages.on.Click = [this] { Mnu_Reglages_Click(); };
    Mnu_Create.on.Click = [this] { Mnu_Create_Click(); };
    Mnu_Modif.on.Click = [this] { Mnu_Modif_Click(); };
    Mnu_Kill.on.Click = [this] { Mnu_Kill_Click(); };
    Mnu_View.on.Click = [this] { Mnu_View_Click(); };
    Mnu_Tableau.on.Click = [this] { Mnu_Tableau_Click(); };
    Mnu_Clean.on.Click = [this] { Mnu_Clean_Click(); };
    Mnu_PassWord.on.Click = [this] { Mnu_PassWord_Click(); };
    Mnu_Help_Contents.on.Click = [this] { Mnu_Help_Contents_Click(); };
    Mnu_Help_Index.on.Click = [this] { Mnu_Help_Index_Click(); };
    Mnu_Tip.on.Click = [this] { Mnu_Tip_Click(); };
    Mnu_NewTip.on.Click = [this] { Mnu_NewTip_Click(); };
    Mnu_Web.on.Click = [this] { Mnu_Web_Click(); };
    Mnu_About.on.Click = [this] { Mnu_About_Click(); };

    registerMember("ModeLibre", VarRef(&ModeLibre));
    registerMember("ModeReseau", VarRef(&ModeReseau));
    registerMember("FichierResultat", VarRef(&FichierResultat));
    registerMember("FichierExercice", VarRef(&FichierExercice));
    registerMember("TitreFichierExercice", VarRef(&TitreFichierExercice));
    registerMember("DossierSysteme", VarRef(&DossierSysteme));
    registerMember("DossierWindows", VarRef(&DossierWindows));
    registerMember("HauteurZoneTravail", VarRef(&HauteurZoneTravail));
    registerMember("FichierMontage", VarRef(&FichierMontage));
    registerMember("TitreMontage", VarRef(&TitreMontage));
    registerMember("ConsigneMontage", VarRef(&ConsigneMontage));
    registerMember("LargeurZoneTravail", VarRef(&LargeurZoneTravail));
}

void MDIOndivel::addMenu(Control& item, const char* caption, int level, const char* shortcut) {
    item.Caption = caption;
    item.Shortcut = shortcut;
    menuTree_.push_back({&item, level});
}

void MDIOndivel::setMenuEnabled(Control& item, bool enabled) {
    item.Enabled = enabled;
}

std::string MDIOndivel::titleFor(bool freeMode) const {
    return std::string(kProgramName) + " v." + std::to_string(Ondivel::versionMajor()) + "." +
           std::to_string(Ondivel::versionMinor()) + (freeMode ? " - Mode libre" : " - Mode évalué");
}

void MDIOndivel::SetFreeMode(bool isFree) {
    FrmToolBox& toolbox = app().frmToolBox();
    if (!isFree) toolbox.chkMulti.setValue(kUnchecked); // closes the multimeter
    // The measurements would give the evaluation's answers away.
    if (!isFree && app().frmMesures().loaded()) app().frmMesures().Unload();
    toolbox.chkMulti.Enabled = isFree;
    setMenuEnabled(Mnu_Libre, !isFree);
    // The harmonic generator is a source: the pupil opens none during an evaluation. An exported
    // screen would give the answers away.
    for (Control* item :
         {&Mnu_Pilote, &Mnu_Create, &Mnu_Modif, &Mnu_Kill, &Mnu_View, &Mnu_Tableau, &Mnu_Clean, &Mnu_Volt,
          &Mnu_Harmo, &Mnu_Exporter, &Mnu_Mesures, &Mnu_OpenMontage, &Mnu_Exemples, &Mnu_SaveMontage})
        setMenuEnabled(*item, isFree);
    // A set-up rewires the bench, which an evaluation locks.
    setMenuEnabled(Mnu_MontageInitial, isFree && montageInitial.has_value());
    // The cursors would measure the answers: none during an evaluation.
    if (!isFree) app().frmCurseurs().Unload();
    setMenuEnabled(Mnu_Curseurs, isFree);
    ModeLibre = isFree;
    UpdateStatus();
}

void MDIOndivel::UpdateStatus() {
    lblStatus.Caption = FlatTraceStatus(CurrentWiring(app()));
    // The set-up's instruction is for the free bench: an evaluation has its own.
    std::string text;
    if (ModeLibre) {
        text = TitreMontage;
        if (!text.empty() && !ConsigneMontage.empty()) text += " : ";
        text += ConsigneMontage;
    }
    lblMontage.Caption = text;
}

bool MDIOndivel::TeacherGate() {
    if (!app().g.MotDePasseValide) AskTeacherPassword(app());
    return app().g.MotDePasseValide;
}

void MDIOndivel::Mnu_Libre_Click() {
    SetFreeMode(true);
    CloseEvaluationWindow(app());
    CloseOpenFiles(app());
    FichierExercice.clear();
    Caption = titleFor(true);

    // The default wiring: no source on either channel.
    FrmToolBox& toolbox = app().frmToolBox();
    for (int i = 0; i < toolbox.fraAlim.size(); ++i)
        toolbox.fraAlim[i].Enabled = true;
    for (int i = 0; i < toolbox.optConnexion.size(); ++i) {
        toolbox.optConnexion[i].Enabled = true; // locked by the evaluation with their frames
        toolbox.optConnexion[i].setValue(0);
    }
    toolbox.optConnexion[0].setValue(1);
    toolbox.optConnexion[11].setValue(1);

    setMenuEnabled(Mnu_Reglages, app().ReadIni("Options", "Reglage auto", "0") != "0");

    Globals& g = app().g;
    g.SignalA = g.SignalB = g.SignalCH1 = g.SignalCH2 = "Cc";
    g.AmplitudeA = g.AmplitudeB = g.AmplitudeCH1 = g.AmplitudeCH2 = 0;
    g.FrequenceA = g.FrequenceB = g.FrequenceCH1 = g.FrequenceCH2 = 0;
    unloadSourcePanels();
    app().RefreshDisplay();
}

void MDIOndivel::Mnu_OpenMontage_Click() {
    OpenMontageCommand(app());
}

void MDIOndivel::Mnu_Exemple_Click(int index) {
    if (!ModeLibre) return;
    OpenMontageFile(app(), ExampleMontagePath(app(), index));
}

void MDIOndivel::Mnu_SaveMontage_Click() {
    SaveMontageCommand(app());
}

void MDIOndivel::Mnu_MontageInitial_Click() {
    MontageInitialCommand(app());
}

void MDIOndivel::Mnu_Pilote_Click() {
    app().frmExo().evaluation().Begin();
}

void MDIOndivel::unloadSourcePanels() {
    Ondivel& a = app();
    for (int side : {SideA, SideB}) {
        for (Form* panel :
             std::initializer_list<Form*>{&a.frmGBF(side), &a.frmHarmonique(side), &a.frmPile(side),
                                          &a.frmAlim(side), &a.frmDyn(side), &a.frmEDF(side)})
            panel->Unload();
    }
}

void MDIOndivel::Mnu_End_Click() {
    Platform& platform = app().platform();
    platform.beep();
    const int answer = platform.messageBox("Voulez-vous quitter ce programme ?",
                                           vbYesNo | vbQuestion | vbMsgBoxSetForeground, kProgramName);
    if (answer != vbYes) return;
    if (!ConfirmQuitWithUnwrittenResults(app())) return;
    CloseOpenFiles(app());
    FrmOndivel& scope = app().frmOndivel();
    app().WriteIni("Interface", "Intensity", NumberText(scope.Potentio[1].Value));
    app().WriteIni("Interface", "Focus", NumberText(scope.Potentio[0].Value));
    app().WriteIni("Interface", "PosX Ondivel", NumberText(scope.Left));
    app().WriteIni("Interface", "PosY Ondivel", NumberText(scope.Top));
    if (Mnu_Calc.Checked) closeCalculator();
    Unload();
}

void MDIOndivel::closeCalculator() {
    Platform& platform = app().platform();
    if (platform.windowExists(kCalculatorTitle)) platform.closeWindow(kCalculatorTitle);
}

void MDIOndivel::Form_QueryUnload(int& cancel) {
    if (!ConfirmQuitWithUnwrittenResults(app())) {
        cancel = 1;
        return;
    }
    CloseHelpViewer(app());
    if (Mnu_Calc.Checked) closeCalculator();
    CloseOpenFiles(app());
    ReleaseToolTips(app());
}

void MDIOndivel::Form_Unload(int&) {
    for (Form* form : app().forms())
        if (form != this) form->Unload();
    ended_ = true;
}

void MDIOndivel::Form_MouseMove(int, int, double, double) {
    // The user may have closed the calculator himself.
    if (Mnu_Calc.Checked && !app().platform().windowExists(kCalculatorTitle))
        app().frmToolBox().chkCalc.setValue(kUnchecked);
}

void MDIOndivel::Mnu_Volt_Click() {
    app().frmToolBox().chkMulti.setValue(Mnu_Volt.Checked ? kUnchecked : kChecked);
}

void MDIOndivel::Mnu_Chrono_Click() {
    app().frmToolBox().chkClock.setValue(Mnu_Chrono.Checked ? kUnchecked : kChecked);
}

void MDIOndivel::Mnu_Calc_Click() {
    app().frmToolBox().chkCalc.setValue(Mnu_Calc.Checked ? kUnchecked : kChecked);
}

void MDIOndivel::Mnu_Mesures_Click() {
    if (Mnu_Mesures.Checked)
        app().frmMesures().Unload();
    else
        app().frmMesures().Show();
}

void MDIOndivel::Mnu_Harmo_Click() {
    app().frmHarmoniqueA().Show();
}

void MDIOndivel::Mnu_Print_Click() {
    const int answer = app().platform().messageBox("Voulez-vous imprimer les oscillogrammes ?",
                                                   vbYesNo | vbQuestion, kProgramName);
    if (answer == vbYes) PrintScreen(app());
}

void MDIOndivel::Mnu_ConfigPrint_Click() {
    app().platform().printSetupDialog();
}

void MDIOndivel::Mnu_Exporter_Click() {
    ExportScreen(app());
}

void MDIOndivel::Mnu_ClipBoard_Click(int index) {
    CopyScreenToClipboard(app(), index);
}

void MDIOndivel::Mnu_PosWin_Click() {
    DefaultWindowLayout(app());
}

void MDIOndivel::Mnu_Disposer_Click() {
    ++arrangeRequests_;
    app().requestRepaint();
}

void MDIOndivel::Mnu_ViewFullScreen_Click() {
    Mnu_ViewFullScreen.Checked = true;
    app().frmFullScreen().ShowModal();
}

void MDIOndivel::Mnu_Curseurs_Click() {
    FrmCurseurs& cursors = app().frmCurseurs();
    if (cursors.loaded())
        cursors.Unload();
    else
        cursors.Show();
}

void MDIOndivel::Mnu_Pref_Click(int index) {
    if (!TeacherGate()) return;
    FrmOption& options = app().frmOption();
    options.Load();
    options.sstOptions.ListIndex = index;
    options.ShowModal();
}

void MDIOndivel::Mnu_Reglages_Click() {
    if (!TeacherGate()) return;
    AutoSettings(app());
}

} // namespace ondivel
