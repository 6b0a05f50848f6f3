#include "ui/views/keyboard_navigation.h"

#include <QWidget>

#include "bench/main/keyboard_focus.h"
#include "core/control.h"
#include "core/form.h"
#include "ui/views/focus_ring.h"
#include "ui/views/form_view.h"
#include "ui/widgets/bound_widget.h"

namespace ondivel {

QWidget* stopWidget(const FormView& view, const Control& stop) {
    const QString path = QString::fromStdString(stop.path());
    for (QWidget* w : view.findChildren<QWidget*>())
        if (stopPathOf(*w) == path) return w;
    return nullptr;
}

Control* stopOf(const FormView& view, const QWidget* widget) {
    QString path;
    for (const QWidget* w = widget; w && w != &view && path.isEmpty(); w = w->parentWidget())
        path = stopPathOf(*w);
    if (path.isEmpty()) return nullptr;
    for (Control* stop : TabStops(view.form()))
        if (QString::fromStdString(stop->path()) == path) return stop;
    return nullptr;
}

void applyTabOrder(FormView& view) {
    QWidget* previous = nullptr;
    for (const Control* stop : TabStops(view.form())) {
        QWidget* w = stopWidget(view, *stop);
        if (!w) continue;
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

namespace {
bool shown(const QWidget* w) {
    return w && w->isVisible() && w->isEnabled();
}
} // namespace

bool moveFocus(FormView& view, bool forward) {
    const Form& form = view.form();
    const Control* from = stopOf(view, view.focusWidget());
    const Control* first = nullptr;
    for (Control* stop = NextStop(form, from, forward); stop && stop != first;
         stop = NextStop(form, stop, forward)) {
        if (!first) first = stop;
        if (QWidget* w = stopWidget(view, *stop); shown(w)) {
            w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void focusStop(FormView& view, const Control* stop) {
    QWidget* w = stop ? stopWidget(view, *stop) : nullptr;
    FocusRing::keyboardMovesFocus();
    if (shown(w))
        w->setFocus(Qt::TabFocusReason);
    else
        view.setFocus(Qt::OtherFocusReason);
}

} // namespace ondivel
