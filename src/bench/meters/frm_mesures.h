#pragma once
// frmMesures, the automatic measurements of the traces on the screen (peak to peak, extremes,
// mean, r.m.s., period, frequency), opened from "Affichage > Mesures automatiques" in free mode
// only: the evaluated mode closes it, since it would give the answers away. The renderer asks it
// to measure at each refresh while it is open, and only then.
#include <array>
#include <string>
#include <vector>

#include "bench/bench_form.h"
#include "bench/scope/displayed_samples.h"

namespace ondivel {

class FrmMesures : public BenchForm {
  public:
    explicit FrmMesures(Ondivel& app);

    static constexpr int kLinesPerTrace = 7;
    // One column of seven lines a trace: CH1 (or the sum in ADD) on the left, CH2 on the right.
    ControlArray lblMesure{*this, ControlKind::Label, "lblMesure", 2 * kLinesPerTrace};

    void Form_Load() override;
    void Form_Unload(int& cancel) override;

    // Measures the traces the screen shows now and writes the labels.
    void UpdateMeasurements();

  private:
    void resetMembers() override;
    // "Aucune trace à mesurer" alone: the scope off, in XY or on the spectrum.
    void showNothing();

    // What each column shows, and the plan of the trace it was measured on: most refreshes
    // (another channel's knob, the other panels, the cursors) leave a trace as it was, and
    // measuring it again would cost more than the rest of the refresh's work on it.
    struct Column {
        TracePlan plan;
        std::array<std::string, kLinesPerTrace> lines;
    };
    std::vector<Column> shown_;
};

} // namespace ondivel
