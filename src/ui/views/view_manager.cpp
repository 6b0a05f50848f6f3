#include "ui/views/view_manager.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QShortcut>
#include <algorithm>

#include "bench/main/mdi_ondivel.h"
#include "bench/ondivel.h"
#include "core/form.h"
#include "core/user_input.h"
#include "ui/main/mdi_ondivel_view.h"
#include "ui/views/form_view.h"
#include "ui/views/key_codes.h"

namespace ondivel {

ViewManager::ViewManager(Ondivel& app, QObject* parent)
    : QObject(parent), app_(app), main_(std::make_unique<MainWindowView>(app.mdi())), zoom_(app),
      panels_(app, *main_->mdiArea(), zoom_, [this] { syncNow(); }), modals_(app, *main_, zoom_),
      timers_(app, [this] { scheduleSync(); }) {
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
    timers_.stopAll();
    panels_.release();
    main_.reset(); // its sub-windows go with it; the modal windows' views go with modals_
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
    if (zoom_.load()) panels_.resize(false);
    main_->syncFromModel();
    for (Form* form : app_.forms())
        if (form != &app_.mdi()) panels_.mirror(*form);
    modals_.sync();
    timers_.sync();
    modals_.endClosed();
    if (app_.mdi().ended() && !endedSignalled_) {
        endedSignalled_ = true;
        emit programEnded();
    }
}

void ViewManager::setZoom(double zoom) {
    if (!zoom_.set(zoom)) return;
    panels_.resize(true); // placed again at the new scale
    syncNow();
}

void ViewManager::zoomIn() {
    setZoom(zoom_.larger());
}

void ViewManager::zoomOut() {
    setZoom(zoom_.smaller());
}

void ViewManager::zoomReset() {
    setZoom(1.0);
}

void ViewManager::runModal(Form& form) {
    modals_.run(form, [this] { syncNow(); });
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
    return false;
}

} // namespace ondivel
