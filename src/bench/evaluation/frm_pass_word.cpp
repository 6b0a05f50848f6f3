#include "bench/evaluation/frm_pass_word.h"

#include "bench/evaluation/dialog_kit.h"
#include "bench/evaluation/frm_pass.h"
#include "bench/ondivel.h"
#include "core/platform.h"

namespace ondivel {

namespace {
constexpr const char* kTitle = "Ondivel - Mot de passe";
}

FrmPassWord::FrmPassWord(Ondivel& app) : BenchForm(app, "frmPassWord") {
    Caption = "Changer le mot de passe";
    lblPassWord[0].Caption = "Ancien mot de passe :";
    lblPassWord[1].Caption = "Nouveau mot de passe :";
    txtPassWord[0].PasswordChar = txtPassWord[1].PasswordChar = "*";
    cmdOK.Caption = "Valider";
    Command1.Caption = "Quitter";
    defaultButton = &cmdOK;
    cancelButton = &Command1;

    Width = 5160, Height = 2400;
    for (int i = 0; i < 2; ++i) {
        dialog::place(lblPassWord[i], 120, 180 + 480 * i, 2040, 255);
        dialog::place(txtPassWord[i], 2280, 150 + 480 * i, 2640, 315);
    }
    dialog::place(cmdOK, 2280, 1200, 1215, 375);
    dialog::place(Command1, 3705, 1200, 1215, 375);

    cmdOK.on.Click = [this] { cmdOK_Click(); };
    Command1.on.Click = [this] { Command1_Click(); };
}

void FrmPassWord::Form_Load() {
    txtPassWord[0].SetFocus();
}

void TellPasswordFixedByAdministrator(Ondivel& app) {
    app.platform().messageBox("Le mot de passe est fixé par l'administrateur pour tous les comptes de cet "
                              "ordinateur.\r\nIl ne peut pas être changé ici.",
                              vbInformation, kTitle);
}

void FrmPassWord::cmdOK_Click() {
    Platform& platform = app().platform();
    // The file may have appeared while the window was open.
    if (TeacherPasswordFixedByAdministrator(app())) {
        TellPasswordFixedByAdministrator(app());
        Unload();
        return;
    }
    if (!TeacherPasswordMatches(app(), txtPassWord[0].Text)) {
        platform.messageBox("L'ancien mot de passe saisi est faux.\r\nVeuillez le ressaisir.", vbInformation,
                            kTitle);
        txtPassWord[0].SetFocus();
        return;
    }
    if (!StoreTeacherPassword(app(), txtPassWord[1].Text)) {
        platform.messageBox("Le nouveau mot de passe n'a pas pu être enregistré.", vbExclamation, kTitle);
        return;
    }
    platform.messageBox("Le nouveau mot de passe a bien été enregistré.", vbInformation, kTitle);
    // The next teacher menu asks for the new password.
    app().g.MotDePasseValide = false;
    Unload();
}

void FrmPassWord::Command1_Click() {
    Unload();
}

} // namespace ondivel
