#pragma once
// frmCurseurs, the measurement cursors of the free mode: two vertical time cursors and two
// horizontal voltage cursors drawn dashed over the oscilloscope screen, and the small panel that
// reads them out. The cursors exist while the panel is loaded; the evaluated mode closes it.
// Positions are in screen units (100 a division), so the read-out follows every knob.
#include "bench/bench_form.h"
#include "core/color.h"

namespace ondivel {

class Surface;

class FrmCurseurs : public BenchForm {
  public:
    explicit FrmCurseurs(Ondivel& app);

    // The cursors, in the order of optCurseur: t1 and t2 are vertical, V1 and V2 horizontal.
    enum Which { T1 = 0, T2 = 1, V1 = 2, V2 = 3, kCount = 4 };

    // Selects the cursor that the arrows move; their captions name the cursors ("t1" … "V2").
    ControlArray optCurseur{*this, ControlKind::OptionButton, "optCurseur", kCount};
    FormControl lblT1{*this, ControlKind::Label, "lblT1"};
    FormControl lblT2{*this, ControlKind::Label, "lblT2"};
    FormControl lblDt{*this, ControlKind::Label, "lblDt"};
    FormControl lblFreq{*this, ControlKind::Label, "lblFreq"};
    // Per channel, 0 = CH1 and 1 = CH2.
    ControlArray lblV1{*this, ControlKind::Label, "lblV1", 2};
    ControlArray lblV2{*this, ControlKind::Label, "lblV2", 2};
    ControlArray lblDV{*this, ControlKind::Label, "lblDV", 2};

    // Magenta, dark on a light screen and light on a dark one: neither trace colour of the
    // presets comes near it.
    static constexpr Color kOnLightScreen = RGB(140, 0, 130);
    static constexpr Color kOnDarkScreen = RGB(255, 90, 255);
    // The colour the cursors are drawn in now, from the screen colour (also the harness's
    // `CouleurCurseurs`).
    Color CouleurCurseurs = kOnLightScreen;
    static Color CursorColour(Color screen);

    void Form_Load() override;
    void Form_Unload(int& cancel) override;

    // Whether the cursors are on the screen now: the panel loaded in the free mode.
    bool active() const;
    double position(int which) const { return position_[which]; }
    int selected() const { return selected_; }
    // The nearest cursor whose line passes within `tolerance` screen units of (x, y), else -1.
    int cursorNear(double x, double y, double tolerance) const;
    // A user drag: the cursor goes to `position` (x for t1/t2, y for V1/V2, kept on the screen)
    // and becomes the selected one.
    void DragCursor(int which, double position);
    // Moves the selected cursor by `divisions` (the arrows: a tenth, Shift a hundredth).
    void NudgeSelected(double divisions);

    // Draws the four dashed lines on the screen being drawn; nothing while inactive.
    void DrawCursors(Surface& screen, bool spectrum);
    // The full-screen view has no room for the panel: Δt, 1/Δt and each ΔV are printed in the
    // screen's top right corner instead, in the overlay's ink and font. Nothing while inactive.
    void PrintReadout(Surface& screen, Color ink);
    // The read-out from the positions and the knobs of the moment; run at every refresh.
    void UpdateReadings();

  private:
    void resetMembers() override;
    void select(int which);
    // Shows the moved cursors without disturbing a sweep or an XY figure that redraws itself.
    void redraw();

    double position_[kCount] = {};
    int selected_ = T1;
};

} // namespace ondivel
