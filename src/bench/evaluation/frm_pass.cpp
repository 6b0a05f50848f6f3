#include "bench/evaluation/frm_pass.h"

#include "bench/evaluation/dialog_kit.h"
#include "bench/main/program_info.h"
#include "bench/ondivel.h"
#include "core/platform.h"
#include "files/password_hash.h"

namespace ondivel {

namespace {

constexpr double kTallHeight = 2955;  // with the hint about the empty password
constexpr double kShortHeight = 2310; // the hint hidden

std::string perUserPassword(Ondivel& app) {
    return app.platform().userSetting(kPasswordSection, kPasswordKey, "");
}

} // namespace

bool TeacherPasswordFixedByAdministrator(Ondivel& app) {
    return app.platform().systemPasswordHash().has_value();
}

bool TeacherPasswordIsSet(Ondivel& app) {
    return TeacherPasswordFixedByAdministrator(app) || !perUserPassword(app).empty();
}

bool TeacherPasswordMatches(Ondivel& app, const std::string& typed) {
    // The administrator's file wins: deleting the per-user value then unlocks nothing.
    if (const auto fixed = app.platform().systemPasswordHash()) return VerifyPassword(*fixed, typed);
    const std::string stored = perUserPassword(app);
    if (IsPasswordHash(stored)) return VerifyPassword(stored, typed);
    if (typed != stored) return false;
    // An older version kept it in clear: hash it now that it has been typed.
    if (!stored.empty()) StoreTeacherPassword(app, stored);
    return true;
}

bool StoreTeacherPassword(Ondivel& app, const std::string& clear) {
    std::string value;
    if (!clear.empty()) {
        value = HashPassword(clear);
        if (value.empty()) return false;
    }
    app.platform().setUserSetting(kPasswordSection, kPasswordKey, value);
    return true;
}

FrmPass::FrmPass(Ondivel& app) : BenchForm(app, "frmPass") {
    Caption = "Ondivel - Mot de passe";
    lblPassWord.Caption = "Saisir le mot de passe :";
    txtPassWord.PasswordChar = "*";
    cmdOK.Caption = "Valider";
    cmdQuit.Caption = "Annuler";
    lblInfo.Caption =
        "Info : par défaut, le mot de passe est vide (pas de mot de passe). Il suffit donc de "
        "cliquer sur le bouton Valider pour accéder. Pour modifier le mot de passe, aller dans le "
        "menu Aide > \"Changer le mot de passe\".";
    defaultButton = &cmdOK;
    cancelButton = &cmdQuit;

    Width = 4800, Height = kTallHeight;
    dialog::place(lblPassWord, 120, 120, 4440, 255);
    dialog::place(txtPassWord, 120, 420, 4440, 315);
    dialog::place(cmdOK, 1980, 900, 1215, 375);
    dialog::place(cmdQuit, 3345, 900, 1215, 375);
    // Below the buttons, so that the short window simply leaves it out.
    dialog::place(lblInfo, 120, 1440, 4440, 960);

    cmdOK.on.Click = [this] { cmdOK_Click(); };
    cmdQuit.on.Click = [this] { cmdQuit_Click(); };
}

void FrmPass::Form_Load() {
    const bool noPassword = !TeacherPasswordIsSet(app());
    Height = noPassword ? kTallHeight : kShortHeight;
    lblInfo.Visible = noPassword;
    txtPassWord.SetFocus();
}

void FrmPass::cmdOK_Click() {
    if (TeacherPasswordMatches(app(), txtPassWord.Text)) {
        app().g.MotDePasseValide = true;
        Unload();
        return;
    }
    app().platform().messageBox("Le mot de passe saisi est faux.\r\nVeuillez le ressaisir.", vbInformation,
                                "Ondivel - Mot de passe");
    txtPassWord.Text.clear();
    txtPassWord.SetFocus();
}

void FrmPass::cmdQuit_Click() {
    Unload();
}

void AskTeacherPassword(Ondivel& app) {
    FrmPass& window = app.frmPass();
    window.ShowModal();
    // Whatever ended the dialog, the next gate starts from an empty box.
    if (window.loaded()) window.Unload();
}

} // namespace ondivel
