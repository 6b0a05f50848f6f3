#include "bench/scope/frm_ondivel.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "bench/main/mdi_ondivel.h"
#include "bench/main/preferences.h"
#include "bench/main/screen_colours.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_full_screen.h"
#include "bench/scope/pointer_readout.h"
#include "bench/scope/renderer.h"
#include "bench/scope/scales.h"
#include "bench/scope/sweep.h"
#include "bench/scope/xy_display.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/format.h"
#include "core/platform.h"
#include "physics/cursor_readout.h"

namespace ondivel {

namespace {
constexpr int kLampOffIcon = 5;
constexpr int kLampOnIcon = 6;
constexpr int kDefaultPointer = 0;
constexpr int kKnobCursor = 99;
constexpr int kHelpTopic = 3300;
constexpr int kGroundPlug = 2;
constexpr double kXYStep = 2000;
constexpr double kXYRestart = 1e99;

// Full scale and start value of each knob, in index order.
constexpr double kKnobMax[kScopeKnobCount] = {20, 5, 1800, 1400, 1400, 17, 13, 13};
constexpr double kKnobStart[kScopeKnobCount] = {12, 5, 900, 700, 700, 8, 5, 5};

// A value saved in the settings file, which anyone may edit: held to the knob's own travel, so
// that "1e300" is the knob turned fully clockwise rather than a trace width no integer holds.
double savedKnobValue(const std::string& text, int knob) {
    const double v = Val(text);
    if (std::isnan(v)) return kKnobStart[knob];
    return std::clamp(v, 0.0, kKnobMax[knob]);
}

const char* const kModeNames[6] = {"CH1", "CH2", "DUAL", "ADD", "XY", "-CH2"};

// A hand-edited file may hold any number ("1e300", "nan"): out of int's range is just "not a mode".
int settingNumber(const Ondivel& app, const char* key, const char* def) {
    const double value = Val(app.ReadIni("Interface", key, def));
    return value >= -1000 && value <= 1000 ? static_cast<int>(value) : -1;
}
} // namespace

FrmOndivel::FrmOndivel(Ondivel& app) : BenchForm(app, "frmOndivel") {
    screen_ = app.platform().createSurface(1000, 800);
    grid_ = app.platform().createSurface(1000, 800);
    print_ = app.platform().createSurface(1000, 800);
    picEcran.setSurface(screen_.get());
    picGrille.setSurface(grid_.get());
    picEcranPrint.setSurface(print_.get());
    registerMember("PhaseXY", VarRef(&PhaseXY));
    setDesignValues();
    bindHandlers();
}

FrmOndivel::~FrmOndivel() = default;

void FrmOndivel::setDesignValues() {
    Caption = "Oscilloscope bicourbe";
    Width = 10500; // twips
    Height = 7800;
    KeyPreview = true;
    HelpTopic = kHelpTopic;

    fraPower.Caption = "POWER ";
    chkOn.Caption = "On";
    chkOn.Value = kUnchecked;
    chkOn.ToolTipText = "Bouton Marche/Arrêt";
    imgOn.Picture = kLampOffIcon;
    imgOn.ToolTipText = "Oscilloscope éteint";

    cmdVoie[0].ToolTipText = "Mode précédent";
    cmdVoie[1].ToolTipText = "Mode suivant";
    cmdVoie[2].ToolTipText = "Inverser la voie CH2";
    for (int i = 0; i < 6; ++i) {
        lblVoie[i].Caption = kModeNames[i];
        shpVoie[i].FillColor = kLampOff;
        shpACDC[i].FillColor = kLampOff;
    }
    for (int c = 0; c < 2; ++c) {
        lblACDC[c].Caption = "AC    DC   GND";
        cmdACDC[c].ToolTipText = c == 0 ? "Couplage de la voie CH1" : "Couplage de la voie CH2";
    }

    for (int i = 0; i < kScopeKnobCount; ++i) {
        Potentio[i].Min = 0;
        Potentio[i].Max = kKnobMax[i];
        Potentio[i].Value = kKnobStart[i];
    }
    for (const auto& entry : kTimeBases)
        cboBaseTemps.addItem(entry.label);
    for (const auto& entry : kSensitivities) {
        cboSensibiliteVerticaleA.addItem(entry.label);
        cboSensibiliteVerticaleB.addItem(entry.label);
    }

    chkFFT.Caption = "FFT";
    chkFFT.ToolTipText = "Spectre du signal";
    chkAuto.Caption = "Auto";

    // The read-out sits inside the screen: its size is in screen units.
    lblPositionCurseur.Visible = false;
    lblPositionCurseur.Width = 100;
    lblPositionCurseur.Height = 30;
    lblPositionVolts.Visible = false;
    picGrille.Visible = false;
    picEcranPrint.Visible = false;

    for (int i = 0; i < 3; ++i)
        imgFiche[i].Visible = false;
    for (Control* timer : {&tmrSpot, &tmrXY, &tmrSeuil})
        timer->Interval = 0;
    cmdPauseSpot.Caption = "Pause";
    cmdPauseSpot.ToolTipText = "Suspendre ou reprendre le balayage du spot";

    lblindic[0].Caption = "Intensité";
    lblindic[1].Caption = "Focus";
    lblHorizontal[0].Caption = " HORIZONTAL";
    lblHorizontal[1].Caption = " T / DIV";
    lblVertical[0].Caption = " VERTICAL ";
    lblVertical[1].Caption = "VOLT / DIV";
    for (int i = 0; i < 3; ++i)
        lblPosition[i].Caption = "POSITION";
    lblYA[0].Caption = "CH1";
    lblYA[1].Caption = "(X)";
    lblYB[0].Caption = "CH2";
    lblYB[1].Caption = "(Y)";
}

void FrmOndivel::bindHandlers() {
    chkOn.on.Click = [this] { chkOn_Click(); };
    chkOn.on.MouseMove = [this](int, int, double, double) { MousePointer = kKnobCursor; };
    imgPicto.on.MouseMove = [this](int, int, double, double) { MousePointer = kDefaultPointer; };
    for (int i = 0; i < 3; ++i)
        cmdVoie[i].on.Click = [this, i] { cmdVoie_Click(i); };
    for (int i = 0; i < 2; ++i)
        cmdACDC[i].on.Click = [this, i] { cmdACDC_Click(i); };
    chkFFT.on.Click = [this] { chkFFT_Click(); };
    chkAuto.on.Click = [this] { chkAuto_Click(); };
    cboBaseTemps.on.Click = [this] { cboBaseTemps_Click(); };
    cboSensibiliteVerticaleA.on.Click = [this] { cboSensibiliteVerticaleA_Click(); };
    cboSensibiliteVerticaleB.on.Click = [this] { cboSensibiliteVerticaleB_Click(); };
    for (int i = 0; i < kScopeKnobCount; ++i) {
        Potentio[i].on.MouseDown = [this, i](int b, int s, double x, double y) {
            Potentio_MouseDown(i, b, s, x, y);
        };
        Potentio[i].on.MouseMove = [this, i](int b, int s, double x, double y) {
            Potentio_MouseMove(i, b, s, x, y);
        };
        Potentio[i].on.DblClick = [this, i] { Potentio_DblClick(i); };
    }
    for (int i = 0; i < 3; ++i) {
        imgBorne[i].on.Click = [this, i] { imgBorne_Click(i); };
        imgBorne[i].on.MouseMove = [this](int, int, double, double) { MousePointer = kKnobCursor; };
        imgFiche[i].on.Click = [this, i] { imgFiche_Click(i); };
    }
    picEcran.on.MouseMove = [this](int b, int s, double x, double y) { picEcran_MouseMove(b, s, x, y); };
    picEcran.on.DblClick = [this] { picEcran_DblClick(); };
    picEcran.on.MouseLeave = [this] { picEcran_MouseLeave(); };
    lblPositionCurseur.on.MouseMove = [this](int b, int s, double x, double y) {
        lblPositionCurseur_MouseMove(b, s, x, y);
    };
    tmrSpot.on.Timer = [this] { tmrSpot_Timer(); };
    tmrXY.on.Timer = [this] { tmrXY_Timer(); };
    cmdPauseSpot.on.Click = [this] { cmdPauseSpot_Click(); };
}

void FrmOndivel::Form_Load() {
    Ondivel& a = app();
    Globals& g = a.g;
    Left = Val(a.ReadIni("Interface", "PosX Ondivel", NumberText(a.frmToolBox().Width)));
    Top = Val(a.ReadIni("Interface", "PosY Ondivel", "0"));

    chkOn.ToolTipText = "Bouton Marche/Arrêt";
    Potentio[0].ToolTipText = "Potentiomètre de réglage de l'épaisseur de la trace";
    Potentio[1].ToolTipText = "Potentiomètre de réglage de la luminosité de la trace";
    Potentio[2].ToolTipText = "Potentiomètre de déplacement horizontal des oscillogrammes.\r\n"
                              "Double-cliquer pour recentrer horizontalement ces oscillogrammes.";
    Potentio[3].ToolTipText = "Potentiomètre de déplacement vertical sur la voie CH1 des oscillogrammes.\r\n"
                              "Double-cliquer pour recentrer verticalement ces oscillogrammes.";
    Potentio[4].ToolTipText = "Potentiomètre de déplacement vertical sur la voie CH2 des oscillogrammes.\r\n"
                              "Double-cliquer pour recentrer verticalement ces oscillogrammes.";
    Potentio[5].ToolTipText =
        "Potentiomètre de la base de temps : pour sélectionner la sensibilité horizontale";
    Potentio[6].ToolTipText = "Potentiomètre de réglage de la sensibilité verticale sur la voie CH1";
    Potentio[7].ToolTipText = "Potentiomètre de réglage de la sensibilité verticale sur la voie CH2";
    cboBaseTemps.ToolTipText = "Valeur de la sensibilité horizontale";
    cboSensibiliteVerticaleA.ToolTipText = "Valeur de la sensibilité verticale, voie CH1";
    cboSensibiliteVerticaleB.ToolTipText = "Valeur de la sensibilité verticale, voie CH2";
    // Shown where the pointer rests before a plug is in place, and on the plug itself.
    for (int i = 0; i < 3; ++i) {
        imgFiche[i].ToolTipText = "Cliquez ici pour mettre en place la fiche";
        imgBorne[i].ToolTipText = "Cliquez ici pour mettre en place la fiche";
    }
    picEcran.ToolTipText = "Double-cliquez sur l'écran pour afficher en plein écran.";
    imgOn.ToolTipText = "Oscilloscope éteint";

    g.NiveauDeclenchement = 0;

    for (int i = 0; i < kScopeKnobCount; ++i) {
        Potentio[i].Max = kKnobMax[i];
        if (i == KnobFocus)
            Potentio[i].Value = savedKnobValue(a.ReadIni("Interface", "Focus", "12"), i);
        else if (i == KnobIntensity)
            Potentio[i].Value = savedKnobValue(a.ReadIni("Interface", "Intensity", "5"), i);
        else
            Potentio[i].Value = kKnobStart[i];
        Potentio[i].Min = 0;
    }
    for (int i = 0; i < kScopeKnobCount; ++i)
        ApplyKnob(a, kLeftButton, i);

    g.CouleurEcran = static_cast<Color>(Val(a.ReadIni("Options", "ColorScreen", "10135975")));
    g.CouleurA = static_cast<Color>(Val(a.ReadIni("Options", "ColorYa", "65535")));
    g.CouleurB = static_cast<Color>(Val(a.ReadIni("Options", "ColorYb", "4227072")));
    // The colours just read are at full brightness: the saved intensity dims them before the
    // first drawing, as turning the knob would.
    SetColourComponents(g, kColourScreen, g.CouleurEcran);
    SetColourComponents(g, kColourTraceA, g.CouleurA);
    SetColourComponents(g, kColourTraceB, g.CouleurB);
    BlendTraceColours(g);
    for (int i = 0; i < 2; ++i) {
        shpConnectCH1[i].FillColor = g.CouleurA;
        shpConnectCH2[i].FillColor = g.CouleurB;
    }
    g.StyleTraceCH1 = g.StyleTraceCH2 = 0;

    screen().clear();
    a.renderer().DrawGrid(*this);

    tmrXY.Interval = 0;
    g.AmplitudeA = g.FrequenceA = g.AmplitudeB = g.FrequenceB = 0;
    g.OffsetCH1 = g.OffsetCH2 = 0;
    g.SignalA = g.SignalB = "Cc";
    g.EntreeBrancheeCH1 = g.EntreeBrancheeCH2 = false;
    g.ExoPoints = g.ExoPointsMax = 0; // the evaluated mode's score restarts with the panel

    a.renderer().PrepareTarget(false);
}

void FrmOndivel::Form_Unload(int&) {
    Ondivel& a = app();
    a.WriteIni("Interface", "Intensity", NumberText(Potentio[KnobIntensity].Value));
    a.WriteIni("Interface", "Focus", NumberText(Potentio[KnobFocus].Value));
    a.WriteIni("Interface", "PosX Ondivel", NumberText(Left));
    a.WriteIni("Interface", "PosY Ondivel", NumberText(Top));
}

void FrmOndivel::Form_KeyDown(int keyCode, int) {
    if (keyCode == kKeyF1) app().ShowHelpTopic(kHelpTopic);
}

void FrmOndivel::Form_MouseMove(int, int, double, double) {
    MousePointer = kDefaultPointer;
    lblPositionCurseur.Visible = lblPositionVolts.Visible = false;
}

void FrmOndivel::setAllLights(Color color) {
    for (int i = 0; i < 6; ++i) {
        shpVoie[i].FillColor = color;
        shpACDC[i].FillColor = color;
    }
}

void FrmOndivel::updateInputFlags() {
    Globals& g = app().g;
    const bool ground = imgFiche[kGroundPlug].Visible;
    g.EntreeBrancheeCH1 = imgFiche[0].Visible && ground;
    g.EntreeBrancheeCH2 = imgFiche[1].Visible && ground;
}

void FrmOndivel::chkOn_Click() {
    Ondivel& a = app();
    tmrSpot.Interval = 0;
    tmrXY.Interval = 0;
    if (chkOn.Value == kUnchecked) {
        a.g.EntreeBrancheeCH1 = a.g.EntreeBrancheeCH2 = false;
        chkOn.Caption = "On";
        imgOn.Picture = kLampOffIcon;
        imgOn.ToolTipText = "Oscilloscope éteint";
        setAllLights(kLampOff);
        a.RefreshDisplay();
        return;
    }
    updateInputFlags();
    chkOn.Caption = "Off";
    imgOn.Picture = kLampOnIcon;
    imgOn.ToolTipText = "Oscilloscope allumé";
    setAllLights(kLampOff);
    // Numbers outside their range light nothing.
    const int mode = settingNumber(a, "Mode voie", "2");
    if (mode >= ModeCH1 && mode <= ModeXY) shpVoie[mode].FillColor = kLampOn;
    if (Val(a.ReadIni("Interface", "Mode voie -CH2", "0")) != 0) shpVoie[kInvertLight].FillColor = kLampOn;
    const int ch1 = settingNumber(a, "ACDC CH1", "0");
    if (ch1 >= 0 && ch1 <= 2) shpACDC[ch1].FillColor = kLampOn;
    const int ch2 = settingNumber(a, "ACDC CH2", "3");
    if (ch2 >= 3 && ch2 <= 5) shpACDC[ch2].FillColor = kLampOn;
    a.RefreshDisplay();
}

void FrmOndivel::cmdVoie_Click(int index) {
    if (chkOn.Value == kUnchecked) return;
    Ondivel& a = app();
    if (index == 2) {
        const bool invert = !lit(shpVoie[kInvertLight]);
        shpVoie[kInvertLight].FillColor = invert ? kLampOn : kLampOff;
        a.WriteIni("Interface", "Mode voie -CH2", invert ? "1" : "0");
    } else {
        int current = 0;
        for (int i = ModeCH1; i <= ModeXY; ++i)
            if (lit(shpVoie[i])) current = i;
        for (int i = ModeCH1; i <= ModeXY; ++i)
            shpVoie[i].FillColor = kLampOff;
        const int next = index == 1 ? (current + 1) % 5 : (current + 4) % 5;
        shpVoie[next].FillColor = kLampOn;
        a.WriteIni("Interface", "Mode voie", NumberText(next));
        // Only entering XY forwards restarts the figure.
        if (index == 1 && next == ModeXY) PhaseXY = 0;
    }
    a.RefreshDisplay();
}

void FrmOndivel::cmdACDC_Click(int index) {
    if (chkOn.Value == kUnchecked) return;
    const int first = 3 * index;
    int current = 0;
    for (int k = 0; k < 3; ++k)
        if (lit(shpACDC[first + k])) current = k;
    for (int k = 0; k < 3; ++k)
        shpACDC[first + k].FillColor = kLampOff;
    const int next = (current + 1) % 3; // AC → DC → GND → AC
    shpACDC[first + next].FillColor = kLampOn;
    // CH1 stores the offset 0…2, CH2 the light's own index 3…5.
    if (index == 0)
        app().WriteIni("Interface", "ACDC CH1", NumberText(next));
    else
        app().WriteIni("Interface", "ACDC CH2", NumberText(first + next));
    app().RefreshDisplay();
}

void FrmOndivel::chkFFT_Click() {
    app().RefreshDisplay();
}
void FrmOndivel::chkAuto_Click() {
    app().RefreshDisplay();
}

void FrmOndivel::cboBaseTemps_Click() {
    PlayClick(app(), ClickSoundPath(app()));
}
void FrmOndivel::cboSensibiliteVerticaleA_Click() {
    PlayClick(app(), ClickSoundPath(app()));
}
void FrmOndivel::cboSensibiliteVerticaleB_Click() {
    PlayClick(app(), ClickSoundPath(app()));
}

void FrmOndivel::Potentio_MouseDown(int index, int button, int, double, double) {
    ApplyKnob(app(), button, index);
}

void FrmOndivel::Potentio_MouseMove(int index, int button, int, double, double) {
    MousePointer = kKnobCursor;
    ApplyKnob(app(), button, index);
}

void FrmOndivel::Potentio_DblClick(int index) {
    Globals& g = app().g;
    switch (index) {
    case KnobPositionH:
        Potentio[index].Value = 900;
        g.PositionH = 0;
        break;
    case KnobPositionCH1:
        Potentio[index].Value = 700;
        g.PositionCH1 = 0;
        break;
    case KnobPositionCH2:
        Potentio[index].Value = 700;
        g.PositionCH2 = 0;
        break;
    default:
        break;
    }
    app().RefreshDisplay();
}

void FrmOndivel::imgBorne_Click(int index) {
    imgFiche[index].Visible = !imgFiche[index].Visible;
    if (chkOn.Value == kUnchecked)
        app().g.EntreeBrancheeCH1 = app().g.EntreeBrancheeCH2 = false;
    else
        updateInputFlags();
    app().RefreshDisplay();
}

void FrmOndivel::imgFiche_Click(int index) {
    imgFiche[index].Visible = !imgFiche[index].Visible;
    updateInputFlags(); // whatever the power state, unlike a click on the terminal
    app().RefreshDisplay();
}

void FrmOndivel::picEcran_MouseMove(int, int, double x, double y) {
    Ondivel& a = app();
    // The user may have closed the calculator himself.
    if (a.mdi().Mnu_Calc.Checked && !a.platform().windowExists("Calculatrice"))
        a.frmToolBox().chkCalc.setValue(kUnchecked);
    if (!isOn()) return;
    lblPositionCurseur.Caption = CursorReadoutCaption(x, y);
    PlaceCursorReadout(lblPositionCurseur, x, y, 30, 20);
    pointerX_ = x;
    pointerY_ = y;
    PlacePointerVolts(a, lblPositionVolts, lblPositionCurseur, x, y);
}

void FrmOndivel::UpdatePointerVolts() {
    if (lblPositionVolts.Visible)
        PlacePointerVolts(app(), lblPositionVolts, lblPositionCurseur, pointerX_, pointerY_);
}

void FrmOndivel::lblPositionCurseur_MouseMove(int, int, double x, double y) {
    // Keeps the read-out from staying under the pointer.
    lblPositionCurseur.Left = x + 30;
    lblPositionCurseur.Top = y - 20;
}

void FrmOndivel::picEcran_MouseLeave() {
    // The form background hides it too, but the pointer may leave the screen by the panel's edge.
    lblPositionCurseur.Visible = lblPositionVolts.Visible = false;
}

void FrmOndivel::picEcran_DblClick() {
    lblPositionCurseur.Visible = lblPositionVolts.Visible = false;
    app().mdi().Mnu_ViewFullScreen.Checked = true;
    app().frmFullScreen().ShowModal();
}

void FrmOndivel::tmrSpot_Timer() {
    if (tmrSpot.Interval == 0) return;
    SweepTick(app());
}

void FrmOndivel::tmrXY_Timer() {
    if (tmrXY.Interval == 0) return;
    PhaseXY += kXYStep;
    if (PhaseXY > kXYRestart) PhaseXY = 0;
    DrawXY(app(), PhaseXY);
}

void FrmOndivel::cmdPauseSpot_Click() {
    tmrSpot.Enabled = !tmrSpot.Enabled;
}

int FrmOndivel::modeIndex() const {
    for (int i = ModeCH1; i <= ModeXY; ++i)
        if (lit(shpVoie[i])) return i;
    return ModeNone;
}

} // namespace ondivel
