#include "bench/main/frm_tip.h"

#include <algorithm>

#include "bench/main/tips.h"
#include "bench/ondivel.h"
#include "core/help_topics.h"
#include "core/platform.h"

namespace ondivel {

namespace {
constexpr const char* kTipsKey = "Show Tips at Startup";
} // namespace

FrmTip::FrmTip(Ondivel& app) : BenchForm(app, "frmTip") {
    Caption = "Astuce du jour";
    lblTitle.Caption = "Le saviez-vous ?";
    chkLoadTipsAtStartup.Caption = "&Afficher les astuces au démarrage";
    cmdNextTip.Caption = "Astuce &suivante";
    cmdOK.Caption = "OK";
    defaultButton = &cmdOK;
    cancelButton = &cmdOK;
    KeyPreview = true;
    Width = 6000, Height = 3300;

    cmdNextTip.on.Click = [this] { cmdNextTip_Click(); };
    cmdOK.on.Click = [this] { cmdOK_Click(); };
    registerMember("CurrentTip", VarRef(&CurrentTip));
}

void FrmTip::resetMembers() {
    CurrentTip = -1;
    tips_.clear();
}

void FrmTip::Form_Load() {
    tips_ = LoadTips(app());
    // Only "0" turns the window off, as at start-up.
    chkLoadTipsAtStartup.Value = app().ReadIni("Options", kTipsKey, "1") == "0" ? kUnchecked : kChecked;
    cmdNextTip.Enabled = tips_.size() > 1;
    if (tips_.empty()) {
        lblTipText.Caption = "Aucune astuce n'est disponible.";
        return;
    }
    const int count = tipCount();
    showTip(std::clamp(static_cast<int>(app().platform().random() * count), 0, count - 1));
}

void FrmTip::showTip(int index) {
    CurrentTip = index;
    lblTipText.Caption = tips_.at(static_cast<std::size_t>(index));
}

void FrmTip::cmdNextTip_Click() {
    if (tips_.empty()) return;
    showTip((CurrentTip + 1) % tipCount());
}

void FrmTip::cmdOK_Click() {
    Unload();
}

void FrmTip::Form_Unload(int&) {
    app().WriteIni("Options", kTipsKey, chkLoadTipsAtStartup.Value == kChecked ? "1" : "0");
}

void FrmTip::Form_KeyDown(int keyCode, int) {
    if (keyCode == kKeyF1) app().ShowHelpTopic(kHelpContentsTopic);
}

void ShowTipOfTheDay(Ondivel& app) {
    if (LoadTips(app).empty()) return;
    app.frmTip().ShowModal();
}

} // namespace ondivel
