#pragma once
// What a window needs from the program that owns it: the platform, the active-window bookkeeping
// of the Activate events, and a repaint request after a change. The application object serves it;
// the toolkit knows nothing else of the program.
namespace ondivel {

class Form;
class Platform;

class FormHost {
  public:
    virtual ~FormHost() = default;
    virtual Platform& platform() const = 0;
    virtual Form* activeForm() const = 0;
    virtual void activate(Form& form) = 0;
    virtual void formClosed(Form& form) = 0;
    virtual void requestRepaint() const = 0;
};

} // namespace ondivel
