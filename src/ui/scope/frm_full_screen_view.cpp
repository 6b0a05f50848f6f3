#include "ui/scope/frm_full_screen_view.h"

#include "bench/bench_form.h"

#include <QVBoxLayout>

#include "bench/ondivel.h"
#include "core/form.h"
#include "core/platform.h"
#include "core/user_input.h"
#include "ui/scope/screen_widget.h"

namespace ondivel {

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
    screen_->syncFromModel();
}

QSize FullScreenView::designSize() const {
    int w = 1280, h = 800;
    form().host().platform().workArea(w, h);
    return {w, h};
}

} // namespace ondivel
