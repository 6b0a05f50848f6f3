#pragma once
// The MDI sub-windows mirroring the window models shown non-modally: one per model, made with its
// view the first time the model shows, titled with its Caption and placed at its Left and Top
// (twips, at the zoom), with its tab order and its focus ring. Moving a sub-window moves the model;
// closing it asks the model. Owned by the view manager.
#include <QObject>
#include <QSize>
#include <functional>
#include <map>
#include <vector>

#include "bench/main/panel_arrangement.h"
#include "ui/views/title_bar_style.h"

class QMdiArea;
class QMdiSubWindow;

namespace ondivel {

class Form;
class FormView;
class Ondivel;
class PanelZoom;

class MdiPanels : public QObject {
    Q_OBJECT
  public:
    // `closed` runs after the user closed a sub-window and its model heard it.
    MdiPanels(Ondivel& app, QMdiArea& area, const PanelZoom& zoom, std::function<void()> closed);

    // Shows, titles, places and syncs the sub-window of a model shown non-modally; hides it
    // while the model is hidden, unloaded or modal. True when its window opened or closed.
    bool mirror(Form& form);
    // The panels on show (not minimised), `lead` first when it is one of them, each with its
    // content at zoom 1 and its window frame as it will be at `zoom` (the title bars grow with
    // it); and the room the work area offers them.
    struct Shown {
        Form* form;
        PanelExtent extent;
    };
    std::vector<Shown> shownPanels(const Form& lead, double zoom) const;
    QSize room() const;
    // The view and the sub-window mirroring a model; null while it was never shown.
    FormView* viewOf(const Form& form) const;
    QMdiSubWindow* subWindowOf(const Form& form) const;
    // The panel of the active sub-window, null when none.
    Form* activePanel() const;
    // Makes the panel the active one and puts the focus on its first stop (F6).
    void enter(Form& form);
    // Sizes every view and title bar at the zoom again; with `placeAgain`, each goes to its
    // model's place at the new scale on the next mirror.
    void resize(bool placeAgain);
    // Lets the sub-windows go before the main window takes them down.
    void release();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Panel {
        FormView* view = nullptr;
        QMdiSubWindow* window = nullptr;
        double placedLeft = -1e300, placedTop = -1e300;
        int focusRequestsSeen = 0;
    };

    Panel& panelFor(Form& form);
    void place(Form& form, Panel& panel);
    // The view at the zoom, and its sub-window around it with its title bar.
    void fit(Panel& panel);

    Ondivel& app_;
    QMdiArea& area_;
    const PanelZoom& zoom_;
    std::function<void()> closed_;
    std::map<const Form*, Panel> panels_;
    TitleBarStyle titleBars_;
    bool placing_ = false;
};

} // namespace ondivel
