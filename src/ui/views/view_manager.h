#pragma once
// Keeps the Qt windows in step with the window models: the main window, the MDI sub-windows of the
// models shown, the modal windows, the model timers and the zoom of the panels (each its own
// class, owned here), and the key presses the models hear. Repaints are coalesced: one sync per
// event-loop turn, at most about sixty a second, and none while nothing changes. Built once by
// main() and by the tour tool.
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>

#include "ui/views/mdi_panels.h"
#include "ui/views/modal_runs.h"
#include "ui/views/model_timers.h"
#include "ui/views/panel_zoom.h"

class QKeyEvent;
class QMdiSubWindow;

namespace ondivel {

class Form;
class FormView;
class MainWindowView;
class Ondivel;

class ViewManager : public QObject {
    Q_OBJECT
  public:
    explicit ViewManager(Ondivel& app, QObject* parent = nullptr);
    ~ViewManager() override;

    MainWindowView& mainWindow() const { return *main_; }
    // Syncs every open view now, without waiting for the coalescing timer.
    void syncNow();
    // How many syncs ran: the measure of the coalescing.
    int syncCount() const { return syncCount_; }
    // The view and the sub-window mirroring a model; null while it was never shown.
    FormView* viewOf(const Form& form) const { return panels_.viewOf(form); }
    QMdiSubWindow* subWindowOf(const Form& form) const { return panels_.subWindowOf(form); }
    // The view of the modal window running now, null when none.
    FormView* modalView() const { return modals_.current(); }
    // The view a modal window shows, made when needed, sized at the zoom and synced (for the
    // screenshot tool).
    FormView* modalViewFor(Form& form) { return modals_.viewFor(form); }

    // The screenshot tool replays scenarios on a fake clock: model timers must not tick in real time.
    void setRunModelTimers(bool run) { timers_.setRunning(run); }

    double zoom() const { return zoom_.value(); }
    void setZoom(double zoom);
    // Ctrl++ stops at the zoom that fits the work area; Ctrl+0 goes to it.
    void zoomIn();
    void zoomOut();
    void zoomReset();
    // The largest zoom step at which the open panels, side by side, fit the work area.
    double fittingZoom() const;
    // Puts the open panels side by side at that zoom (the main window's "Disposer les fenêtres",
    // and each opening or closing when the options ask for it).
    void arrangePanels();

    // Shows the model's view modally until the model is hidden or unloaded; the desktop platform
    // runs its showModal through this.
    void runModal(Form& form);
    std::function<void(Form&)> modalRunner() {
        return [this](Form& form) { runModal(form); };
    }

  signals:
    // The main window's model ended (the program quits).
    void programEnded();
    // The panels went to another zoom; the message boxes and the help window follow it.
    void zoomChanged(double zoom);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void scheduleSync();
    // The menus, the title bars and the panels at the zoom now set.
    void applyZoom(bool placeAgain);
    // The panels on show side by side at the largest zoom that fits, and those panels.
    Arrangement arrangement(std::vector<MdiPanels::Shown>& shown) const;
    // Mirrors every model shown non-modally; true when a panel opened or closed.
    bool mirrorPanels();
    Form* formOfWidget(QObject* widget) const;
    bool forwardKey(QObject* receiver, QKeyEvent* event);
    // Tab, Shift+Tab inside a panel; F6, Shift+F6, Ctrl+Tab, Ctrl+Shift+Tab between panels.
    bool navigate(QKeyEvent* event);

    Ondivel& app_;
    std::unique_ptr<MainWindowView> main_;
    PanelZoom zoom_;
    MdiPanels panels_;
    ModalRuns modals_;
    ModelTimers timers_;
    QTimer syncTimer_;
    QElapsedTimer sinceSync_;
    int syncCount_ = 0;
    int arrangeRequestsSeen_ = 0;
    bool endedSignalled_ = false;
    const QEvent* lastKey_ = nullptr;
    QPointer<QObject> lastKeyReceiver_;
};

} // namespace ondivel
