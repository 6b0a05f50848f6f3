#pragma once
// Makes the view of a window model from the model's name ("frmOndivel", "frmGBFA" …), through the
// one table of view_table.cpp. The main window's view is made by the view manager itself.
namespace ondivel {

class Form;
class FormView;

// The window's view; the caller owns it (Qt parent). Throws std::logic_error for a window
// without one.
FormView* makeView(Form& form);

} // namespace ondivel
