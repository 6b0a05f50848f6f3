#pragma once
// The modal windows: each runs in a dialog of its own over the main window, in a nested event
// loop, until its model hides or unloads it; its view is kept for the next time. Owned by the
// view manager, which the desktop platform's showModal goes through.
#include <functional>
#include <map>
#include <vector>

class QEventLoop;

namespace ondivel {

class Form;
class FormView;
class MainWindowView;
class Ondivel;
class PanelZoom;

class ModalRuns {
  public:
    ModalRuns(Ondivel& app, MainWindowView& main, const PanelZoom& zoom);
    ~ModalRuns();
    ModalRuns(const ModalRuns&) = delete;
    ModalRuns& operator=(const ModalRuns&) = delete;

    // Shows the model's view modally until the model is hidden or unloaded; `shown` runs once the
    // dialog is up.
    void run(Form& form, const std::function<void()>& shown);
    // The view of the modal window running now, null when none.
    FormView* current() const;
    // The view a modal window shows, made when needed, sized at the zoom and synced: the screenshot
    // tool, whose scenarios run modal windows without a nested event loop, draws it for them.
    FormView* viewFor(Form& form);
    // Reads the models of the kept views again.
    void sync();
    // Ends the runs whose model was hidden or unloaded.
    void endClosed();

  private:
    struct Run {
        Form* form;
        QEventLoop* loop;
        FormView* view;
    };

    Ondivel& app_;
    MainWindowView& main_;
    const PanelZoom& zoom_;
    std::map<const Form*, FormView*> views_;
    std::vector<Run> runs_;
};

} // namespace ondivel
