#pragma once
// Panels side by side: where each open panel goes in the work area, and the zoom at which they
// all fit there without overlapping. Pure computation on sizes in pixels: the desktop shell
// measures the panels and the work area, and applies the result for "Affichage > Disposer les
// fenêtres", for Ctrl+0 and as the ceiling of Ctrl++.
#include <span>
#include <vector>

namespace ondivel {

// A panel as the shell measures it: its content grows with the zoom, its window frame (title
// bar, borders) does not, and the window is never narrower than its title bar needs.
struct PanelExtent {
    double width = 0, height = 0;           // content at zoom 1
    double frameWidth = 0, frameHeight = 0; // added by the window around it
    double minWidth = 0;                    // of the whole window
};

struct PanelPlace {
    double left = 0, top = 0; // the window's top left corner in the work area
};

struct Arrangement {
    double zoom = 1;
    // Every panel wholly inside the work area, none over another.
    bool fits = false;
    // One per panel, in the order given.
    std::vector<PanelPlace> places;
};

// The outer size of a panel at a zoom, as the shell sizes it: the content rounded to whole
// pixels, then the frame, no narrower than the window's least width.
double PanelOuterWidth(const PanelExtent& panel, double zoom);
double PanelOuterHeight(const PanelExtent& panel, double zoom);

// Packs the panels at one zoom: the first one (the oscilloscope) at the top left, the others
// largest first, each at the free place nearest the top, then nearest the left. When that leaves
// a panel without room, the others by height or by width, along the top or down the columns,
// until one way fits. In none, a panel with no free place goes under the others, and the
// arrangement does not fit.
Arrangement PackPanels(std::span<const PanelExtent> panels, double areaWidth, double areaHeight, double zoom);

// The packing at the largest of `zooms` at which the panels fit; at the smallest when they fit at
// none. `zooms` is in ascending order and not empty.
Arrangement ArrangePanels(std::span<const PanelExtent> panels, double areaWidth, double areaHeight,
                          std::span<const double> zooms);

} // namespace ondivel
