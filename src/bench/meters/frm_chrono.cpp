#include "bench/meters/frm_chrono.h"

#include <cmath>
#include <string>

#include "bench/ondivel.h"
#include "core/format.h"
#include "core/platform.h"

namespace ondivel {

namespace {

constexpr const char* kStartTip = "Pour démarrer le chronomètre.";
constexpr const char* kSuspendTip = "Pour suspendre le chronomètre.";
constexpr double kAlarmWindow = 0.2; // seconds of beeping and red after each multiple

} // namespace

FrmChrono::FrmChrono(Ondivel& app) : BenchForm(app, "frmChrono") {
    Caption = "Chronomètre";
    Width = 3600;
    Height = 3600;
    BackColor = kActiveTitle;
    lblTime.Caption = "00:00,0";
    lblStop.Caption = "STOP";
    lblAlarme.Caption = "ALARME";
    lblAlarme.Visible = false;
    lblOnOff.Visible = false;
    cmdRAZ.Caption = "RAZ";
    cmdEnd.Caption = "FIN";
    sldAlarme.Min = 1;
    sldAlarme.Max = 10;
    sldAlarme.SmallChange = 1;
    sldAlarme.LargeChange = 5;
    sldAlarme.Value = 1;
    tmrChrono.Interval = 100;
    tmrChrono.Enabled = false;

    chkStart_Stop.on.Click = [this] { chkStart_Stop_Click(); };
    chkAlarme.on.Click = [this] { chkAlarme_Click(); };
    cmdRAZ.on.Click = [this] { cmdRAZ_Click(); };
    cmdEnd.on.Click = [this] { cmdEnd_Click(); };
    tmrChrono.on.Timer = [this] { tmrChrono_Timer(); };
}

void FrmChrono::resetMembers() {
    startCount_ = lastCount_ = 0;
    accumulated_ = 0;
    BackColor = kActiveTitle;
}

void FrmChrono::Form_Load() {
    const std::int64_t f = app().platform().counterFrequency();
    frequency_ = f > 0 ? static_cast<double>(f) : 1.0;
    tmrChrono.Enabled = false;
    tmrChrono.Interval = 100;
    Left = Val(app().ReadIni("Interface", "PosX Chrono", "0"));
    Top = Val(app().ReadIni("Interface", "PosY Chrono", "6000"));
    chkStart_Stop.ToolTipText = kStartTip;
    cmdRAZ.ToolTipText = "Pour remettre à zéro le chronomètre.";
    cmdEnd.ToolTipText = "Pour fermer le chronomètre.";
    sldAlarme.ToolTipText = "Pour augmenter ou diminuer l'intervalle de temps entre deux alarmes.";
    chkAlarme.ToolTipText = "Pour déclencher l'alarme.";
}

void FrmChrono::Form_Unload(int&) {
    tmrChrono.Enabled = false;
    app().WriteIni("Interface", "PosX Chrono", NumberText(Left));
    app().WriteIni("Interface", "PosY Chrono", NumberText(Top));
}

double FrmChrono::elapsedSeconds() {
    if (!running()) return accumulated_;
    const std::int64_t now = app().platform().counterValue();
    if (now < lastCount_) {
        // The counter went back (clock reset, resume from suspend): keep what was measured up
        // to the last reading and count on from now, so the time never runs backwards.
        accumulated_ += static_cast<double>(lastCount_ - startCount_) / frequency_;
        startCount_ = now;
    }
    lastCount_ = now;
    return accumulated_ + static_cast<double>(now - startCount_) / frequency_;
}

std::string FrmChrono::timeText(double seconds) {
    const double minutes = std::floor(seconds / 60);
    return FormatNumber(minutes, "00") + ":" + FormatComma(seconds - 60 * minutes, "00.0");
}

void FrmChrono::chkStart_Stop_Click() {
    if (lblStop.Caption == "STOP") {
        startCount_ = lastCount_ = app().platform().counterValue();
        tmrChrono.Enabled = true;
        lblOnOff.Visible = true;
        chkStart_Stop.ToolTipText = kSuspendTip;
        lblStop.Caption = "ARRET";
    } else {
        accumulated_ = elapsedSeconds();
        tmrChrono.Enabled = false;
        lblOnOff.Visible = false;
        chkStart_Stop.ToolTipText = kStartTip;
        lblStop.Caption = "STOP";
    }
}

void FrmChrono::tmrChrono_Timer() {
    const double s = elapsedSeconds();
    lblTime.Caption = timeText(s);
    if (!lblAlarme.Visible) return;
    const double interval = sldAlarme.Value;
    const double k = std::floor(s / interval);
    if (k != 0 && std::fabs(s - k * interval) < kAlarmWindow) {
        app().platform().beep();
        BackColor = kAlarmRed;
    } else {
        BackColor = kActiveTitle;
    }
}

void FrmChrono::chkAlarme_Click() {
    lblAlarme.Visible = !lblAlarme.Visible;
    if (!lblAlarme.Visible) BackColor = kActiveTitle;
}

void FrmChrono::cmdRAZ_Click() {
    tmrChrono.Enabled = false;
    lblOnOff.Visible = false;
    // The key is a latching check box: release it without re-entering its handler.
    chkStart_Stop.Value = kUnchecked;
    chkStart_Stop.ToolTipText = kStartTip;
    lblStop.Caption = "STOP";
    accumulated_ = 0;
    lblTime.Caption = timeText(0);
    BackColor = kActiveTitle;
}

void FrmChrono::cmdEnd_Click() {
    Unload();
}

} // namespace ondivel
