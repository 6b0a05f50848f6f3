#pragma once
// Keeps the Qt windows in step with the window models: the main window, one MDI sub-window per
// model shown (at the model's position), the modal windows, the model timers, key presses and
// the zoom of the panels. Repaints are coalesced: one sync per event-loop turn, at most about
// sixty a second, and none while nothing changes. Built once by main() and by the tour tool.
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QEventLoop;
class QKeyEvent;
class QMdiSubWindow;

namespace ondivel {

class Control;
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
    FormView* viewOf(const Form& form) const;
    QMdiSubWindow* subWindowOf(const Form& form) const;
    // The view of the modal window running now, null when none.
    FormView* modalView() const;
    // The view a modal window shows, made when needed, sized at the zoom and synced: the screenshot
    // tool, whose scenarios run modal windows without a nested event loop, draws it for them.
    FormView* modalViewFor(Form& form);

    // The screenshot tool replays scenarios on a fake clock: model timers must not tick in real time.
    void setRunModelTimers(bool run) { runTimers_ = run; }

    double zoom() const { return zoom_; }
    void setZoom(double zoom);
    void zoomIn();
    void zoomOut();
    void zoomReset();

    // Shows the model's view modally until the model is hidden or unloaded; the desktop platform
    // runs its showModal through this.
    void runModal(Form& form);
    std::function<void(Form&)> modalRunner() {
        return [this](Form& form) { runModal(form); };
    }

    // Interval of the Qt timer behind a model timer: one display frame at the shortest, so a
    // 1 ms animation timer ticks about sixty times a second, not a thousand.
    static int pacedInterval(int modelInterval);

    // Windows key code of a Qt key (F1 = 112, A = 65 …), 0 when it has none.
    static int windowsKeyCode(int qtKey);
    // Shift mask of the classic toolkit: Shift 1, Ctrl 2, Alt 4.
    static int shiftMask(Qt::KeyboardModifiers modifiers);

  signals:
    // The main window's model ended (the program quits).
    void programEnded();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Panel {
        FormView* view = nullptr;
        QMdiSubWindow* window = nullptr;
        double placedLeft = -1e300, placedTop = -1e300;
    };
    struct ModalRun {
        Form* form;
        QEventLoop* loop;
        FormView* view;
    };

    void scheduleSync();
    void mirror(Form& form);
    Panel& panelFor(Form& form);
    void place(Form& form, Panel& panel);
    void sizeView(FormView& view) const;
    void syncTimers();
    void loadZoom();
    // The zoom a first start uses: the largest that fits the work area.
    double fittingZoom() const;
    Form* formOfWidget(QObject* widget) const;
    bool forwardKey(QObject* receiver, QKeyEvent* event);

    Ondivel& app_;
    std::unique_ptr<MainWindowView> main_;
    std::map<const Form*, Panel> panels_;
    std::map<const Form*, FormView*> modalViews_;
    std::vector<ModalRun> modalRuns_;
    std::map<Control*, QTimer*> timers_;
    QTimer syncTimer_;
    QElapsedTimer sinceSync_;
    int syncCount_ = 0;
    bool runTimers_ = true;
    bool placing_ = false;
    bool endedSignalled_ = false;
    bool zoomLoaded_ = false;
    double zoom_ = 1.0;
    const QEvent* lastKey_ = nullptr;
    QPointer<QObject> lastKeyReceiver_;
};

} // namespace ondivel
