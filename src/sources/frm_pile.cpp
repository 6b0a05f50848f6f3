#include "sources/frm_pile.h"

#include <string>

#include "core/format.h"
#include "meters/frm_toolbox.h"
#include "scope/frm_ondivel.h"

namespace ondivel {

namespace {

constexpr int kHelpTopic = 3100;

struct Battery {
    int optionA, optionB; // toolbox options of CH1 and CH2
    int picture;
    double volts;
    double heightTwips; // height of the picture
};

constexpr Battery kBatteries[3] = {
    {3, 8, kPictureBattery15, 1.5, 960},
    {4, 7, kPictureBattery45, 4.5, 1800},
    {5, 6, kPictureBattery9, 9, 1560},
};

} // namespace

FrmPile::FrmPile(Ondivel& app, int side) : Form(app, side == SideB ? "frmPileB" : "frmPileA"), side_(side) {
    Caption = side == SideB ? "Pile - voie CH2" : "Pile - Voie CH1";
    HelpTopic = kHelpTopic;
    Width = 4550;
    Height = 3000;
    const std::string channel = side == SideB ? "CH2" : "CH1";
    optPolarite[0].Caption = "Borne positive sur voie " + channel;
    optPolarite[1].Caption = "Borne négative sur voie " + channel;
    optPolarite[0].Value = 1;

    imgPile.Left = 240;
    imgPile.Width = 2160;
    imgPile.Height = kBatteries[1].heightTwips;
    imgPile.Picture = kPictureBattery45;
    for (int i = 0; i < 2; ++i) {
        optPolarite[i].Left = 2640;
        optPolarite[i].Width = 1740;
        optPolarite[i].Height = 600;
        optPolarite[i].Top = 600 + 840 * i;
        optPolarite[i].on.Click = [this, i] { optPolarite_Click(i); };
    }
}

double& FrmPile::amplitude() const {
    return side_ == SideB ? app().g.AmplitudeB : app().g.AmplitudeA;
}

void FrmPile::Form_Load() {
    KeyPreview = true;
    Width = 4550;
    Height = 3000;
    const Form& scope = app().frmOndivel();
    const std::string name = shortName();
    Left = Val(app().ReadIni("Interface", "PosX " + name, NumberText(scope.Left + scope.Width)));
    Top = Val(app().ReadIni("Interface", "PosY " + name, side_ == SideB ? "3000" : "0"));
    (side_ == SideB ? app().g.SourceBrancheeB : app().g.SourceBrancheeA) = true;
    nominal_ = 0;
    wiredOption_ = -1;
}

void FrmPile::Form_Activate() {
    const FrmToolBox& toolbox = app().frmToolBox();
    const Battery* chosen = nullptr;
    for (const Battery& b : kBatteries)
        if (toolbox.optConnexion[side_ == SideB ? b.optionB : b.optionA].isOn()) chosen = &b;
    // Shown without a battery wired (never from the toolbox): keeps what it had.
    if (!chosen) return;
    wiredOption_ = side_ == SideB ? chosen->optionB : chosen->optionA;
    nominal_ = chosen->volts;
    imgPile.Picture = chosen->picture;
    imgPile.Height = chosen->heightTwips;
    // Coming back to the panel keeps the polarity its switch shows.
    amplitude() = optPolarite[1].isOn() ? -nominal_ : nominal_;
    (side_ == SideB ? app().g.FrequenceB : app().g.FrequenceA) = 0;
    imgPile.Top = (Height - 510 - imgPile.Height) / 2;
    app().RefreshDisplay();
}

void FrmPile::Form_KeyDown(int keyCode, int) {
    if (keyCode == kKeyF1) app().ShowHelpTopic(kHelpTopic);
}

void FrmPile::Form_Unload(int&) {
    const std::string name = shortName();
    app().WriteIni("Interface", "PosX " + name, NumberText(Left));
    app().WriteIni("Interface", "PosY " + name, NumberText(Top));
    // Closed by the user, the battery hands its channel back. Closed by the toolbox for another
    // battery, the toolbox already shows the new choice and must keep it.
    FrmToolBox& toolbox = app().frmToolBox();
    if (wiredOption_ >= 0 && toolbox.optConnexion[wiredOption_].isOn())
        toolbox.optConnexion[side_ == SideB ? FrmToolBox::kNoneB : FrmToolBox::kNoneA].setValue(1);
}

void FrmPile::optPolarite_Click(int) {
    amplitude() = -amplitude();
    app().RefreshDisplay();
}

} // namespace ondivel
