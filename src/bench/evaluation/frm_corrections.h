#pragma once
// frmCorrections, opened from the mark window's "Voir les corrections": each oscillogram of the
// exercise file with the pupil's answers, the expected values and the likely mistake behind each
// wrong part. Read-only; it closes back to the mark window.
#include "bench/bench_form.h"

namespace ondivel {

class FrmCorrections : public BenchForm {
  public:
    explicit FrmCorrections(Ondivel& app);

    FormControl lstCorrections{*this, ControlKind::ListBox, "lstCorrections"};
    FormControl cmdFermer{*this, ControlKind::CommandButton, "cmdFermer"};

    void Form_Load() override;
    void Form_KeyDown(int keyCode, int shift) override;
};

} // namespace ondivel
