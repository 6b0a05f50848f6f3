#include "ui/views/panel_view.h"

#include <QKeyEvent>
#include <algorithm>

#include "core/form.h"
#include "core/user_input.h"
#include "ui/views/accessible_names.h"
#include "ui/widgets/paint_key.h"

namespace ondivel {

namespace {

constexpr double kTwipsPerPixel = 15;

QSizeF twipsToPixels(const Form& form, double frameTwips) {
    return QSizeF(form.Width / kTwipsPerPixel, (form.Height - frameTwips) / kTwipsPerPixel);
}

QSize wholePixels(QSizeF size) {
    return QSize(static_cast<int>(size.width()), static_cast<int>(size.height()));
}

// The panels drawn on the model's whole size zoom on its exact size; those drawn in the client
// area, on its whole pixels.
QSizeF layoutDesign(const Form& form, double frameTwips) {
    const QSizeF exact = twipsToPixels(form, frameTwips);
    return frameTwips > 0 ? QSizeF(wholePixels(exact)) : exact;
}

} // namespace

PanelView::PanelView(Form& form, QWidget* parent, double frameTwips)
    : FormView(form, parent), frameTwips_(frameTwips), layout_(layoutDesign(form, frameTwips)) {
    setFocusPolicy(Qt::ClickFocus);
    setWindowTitle(QString::fromStdString(form.Caption));
}

QSize PanelView::designSize() const {
    return wholePixels(twipsToPixels(form(), frameTwips_));
}

void PanelView::syncBound() {
    for (BoundWidget* w : bound_) {
        w->syncFromModel();
        applyAccessibleText(*w);
    }
}

void PanelView::syncPanel(const PaintKey& key) {
    syncBound();
    updateWhenChanged(*this, painted_, key);
}

void PanelView::resizeEvent(QResizeEvent*) {
    const double s = layout_.apply(size());
    if (!scaledFont_) return;
    QFont f = font();
    f.setPixelSize(std::max(6, static_cast<int>(9 * s)));
    setFont(f);
}

void PanelView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        user::key(form(), kKeyF1, 0);
        syncFromModel();
        return;
    }
    FormView::keyPressEvent(event);
}

} // namespace ondivel
