#pragma once
// frmGBFA / frmGBFB, the function generator of side A (CH1) or side B (CH2): power, six
// frequency ranges, three waveforms, four knobs with their fine sliders, the frequency read-out
// and two output terminals. Opened from the toolbox; the renderer's channel assembly reads its
// duty-cycle and offset knobs.
#include <string>

#include "bench/sources/generator_panel.h"

namespace ondivel {

class FrmGBF : public GeneratorPanel {
  public:
    FrmGBF(Ondivel& app, int side);

    FormControl fraSignal{*this, ControlKind::Frame, "fraSignal"};
    ControlArray optSignal{*this, ControlKind::OptionButton, "optSignal", 3};
    ControlArray shpSignal{*this, ControlKind::Shape, "shpSignal", 3};
    ControlArray Potentio{*this, ControlKind::Knob, "Potentio", 4};
    ControlArray sldReglage{*this, ControlKind::Slider, "sldReglage", 4};
    FormControl imgSignal{*this, ControlKind::Image, "imgSignal"};
    // Fixed texts of the front panel.
    ControlArray lblPotentio{*this, ControlKind::Label, "lblPotentio", 4};
    // Under the amplitude knob (0) and the offset knob (1).
    ControlArray lblMinMax{*this, ControlKind::Label, "lblMinMax", 2};

    void Form_Load() override;
    void optSignal_Click(int index);
    void Potentio_DblClick(int index);
    void Potentio_MouseMove(int index, int button, int shift, double x, double y);
    void Potentio_MouseUp(int index, int button, int shift, double x, double y);
    void sldReglage_Scroll(int index);

  private:
    std::string& signal() const;

    void showPower(bool on) override;
    void knobMoved(int index, int button);
};

} // namespace ondivel
