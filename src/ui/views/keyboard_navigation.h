#pragma once
// The panels' tab order on the desktop: the widgets marked with a stop's path (markStop) are
// chained with QWidget::setTabOrder in the order of TabOrder, and Tab moves the focus along that
// order through the same NextStop as the scenario harness, round inside the panel.
class QWidget;

namespace ondivel {

class Control;
class FormView;

// The widget of the view standing for `stop`; null when the view shows none.
QWidget* stopWidget(const FormView& view, const Control& stop);
// The stop that `widget` (or the marked widget holding it) stands for; null when none.
Control* stopOf(const FormView& view, const QWidget* widget);
// Chains the view's stops in their order; the view's widgets have been made.
void applyTabOrder(FormView& view);
// Focuses the stop after (before) the one with the focus, skipping the stops the view does not
// show; from outside the stops, the first (last). False when the view has no stop to focus.
bool moveFocus(FormView& view, bool forward);
// Focuses the widget of `stop`, or the view itself when it is null or not shown.
void focusStop(FormView& view, const Control* stop);

} // namespace ondivel
