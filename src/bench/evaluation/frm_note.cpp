#include "bench/evaluation/frm_note.h"

#include "bench/evaluation/dialog_kit.h"
#include "bench/evaluation/frm_corrections.h"
#include "bench/evaluation/frm_exo.h"
#include "bench/main/mdi_ondivel.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "core/format.h"

namespace ondivel {

namespace {
constexpr double kClientWidth = 5880;
constexpr double kButtonWidth = 1320;
constexpr double kFirstChoiceTop = 1200;
const char* const kChoices[] = {"&Fichier", "&Mode libre", "&Quitter"};
const char* const kQuestionEnds[] = {"... ouvrir un nouveau fichier de données ?",
                                     "...utiliser librement l'oscilloscope ?", "... quitter l'application ?"};
} // namespace

FrmNote::FrmNote(Ondivel& app) : BenchForm(app, "frmNote") {
    HelpTopic = 3900; // the evaluated mode, seen from the pupil's side
    using namespace dialog;
    place(lblNote, kMargin, kMargin, kClientWidth - 2 * kMargin, 375);
    place(lblQuestion, kMargin, kMargin + 375 + kMargin + kLabelDrop, kClientWidth - 2 * kMargin,
          kLabelHeight);
    lblQuestion.Caption = "Voulez-vous .... ";
    for (int i = 0; i < 3; ++i) {
        const double top = kFirstChoiceTop + i * kRowPitch;
        place(cmdChoice[i], kMargin, top, kButtonWidth, kButtonHeight);
        cmdChoice[i].Caption = kChoices[i];
        cmdChoice[i].on.Click = [this, i] { cmdChoice_Click(i); };
        const double labelLeft = kMargin + kButtonWidth + kGap;
        place(lblChoice[i], labelLeft, top + 60, kClientWidth - kMargin - labelLeft, kLabelHeight);
        lblChoice[i].Caption = kQuestionEnds[i];
    }
    const double correctionsTop = kFirstChoiceTop + 3 * kRowPitch + kGap;
    place(cmdCorrections, kMargin, correctionsTop, 2640, kButtonHeight);
    cmdCorrections.Caption = "&Voir les corrections";
    cmdCorrections.ToolTipText = "Vos réponses, les valeurs attendues et l'erreur probable";
    cmdCorrections.on.Click = [this] { this->app().frmCorrections().ShowModal(); };
    setClientSize(*this, kClientWidth, correctionsTop + kButtonHeight + kMargin);
    defaultButton = &cmdChoice[0];
    cancelButton = &cmdChoice[1];
}

std::string FrmNote::MarkText(double points, double pointsMax) {
    if (pointsMax == 0) return {};
    return FormatComma(points * 20 / pointsMax, "#0.0") + "/20";
}

void FrmNote::Form_Load() {
    MDIOndivel& mdi = app().mdi();
    Caption = "Ondivel - Résultat pour le fichier " + mdi.TitreFichierExercice;
    const std::string mark = MarkText(app().g.ExoPoints, app().g.ExoPointsMax);
    // A file without oscillogram has no point to divide by.
    cmdCorrections.Enabled = !app().frmExo().evaluation().reviewed().empty();
    lblNote.Caption = mark.empty() ? "Ce fichier ne contient aucun oscillogramme : il n'y a pas de note."
                                   : "Votre note est de : " + mark;
    app().frmExo().evaluation().results().append(
        {MarkLine(mark.empty() ? "aucun oscillogramme, pas de note" : mark)});
    // Beside the oscilloscope, under the answer window so that the last score stays in sight.
    const FrmOndivel& scope = app().frmOndivel();
    const FrmExo& answers = app().frmExo();
    Left = scope.Left + scope.Width;
    const bool answersBeside = answers.loaded() && answers.Left >= Left;
    Top = answersBeside ? answers.Top + answers.Height : scope.Top;
}

void FrmNote::Form_KeyDown(int keyCode, int) {
    if (keyCode == kKeyF1) app().ShowHelpTopic(HelpTopic);
}

void FrmNote::Form_QueryUnload(int& cancel) {
    // One of the three choices must be made.
    if (!closing_ && !app().mdi().unloading()) cancel = 1;
}

void FrmNote::close() {
    closing_ = true;
    Unload();
    closing_ = false;
}

void FrmNote::cmdChoice_Click(int index) {
    switch (index) {
    case 0:
        close();
        app().frmExo().evaluation().NextFile();
        break;
    case 1:
        app().mdi().Mnu_Libre_Click();
        app().frmExo().evaluation().CloseFiles();
        close();
        break;
    default:
        close();
        app().mdi().Unload();
        break;
    }
}

} // namespace ondivel
