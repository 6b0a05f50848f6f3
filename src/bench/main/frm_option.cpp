#include "bench/main/frm_option.h"

#include "bench/main/preferences.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/renderer.h"
#include "core/platform.h"

namespace ondivel {

namespace {

constexpr int kHelpTopic = 4200;

} // namespace

FrmOption::FrmOption(Ondivel& app) : BenchForm(app, "frmOption") {
    Caption = "Options pour Ondivel";
    HelpTopic = kHelpTopic;
    KeyPreview = true;
    defaultButton = &cmdOK;
    cancelButton = &cmdCancel;
    for (const char* tab : {"Interface", "Oscillogrammes", "Impression"})
        sstOptions.addItem(tab);
    sstOptions.ListIndex = 0;

    chkLoadTipsAtStartup.Caption = "&Afficher les astuces au démarrage";
    chkToolTip.Caption = "Afficher les info-bulles";
    chkToolTip.ToolTipText = "Info-bulle : phrase qui décrit la fonction d'un bouton";
    chkReglage.Caption = "Afficher le menu \"Options > Sensibilités automatiques\"";
    chkDisposer.Caption = "Disposer les fenêtres à chaque ouverture";
    chkMultimetre.Caption = "Choisir le multimètre du collège";
    chkCopySensibility.Caption = "Afficher les sensibilités verticale et horizontale sur l'écran";
    chkACBloqueDC.Caption = "Le couplage AC bloque aussi les tensions continues";
    chkACBloqueDC.ToolTipText = "Comme sur un oscilloscope réel : en couplage AC, une pile, une alimentation "
                                "ou le décalage continu d'un générateur s'affichent à 0 V.";
    lblColor_Fond.Caption = "Couleur de fond de l'interface :";
    picColor_Fond.BackColor = kWhite;
    cmdColor_Fond.Caption = "Changer la couleur";

    fraColor.Caption = "Couleurs sur l'écran : ";
    const char* colourCaptions[] = {"Spot voie CH1", "Spot voie CH2", "Grille écran", "Fond de l'écran",
                                    "Bords de l'écran"};
    for (int i = 0; i < optColor.size(); ++i) {
        optColor[i].Caption = colourCaptions[i];
        shpColor[i].FillColor = kScreenColours[static_cast<std::size_t>(i)].byDefault;
    }
    optColor[0].Value = 1;
    cmdChange.Caption = "Chan&ger la couleur";
    cmdDefault.Caption = "&Couleurs par défaut";
    cmdPrint.Caption = "Couleurs pour l'&impression";
    cmdProjection.Caption = "Couleurs pour la p&rojection";

    for (int trace = 0; trace < 2; ++trace) {
        fraVoie[trace].Caption = trace == 0 ? "Voie A" : "Voie B";
        lblStyle[trace].Caption = "&Style : ";
        for (const char* style : {"ligne pleine", "tiret", "point", "tiret-point", "tiret-point-point"})
            cbxStyle[trace].addItem(style);
        fraMarque[trace].Caption = "Marque";
        markerOptions(trace)[0].Caption = "Aucune";
        markerOptions(trace)[1].Caption = "Personnalisée";
        lblMarque[trace].Caption = "&Motif : ";
        for (const char* glyph : {"u", "l", "o", "t", "n"})
            cbxMarque[trace].addItem(glyph);
        lblWidth[trace].Caption = "&Taille : ";
        for (const char* size : {"8", "10", "12", "14", "16"})
            cbxWidth[trace].addItem(size);
        optMarqueA[trace].on.Click = [this, trace] { optMarqueA_Click(trace); };
        optMarqueB[trace].on.Click = [this, trace] { optMarqueB_Click(trace); };
    }

    cmdOK.Caption = "OK";
    cmdAppliq.Caption = "A&ppliquer";
    cmdCancel.Caption = "Annuler";

    cmdColor_Fond.on.Click = [this] { cmdColor_Fond_Click(); };
    picColor_Fond.on.DblClick = [this] { picColor_Fond_DblClick(); };
    cmdChange.on.Click = [this] { cmdChange_Click(); };
    cmdDefault.on.Click = [this] { cmdDefault_Click(); };
    cmdPrint.on.Click = [this] { cmdPrint_Click(); };
    cmdProjection.on.Click = [this] { cmdProjection_Click(); };
    cmdOK.on.Click = [this] { cmdOK_Click(); };
    cmdAppliq.on.Click = [this] { cmdAppliq_Click(); };
    cmdCancel.on.Click = [this] { cmdCancel_Click(); };
}

void FrmOption::Form_Load() {
    picColor_Fond.ToolTipText = "Double-cliquer pour retrouver la couleur par défaut.";
    LoadPreferences(app());
}

void FrmOption::optMarqueA_Click(int) {
    applyMarkerChoice(0);
}
void FrmOption::optMarqueB_Click(int) {
    applyMarkerChoice(1);
}

void FrmOption::applyMarkerChoice(int trace) {
    const bool marker = markerOptions(trace)[1].isOn();
    cbxMarque[trace].Enabled = marker;
    cbxWidth[trace].Enabled = marker;
    lblMarque[trace].Enabled = marker;
    lblWidth[trace].Enabled = marker;
}

int FrmOption::selectedColour() const {
    for (int i = 0; i < optColor.size(); ++i)
        if (optColor[i].isOn()) return i;
    return 0;
}

void FrmOption::cmdColor_Fond_Click() {
    if (const auto chosen = app().platform().colorDialog(picColor_Fond.BackColor))
        picColor_Fond.BackColor = *chosen;
}

void FrmOption::picColor_Fond_DblClick() {
    picColor_Fond.BackColor = kWhite;
}

void FrmOption::cmdChange_Click() {
    const int i = selectedColour();
    const auto chosen = app().platform().colorDialog(shpColor[i].FillColor);
    if (!chosen) return;
    shpColor[i].FillColor = *chosen;
    ColourGlobal(app().g, i) = *chosen;
    SetColourComponents(app().g, i, *chosen);
    coloursPending_ = true;
}

void FrmOption::setSamples(ColourPreset preset) {
    for (int i = 0; i < shpColor.size(); ++i) {
        shpColor[i].FillColor = PresetColour(kScreenColours[static_cast<std::size_t>(i)], preset);
        SetColourComponents(app().g, i, shpColor[i].FillColor);
    }
    coloursPending_ = true;
}

void FrmOption::cmdDefault_Click() {
    setSamples(ColourPreset::Default);
}

void FrmOption::cmdPrint_Click() {
    setSamples(ColourPreset::Printing);
}

void FrmOption::cmdProjection_Click() {
    setSamples(ColourPreset::Projection);
}

void FrmOption::apply() {
    SavePreferences(app());
    coloursPending_ = false;
    if (app().frmOndivel().loaded()) app().renderer().DrawGrid(app().frmOndivel());
    app().RefreshDisplay();
}

void FrmOption::cmdAppliq_Click() {
    apply();
}

void FrmOption::cmdOK_Click() {
    apply();
    Unload();
}

void FrmOption::cmdCancel_Click() {
    Unload();
}

void FrmOption::Form_Unload(int&) {
    if (!coloursPending_) return;
    coloursPending_ = false;
    RestoreSavedColours(app());
}

void FrmOption::Form_KeyDown(int keyCode, int) {
    if (keyCode == kKeyF1) app().ShowHelpTopic(kHelpTopic);
}

} // namespace ondivel
