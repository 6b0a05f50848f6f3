#pragma once
// frmOption, the options window: interface options, screen colours and print styles. Loaded
// hidden at start-up so that the preferences are read into its controls; shown modally from the
// main window's Options menu behind the teacher gate.
#include "bench/bench_form.h"
#include "bench/main/screen_colours.h"

namespace ondivel {

class FrmOption : public BenchForm {
  public:
    explicit FrmOption(Ondivel& app);

    // The tab strip: List holds the three tab captions, ListIndex the tab on show.
    FormControl sstOptions{*this, ControlKind::TabStrip, "sstOptions"};
    FormControl chkLoadTipsAtStartup{*this, ControlKind::CheckBox, "chkLoadTipsAtStartup"};
    FormControl chkToolTip{*this, ControlKind::CheckBox, "chkToolTip"};
    FormControl chkReglage{*this, ControlKind::CheckBox, "chkReglage"};
    // Arranges the panels side by side again whenever one opens or closes.
    FormControl chkDisposer{*this, ControlKind::CheckBox, "chkDisposer"};
    FormControl chkMultimetre{*this, ControlKind::CheckBox, "chkMultimetre"};
    FormControl chkCopySensibility{*this, ControlKind::CheckBox, "chkCopySensibility"};
    FormControl chkACBloqueDC{*this, ControlKind::CheckBox, "chkACBloqueDC"};
    FormControl lblColor_Fond{*this, ControlKind::Label, "lblColor_Fond"};
    FormControl picColor_Fond{*this, ControlKind::Picture, "picColor_Fond"};
    FormControl cmdColor_Fond{*this, ControlKind::CommandButton, "cmdColor_Fond"};
    FormControl fraColor{*this, ControlKind::Frame, "fraColor"};
    ControlArray optColor{*this, ControlKind::OptionButton, "optColor", 5};
    ControlArray shpColor{*this, ControlKind::Shape, "shpColor", 5};
    FormControl cmdChange{*this, ControlKind::CommandButton, "cmdChange"};
    FormControl cmdDefault{*this, ControlKind::CommandButton, "cmdDefault"};
    FormControl cmdPrint{*this, ControlKind::CommandButton, "cmdPrint"};
    // The third preset, for a projector: bright traces on a dark screen (see ScreenColour).
    FormControl cmdProjection{*this, ControlKind::CommandButton, "cmdProjection"};
    // Print style per trace: index 0 for trace A, 1 for trace B.
    ControlArray fraVoie{*this, ControlKind::Frame, "fraVoie", 2};
    ControlArray lblStyle{*this, ControlKind::Label, "lblStyle", 2};
    ControlArray cbxStyle{*this, ControlKind::ComboBox, "cbxStyle", 2};
    ControlArray fraMarque{*this, ControlKind::Frame, "fraMarque", 2};
    // Index 0 "Aucune" (no marker), 1 "Personnalisée".
    ControlArray optMarqueA{*this, ControlKind::OptionButton, "optMarqueA", 2};
    ControlArray optMarqueB{*this, ControlKind::OptionButton, "optMarqueB", 2};
    // The glyphs are letters of a symbol font (Wingdings): the view draws them in it.
    ControlArray cbxMarque{*this, ControlKind::ComboBox, "cbxMarque", 2};
    ControlArray cbxWidth{*this, ControlKind::ComboBox, "cbxWidth", 2};
    ControlArray lblMarque{*this, ControlKind::Label, "lblMarque", 2};
    ControlArray lblWidth{*this, ControlKind::Label, "lblWidth", 2};
    FormControl cmdOK{*this, ControlKind::CommandButton, "cmdOK"};
    FormControl cmdAppliq{*this, ControlKind::CommandButton, "cmdAppliq"};
    FormControl cmdCancel{*this, ControlKind::CommandButton, "cmdCancel"};

    void Form_Load() override;
    void Form_Unload(int& cancel) override;
    void Form_KeyDown(int keyCode, int shift) override;
    void optMarqueA_Click(int index);
    void optMarqueB_Click(int index);

    void cmdColor_Fond_Click();
    void picColor_Fond_DblClick();
    void cmdChange_Click();
    void cmdDefault_Click();
    void cmdPrint_Click();
    void cmdProjection_Click();
    void cmdOK_Click();
    void cmdAppliq_Click();
    void cmdCancel_Click();

    // The "Marque" option buttons of a trace (0: A, 1: B).
    ControlArray& markerOptions(int trace) { return trace == 0 ? optMarqueA : optMarqueB; }
    // Enables the glyph and size lists of a trace, and their labels, only with a marker chosen.
    void applyMarkerChoice(int trace);
    // The index of the selected optColor button.
    int selectedColour() const;

  private:
    // Saves, redraws the graticule and the traces with the new colours.
    void apply();
    // Fills the samples with a set of colours (defaults, print or projection presets).
    void setSamples(ColourPreset preset);

    // A colour or its components went to the globals before being saved: closing without
    // applying puts the saved ones back.
    bool coloursPending_ = false;
};

} // namespace ondivel
