#pragma once
// The options window (frmOption) as a tabbed dialog: the interface options, the five screen
// colours with their samples, and the print style of each trace. Every widget forwards the user's
// gesture to its control in the model and is read back from it; the model decides everything.
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "ui/views/form_view.h"

class QTabWidget;
class QWidget;

namespace ondivel {

class Control;
class FrmOption;

class OptionView : public FormView {
    Q_OBJECT
  public:
    explicit OptionView(FrmOption& options, QWidget* parent = nullptr);

    void syncFromModel() override;
    QSize designSize() const override;

    QTabWidget* tabs() const { return tabs_; }
    // The widget showing a control of the model, null when the view has none for it.
    QWidget* widgetOf(const Control& c) const;

  private:
    QWidget* interfaceTab();
    QWidget* coloursTab();
    QWidget* printTab();
    QWidget* traceBox(int trace);
    // Shows `widget` for `control`: enabled, visible and tooltip follow the control, then `sync`.
    void bind(Control& control, QWidget* widget, std::function<void()> sync = {});

    struct Binding {
        Control* control;
        QWidget* widget;
        std::function<void()> sync;
    };
    FrmOption& options_;
    QTabWidget* tabs_ = nullptr;
    std::vector<Binding> bindings_;
};

// The symbol a marker letter of the symbol font stands for ("u" is a black diamond …); the
// letter itself when it is not one of the markers.
QString markerSymbol(const std::string& letter);

} // namespace ondivel
