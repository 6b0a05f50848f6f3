#include "bench/meters/frm_mesures.h"

#include "bench/evaluation/dialog_kit.h"
#include "bench/main/mdi_ondivel.h"
#include "bench/main/window_layout.h"
#include "bench/meters/measure_text.h"
#include "bench/ondivel.h"
#include "bench/scope/displayed_samples.h"
#include "bench/scope/frm_curseurs.h"
#include "bench/scope/frm_ondivel.h"
#include "physics/trace_measurements.h"

namespace ondivel {

namespace {
constexpr double kColumnWidth = 2700;
constexpr double kLinePitch = 330;
constexpr const char* kNothingToMeasure = "Aucune trace à mesurer";
} // namespace

FrmMesures::FrmMesures(Ondivel& app) : BenchForm(app, "frmMesures") {
    using namespace dialog;
    Caption = "Mesures automatiques";
    HelpTopic = 4300; // "Mesurer sur l'écran", shared with the cursors
    for (int column = 0; column < 2; ++column)
        for (int row = 0; row < kLinesPerTrace; ++row)
            place(lblMesure[column * kLinesPerTrace + row], kMargin + column * (kColumnWidth + kGap),
                  kMargin + row * kLinePitch, kColumnWidth, kLabelHeight);
    setClientSize(*this, 2 * kMargin + 2 * kColumnWidth + kGap,
                  2 * kMargin + (kLinesPerTrace - 1) * kLinePitch + kLabelHeight);
    showNothing();
}

void FrmMesures::showNothing() {
    for (int i = 0; i < lblMesure.size(); ++i) {
        lblMesure[i].Caption.clear();
        lblMesure[i].Visible = false;
    }
    lblMesure[0].Caption = kNothingToMeasure;
    lblMesure[0].Visible = true;
}

void FrmMesures::Form_Load() {
    // Beside the oscilloscope, past the column of the source panels that it would otherwise hide.
    const FrmOndivel& scope = app().frmOndivel();
    Left = scope.Left + scope.Width + kLayoutColumnWidth;
    Top = scope.Top;
    StackBelowOpenNeighbours(*this, {&app().frmCurseurs()});
    app().mdi().Mnu_Mesures.Checked = true;
    UpdateMeasurements();
}

void FrmMesures::Form_Unload(int&) {
    app().mdi().Mnu_Mesures.Checked = false;
}

void FrmMesures::UpdateMeasurements() {
    const std::vector<DisplayedTrace> traces = SampleDisplayedTraces(app());
    showNothing();
    for (std::size_t column = 0; column < traces.size() && column < 2; ++column) {
        const DisplayedTrace& trace = traces[column];
        TraceMeasurements m =
            MeasureTrace({trace.volts, trace.sampleInterval, trace.bottom, trace.top}, trace.between);
        if (trace.band) m.mean = m.rms = m.period = m.frequency = std::nullopt;
        // A hundredth of a division, about what the eye tells on the graticule.
        const double resolution = (trace.top - trace.bottom) / 800;
        const auto lines = MeasurementLines(trace.name, m, resolution);
        for (int row = 0; row < kLinesPerTrace; ++row) {
            Control& label = lblMesure[static_cast<int>(column) * kLinesPerTrace + row];
            label.Caption = lines[static_cast<std::size_t>(row)];
            label.Visible = true;
        }
    }
}

} // namespace ondivel
