#include "ui/views/view_manager.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "bench/main/mdi_ondivel.h"
#include "bench/ondivel.h"
#include "core/control.h"
#include "core/form.h"
#include "core/format.h"
#include "core/platform.h"
#include "core/user_input.h"
#include "ui/main/mdi_ondivel_view.h"
#include "ui/scope/screen_widget.h"
#include "ui/views/form_view.h"
#include "ui/views/view_table.h"

namespace ondivel {

namespace {

constexpr int kFrameMilliseconds = 16; // about sixty syncs a second at most
constexpr double kZoomSteps[] = {0.75, 1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};

// A modal window of the program: closing it or pressing Escape asks the model.
class ModalHost : public QDialog {
  public:
    ModalHost(Form& form, QWidget* parent) : QDialog(parent), form_(form) {}
    void reject() override { user::close(form_); }

  protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        if (form_.loaded() && form_.Visible) user::close(form_);
    }

  private:
    Form& form_;
};

} // namespace

ViewManager::ViewManager(Ondivel& app, QObject* parent) : QObject(parent), app_(app) {
    main_ = std::make_unique<MainWindowView>(app.mdi());
    connect(main_.get(), &MainWindowView::modelTouched, this, &ViewManager::scheduleSync);
    syncTimer_.setSingleShot(true);
    connect(&syncTimer_, &QTimer::timeout, this, &ViewManager::syncNow);
    sinceSync_.start();
    app_.setRepaintListener([this] { scheduleSync(); });

    const auto shortcut = [this](const QList<QKeySequence>& keys, void (ViewManager::*slot)()) {
        for (const QKeySequence& k : keys) {
            auto* s = new QShortcut(k, main_.get());
            s->setContext(Qt::ApplicationShortcut);
            connect(s, &QShortcut::activated, this, slot);
        }
    };
    shortcut({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
             &ViewManager::zoomIn);
    shortcut({QKeySequence(Qt::CTRL | Qt::Key_Minus)}, &ViewManager::zoomOut);
    shortcut({QKeySequence(Qt::CTRL | Qt::Key_0)}, &ViewManager::zoomReset);
    qApp->installEventFilter(this);
}

ViewManager::~ViewManager() {
    qApp->removeEventFilter(this);
    app_.setRepaintListener(nullptr);
    for (auto& [control, timer] : timers_)
        timer->stop();
    for (auto& [form, panel] : panels_)
        panel.window->removeEventFilter(this);
    main_.reset(); // its sub-windows go with it
    panels_.clear();
    for (auto& [form, view] : modalViews_)
        delete view;
}

void ViewManager::scheduleSync() {
    if (syncTimer_.isActive()) return;
    const qint64 elapsed = sinceSync_.elapsed();
    syncTimer_.start(static_cast<int>(std::max<qint64>(0, kFrameMilliseconds - elapsed)));
}

void ViewManager::syncNow() {
    syncTimer_.stop();
    sinceSync_.restart();
    ++syncCount_;
    loadZoom();
    main_->syncFromModel();
    for (Form* form : app_.forms())
        if (form != &app_.mdi()) mirror(*form);
    for (auto& [form, view] : modalViews_)
        view->syncFromModel();
    syncTimers();
    for (const ModalRun& run : modalRuns_)
        if (!(run.form->loaded() && run.form->Visible)) run.loop->quit();
    if (app_.mdi().ended() && !endedSignalled_) {
        endedSignalled_ = true;
        emit programEnded();
    }
}

FormView* ViewManager::viewOf(const Form& form) const {
    auto it = panels_.find(&form);
    return it == panels_.end() ? nullptr : it->second.view;
}

QMdiSubWindow* ViewManager::subWindowOf(const Form& form) const {
    auto it = panels_.find(&form);
    return it == panels_.end() ? nullptr : it->second.window;
}

FormView* ViewManager::modalView() const {
    return modalRuns_.empty() ? nullptr : modalRuns_.back().view;
}

FormView* ViewManager::modalViewFor(Form& form) {
    FormView*& view = modalViews_[&form];
    if (!view) view = makeView(form);
    view->setFixedSize(view->designSize() * zoom_);
    for (ScreenWidget* screen : view->findChildren<ScreenWidget*>())
        screen->setZoom(zoom_);
    view->syncFromModel();
    return view;
}

ViewManager::Panel& ViewManager::panelFor(Form& form) {
    Panel& panel = panels_[&form];
    if (panel.window) return panel;
    panel.view = makeView(form);
    panel.window = main_->mdiArea()->addSubWindow(panel.view, Qt::SubWindow | Qt::WindowTitleHint |
                                                                  Qt::WindowCloseButtonHint |
                                                                  Qt::WindowMinimizeButtonHint);
    panel.window->setObjectName(QString::fromStdString(form.name()));
    panel.window->setAttribute(Qt::WA_DeleteOnClose, false);
    panel.window->installEventFilter(this);
    sizeView(*panel.view);
    return panel;
}

void ViewManager::sizeView(FormView& view) const {
    view.setFixedSize(view.designSize() * zoom_);
    for (ScreenWidget* screen : view.findChildren<ScreenWidget*>())
        screen->setZoom(zoom_);
    if (auto* window = qobject_cast<QMdiSubWindow*>(view.parentWidget())) window->adjustSize();
}

void ViewManager::place(Form& form, Panel& panel) {
    if (form.Left == panel.placedLeft && form.Top == panel.placedTop) return;
    const double twips = app_.platform().twipsPerPixel() / zoom_;
    placing_ = true;
    panel.window->move(static_cast<int>(std::lround(form.Left / twips)),
                       static_cast<int>(std::lround(form.Top / twips)));
    placing_ = false;
    panel.placedLeft = form.Left;
    panel.placedTop = form.Top;
}

void ViewManager::mirror(Form& form) {
    const bool shown = form.loaded() && form.Visible && !form.modal();
    auto it = panels_.find(&form);
    if (!shown) {
        if (it != panels_.end() && it->second.window->isVisible()) it->second.window->hide();
        return;
    }
    Panel& panel = panelFor(form);
    const QString title = QString::fromStdString(form.Caption);
    if (panel.window->windowTitle() != title) panel.window->setWindowTitle(title);
    place(form, panel);
    panel.view->syncFromModel();
    if (!panel.window->isVisible()) panel.window->show();
}

int ViewManager::pacedInterval(int modelInterval) {
    // A tick may redraw a whole screen picture that nobody sees faster than the display shows it;
    // the models measure real elapsed time, so fewer ticks move nothing slower.
    return std::max(modelInterval, kFrameMilliseconds);
}

void ViewManager::syncTimers() {
    for (Form* form : app_.forms()) {
        for (Control* c : form->controls()) {
            if (c->kind() != ControlKind::Timer) continue;
            const bool running = runTimers_ && form->loaded() && c->timerRunning();
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
                    scheduleSync();
                });
                timers_[c] = timer;
            }
            const int interval = pacedInterval(c->Interval);
            if (!timer->isActive() || timer->interval() != interval) timer->start(interval);
        }
    }
}

