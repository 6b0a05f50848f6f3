#pragma once
// frmFullScreen, the oscilloscope screen enlarged over the main window's work area for
// projection. While MDIOndivel.Mnu_ViewFullScreen is checked every drawing goes here; a click
// anywhere closes it.
#include <memory>

#include "bench/bench_form.h"
#include "core/surface.h"

namespace ondivel {

class FrmFullScreen : public BenchForm {
  public:
    explicit FrmFullScreen(Ondivel& app);
    ~FrmFullScreen() override;

    FormControl picEcran{*this, ControlKind::Picture, "picEcran"};
    FormControl picGrille{*this, ControlKind::Picture, "picGrille"};
    FormControl lblPositionCurseur{*this, ControlKind::Label, "lblPositionCurseur"};
    FormControl lblPositionVolts{*this, ControlKind::Label, "lblPositionVolts"};

    Surface& screen() const { return *screen_; }
    Surface& grid() const { return *grid_; }

    // How much the desktop view magnifies its texts and pens (full_screen_scale.h).
    double viewScale() const;
    // The cursor read-out's text size, which the documents leave open: the spectrum labels' 12
    // points, magnified like them.
    double readoutPoints() const { return 12 * viewScale(); }
    // The trace width here: the focus knob's, at least 4 pixels in the projection colours, so
    // that the traces stay thick on a projector.
    int traceWidth() const;

    void Form_Load() override;
    void Form_Click() override;
    void picEcran_Click();
    void picEcran_MouseMove(int button, int shift, double x, double y);
    void picEcran_MouseLeave();

  private:
    double heightPixels() const;
    // Unchecks the menu entry, so that drawing goes back to the front panel, and closes.
    void closeView();

    std::unique_ptr<Surface> screen_;
    std::unique_ptr<Surface> grid_;
};

} // namespace ondivel
