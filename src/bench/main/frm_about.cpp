#include "bench/main/frm_about.h"

#include "bench/main/program_info.h"
#include "bench/ondivel.h"
#include "core/platform.h"
#include "files/web_addresses.h"

namespace ondivel {

FrmAbout::FrmAbout(Ondivel& app) : BenchForm(app, "frmAbout") {
    Caption = "A propos de Ondivel";
    lblTitle.Caption = kProgramName;
    lblDescription.Caption =
        "Simulateur d'oscilloscope bicourbe et de son banc de mesure : générateurs, piles, "
        "alimentations, alternateur, secteur, multimètres et chronomètre, avec des exercices "
        "évalués pour la classe de physique.";
    cmdOK.Caption = "OK";
    cmdSysInfo.Caption = "&Infos système...";
    defaultButton = &cmdOK;
    cancelButton = &cmdOK;
    Width = 5800, Height = 3400;

    cmdOK.on.Click = [this] { cmdOK_Click(); };
    cmdSysInfo.on.Click = [this] { cmdSysInfo_Click(); };
}

void FrmAbout::Form_Load() {
    lblVersion.Caption =
        "Version " + std::to_string(Ondivel::versionMajor()) + "." + std::to_string(Ondivel::versionMinor());
    lblWeb.Caption = WebSiteAddress(app().programFolder());
}

void FrmAbout::cmdOK_Click() {
    Unload();
}

void FrmAbout::cmdSysInfo_Click() {
    if (!app().platform().showSystemInformation())
        app().platform().messageBox("Les informations système ne sont pas disponibles actuellement.",
                                    vbOKOnly, kProgramName);
}

} // namespace ondivel
