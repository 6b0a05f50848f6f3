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
    // The licence the package states (LicenseRef-proprietary).
    lblLicence.Caption = "Licence : propriétaire";
    cmdOK.Caption = "OK";
    cmdWeb.Caption = "Site &web...";
    cmdSysInfo.Caption = "&Infos système...";
    defaultButton = &cmdOK;
    cancelButton = &cmdOK;
    Width = 5800, Height = 3400;

    cmdOK.on.Click = [this] { cmdOK_Click(); };
    cmdWeb.on.Click = [this] { cmdWeb_Click(); };
    cmdSysInfo.on.Click = [this] { cmdSysInfo_Click(); };
}

void FrmAbout::Form_Load() {
    lblVersion.Caption =
        "Version " + std::to_string(Ondivel::versionMajor()) + "." + std::to_string(Ondivel::versionMinor());
    // A build's placeholder address is not shown, nor offered to open.
    const std::string site = WebSiteAddress(app().programFolder());
    const bool real = IsRealWebAddress(site);
    lblWeb.Caption = real ? site : "";
    lblWeb.Visible = real;
    cmdWeb.Visible = real;
}

void FrmAbout::cmdWeb_Click() {
    app().platform().launch(WebSiteAddress(app().programFolder()));
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
