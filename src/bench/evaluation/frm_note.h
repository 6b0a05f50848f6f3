#pragma once
// frmNote, the mark out of 20 at the end of an exercise file, and what to do next: another file,
// free mode or quitting. Loading it writes the mark line to the results file.
#include "bench/bench_form.h"

namespace ondivel {

class FrmNote : public BenchForm {
  public:
    explicit FrmNote(Ondivel& app);

    FormControl lblNote{*this, ControlKind::Label, "lblNote"};
    FormControl lblQuestion{*this, ControlKind::Label, "lblQuestion"};
    // 0 another file, 1 free mode, 2 quit; each with its end of the question beside it.
    ControlArray cmdChoice{*this, ControlKind::CommandButton, "cmdChoice", 3};
    ControlArray lblChoice{*this, ControlKind::Label, "lblChoice", 3};
    // Added below the three choices: the corrections of the file, oscillogram by oscillogram.
    FormControl cmdCorrections{*this, ControlKind::CommandButton, "cmdCorrections"};

    void Form_Load() override;
    void Form_QueryUnload(int& cancel) override;
    void Form_KeyDown(int keyCode, int shift) override;
    void cmdChoice_Click(int index);

    // The mark of ExoPoints out of ExoPointsMax, "#0.0" with a decimal comma; "" when no point was
    // available.
    static std::string MarkText(double points, double pointsMax);

  private:
    void close();
    bool closing_ = false;
};

} // namespace ondivel
