#pragma once
// What the function generator and the harmonic generator share: the power switch and its lamp,
// six frequency ranges with their lamps, the frequency read-out and two output terminals, and the
// globals of their side that these drive (range, frequency, amplitude, source plugged in).
#include "bench/sources/side_panel.h"

namespace ondivel {

// Picture numbers shown by the generators' image controls.
enum GbfPicture : int {
    kPictureLampOff = 1,
    kPictureLampOn = 2,
    kPictureSine = 3,
    kPictureSquare = 4,
    kPictureTriangle = 5,
};

// How one kind of generator names itself.
struct GeneratorKind {
    const char* form;     // "frmGBF": the side's letter follows
    const char* settings; // "GBF": the settings keys' suffix, before the side's letter
    const char* lamp;     // "GBF": the lamp's tooltip reads "GBF allumé" or "GBF éteint"
    int helpTopic;
    int toolboxA, toolboxB; // the toolbox options that wire this kind of panel on each side
};

class GeneratorPanel : public SidePanel {
  public:
    // Range multipliers of optGamme(0..5).
    static constexpr double kRanges[6] = {100000, 10000, 1000, 100, 10, 1};

    FormControl chkOn{*this, ControlKind::CheckBox, "chkOn"};
    FormControl imgOn{*this, ControlKind::Image, "imgOn"};
    FormControl fraGamme{*this, ControlKind::Frame, "fraGamme"};
    ControlArray optGamme{*this, ControlKind::OptionButton, "optGamme", 6};
    ControlArray shpFreq{*this, ControlKind::Shape, "shpFreq", 6};
    // lblFreqA on side A, lblFreqB on side B.
    FormControl lblFreq;
    FormControl lblUnite{*this, ControlKind::Label, "lblUnite"};
    ControlArray imgBorne{*this, ControlKind::Image, "imgBorne", 2};
    ControlArray imgFiche{*this, ControlKind::Image, "imgFiche", 2};
    ControlArray shpBorne{*this, ControlKind::Shape, "shpBorne", 2};
    // Fixed texts of the front panel.
    FormControl lblTitre{*this, ControlKind::Label, "lblTitre"};
    FormControl lblPower{*this, ControlKind::Label, "lblPower"};

    void chkOn_Click();
    void optGamme_Click(int index);
    void imgBorne_Click(int index);
    void imgFiche_Click(int index);

    // The generator is on when its switch reads "Off".
    bool isOn() const { return chkOn.Caption == "Off"; }

  protected:
    GeneratorPanel(Ondivel& app, int side, const GeneratorKind& kind);

    void showReadout();
    // The channel's colour on the terminals, and the tips of the terminals and the ranges.
    void markTerminals();
    // The 1k range, as the panel opens.
    void selectFirstRange();
    // A frequency and an amplitude drawn at random as the panel opens; `knob` shows the frequency.
    void drawFrequencyAndAmplitude(Control& knob);

    // The switch's lamps and texts beyond the common ones follow it here.
    virtual void showPower(bool on) { (void)on; }
    // The frequency just followed the knob or the range; a panel may round it to its read-out.
    virtual void roundFrequency() {}

  private:
    bool plugsIn() const { return imgFiche[0].Visible && imgFiche[1].Visible; }

    GeneratorKind kind_;
};

} // namespace ondivel
