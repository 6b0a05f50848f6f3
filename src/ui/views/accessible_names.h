#pragma once
// Gives the widgets of the panels and dialogs the French words a screen reader says of them:
// the accessible name (with the value, "Base de temps : 1 ms/div") and the value alone as the
// description, read from the model after every handler. A widget is touched only when its words
// changed. The custom-painted controls get a role that says what they are (knobs are dials
// already; buttons and switches, plugs and lamps here).

class QWidget;

namespace ondivel {

class BoundWidget;
class Control;

// The words of `control` on `widget`, which shows it.
void applyAccessibleText(QWidget& widget, const Control& control);
// The words of the control a panel's bound widget shows; nothing for a widget without one.
void applyAccessibleText(BoundWidget& bound);

} // namespace ondivel
