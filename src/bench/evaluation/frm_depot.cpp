#include "bench/evaluation/frm_depot.h"

#include "bench/evaluation/dialog_kit.h"
#include "bench/ondivel.h"
#include "core/platform.h"
#include "files/exercise_line.h"

namespace ondivel {

FrmDepot::FrmDepot(Ondivel& app) : BenchForm(app, "frmDepot") {
    Caption = "Ondivel - Dossier de dépôt";
    lblInfo.Caption = "Pour une utilisation en réseau, vous avez créé\r\n"
                      "au préalable un répertoire sans droit pour les élèves.\r\n"
                      "Par défaut, ce répertoire a pour nom 'Dépôt'\r\n"
                      "Si vous souhaitez le changer, saisissez le nouveau nom\r\n"
                      "dans la zone de texte ci-dessous.";
    txtDepot.Text = kDefaultDepositFolder;
    cmdOK.Caption = "OK";
    defaultButton = &cmdOK;

    Width = 5520, Height = 2970;
    dialog::place(lblInfo, 120, 120, 5160, 1215);
    dialog::place(txtDepot, 120, 1500, 3600, 315);
    dialog::place(cmdOK, 4065, 1470, 1215, 375);

    cmdOK.on.Click = [this] { cmdOK_Click(); };
}

void FrmDepot::Form_Load() {
    txtDepot.SetFocus();
}

void FrmDepot::Form_Unload(int&) {
    app().g.DossierDepot = txtDepot.Text;
}

void FrmDepot::cmdOK_Click() {
    if (TrimBlanks(txtDepot.Text).empty()) {
        app().platform().messageBox("Veuillez saisir un nom valide", vbCritical, "Ondivel - Erreur");
        txtDepot.SetFocus();
        return;
    }
    Unload();
}

} // namespace ondivel
