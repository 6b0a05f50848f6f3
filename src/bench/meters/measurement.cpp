#include "bench/meters/measurement.h"

#include <cmath>

#include "bench/main/mdi_ondivel.h"
#include "bench/meters/frm_multi_rms.h"
#include "bench/meters/frm_volt.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/sources/frm_gbf.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/keywords.h"

namespace ondivel {

namespace {

constexpr const char* kOptions = "Options";
constexpr const char* kSchoolKey = "Multimetre college";

bool schoolVoltmeterChosen(const Ondivel& app) {
    return app.ReadIni(kOptions, kSchoolKey, "0") != "0";
}

} // namespace

std::optional<double> ValeurEfficace(double peak, const std::string& keyword) {
    const std::string k = LowerKeyword(keyword);
    if (k == "cc") return peak;
    if (k == "sinus" || k == "sinusoïdale") return peak / std::sqrt(2.0);
    if (k == "carre" || k == "carrée") return peak;
    if (k == "triangle" || k == "triangulaire") return peak / std::sqrt(3.0);
    if (k == "dyn") return peak * 0.7517;
    return std::nullopt;
}

double ValeurCreteSignal(const Ondivel& app, int side, bool maximum) {
    const Globals& g = app.g;
    const bool b = side == SideB;
    double A = b ? g.AmplitudeB : g.AmplitudeA;
    if (b && app.frmOndivel().lit(app.frmOndivel().shpVoie[5])) A = -A;
    const double O = b ? g.OffsetCH2 : g.OffsetCH1;
    const double d = b ? g.RapportCycliqueCH2 : g.RapportCycliqueCH1;
    const bool square = WaveformOf(b ? g.SignalB : g.SignalA) == Waveform::Square;
    if (square && app.frmGBF(side).isOn()) return maximum ? O + 2 * A * (1 - d) : O - 2 * A * d;
    return maximum ? O + A : O - A;
}

void MesurerVoltmetre(Ondivel& app) {
    if (schoolVoltmeterChosen(app))
        MeasureSchoolVoltmeter(app);
    else
        MeasureTrms(app);
}

void MesurerSelonOption(Ondivel& app) {
    if (app.ReadIni(kOptions, kSchoolKey, "0") != "1")
        MeasureTrms(app);
    else
        MeasureSchoolVoltmeter(app);
}

void AfficherMesure(Ondivel& app, double value) {
    if (!app.mdi().Mnu_Volt.Checked) return;
    if (schoolVoltmeterChosen(app))
        app.frmVolt().ShowReading(value);
    else
        app.frmMulti_RMS().Afficher(value);
}

} // namespace ondivel
