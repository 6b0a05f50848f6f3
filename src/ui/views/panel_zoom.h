#pragma once
// The zoom of the panels: the steps Ctrl++ and Ctrl+- go through, the zoom kept in the settings
// file (on a first start, the largest step that fits the work area), and a view sized at it.
// Owned by the view manager; the sub-windows and the modal windows size their views through it.
#include <span>

namespace ondivel {

class FormView;
class Ondivel;

class PanelZoom {
  public:
    explicit PanelZoom(Ondivel& app) : app_(app) {}

    double value() const { return zoom_; }
    // Takes the stored zoom once the main window's model has started (the settings file is known
    // then); true when the zoom changed.
    bool load();
    // Sets the zoom, kept within the steps, and stores it; false when it stays as it was.
    bool set(double zoom);
    // Every step, in ascending order; the arrangement of the panels chooses among them.
    static std::span<const double> steps();
    // The next step up or down; the zoom itself at either end.
    double larger() const;
    double smaller() const;

    // The view at the zoom, its screens included; an MDI sub-window around it fits it again.
    void sizeView(FormView& view) const;
    void zoomScreens(FormView& view) const;

  private:
    // The zoom a first start uses: the largest that fits the work area.
    double fittingZoom() const;

    Ondivel& app_;
    double zoom_ = 1.0;
    bool loaded_ = false;
};

} // namespace ondivel
