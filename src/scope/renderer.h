#pragma once
// The screen renderer: RefreshDisplay, the one global refresh that every handler ends with, the
// oscillogram and channel traces, the flat trace, the graticule and the settings overlay.
#include "core/color.h"

namespace ondivel {

class Ondivel;
class Form;
class Surface;

class Renderer {
public:
    explicit Renderer(Ondivel& app);

    void RefreshDisplay();
    void DrawOscillogram();
    void DrawChannelTrace(int channel);
    void DrawFlatTrace(double y, Color color);
    // Draws the graticule on the picGrille of frmOndivel or of the full-screen view.
    void DrawGrid(Form& form);
    void DrawSettingsOverlay();

    // The screen drawn on now: the full-screen view's while Mnu_ViewFullScreen is checked.
    Surface& targetScreen() const;
    Surface& targetGrid() const;

private:
    Ondivel& app_;
    double alternatorShift_ = 0; // the only drawing state kept between redraws
};

} // namespace ondivel
