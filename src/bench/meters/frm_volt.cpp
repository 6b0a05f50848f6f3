#include "bench/meters/frm_volt.h"

#include <cmath>
#include <numbers>

#include "bench/main/mdi_ondivel.h"
#include "bench/meters/measurement.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/format.h"
#include "core/keywords.h"
#include "core/platform.h"
#include "physics/waveforms.h"

namespace ondivel {

namespace {

constexpr int kHelpTopic = 3600;
constexpr int kHandPointer = 99;

struct Position {
    double from, to; // angle band that selects it
    double angle;    // where the pointer rests
    double limit;    // overload above this magnitude
    const char* format;
    const char* caption;
};

// Positions 7 to 10 carry resistance and 10 A ranges: a negative limit makes them always overload.
constexpr Position kPositions[17] = {
    {10, 30, 22, 1000, "#000", "1000"},  {30, 50, 41, 200, "#00.0", "200"},
    {50, 70, 61, 20, "#0.00", "20"},     {70, 110, 84, 2, "0.000", "2"},
    {110, 145, 135, 1, "000.0", "200m"}, {145, 170, 158, 1, "000.0", "20m"},
    {170, 190, 180, 1, "000.0", "2m"},   {190, 210, 202, -1000, "0", "10A"},
    {210, 230, 221, -1000, "0", "200"},  {230, 250, 241, -1000, "0", "2k"},
    {250, 270, 264, -1000, "0", "20k"},  {270, 290, 281, 2, "0.000", "2"},
    {290, 310, 298, 20, "#0.00", "20"},  {310, 326, 315, 200, "#00.0", "200"},
    {326, 350, 338, 500, "#000", "500"}, {-1, -1, 0, 0, "", "OFF"},
    {-1, -1, 0, 1, "000.0", ""},
};

const Position& positionOf(int position) {
    return kPositions[position >= 0 && position <= 16 ? position : FrmVolt::kOff];
}

const char* const kPlugTips[4] = {
    "Pour mettre en place la fiche sur la borne V.", "Pour mettre en place la fiche sur la borne mA.",
    "Pour mettre en place la fiche sur la borne 10A.", "Pour mettre en place la fiche sur la borne COM."};

} // namespace

FrmVolt::FrmVolt(Ondivel& app) : BenchForm(app, "frmVolt") {
    Caption = "Multimètre";
    HelpTopic = kHelpTopic;
    Width = 4800;
    Height = 6600;

    lblSigne.Caption = "-";
    lblSigne.Visible = false;
    lblValue.Caption = "0,00";
    lblValueError.Caption = "1";
    lblValueError.Visible = false;
    lblSigne.Left = 600, lblSigne.Top = 360, lblSigne.Width = 360, lblSigne.Height = 720;
    for (Control* c : {&lblValue, &lblValueError})
        c->Left = 960, c->Top = 360, c->Width = 3000, c->Height = 720;

    imgSelecteur.Left = 1500, imgSelecteur.Top = 1800, imgSelecteur.Width = 1800, imgSelecteur.Height = 1800;
    const double cx = imgSelecteur.Left + imgSelecteur.Width / 2,
                 cy = imgSelecteur.Top + imgSelecteur.Height / 2;
    for (int i = 0; i < lblCal.size(); ++i) {
        // The captions stand around the selector, facing the middle of their band.
        const double a = PositionAngle(i) * std::numbers::pi / 180;
        lblCal[i].Caption = kPositions[i].caption;
        lblCal[i].Width = 600, lblCal[i].Height = 240;
        lblCal[i].Left = cx + 1250 * std::sin(a) - 300;
        lblCal[i].Top = cy - 1250 * std::cos(a) - 120;
    }

    fraVoie.Caption = "Fiches sur bornes de l'oscilloscope : ";
    fraVoie.Left = 240, fraVoie.Top = 5400, fraVoie.Width = 4320, fraVoie.Height = 840;
    const char* const channels[2] = {"Voie CH1", "Voie CH2"};
    for (int i = 0; i < 2; ++i) {
        optVoie[i].Caption = channels[i];
        optVoie[i].Left = 480 + 2040 * i, optVoie[i].Top = 5760, optVoie[i].Width = 1800,
        optVoie[i].Height = 300;
        optVoie[i].on.Click = [this, i] { optVoie_Click(i); };
    }
    optVoie[0].Value = 1;

    const char* const terminals[4] = {"V", "mA", "10A", "COM"};
    for (int i = 0; i < 4; ++i) {
        for (Control* c : {&imgBorne[i], &imgFiche[i]})
            c->Left = 600 + 1000 * i, c->Top = 4320, c->Width = 600, c->Height = 600;
        imgBorne[i].Caption = terminals[i];
        imgFiche[i].Visible = false;
        imgBorne[i].on.Click = [this, i] { imgBorne_Click(i); };
        imgFiche[i].on.Click = [this, i] { imgFiche_Click(i); };
        imgBorne[i].on.MouseMove = [this, i](int b, int s, double x, double y) {
            imgBorne_MouseMove(i, b, s, x, y);
        };
    }

    imgSelecteur.on.MouseMove = [this](int b, int s, double x, double y) {
        imgSelecteur_MouseMove(b, s, x, y);
    };
    imgSelecteur.on.MouseUp = [this](int b, int s, double x, double y) { imgSelecteur_MouseUp(b, s, x, y); };

    tmrVolt.Interval = 500;
    tmrVolt.Enabled = false;
    tmrVolt.on.Timer = [this] { tmrVolt_Timer(); };

    registerMember("TempsAffichage", VarRef(&TempsAffichage));
    registerMember("AngleSelecteur", VarRef(&AngleSelecteur));
}

double FrmVolt::SelectorAngle(double x, double y, double w, double h) {
    const double dx = x - w / 2, dy = h / 2 - y;
    if (dx == 0 && dy == 0) return 0;
    const double a = std::atan2(dx, dy) * 180 / std::numbers::pi;
    return a < 0 ? a + 360 : a;
}

int FrmVolt::PositionAt(double angle) {
    for (int p = 0; p < kOff; ++p)
        if (angle >= kPositions[p].from && angle <= kPositions[p].to) return p;
    return kOff;
}

double FrmVolt::PositionAngle(int position) {
    return positionOf(position).angle;
}
double FrmVolt::OverloadLimit(int position) {
    return positionOf(position).limit;
}
const char* FrmVolt::ReadingFormat(int position) {
    return positionOf(position).format;
}

void FrmVolt::Form_Load() {
    KeyPreview = true;
    for (int i = 0; i < kOff; ++i)
        lblCal[i].ToolTipText = "Pour tourner le sélecteur et choisir ce calibre.";
    lblCal[kOff].ToolTipText = "Pour éteindre le multimètre.";
    for (int i = 0; i < 4; ++i)
        imgBorne[i].ToolTipText = imgFiche[i].ToolTipText = kPlugTips[i];
    optVoie[0].ToolTipText = "Pour afficher les mesures de la voie CH1.";
    optVoie[1].ToolTipText = "Pour afficher les mesures de la voie CH2.";
    imgSelecteur.ToolTipText = "Pour tourner le sélecteur, bouton gauche de la souris enfoncé et rotation";

    const Form& scope = app().frmOndivel();
    Left = Val(app().ReadIni("Interface", "PosX Voltmetre", NumberText(scope.Left + scope.Width)));
    Top = Val(app().ReadIni("Interface", "PosY Voltmetre", "0"));

    AngleSelecteur = PositionAngle(app().g.PositionSelecteur);
    // The plugs start out of their terminals at every load: the cable follows them.
    app().g.VoltmetreBranche = imgFiche[kPlugV].Visible && imgFiche[kPlugCom].Visible;
    MesurerVoltmetre(app());
}

void FrmVolt::Form_Unload(int&) {
    StopFluctuation();
    app().WriteIni("Interface", "PosX Voltmetre", NumberText(Left));
    app().WriteIni("Interface", "PosY Voltmetre", NumberText(Top));
}

void FrmVolt::Form_KeyDown(int keyCode, int) {
    if (keyCode == kKeyF1) app().ShowHelpTopic(kHelpTopic);
}

void FrmVolt::Form_MouseMove(int, int, double, double) {
    MousePointer = 0;
}

void FrmVolt::imgBorne_MouseMove(int, int, int, double, double) {
    MousePointer = kHandPointer;
}

void FrmVolt::imgBorne_Click(int index) {
    togglePlug(index);
}
void FrmVolt::imgFiche_Click(int index) {
    togglePlug(index);
}

void FrmVolt::togglePlug(int index) {
    Control& plug = imgFiche[index];
    if (plug.Visible) {
        plug.Visible = false;
    } else {
        // One measuring plug at a time; the COM plug stays where it is.
        if (index != kPlugCom)
            for (int other : {kPlugV, kPlugMilliAmps, kPlugTenAmps})
                if (other != index) imgFiche[other].Visible = false;
        plug.Visible = true;
    }
    app().g.VoltmetreBranche = imgFiche[kPlugV].Visible && imgFiche[kPlugCom].Visible;
    MesurerVoltmetre(app());
}

void FrmVolt::imgSelecteur_MouseMove(int button, int, double x, double y) {
    if (button != kLeftButton) return;
    AngleSelecteur = SelectorAngle(x, y, imgSelecteur.Width, imgSelecteur.Height);
}

void FrmVolt::imgSelecteur_MouseUp(int button, int, double x, double y) {
    if (button != kLeftButton) return;
    const int position = PositionAt(SelectorAngle(x, y, imgSelecteur.Width, imgSelecteur.Height));
    app().g.PositionSelecteur = position;
    AngleSelecteur = PositionAngle(position);
    MesurerVoltmetre(app());
}

void FrmVolt::optVoie_Click(int) {
    MesurerVoltmetre(app());
}

void FrmVolt::ShowReading(double value) {
    const int position = app().g.PositionSelecteur;
    if (position == kOff) return;
    if (std::abs(value) > OverloadLimit(position)) {
        lblValue.Visible = false;
        lblSigne.Visible = false;
        lblValueError.Visible = true;
        return;
    }
    lblValue.Visible = true;
    lblSigne.Visible = value < 0;
    lblValueError.Visible = false;
    lblValue.Caption = FormatComma(std::abs(value), ReadingFormat(position));
}

void FrmVolt::tmrVolt_Timer() {
    const Globals& g = app().g;
    if (g.PositionSelecteur == kOff || !app().mdi().Mnu_Volt.Checked) return;
    const bool ch1 = optVoie[0].Value != 0;
    const double f = ch1 ? g.FrequenceA : g.FrequenceB;
    if (f == 0) return;
    const double A = ch1 ? g.AmplitudeA : g.AmplitudeB;
    // Only the function generator brings an offset and a duty cycle.
    const bool generator =
        app().frmToolBox().optConnexion[ch1 ? FrmToolBox::kGbfA : FrmToolBox::kGbfB].Value != 0;
    const double O = generator ? (ch1 ? g.OffsetCH1 : g.OffsetCH2) : 0;
    const float d = generator ? (ch1 ? g.RapportCycliqueCH1 : g.RapportCycliqueCH2) : 0.5F;

    if (TempsAffichage > 1 / f) TempsAffichage -= 1 / f;
    const double t = TempsAffichage;
    switch (WaveformOf(ch1 ? g.SignalA : g.SignalB)) {
    case Waveform::Sine:
        AfficherMesure(app(), SineValue(t, f, A, 0, O));
        break;
    case Waveform::Square:
        AfficherMesure(app(), SquareTriangleValue(t, 0, 0, f, A, d, O));
        break;
    case Waveform::Triangle: {
        const double rise = static_cast<double>(d) / f;
        AfficherMesure(app(), SquareTriangleValue(t, rise, 1 / f - rise, f, A, 0, O));
        break;
    }
    case Waveform::Alternator:
        AfficherMesure(app(), AlternatorValue(t, f, A));
        break;
    default:
        break;
    }
    TempsAffichage += 0.5 / ((app().platform().random() * 1.2 + 0.9) * 2000);
}

} // namespace ondivel
