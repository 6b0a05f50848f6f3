#include "ui/scope/frm_full_screen_view.h"

#include <QVBoxLayout>
#include <cmath>

#include "bench/ondivel.h"
#include "bench/scope/frm_full_screen.h"
#include "core/form.h"
#include "core/platform.h"
#include "core/user_input.h"
#include "ui/scope/screen_widget.h"

namespace ondivel {

namespace {
// Points at 96 pixels an inch, as the screen's own texts.
constexpr double kPixelsPerPoint = 96.0 / 72.0;
} // namespace

FullScreenView::FullScreenView(Form& form, QWidget* parent)
    : FormView(form, parent), screen_(new ScreenWidget(static_cast<BenchForm&>(form), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(screen_);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
}

void FullScreenView::syncFromModel() {
    if (Control* pic = form().findControl("picEcran"))
        screen_->setToolTip(QString::fromStdString(pic->ToolTipText));
    // Its own magnification rather than the panels' zoom: the picture grows with the view.
    const auto& view = static_cast<const FrmFullScreen&>(form());
    screen_->setZoom(view.viewScale());
    screen_->setReadoutPixels(static_cast<int>(std::lround(view.readoutPoints() * kPixelsPerPoint)));
    screen_->syncFromModel();
}

QSize FullScreenView::designSize() const {
    int w = 1280, h = 800;
    form().host().platform().workArea(w, h);
    return {w, h};
}

} // namespace ondivel
