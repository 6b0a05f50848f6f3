#include "bench/meters/frm_multi_rms.h"

#include <cmath>
#include <numbers>

#include "bench/meters/measurement.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "core/color.h"
#include "core/format.h"

namespace ondivel {

namespace {

constexpr int kHelpTopic = 3600;
constexpr int kDefaultPointer = 0, kHandPointer = 99;
constexpr int kPlugV = 0, kPlugCOM = 3;
constexpr Color kDisplayColor = RGB(167, 169, 154);

struct Range {
    const char* text;
    double fullScale;
    const char* format;
};
constexpr Range kRanges[5] = {
    {"600 mV", 0.6, "000.0"}, {"6 V", 6, "0.000"},      {"60 V", 60, "00.00"},
    {"600 V", 600, "000.0"},  {"1000 V", 1000, "0000"},
};
constexpr int kMilliVoltRange = 0;

int rangeIndex(const std::string& text) {
    for (int i = 0; i < 5; ++i)
        if (text == kRanges[i].text) return i;
    return 2; // an unknown saved text falls back on the default "60 V"
}

// Where the pointer rests after a release on each position.
constexpr double kPositionAngles[8] = {150, 95, 60, 30, 0, 330, 300, 240};
constexpr const char* kFunctionCaptions[8] = {"OFF", "V ~", "V =", "mV =", "Ω", "►|", "mA", "A"};

} // namespace

double SelectorAngle(double cx, double cy, double x, double y) {
    const double dx = x - cx;
    const double dy = cy - y;
    double angle;
    if (dy == 0)
        angle = dx >= 0 ? 90 : -90;
    else
        angle = std::atan(dx / dy) * 180 / std::numbers::pi;
    if (dy >= 0 && dx < 0) angle = 360 - std::abs(angle);
    // Below the centre the arctangent is measured from 6 o'clock.
    if (dy < 0) angle = 180 + angle;
    return angle;
}

double FrmMultiRMS::PositionAngle(int position) {
    return position >= 0 && position < kPositions ? kPositionAngles[position] : 0;
}

int TrmsPositionOfAngle(double a) {
    if (a >= 115 && a <= 180) return 0;
    if (a >= 75 && a <= 115) return 1;
    if (a >= 45 && a <= 75) return 2;
    if (a >= 15 && a <= 45) return 3;
    if (a >= 345 || a <= 15) return 4;
    if (a >= 315 && a <= 345) return 5;
    if (a >= 285 && a <= 315) return 6;
    return 7;
}

FrmMultiRMS::FrmMultiRMS(Ondivel& app) : BenchForm(app, "frmMulti_RMS") {
    Caption = "TRUE RMS MULTIMETER";
    HelpTopic = kHelpTopic;
    Width = 4500;
    Height = 6900;

    imgSelecteur.Left = 1350;
    imgSelecteur.Top = 3300;
    imgSelecteur.Width = 1800;
    imgSelecteur.Height = 1800;

    lblValue.Caption = "0,0000";
    lblSigne.Caption = "-";
    lblSigne.Visible = false;
    lblValueError.Caption = "1.";
    lblValueError.Visible = false;
    lblAuto.Caption = "AUTO";
    lblManuel.Caption = "MANUEL";
    lblManuel.Visible = false;
    lblGamme.Caption = "60 V";
    lblGamme.Visible = false;
    const char* memoryCaptions[3] = {"MIN", "MAX", " MIN MAX "};
    for (int i = 0; i < 3; ++i) {
        lblMinMax[i].Caption = memoryCaptions[i];
        lblMinMax[i].Visible = false;
    }
    cmdBouton[0].Caption = "MIN/MAX";
    cmdBouton[1].Caption = "RANGE";
    chkACDC.Caption = "AC/DC";
    lblACDC.Caption = "DC";
    lblUnite.Caption = "V";
    pgbRANGE.Min = 0;
    pgbRANGE.Max = 100;
    optVoie[0].Caption = "Voie CH1";
    optVoie[1].Caption = "Voie CH2";
    optVoie[0].Value = 1;
    for (int i = 0; i < 8; ++i)
        lblFonction[i].Caption = kFunctionCaptions[i];
    const char* terminals[4] = {"V", "mA", "10A", "COM"};
    for (int i = 0; i < 4; ++i) {
        imgBorne[i].ToolTipText =
            std::string("Pour mettre en place la fiche sur la borne ") + terminals[i] + ".";
        imgFiche[i].Visible = false;
    }

    imgSelecteur.on.MouseMove = [this](int b, int s, double x, double y) {
        imgSelecteur_MouseMove(b, s, x, y);
    };
    imgSelecteur.on.MouseUp = [this](int b, int s, double x, double y) { imgSelecteur_MouseUp(b, s, x, y); };
    for (int i = 0; i < 2; ++i) {
        cmdBouton[i].on.Click = [this, i] { cmdBouton_Click(i); };
        optVoie[i].on.Click = [this, i] { optVoie_Click(i); };
    }
    for (int i = 0; i < 4; ++i) {
        imgBorne[i].on.Click = [this, i] { imgBorne_Click(i); };
        imgFiche[i].on.Click = [this, i] { imgFiche_Click(i); };
        imgBorne[i].on.MouseMove = [this, i](int b, int s, double x, double y) {
            imgBorne_MouseMove(i, b, s, x, y);
        };
    }
}

int FrmMultiRMS::position() const {
    return app().g.PositionSelecteur;
}

void FrmMultiRMS::Form_Load() {
    shpAffichage.FillColor = kDisplayColor;
    pgbRANGE.BackColor = kDisplayColor;
    pgbRANGE.ForeColor = kBlack;
    pgbRANGE.Value = 50;

    lblFonction[kOff].ToolTipText = "Pour éteindre le multimètre.";
    for (int i = 1; i < 8; ++i)
        lblFonction[i].ToolTipText = "Pour tourner le sélecteur et choisir ce calibre.";
    optVoie[0].ToolTipText = "Pour afficher les mesures de la voie CH1.";
    optVoie[1].ToolTipText = "Pour afficher les mesures de la voie CH2.";
    imgSelecteur.ToolTipText = "Pour tourner le sélecteur, bouton gauche de la souris enfoncé et rotation";

    const Form& scope = app().frmOndivel();
    Left = Val(app().ReadIni("Interface", "PosX Voltmetre", NumberText(scope.Left + scope.Width)));
    Top = Val(app().ReadIni("Interface", "PosY Voltmetre", "0"));

    memory_ = Memory::Off;
    if (app().ReadIni("Multi TRMS", "MAX", "0") == "1")
        memory_ = Memory::Max;
    else if (app().ReadIni("Multi TRMS", "MIN", "0") == "1")
        memory_ = Memory::Min;
    manualRange_ = kRanges[rangeIndex(app().ReadIni("Multi TRMS", "Gamme", "60 V"))].text;
    automatic_ = app().ReadIni("Multi TRMS", "AUTO", "1") != "0";

    // The plugs start out of their terminals.
    app().g.VoltmetreBranche = imgFiche[kPlugV].Visible && imgFiche[kPlugCOM].Visible;
    const int pos = position();
    pointerAngle_ = pos >= 0 && pos < 8 ? kPositionAngles[pos] : 0;
    Rafraichir();
}

void FrmMultiRMS::Form_KeyDown(int keyCode, int) {
    if (keyCode == kKeyF1) app().ShowHelpTopic(kHelpTopic);
}

void FrmMultiRMS::Form_MouseMove(int, int, double, double) {
    MousePointer = kDefaultPointer;
}

void FrmMultiRMS::Form_Unload(int&) {
    app().WriteIni("Interface", "PosX Voltmetre", NumberText(Left));
    app().WriteIni("Interface", "PosY Voltmetre", NumberText(Top));
    saveRange();
}

void FrmMultiRMS::saveRange() const {
    app().WriteIni("Multi TRMS", "Gamme", manualRange_);
    app().WriteIni("Multi TRMS", "AUTO", automatic_ ? "1" : "0");
}

void FrmMultiRMS::cmdBouton_Click(int index) {
    if (position() == kOff) return;
    if (index == 1) {
        const bool millivolts = position() == kMilliVoltsDC;
        if (automatic_ || millivolts) {
            automatic_ = false;
            manualRange_ = kRanges[kMilliVoltRange].text;
        } else {
            const int next = rangeIndex(manualRange_) + 1;
            if (next == 5)
                automatic_ = true;
            else
                manualRange_ = kRanges[next].text;
        }
        if (!millivolts) saveRange();
    } else {
        memory_ = memory_ == Memory::Off ? Memory::Max : memory_ == Memory::Max ? Memory::Min : Memory::Off;
        app().WriteIni("Multi TRMS", "MAX", memory_ == Memory::Max ? "1" : "0");
        app().WriteIni("Multi TRMS", "MIN", memory_ == Memory::Min ? "1" : "0");
    }
    Rafraichir();
}

void FrmMultiRMS::imgBorne_Click(int index) {
    if (imgFiche[index].Visible) {
        imgFiche[index].Visible = false;
    } else {
        // One measuring plug at a time; COM is independent.
        if (index != kPlugCOM)
            for (int i = 0; i < 3; ++i)
                imgFiche[i].Visible = false;
        imgFiche[index].Visible = true;
    }
    app().g.VoltmetreBranche = imgFiche[kPlugV].Visible && imgFiche[kPlugCOM].Visible;
    Rafraichir();
}

void FrmMultiRMS::imgFiche_Click(int index) {
    imgBorne_Click(index);
}

void FrmMultiRMS::imgBorne_MouseMove(int, int, int, double, double) {
    MousePointer = kHandPointer;
}

void FrmMultiRMS::imgSelecteur_MouseMove(int button, int, double x, double y) {
    if (button != kLeftButton) return;
    pointerAngle_ = SelectorAngle(imgSelecteur.Width / 2, imgSelecteur.Height / 2, x, y);
}

void FrmMultiRMS::imgSelecteur_MouseUp(int button, int, double x, double y) {
    if (button != kLeftButton) return;
    const int pos = TrmsPositionOfAngle(SelectorAngle(imgSelecteur.Width / 2, imgSelecteur.Height / 2, x, y));
    app().g.PositionSelecteur = pos;
    pointerAngle_ = kPositionAngles[pos];
    Rafraichir();
}

void FrmMultiRMS::optVoie_Click(int) {
    Rafraichir();
}

void FrmMultiRMS::Rafraichir() {
    showIndicators();
    MeasureTrms(app());
}

void FrmMultiRMS::showIndicators() {
    const int pos = position();
    const bool on = pos != kOff;
    const bool voltage = pos == kVoltsAC || pos == kVoltsDC || pos == kMilliVoltsDC;
    lblAuto.Visible = on && automatic_;
    lblManuel.Visible = on && !automatic_;
    lblGamme.Visible = on && (!automatic_ || pos == kMilliVoltsDC);
    if (!automatic_) lblGamme.Caption = manualRange_;
    lblMinMax[0].Visible = on && memory_ == Memory::Min;
    lblMinMax[1].Visible = on && memory_ == Memory::Max;
    lblMinMax[2].Visible = on && memory_ != Memory::Off;
    lblACDC.Caption = pos == kVoltsAC ? "AC" : "DC";
    lblACDC.Visible = on && voltage;
    lblUnite.Visible = on;
    if (!on) {
        for (Control* c : {&lblValue, &lblSigne, &lblValueError})
            c->Visible = false;
    }
}

void FrmMultiRMS::Afficher(double value) {
    const int pos = position();
    if (pos == kOff) return;
    int range = kMilliVoltRange;
    if (pos != kMilliVoltsDC) {
        if (automatic_) {
            range = 4;
            for (int i = 0; i < 4; ++i) {
                if (kRanges[i].fullScale > std::abs(value)) {
                    range = i;
                    break;
                }
            }
        } else {
            range = rangeIndex(manualRange_);
        }
    }
    lblGamme.Caption = kRanges[range].text;
    lblUnite.Caption = range == kMilliVoltRange ? "mV" : "V";
    if (std::abs(value) > kRanges[range].fullScale) {
        lblValue.Visible = false;
        lblSigne.Visible = false;
        lblValueError.Visible = true;
        return;
    }
    const double shown = range == kMilliVoltRange ? std::abs(value) * 1000 : std::abs(value);
    lblValue.Caption = FormatComma(shown, kRanges[range].format);
    lblValue.Visible = true;
    lblSigne.Visible = value < 0;
    lblValueError.Visible = false;
}

} // namespace ondivel