void ViewManager::loadZoom() {
    if (zoomLoaded_ || !app_.mdi().loaded()) return;
    zoomLoaded_ = true; // the settings file is known once the main window started
    const std::string setting = app_.ReadIni("Interface", "Zoom", "");
    const double stored = setting.empty() ? fittingZoom() : Val(setting);
    if (stored >= kZoomSteps[0] && stored <= kZoomSteps[std::size(kZoomSteps) - 1] && stored != zoom_) {
        zoom_ = stored;
        for (auto& [form, panel] : panels_)
            sizeView(*panel.view);
    }
}

double ViewManager::fittingZoom() const {
    // The bench of a first start (toolbox, oscilloscope, the two generators stacked beside it)
    // takes about 1030 x 720 pixels at zoom 1: use the largest step that fits the work area, so
    // that a projector or a large screen shows large instruments from the start.
    constexpr double kBenchWidth = 1030, kBenchHeight = 720;
    int width = 0, height = 0;
    app_.platform().workArea(width, height);
    double best = 1.0;
    for (double step : kZoomSteps)
        if (step > best && kBenchWidth * step <= width && kBenchHeight * step <= height - 60) best = step;
    return best;
}

void ViewManager::setZoom(double zoom) {
    zoom = std::clamp(zoom, kZoomSteps[0], kZoomSteps[std::size(kZoomSteps) - 1]);
    if (zoom == zoom_) return;
    zoom_ = zoom;
    zoomLoaded_ = true;
    if (app_.mdi().loaded()) app_.WriteIni("Interface", "Zoom", NumberText(zoom_));
    for (auto& [form, panel] : panels_) {
        sizeView(*panel.view);
        panel.placedLeft = panel.placedTop = -1e300; // placed again at the new scale
    }
    syncNow();
}

void ViewManager::zoomIn() {
    for (double step : kZoomSteps)
        if (step > zoom_ + 1e-9) return setZoom(step);
}

void ViewManager::zoomOut() {
    for (auto it = std::rbegin(kZoomSteps); it != std::rend(kZoomSteps); ++it)
        if (*it < zoom_ - 1e-9) return setZoom(*it);
}

void ViewManager::zoomReset() {
    setZoom(1.0);
}

