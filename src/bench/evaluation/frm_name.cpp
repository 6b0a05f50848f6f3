#include "bench/evaluation/frm_name.h"

#include "bench/evaluation/dialog_kit.h"
#include "bench/main/mdi_ondivel.h"
#include "bench/ondivel.h"
#include "core/platform.h"
#include "files/exercise_line.h"

namespace ondivel {

namespace {
constexpr const char* kLabels[] = {"Votre nom : ", "Votre prénom : ", "Votre classe : "};
constexpr const char* kTips[] = {"Entrer ici votre nom", "Entrer ici votre prénom",
                                 "Entrer ici votre classe"};
constexpr const char* kQuestions[] = {"Quel est votre nom ?", "Quel est votre prénom ?",
                                      "Quelle est votre classe ?"};
} // namespace

FrmName::FrmName(Ondivel& app) : BenchForm(app, "frmName") {
    HelpTopic = 3900; // the evaluated mode, seen from the pupil's side
    Caption = "Qui êtes-vous ?";
    using namespace dialog;
    for (int i = 1; i <= 3; ++i) {
        const double top = kMargin + (i - 1) * kRowPitch;
        place(lblIdent[i], kMargin, top + kLabelDrop, 1560, kLabelHeight);
        lblIdent[i].Caption = kLabels[i - 1];
        place(txtIdent[i], kMargin + 1560 + kGap, top, 3000, kBoxHeight);
        txtIdent[i].ToolTipText = kTips[i - 1];
        txtIdent[i].on.GotFocus = [this, i] { txtIdent_GotFocus(i); };
    }
    const double clientWidth = kMargin + 1560 + kGap + 3000 + kMargin;
    const double buttonsTop = kMargin + 3 * kRowPitch + kGap;
    placeButtonsRight({&cmdOK, &cmdAnnul, &cmdEnd}, clientWidth, buttonsTop, 1200);
    cmdOK.Caption = "&OK";
    cmdOK.ToolTipText = "Pour ouvrir un fichier, une fois les nom, prénom et classe saisis";
    cmdAnnul.Caption = "&Annuler";
    cmdAnnul.ToolTipText = "Pour revenir au mode libre";
    cmdEnd.Caption = "&Quitter";
    cmdEnd.ToolTipText = "Pour fermer le logiciel Ondivel";
    setClientSize(*this, clientWidth, buttonsTop + kButtonHeight + kMargin);
    defaultButton = &cmdOK;
    cancelButton = &cmdAnnul;

    cmdOK.on.Click = [this] { cmdOK_Click(); };
    cmdAnnul.on.Click = [this] { cmdAnnul_Click(); };
    cmdEnd.on.Click = [this] { cmdEnd_Click(); };
}

std::string FrmName::identity(int index) const {
    return loaded() ? TrimBlanks(txtIdent[index].Text) : std::string();
}

void FrmName::Form_KeyDown(int keyCode, int) {
    if (keyCode == kKeyF1) app().ShowHelpTopic(HelpTopic);
}

void FrmName::cmdOK_Click() {
    for (int i = 1; i <= 3; ++i) {
        if (!identity(i).empty()) continue;
        app().platform().messageBox(kQuestions[i - 1], vbCritical, "Saisie incomplète");
        txtIdent[i].SetFocus();
        return;
    }
    Hide();
}

void FrmName::cmdAnnul_Click() {
    for (int i = 1; i <= 3; ++i)
        txtIdent[i].setText("");
    Unload();
}

void FrmName::cmdEnd_Click() {
    const int answer =
        app().platform().messageBox("Voulez-vous quitter ce programme ?", vbYesNo | vbQuestion, "Ondivel");
    if (answer != vbYes) return;
    Unload();
    app().mdi().Unload();
}

void FrmName::txtIdent_GotFocus(int index) {
    dialog::SelectWholeText(txtIdent[index]);
}

} // namespace ondivel
