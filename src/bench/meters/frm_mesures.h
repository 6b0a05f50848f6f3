#pragma once
// frmMesures, the automatic measurements of the traces on the screen (peak to peak, extremes,
// mean, r.m.s., period, frequency), opened from "Affichage > Mesures automatiques" in free mode
// only: the evaluated mode closes it, since it would give the answers away. The renderer asks it
// to measure at each refresh while it is open, and only then.
#include "bench/bench_form.h"

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
    // "Aucune trace à mesurer" alone: the scope off, in XY or on the spectrum.
    void showNothing();
};

} // namespace ondivel
