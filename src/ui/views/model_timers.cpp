#include "ui/views/model_timers.h"

#include <QTimer>
#include <algorithm>

#include "bench/ondivel.h"
#include "core/control.h"
#include "core/form.h"

namespace ondivel {

ModelTimers::ModelTimers(Ondivel& app, std::function<void()> ticked)
    : app_(app), ticked_(std::move(ticked)) {}

int ModelTimers::pacedInterval(int modelInterval) {
    // A tick may redraw a whole screen picture that nobody sees faster than the display shows it;
    // the models measure real elapsed time, so fewer ticks move nothing slower.
    return std::max(modelInterval, kFrameMilliseconds);
}

void ModelTimers::sync() {
    for (Form* form : app_.forms()) {
        for (Control* c : form->controls()) {
            if (c->kind() != ControlKind::Timer) continue;
            const bool running = run_ && form->loaded() && c->timerRunning();
            auto it = timers_.find(c);
            if (!running) {
                if (it != timers_.end()) it->second->stop();
                continue;
            }
            QTimer* timer = it != timers_.end() ? it->second : nullptr;
            if (!timer) {
                timer = new QTimer(this);
                timer->setTimerType(Qt::PreciseTimer);
                connect(timer, &QTimer::timeout, this, [this, c] {
                    Form* owner = c->owner();
                    if (!owner || !owner->loaded() || !c->timerRunning()) return;
                    c->raise(c->on.Timer);
                    ticked_();
                });
                timers_[c] = timer;
            }
            const int interval = pacedInterval(c->Interval);
            if (!timer->isActive() || timer->interval() != interval) timer->start(interval);
        }
    }
}

void ModelTimers::stopAll() {
    for (auto& [control, timer] : timers_)
        timer->stop();
}

} // namespace ondivel