void ViewManager::runModal(Form& form) {
    FormView*& view = modalViews_[&form];
    const bool fullScreen = &form == reinterpret_cast<Form*>(&app_.frmFullScreen());
    ModalHost host(form, main_.get());
    auto* layout = new QVBoxLayout(&host);
    layout->setContentsMargins(0, 0, 0, 0);
    if (!view) view = makeView(form);
    layout->addWidget(view);
    host.setWindowTitle(QString::fromStdString(form.Caption));
    if (fullScreen) {
        host.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
        QScreen* screen = main_->screen() ? main_->screen() : QGuiApplication::primaryScreen();
        host.setGeometry(screen->availableGeometry());
    } else {
        view->setFixedSize(view->designSize() * zoom_);
        // A window that gives itself a place (the mark beside the oscilloscope) goes there, in the
        // main window's client area as the sub-windows do; the others are centred.
        if (form.Left != 0 || form.Top != 0) {
            const double twips = app_.platform().twipsPerPixel() / zoom_;
            const QPoint wanted = main_->mdiArea()->viewport()->mapToGlobal(
                QPoint(static_cast<int>(std::lround(form.Left / twips)),
                       static_cast<int>(std::lround(form.Top / twips))));
            host.adjustSize();
            QScreen* screen = main_->screen() ? main_->screen() : QGuiApplication::primaryScreen();
            const QRect area = screen->availableGeometry();
            host.move(
                std::clamp(wanted.x(), area.left(), std::max(area.left(), area.right() - host.width())),
                std::clamp(wanted.y(), area.top(), std::max(area.top(), area.bottom() - host.height())));
        }
    }
    for (ScreenWidget* screen : view->findChildren<ScreenWidget*>())
        screen->setZoom(zoom_);
    host.setModal(true);
    host.show();
    QEventLoop loop;
    modalRuns_.push_back({&form, &loop, view});
    syncNow();
    while (form.loaded() && form.Visible)
        loop.exec();
    modalRuns_.pop_back();
    layout->removeWidget(view);
    view->setParent(nullptr); // kept for the next time; the host goes
    host.hide();
    scheduleSync();
}

Form* ViewManager::formOfWidget(QObject* object) const {
    for (QObject* o = object; o; o = o->parent()) {
        if (auto* view = qobject_cast<FormView*>(o)) return &view->form();
        if (o == main_.get()) return &app_.mdi();
    }
    return nullptr;
}

bool ViewManager::forwardKey(QObject* receiver, QKeyEvent* event) {
    // Qt offers an ignored key to each parent in turn; the model hears it once.
    if (event == lastKey_ && lastKeyReceiver_ && receiver->isWidgetType() &&
        lastKeyReceiver_->isWidgetType() &&
        static_cast<QWidget*>(receiver)->isAncestorOf(static_cast<QWidget*>(lastKeyReceiver_.data())))
        return false;
    lastKey_ = event;
    lastKeyReceiver_ = receiver;
    Form* form = formOfWidget(receiver);
    const int code = windowsKeyCode(event->key());
    if (!form || !form->loaded() || code == 0 || event->isAutoRepeat()) return false;
    user::key(*form, code, shiftMask(event->modifiers()));
    return code == kKeyF1; // the help key is the model's; other keys still reach the widgets
}

bool ViewManager::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType())
        return forwardKey(watched, static_cast<QKeyEvent*>(event));
    auto* window = qobject_cast<QMdiSubWindow*>(watched);
    if (!window) return false;
    for (auto& [form, panel] : panels_) {
        if (panel.window != window) continue;
        Form& model = const_cast<Form&>(*form);
        if (event->type() == QEvent::Close) {
            // The model may refuse; the window stays until the model hides or unloads it.
            event->ignore();
            user::close(model);
            syncNow();
            return true;
        }
        if (event->type() == QEvent::Move && !placing_) {
            const double twips = app_.platform().twipsPerPixel() / zoom_;
            model.Left = std::round(window->x() * twips);
            model.Top = std::round(window->y() * twips);
            panel.placedLeft = model.Left;
            panel.placedTop = model.Top;
        }
        break;
    }
    return false;
}

int ViewManager::windowsKeyCode(int key) {
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 65 + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return 48 + (key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    default:
        return 0;
    }
}

int ViewManager::shiftMask(Qt::KeyboardModifiers modifiers) {
    int mask = 0;
    if (modifiers & Qt::ShiftModifier) mask |= 1;
    if (modifiers & Qt::ControlModifier) mask |= 2;
    if (modifiers & Qt::AltModifier) mask |= 4;
    return mask;
}

} // namespace ondivel
