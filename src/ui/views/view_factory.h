#pragma once
// Makes the view of a window model by the model's name ("frmOndivel", "frmGBFA" …). Each view file
// registers its maker once at start-up.
#include <functional>
#include <memory>
#include <string>

namespace ondivel {

class Form;
class FormView;

using ViewMaker = std::function<FormView*(Form& form)>;

// Registers the maker for window models of that name (later registrations replace earlier ones).
void registerViewMaker(const std::string& formName, ViewMaker maker);
// The registered view; the caller owns it (Qt parent). Throws std::logic_error for a window
// without one.
FormView* makeView(Form& form);
// Registers the makers of every view of the program; called once by the view manager.
void registerAllViews();

} // namespace ondivel
