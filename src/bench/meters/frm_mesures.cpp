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

void FrmMesures::resetMembers() {
    shown_.clear(); // the labels are back to their design: nothing is shown
}

void FrmMesures::UpdateMeasurements() {
    std::vector<TracePlan> plans = PlanDisplayedTraces(app());
    if (plans.size() > 2) plans.resize(2);
    bool unchanged = plans.size() == shown_.size();
    for (std::size_t column = 0; unchanged && column < plans.size(); ++column)
        unchanged = plans[column].sameSamplesAs(shown_[column].plan);
    if (unchanged && !plans.empty()) return;

    std::vector<Column> shown;
    for (std::size_t column = 0; column < plans.size(); ++column) {
        if (column < shown_.size() && plans[column].sameSamplesAs(shown_[column].plan)) {
            shown.push_back(std::move(shown_[column]));
            continue;
        }
        const DisplayedTrace trace = SampleTrace(app(), plans[column]);
        TraceMeasurements m =
            MeasureTrace({trace.volts, trace.sampleInterval, trace.bottom, trace.top}, trace.between);
        if (trace.band) m.mean = m.rms = m.period = m.frequency = std::nullopt;
        // A hundredth of a division, about what the eye tells on the graticule.
        const double resolution = (trace.top - trace.bottom) / 800;
        shown.push_back({std::move(plans[column]), MeasurementLines(trace.name, m, resolution)});
    }
    shown_ = std::move(shown);
    showNothing();
    for (std::size_t column = 0; column < shown_.size(); ++column)
        for (int row = 0; row < kLinesPerTrace; ++row) {
            Control& label = lblMesure[static_cast<int>(column) * kLinesPerTrace + row];
            label.Caption = shown_[column].lines[static_cast<std::size_t>(row)];
            label.Visible = true;
        }
}

} // namespace ondivel
