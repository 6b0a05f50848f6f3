#pragma once
// The Qt timers behind the window models' timer controls: one precise Qt timer per model timer
// that runs, paced to the display. Owned by the view manager, which syncs them with the views.
#include <QObject>
#include <functional>
#include <map>

class QTimer;

namespace ondivel {

class Control;
class Ondivel;

// One display frame: the shortest time between two syncs of the views, about sixty a second.
inline constexpr int kFrameMilliseconds = 16;

class ModelTimers : public QObject {
    Q_OBJECT
  public:
    // `ticked` runs after each tick a model timer heard.
    ModelTimers(Ondivel& app, std::function<void()> ticked);

    // Interval of the Qt timer behind a model timer: one display frame at the shortest, so a
    // 1 ms animation timer ticks about sixty times a second, not a thousand.
    static int pacedInterval(int modelInterval);

    // The screenshot tool replays scenarios on a fake clock: model timers must not tick in real time.
    void setRunning(bool run) { run_ = run; }
    // Starts, paces or stops the Qt timer of each model timer as the model now says.
    void sync();
    void stopAll();

  private:
    Ondivel& app_;
    std::function<void()> ticked_;
    std::map<Control*, QTimer*> timers_;
    bool run_ = true;
};

} // namespace ondivel
