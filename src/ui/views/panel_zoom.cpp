#include "ui/views/panel_zoom.h"

#include <QMdiSubWindow>
#include <algorithm>
#include <iterator>
#include <string>

#include "bench/main/mdi_ondivel.h"
#include "bench/ondivel.h"
#include "core/format.h"
#include "core/platform.h"
#include "ui/scope/screen_widget.h"
#include "ui/views/form_view.h"

namespace ondivel {

namespace {

// 0.9 lets the toolbox (772 pixels high at 1) stand whole on the screens 768 pixels high.
constexpr double kZoomSteps[] = {0.75, 0.9, 1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};
constexpr double kSmallest = kZoomSteps[0];
constexpr double kLargest = kZoomSteps[std::size(kZoomSteps) - 1];

} // namespace

std::span<const double> PanelZoom::steps() {
    return kZoomSteps;
}

bool PanelZoom::load() {
    if (loaded_ || !app_.mdi().loaded()) return false;
    loaded_ = true; // the settings file is known once the main window started
    const std::string setting = app_.ReadIni("Interface", "Zoom", "");
    const double stored = setting.empty() ? fittingZoom() : Val(setting);
    if (stored < kSmallest || stored > kLargest || stored == zoom_) return false;
    zoom_ = stored;
    return true;
}

double PanelZoom::fittingZoom() const {
    // The bench of a first start (toolbox, oscilloscope, the two generators stacked beside it)
    // takes about 1030 pixels across at zoom 1, and the toolbox stands 812 high with its two-line
    // title; the menu bar and the status bar take some 50 more. Use the largest step at which it
    // stands whole, so that a projector shows large instruments from the start and a laptop shows
    // the toolbox without a scroll bar.
    constexpr double kBenchWidth = 1030, kBenchHeight = 812, kMainWindowBars = 50;
    int width = 0, height = 0;
    app_.platform().workArea(width, height);
    double best = kSmallest;
    for (double step : kZoomSteps)
        if (kBenchWidth * step <= width && kBenchHeight * step <= height - kMainWindowBars) best = step;
    return best;
}

bool PanelZoom::set(double zoom) {
    zoom = std::clamp(zoom, kSmallest, kLargest);
    if (zoom == zoom_) return false;
    zoom_ = zoom;
    loaded_ = true;
    if (app_.mdi().loaded()) app_.WriteIni("Interface", "Zoom", NumberText(zoom_));
    return true;
}

double PanelZoom::larger() const {
    for (double step : kZoomSteps)
        if (step > zoom_ + 1e-9) return step;
    return zoom_;
}

double PanelZoom::smaller() const {
    for (auto it = std::rbegin(kZoomSteps); it != std::rend(kZoomSteps); ++it)
        if (*it < zoom_ - 1e-9) return *it;
    return zoom_;
}

void PanelZoom::sizeView(FormView& view) const {
    view.setFixedSize(view.designSize() * zoom_);
    zoomScreens(view);
    // Not adjustSize(): it keeps a larger size hint (the stopwatch's) after a zoom out.
    if (auto* window = qobject_cast<QMdiSubWindow*>(view.parentWidget()))
        window->resize(view.size().grownBy(window->contentsMargins()).expandedTo(window->minimumSizeHint()));
}

void PanelZoom::zoomScreens(FormView& view) const {
    for (ScreenWidget* screen : view.findChildren<ScreenWidget*>())
        screen->setZoom(zoom_);
}

} // namespace ondivel
