#pragma once
// frmToolBox, the window from which the bench is wired: the source of each channel, the meter,
// the stopwatch and the calculator. The main window selects its default wiring and the source
// panels hand their channel back to it when they close.
#include <string>

#include "bench/bench_form.h"

namespace ondivel {

class FrmToolBox : public BenchForm {
  public:
    explicit FrmToolBox(Ondivel& app);

    ControlArray fraAlim{*this, ControlKind::Frame, "fraAlim", 2};
    ControlArray optConnexion{*this, ControlKind::OptionButton, "optConnexion", 18};
    FormControl chkMulti{*this, ControlKind::CheckBox, "chkMulti"};
    FormControl chkClock{*this, ControlKind::CheckBox, "chkClock"};
    FormControl chkCalc{*this, ControlKind::CheckBox, "chkCalc"};

    void Form_Load() override;
    void Form_KeyDown(int keyCode, int shift) override;
    void optConnexion_Click(int index);
    void chkMulti_Click();
    void chkClock_Click();
    void chkCalc_Click();

    // Releases the channel of the chosen connection before a new source is wired.
    void ChangerConnexion(int index);
    // True for the connection options of CH1 (0 to 5, 12, 14, 16).
    static bool isSideA(int index);
    // Paints the two channel frames with the trace colours (at load and when they change).
    void PaintFrameColours();

    // The kinds of source a channel can be wired to.
    enum class Source { None, Gbf, Supply, Battery, Mains, Alternator, Harmonic };
    static Source sourceOf(int index);
    // The waveform keyword a connection choice gives its side.
    static const char* keywordOf(int index);

    // Connection options the other windows select by number.
    static constexpr int kNoneA = 0, kGbfA = 1, kGbfB = 10, kNoneB = 11;
    static constexpr int kHarmonicA = 16, kHarmonicB = 17;

  private:
    void showSourcePanel(Source source, int side);
    void closeSourcePanels(int side);

    // The panel of a kind of source on a side; null for "Aucune alimentation".
    Form* panelOf(Source source, int side) const;

    // The instruments' panels: frmMulti_RMS, or frmVolt for the school voltmeter.
    void ShowMeterPanel(bool schoolVoltmeter);
    void CloseMeterPanel();
    void ShowChronoPanel();
    void CloseChronoPanel();
};

} // namespace ondivel
