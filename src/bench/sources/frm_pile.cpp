#include "bench/sources/frm_pile.h"

#include <string>

#include "bench/toolbox/frm_toolbox.h"

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

FrmPile::FrmPile(Ondivel& app, int side) : SidePanel(app, side, "frmPile", "Pile", kHelpTopic, -1, -1) {
    Caption = side == SideB ? "Pile - voie CH2" : "Pile - Voie CH1";
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

void FrmPile::Form_Load() {
    Width = 4550;
    Height = 3000;
    loadPosition("3000");
    sourceBranchee() = true;
    nominal_ = 0;
    wiredOption_ = -1;
}

void FrmPile::Form_Activate() {
    const FrmToolBox& toolbox = app().frmToolBox();
    const Battery* chosen = nullptr;
    for (const Battery& b : kBatteries)
        if (toolbox.optConnexion[side() == SideB ? b.optionB : b.optionA].isOn()) chosen = &b;
    // Shown without a battery wired (never from the toolbox): keeps what it had.
    if (!chosen) return;
    wiredOption_ = side() == SideB ? chosen->optionB : chosen->optionA;
    nominal_ = chosen->volts;
    imgPile.Picture = chosen->picture;
    imgPile.Height = chosen->heightTwips;
    // Coming back to the panel keeps the polarity its switch shows.
    amplitude() = optPolarite[1].isOn() ? -nominal_ : nominal_;
    frequence() = 0;
    imgPile.Top = (Height - 510 - imgPile.Height) / 2;
    app().RefreshDisplay();
}

void FrmPile::optPolarite_Click(int) {
    amplitude() = -amplitude();
    app().RefreshDisplay();
}

} // namespace ondivel
