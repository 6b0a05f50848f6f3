#include "bench/evaluation/evaluation.h"

#include "bench/evaluation/frm_exo.h"
#include "bench/evaluation/frm_name.h"
#include "bench/evaluation/frm_note.h"
#include "bench/main/mdi_ondivel.h"
#include "bench/ondivel.h"
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

namespace {

constexpr const char* kResultsFileName = "Resultat.txt";

std::string fileNamePart(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void applyChannel(const ExerciseChannel& c, std::string& signal, double& amplitude, double& frequency,
                  float& duty) {
    signal = c.signal;
    amplitude = c.amplitude;
    frequency = c.frequency;
    if (c.dutyCycle) duty = *c.dutyCycle;
}

} // namespace

Evaluation::Evaluation(Ondivel& app) : app_(app), results_(app.platform()) {}

std::string Evaluation::resultsPath() const {
    const std::string& located = app_.mdi().FichierResultat;
    return located.empty() ? app_.g.DossierPartage + kResultsFileName : located;
}

void Evaluation::Begin() {
    FrmName& who = app_.frmName();
    if (who.identity(1).empty()) who.ShowModal();
    if (app_.mdi().ended() || who.identity(1).empty()) return;
    if (!chooseExerciseFile()) return;
    results_.setPath(resultsPath());
    results_.append(IdentityBlock(who.identity(1), who.identity(2), who.identity(3)));
    StartEvaluation();
}

bool Evaluation::chooseExerciseFile() {
    FileDialogRequest request;
    request.initialFolder = app_.g.DossierPartage;
    request.filter = "Fichier Ondivel (*.ond)|*.ond";
    request.mustExist = true;
    const std::optional<std::string> chosen = app_.platform().openFileDialog(request);
    if (!chosen) return false;
    app_.mdi().FichierExercice = *chosen;
    app_.mdi().TitreFichierExercice = fileNamePart(*chosen);
    return true;
}

void Evaluation::StartEvaluation() {
    MDIOndivel& mdi = app_.mdi();
    Globals& g = app_.g;
    Platform& platform = app_.platform();
    if (results_.path().empty()) results_.setPath(resultsPath());
    if (!reader_.open(mdi.FichierExercice, mdi.TitreFichierExercice)) return interrupt(reader_.problem());
    if (const auto problem = reader_.check()) return interrupt(*problem);

    prepareBench();
    reviewed_.clear();
    mdi.SetFreeMode(false);
    results_.append(HeaderBlock(mdi.FichierExercice, platform.dateTimeText(platform.localDateTime())));
    g.ExoNombreOscillogrammes = reader_.oscillogramCount();
    g.ExoNumeroOscillogramme = 0;
    mdi.Caption = mdi.titleFor(false);
    FrmExo& exo = app_.frmExo();
    exo.Load();
    exo.Caption =
        mdi.FichierExercice + " - " + FormatNumber(g.ExoNombreOscillogrammes, "##") + " oscillogrammes - ";
    // Before the first oscillogram: a file without any goes straight to the mark window.
    g.ExoPoints = 0;
    g.ExoPointsMax = 0;
    if (!ReadNextOscillogram()) return;
    exo.Show();
    app_.frmOndivel().Show();
}

void Evaluation::prepareBench() {
    app_.mdi().unloadSourcePanels();
    // No source on either channel, and no way to wire one until free mode comes back.
    FrmToolBox& toolbox = app_.frmToolBox();
    for (int i = 0; i < toolbox.optConnexion.size(); ++i)
        toolbox.optConnexion[i].setValue(0);
    toolbox.optConnexion[FrmToolBox::kNoneA].setValue(1);
    toolbox.optConnexion[FrmToolBox::kNoneB].setValue(1);
    for (int i = 0; i < toolbox.fraAlim.size(); ++i)
        toolbox.fraAlim[i].Enabled = false;
    for (int i = 0; i < toolbox.optConnexion.size(); ++i)
        toolbox.optConnexion[i].Enabled = false;
    app_.g.SourceBrancheeA = app_.g.SourceBrancheeB = true;
}

bool Evaluation::ReadNextOscillogram() {
    if (!reader_.isOpen()) return false;
    const std::optional<ExerciseOscillogram> osc = reader_.next();
    if (!osc) {
        app_.frmNote().ShowModal();
        return false;
    }
    Globals& g = app_.g;
    FrmExo& exo = app_.frmExo();
    exo.ResetAnswers();
    exo.ShowInstructions(reader_.exerciseTitle(), osc->instruction);
    ++g.ExoNumeroOscillogramme;
    applyChannel(osc->channel[0], g.ExoSignalCH1, g.ExoAmplitudeCH1, g.ExoFrequenceCH1, g.RapportCycliqueCH1);
    applyChannel(osc->channel[1], g.ExoSignalCH2, g.ExoAmplitudeCH2, g.ExoFrequenceCH2, g.RapportCycliqueCH2);
    exo.Caption = app_.mdi().FichierExercice + " - " + FormatNumber(g.ExoNombreOscillogrammes, "##") +
                  " oscillogrammes - Oscillogramme n° " + FormatNumber(g.ExoNumeroOscillogramme, "##");
    app_.RefreshDisplay();
    return true;
}

void Evaluation::NextFile() {
    MDIOndivel& mdi = app_.mdi();
    Globals& g = app_.g;
    mdi.setMenuEnabled(mdi.Mnu_Pilote, true);
    mdi.Caption = mdi.titleFor(false);
    g.ExoPoints = 0;
    mdi.FichierExercice.clear();
    g.ExoSignalCH1 = g.ExoSignalCH2 = "Cc";
    g.ExoAmplitudeCH1 = g.ExoAmplitudeCH2 = 0;
    g.ExoFrequenceCH1 = g.ExoFrequenceCH2 = 0;
    app_.RefreshDisplay();
    app_.frmExo().Close();
    reader_.close();
    if (!chooseExerciseFile()) return;
    StartEvaluation();
}

void Evaluation::CloseFiles() {
    reader_.close();
    results_.flush(); // a folder back since the last block takes what waited for it
}

void Evaluation::interrupt(const std::string& problem) {
    results_.append({"Évaluation interrompue : " + problem});
    app_.platform().messageBox(problem + "\r\nL'évaluation est interrompue : retour au mode libre.",
                               vbCritical, "Ondivel - Erreur");
    reader_.close();
    MDIOndivel& mdi = app_.mdi();
    if (mdi.ModeLibre)
        mdi.FichierExercice.clear(); // the bench was not touched yet
    else
        mdi.Mnu_Libre_Click();
}

void CloseOpenFiles(Ondivel& app) {
    app.frmExo().evaluation().CloseFiles();
}

bool ConfirmQuitWithUnwrittenResults(Ondivel& app) {
    ResultsFile& results = app.frmExo().evaluation().results();
    if (results.flush()) return true;
    const int answer = app.platform().messageBox(
        "Des réponses n'ont pas pu être enregistrées dans le fichier des résultats :\r\n" + results.path() +
            "\r\n\r\nElles seront perdues si vous quittez maintenant. Voulez-vous quitter quand même ?",
        vbYesNo | vbExclamation, "Ondivel - Erreur");
    if (answer != vbYes) return false;
    results.discardUnwritten(); // asked once: the closing that follows does not ask again
    return true;
}

void CloseEvaluationWindow(Ondivel& app) {
    app.frmExo().Close();
}

} // namespace ondivel
