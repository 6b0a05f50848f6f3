#pragma once
// The common part of the instrument panel views: the model's size as the design size, widgets
// placed in design pixels and zoomed with the window, the bound widgets synced together, and F1
// handed to the model, which opens the panel's help page.
#include <QRectF>
#include <cstdint>
#include <type_traits>
#include <vector>

#include "ui/views/form_view.h"
#include "ui/widgets/bound_widget.h"
#include "ui/widgets/panel_layout.h"

namespace ondivel {

class PaintKey;

class PanelView : public FormView {
    Q_OBJECT
  public:
    // The model's size at 15 twips a pixel, less the window frame the model counts in its height.
    QSize designSize() const override;

  protected:
    // `frameTwips`: the frame and title bar in the model's height, for the models that count them.
    explicit PanelView(Form& form, QWidget* parent = nullptr, double frameTwips = 0);

    // Places `widget` at `designRect`; a bound widget is synced with the panel from then on.
    template <class W> W* add(W* widget, QRectF designRect) {
        layout_.place(widget, designRect);
        if constexpr (std::is_base_of_v<BoundWidget, W>) bound_.push_back(widget);
        return widget;
    }
    // Places `widget` only: the view syncs it itself.
    void place(QWidget* widget, QRectF designRect) { layout_.place(widget, designRect); }
    // Syncs every bound widget, then repaints the panel itself when `key` changed.
    void syncPanel(const PaintKey& key);
    void syncBound();
    // The captions follow the zoom, 9 pixels high at zoom 1.
    void scaleFontWithZoom() { scaledFont_ = true; }
    double zoom() const { return layout_.scaleFor(size()); }

    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    double frameTwips_;
    PanelLayout layout_;
    std::vector<BoundWidget*> bound_;
    std::uint64_t painted_ = 0; // the fingerprint of the last picture asked for
    bool scaledFont_ = false;
};

} // namespace ondivel
