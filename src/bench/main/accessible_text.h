#pragma once
// What a screen reader says of a control of a window model: a French name and, for a control
// that has one, its value with its unit ("Sensibilité verticale CH1" / "2 V/div", "Fiche CH1" /
// "branchée"). Knobs, plugs, lamps, switches and selectors read the words of their panel from one
// table; any other control falls back to its caption, its tool tip or the label beside it. The
// Qt shell applies the texts to the widgets after every handler; the tests read them headless.
#include <string>

namespace ondivel {

class Control;

struct AccessibleText {
    std::string name;  // empty when the control has nothing to say (a timer, a hidden picture)
    std::string value; // empty for a plain push button

    // "Base de temps : 1 ms/div", or the name alone without a value.
    std::string spoken() const { return value.empty() ? name : name + " : " + value; }
};

// The texts of `control` as its window shows it now.
AccessibleText accessibleText(const Control& control);

} // namespace ondivel
