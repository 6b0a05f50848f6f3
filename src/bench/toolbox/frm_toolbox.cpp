#include "bench/toolbox/frm_toolbox.h"

#include "bench/meters/frm_chrono.h"
#include "bench/meters/frm_multi_rms.h"
#include "bench/meters/frm_volt.h"
#include "bench/meters/measurement.h"

#include <filesystem>

#include "bench/main/mdi_ondivel.h"
#include "bench/ondivel.h"
#include "bench/sources/frm_alim.h"
#include "bench/sources/frm_dyn.h"
#include "bench/sources/frm_edf.h"
#include "bench/sources/frm_gbf.h"
#include "bench/sources/frm_harmonique.h"
#include "bench/sources/frm_pile.h"
#include "core/platform.h"

namespace ondivel {

namespace {

constexpr int kHelpTopic = 3400;

// Layout in twips: a narrow strip beside the oscilloscope, one frame of nine buttons per
// channel, then the three instrument boxes.
constexpr double kStripWidth = 720;
constexpr double kButton = 480;
constexpr double kFrameCaption = 240;
constexpr double kFrameHeight = kFrameCaption + 9 * kButton;

struct Choice {
    const char* caption;
    FrmToolBox::Source source;
    const char* keyword;
};

using S = FrmToolBox::Source;
// Indexed by optConnexion's index: CH1 reads its table downwards from 0, CH2 upwards from 11,
// and the last three kinds alternate CH1, CH2.
constexpr Choice kChoices[18] = {
    {"Aucune alimentation", S::None, "Cc"},
    {"GBF", S::Gbf, "Sinus"},
    {"Alimentation stabilisée", S::Supply, "Cc"},
    {"Pile 1,5 V", S::Battery, "Cc"},
    {"Pile 4,5 V", S::Battery, "Cc"},
    {"Pile 9 V", S::Battery, "Cc"},
    {"Pile 9 V", S::Battery, "Cc"},
    {"Pile 4,5 V", S::Battery, "Cc"},
    {"Pile 1,5 V", S::Battery, "Cc"},
    {"Alimentation stabilisée", S::Supply, "Cc"},
    {"GBF", S::Gbf, "Sinus"},
    {"Aucune alimentation", S::None, "Cc"},
    {"Prise secteur", S::Mains, "Sinus"},
    {"Prise secteur", S::Mains, "Sinus"},
    {"Alternateur bicyclette", S::Alternator, "Dyn"},
    {"Alternateur bicyclette", S::Alternator, "Dyn"},
    {"Générateur harmoniques", S::Harmonic, "harmo"},
    {"Générateur harmoniques", S::Harmonic, "harmo"},
};

// Display order of each channel's buttons inside its frame.
constexpr int kOrderA[9] = {0, 1, 2, 3, 4, 5, 12, 14, 16};
constexpr int kOrderB[9] = {11, 10, 9, 8, 7, 6, 13, 15, 17};

} // namespace

FrmToolBox::FrmToolBox(Ondivel& app) : BenchForm(app, "frmToolBox") {
    Caption = "Boîte à outils";
    HelpTopic = kHelpTopic;
    Width = kStripWidth;
    Height = 2 * kFrameHeight + 3 * kButton + 600;

    for (int side = 0; side < 2; ++side) {
        Control& frame = fraAlim[side];
        frame.Caption = side == SideA ? "CH1" : "CH2";
        frame.Left = 0;
        frame.Top = side * kFrameHeight;
        frame.Width = kStripWidth;
        frame.Height = kFrameHeight;
        const int* order = side == SideA ? kOrderA : kOrderB;
        for (int row = 0; row < 9; ++row) {
            Control& b = optConnexion[order[row]];
            b.Left = (kStripWidth - kButton) / 2;
            b.Top = frame.Top + kFrameCaption + row * kButton;
            b.Width = b.Height = kButton;
            b.Picture = 10 + row; // one picture per kind of source, alike on both channels
        }
    }
    for (int i = 0; i < 18; ++i) {
        Control& b = optConnexion[i];
        b.setGroup(isSideA(i) ? "A" : "B");
        b.ToolTipText = kChoices[i].caption;
        b.on.Click = [this, i] { optConnexion_Click(i); };
    }

    chkMulti.Picture = 4;
    chkMulti.ToolTipText = "Multimètre";
    chkClock.Caption = "Chronomètre";
    chkClock.ToolTipText = "Chronomètre";
    chkCalc.Caption = "Calculatrice Windows";
    chkCalc.ToolTipText = "Calculatrice Windows";
    int row = 0;
    for (Control* c : {&chkMulti, &chkClock, &chkCalc}) {
        c->Left = (kStripWidth - kButton) / 2;
        c->Top = 2 * kFrameHeight + 120 + row++ * kButton;
        c->Width = c->Height = kButton;
    }
    // The calculator box is enabled where the desktop has a calculator.
    chkCalc.Enabled = app.platform().calculatorAvailable();
    chkMulti.on.Click = [this] { chkMulti_Click(); };
    chkClock.on.Click = [this] { chkClock_Click(); };
    chkCalc.on.Click = [this] { chkCalc_Click(); };
}

bool FrmToolBox::isSideA(int index) {
    return (index >= 0 && index <= 5) || index == 12 || index == 14 || index == 16;
}

FrmToolBox::Source FrmToolBox::sourceOf(int index) {
    return kChoices[index].source;
}

const char* FrmToolBox::keywordOf(int index) {
    return kChoices[index].keyword;
}

void FrmToolBox::Form_Load() {
    KeyPreview = true;
    Left = 0;
    Top = 0;
    chkCalc.Enabled = app().platform().calculatorAvailable();
    PaintFrameColours();
}

void FrmToolBox::PaintFrameColours() {
    fraAlim[0].BackColor = app().g.CouleurA;
    fraAlim[1].BackColor = app().g.CouleurB;
}

void FrmToolBox::Form_KeyDown(int keyCode, int) {
    if (keyCode == kKeyF1) app().ShowHelpTopic(kHelpTopic);
}

void FrmToolBox::optConnexion_Click(int index) {
    ChangerConnexion(index);
    const int side = isSideA(index) ? SideA : SideB;
    Globals& g = app().g;
    (side == SideA ? g.SignalA : g.SignalB) = keywordOf(index);
    const Source source = sourceOf(index);
    if (source == Source::None) {
        (side == SideA ? g.AmplitudeA : g.AmplitudeB) = 0;
        (side == SideA ? g.FrequenceA : g.FrequenceB) = 0;
        MesurerSelonOption(app());
    } else {
        app().platform().processEvents();
        showSourcePanel(source, side);
    }
    if (app().mdi().ModeLibre) app().RefreshDisplay();
}

void FrmToolBox::ChangerConnexion(int index) {
    const int side = isSideA(index) ? SideA : SideB;
    (side == SideA ? app().g.SourceBrancheeA : app().g.SourceBrancheeB) = false;
    closeSourcePanels(side);
}

Form* FrmToolBox::panelOf(Source source, int side) const {
    Ondivel& a = app();
    switch (source) {
    case Source::Gbf:
        return &a.frmGBF(side);
    case Source::Supply:
        return &a.frmAlim(side);
    case Source::Battery:
        return &a.frmPile(side);
    case Source::Mains:
        return &a.frmEDF(side);
    case Source::Alternator:
        return &a.frmDyn(side);
    case Source::Harmonic:
        return &a.frmHarmonique(side);
    case Source::None:
        break;
    }
    return nullptr;
}

void FrmToolBox::closeSourcePanels(int side) {
    for (Source source :
         {Source::Gbf, Source::Supply, Source::Battery, Source::Mains, Source::Alternator, Source::Harmonic})
        if (Form* panel = panelOf(source, side)) panel->Unload();
}

void FrmToolBox::showSourcePanel(Source source, int side) {
    if (Form* panel = panelOf(source, side)) panel->Show();
}

void FrmToolBox::chkMulti_Click() {
    const bool on = chkMulti.Value == kChecked;
    app().mdi().Mnu_Volt.Checked = on;
    if (on)
        ShowMeterPanel(app().ReadIni("Options", "Multimetre college", "0") != "0");
    else
        CloseMeterPanel();
}

void FrmToolBox::chkClock_Click() {
    const bool on = chkClock.Value == kChecked;
    if (on)
        ShowChronoPanel();
    else
        CloseChronoPanel();
    app().mdi().Mnu_Chrono.Checked = on;
}

void FrmToolBox::chkCalc_Click() {
    const bool on = chkCalc.Value == kChecked;
    app().mdi().Mnu_Calc.Checked = on;
    Platform& platform = app().platform();
    if (!on) {
        platform.closeWindow("Calculatrice");
        return;
    }
    if (!platform.launch("Calc.exe"))
        platform.messageBox("Erreur sur chemin d'accés", vbExclamation, "Ondivel - Erreur");
}

void FrmToolBox::ShowMeterPanel(bool schoolVoltmeter) {
    if (schoolVoltmeter)
        app().frmVolt().Show();
    else
        app().frmMulti_RMS().Show();
}
void FrmToolBox::CloseMeterPanel() {
    app().frmVolt().Unload();
    app().frmMulti_RMS().Unload();
}
void FrmToolBox::ShowChronoPanel() {
    app().frmChrono().Show();
}
void FrmToolBox::CloseChronoPanel() {
    app().frmChrono().Unload();
}

} // namespace ondivel
