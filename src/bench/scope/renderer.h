#pragma once
// The screen renderer: RefreshDisplay, the one global refresh that every handler ends with, the
// oscillogram and channel traces, the flat and alternator traces, the graticule and the settings
// overlay. It draws only through Surface, on frmOndivel's screen or, while the main window's
// Mnu_ViewFullScreen is checked, on the full-screen view's.
#include <cstdint>
#include <functional>
#include <string>

#include "bench/scope/trace_drawers.h"
#include "core/color.h"
#include "core/keywords.h"

namespace ondivel {

class Ondivel;
class Form;
class Surface;

// The user scale of every oscillogram picture: 100 units a division, y up, 5 spare units on the
// right and at the bottom so that the last grid lines show.
inline constexpr double kScreenLeft = -500;
inline constexpr double kScreenTop = 400;
inline constexpr double kScreenRight = 505;
inline constexpr double kScreenBottom = -405;

// Time bases from this one (10 ms/div) and slower are drawn by the beam-spot sweep.
inline constexpr double kSweepTimeBase = 0.01;

// The working record of the channel being drawn.
struct TraceRecord {
    Color color = 0;
    double frequency = 0;
    double amplitude = 0;
    std::string keyword;
    double offset = 0;
    double position = 0;
    double sensitivity = 1;
    std::int16_t style = 0;
    double phase = 0;
};

// The 10 × 8 division graticule in screen units: framed border, thicker central axes with five
// ticks a division, dotted lines 2.5 divisions above and below the centre. Used by DrawGrid and
// by the printout.
void DrawGraticule(Surface& s, Color grid, Color frame);

class Renderer {
  public:
    explicit Renderer(Ondivel& app);

    void RefreshDisplay();
    void DrawOscillogram();
    // Channel 0 = CH1, 1 = CH2.
    void DrawChannelTrace(int channel);
    // A horizontal line across the trace frame at height y.
    void DrawFlatTrace(double y, Color color);
    // Draws the graticule on the picGrille of frmOndivel or of the full-screen view.
    void DrawGrid(Form& form);
    // The same graticule, screen colour as background, on any grid picture.
    void DrawGridOn(Surface& grid);
    void DrawSettingsOverlay();

    // The screen drawn on now: the full-screen view's while Mnu_ViewFullScreen is checked.
    Surface& targetScreen() const;
    Surface& targetGrid() const;
    bool fullScreen() const;
    // The target screen's trace width: the full-screen view's may be thicker (FrmFullScreen).
    int traceWidth() const;
    // Gives the target screen its scale, persistent drawing and the graticule as background;
    // wipes its drawings first when `clear` is true.
    void PrepareTarget(bool clear);

    TraceRecord TraceCourante;

    // While it lives, every drawing goes to these pictures instead of the screen (the screen
    // export paints the picture again at its own size); the renderer's running state (the
    // alternator's slide, the overlay flag, the current trace) comes back as it was.
    class Redirect {
      public:
        Redirect(Renderer& renderer, Surface& screen, Surface& grid);
        ~Redirect();
        Redirect(const Redirect&) = delete;
        Redirect& operator=(const Redirect&) = delete;

      private:
        Renderer& renderer_;
        Surface* screen_;
        Surface* grid_;
        double alternatorShift_;
        bool overlayDrawn_;
        TraceRecord trace_;
    };

  private:
    // The alternator from a start shift kept between drawings (it slides while "Auto" is checked).
    void DrawAlternatorTrace(const TraceFrame& frame);
    // A sampled periodic wave of the current trace, or its band when too dense to resolve.
    void DrawPeriodicTrace(int channel, Waveform waveform, const TraceFrame& frame, double shift,
                           const std::function<double(double)>& voltageAt);
    // The overlay once per complete drawing, however many channels end with it.
    void OverlayOnce();

    Ondivel& app_;
    double alternatorShift_ = 0; // the alternator's start shift, kept from one drawing to the next
    bool overlayDrawn_ = false;
    Surface* redirectScreen_ = nullptr;
    Surface* redirectGrid_ = nullptr;
};

} // namespace ondivel
