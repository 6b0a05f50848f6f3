#pragma once
// The desktop program built as main() builds it (the real platform, the window models, the Qt
// views), in this process, on fresh data folders: the bench of a lesson is set up through the
// same user actions as a click would make, then the real event loop runs while the CPU is measured.
#include <QTemporaryDir>
#include <memory>
#include <string>

namespace ondivel {
class Ondivel;
class QtPlatform;
class ViewManager;
} // namespace ondivel

namespace ondivel::budget {

class BenchSession {
  public:
    // Needs a QApplication. Starts the program as a first start would, and closes the tip window.
    BenchSession();
    ~BenchSession();

    // Oscilloscope on in CH1, its cables plugged, a function generator on and wired to CH1.
    void wireGeneratorOnCh1();
    // Turns the time-base knob to a setting of its list ("1 ms/div", "0.1 s/div" …).
    bool setTimeBase(const std::string& setting);
    // Steps the mode with the panel's right arrow until XY; false when it never comes.
    bool switchToXY();
    // True while the beam spot is drawn progressively, tick after tick.
    bool sweepRunning() const;

    // Runs the event loop for `seconds`; the CPU this process used meanwhile, in % of one core.
    double cpuPercentOver(double seconds);

    Ondivel& app() const { return *app_; }
    ViewManager& views() const { return *views_; }

  private:
    QTemporaryDir folders_;
    std::unique_ptr<QtPlatform> platform_;
    std::unique_ptr<Ondivel> app_;
    std::unique_ptr<ViewManager> views_;
};

} // namespace ondivel::budget
