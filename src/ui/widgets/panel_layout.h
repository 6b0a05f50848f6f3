#pragma once
// Places a panel's child widgets at design-time rectangles and scales them with the view, so a
// panel keeps its proportions at any zoom and stays crisp (every widget paints vectors).
#include <QRectF>
#include <QWidget>
#include <algorithm>
#include <utility>
#include <vector>

namespace ondivel {

class PanelLayout {
  public:
    explicit PanelLayout(QSizeF design) : design_(design) {}

    void place(QWidget* w, QRectF designRect) { items_.emplace_back(w, designRect); }
    // The design-to-view factor for a view of `size` (the smaller of the two ratios).
    double scaleFor(QSize size) const {
        return std::min(size.width() / design_.width(), size.height() / design_.height());
    }
    // Sets every widget's geometry for a view of `size`; returns the factor used.
    double apply(QSize size) const {
        const double s = scaleFor(size);
        for (const auto& [w, r] : items_)
            w->setGeometry(QRectF(r.left() * s, r.top() * s, r.width() * s, r.height() * s).toRect());
        return s;
    }

  private:
    QSizeF design_;
    std::vector<std::pair<QWidget*, QRectF>> items_;
};

} // namespace ondivel
