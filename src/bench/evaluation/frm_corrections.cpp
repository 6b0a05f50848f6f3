#include "bench/evaluation/frm_corrections.h"

#include "bench/evaluation/answer_review.h"
#include "bench/evaluation/dialog_kit.h"
#include "bench/evaluation/frm_exo.h"
#include "bench/main/mdi_ondivel.h"
#include "bench/ondivel.h"

namespace ondivel {

namespace {
constexpr double kClientWidth = 10200;
constexpr double kListHeight = 4800;
} // namespace

FrmCorrections::FrmCorrections(Ondivel& app) : BenchForm(app, "frmCorrections") {
    HelpTopic = 3900; // the evaluated mode, seen from the pupil's side
    using namespace dialog;
    place(lstCorrections, kMargin, kMargin, kClientWidth - 2 * kMargin, kListHeight);
    const double buttonTop = kMargin + kListHeight + kMargin;
    placeButtonsRight({&cmdFermer}, kClientWidth, buttonTop, 1320);
    cmdFermer.Caption = "&Fermer";
    cmdFermer.on.Click = [this] { Unload(); };
    setClientSize(*this, kClientWidth, buttonTop + kButtonHeight + kMargin);
    defaultButton = cancelButton = &cmdFermer;
}

void FrmCorrections::Form_Load() {
    Caption = "Ondivel - Corrections pour le fichier " + app().mdi().TitreFichierExercice;
    lstCorrections.List.clear();
    for (const ReviewedOscillogram& osc : app().frmExo().evaluation().reviewed())
        for (std::string& line : CorrectionLines(osc))
            lstCorrections.addItem(std::move(line));
    if (lstCorrections.List.empty()) lstCorrections.addItem("Aucun oscillogramme n'a été corrigé.");
}

void FrmCorrections::Form_KeyDown(int keyCode, int) {
    if (keyCode == kKeyF1) app().ShowHelpTopic(HelpTopic);
}

} // namespace ondivel
