#include "ui/views/view_manager.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QShortcut>
#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

#include "bench/main/keyboard_focus.h"
#include "bench/main/mdi_ondivel.h"
#include "bench/main/panel_arrangement.h"
#include "bench/main/preferences.h"
#include "bench/main/tab_order.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "core/form.h"
#include "core/platform.h"
#include "core/user_input.h"
#include "ui/main/mdi_ondivel_view.h"
#include "ui/views/focus_ring.h"
#include "ui/views/form_view.h"
#include "ui/views/key_codes.h"
#include "ui/views/keyboard_navigation.h"

namespace ondivel {

ViewManager::ViewManager(Ondivel& app, QObject* parent)
    : QObject(parent), app_(app), main_(std::make_unique<MainWindowView>(app.mdi())), zoom_(app),
      panels_(app, *main_->mdiArea(), zoom_, [this] { syncNow(); }), modals_(app, *main_, zoom_),
      timers_(app, [this] { scheduleSync(); }) {
    connect(main_.get(), &MainWindowView::modelTouched, this, &ViewManager::scheduleSync);
    syncTimer_.setSingleShot(true);
    connect(&syncTimer_, &QTimer::timeout, this, &ViewManager::syncNow);
    sinceSync_.start();
    FocusRing::keyboardMovesFocus(false); // a program starts with no key pressed yet
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
    if (zoom_.load()) applyZoom(false);
    main_->syncFromModel();
    const bool openedOrClosed = mirrorPanels();
    const int requests = app_.mdi().arrangeRequests();
    if (requests != arrangeRequestsSeen_ ||
        (openedOrClosed && app_.mdi().loaded() && ArrangesAtEachOpening(app_))) {
        arrangeRequestsSeen_ = requests;
        arrangePanels();
    }
    modals_.sync();
    timers_.sync();
    modals_.endClosed();
    if (app_.mdi().ended() && !endedSignalled_) {
        endedSignalled_ = true;
        emit programEnded();
    }
}

bool ViewManager::mirrorPanels() {
    bool changed = false;
    for (Form* form : app_.forms())
        if (form != &app_.mdi()) changed = panels_.mirror(*form) || changed;
    return changed;
}

namespace {

std::vector<PanelExtent> extentsOf(const std::vector<MdiPanels::Shown>& shown) {
    std::vector<PanelExtent> extents;
    for (const MdiPanels::Shown& panel : shown)
        extents.push_back(panel.extent);
    return extents;
}

} // namespace

Arrangement ViewManager::arrangement(std::vector<MdiPanels::Shown>& shown) const {
    // The menu bar and the title bars grow with the zoom: each zoom is tried with the room and
    // the frames it will leave, the largest first.
    const std::span<const double> steps = PanelZoom::steps();
    Arrangement best;
    for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
        const double zoom = *it;
        shown = panels_.shownPanels(app_.frmOndivel(), zoom);
        const QSize room = panels_.room() - QSize(0, main_->menuBarGrowthAt(zoom));
        best = ArrangePanels(extentsOf(shown), room.width(), room.height(), std::span(&zoom, 1));
        if (best.fits) break;
    }
    return best;
}

double ViewManager::fittingZoom() const {
    std::vector<MdiPanels::Shown> shown;
    return arrangement(shown).zoom;
}

void ViewManager::applyZoom(bool placeAgain) {
    main_->setChromeZoom(zoom_.value());
    panels_.resize(placeAgain);
    emit zoomChanged(zoom_.value());
}

void ViewManager::arrangePanels() {
    std::vector<MdiPanels::Shown> shown;
    const Arrangement arrangement = this->arrangement(shown);
    if (shown.empty()) return;
    if (zoom_.set(arrangement.zoom)) applyZoom(true);
    // The models keep their places in twips at zoom 1, as a drag would leave them.
    const double twips = app_.platform().twipsPerPixel() / zoom_.value();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        shown[i].form->Left = std::round(arrangement.places[i].left * twips);
        shown[i].form->Top = std::round(arrangement.places[i].top * twips);
    }
    mirrorPanels();
}

void ViewManager::setZoom(double zoom) {
    if (!zoom_.set(zoom)) return;
    applyZoom(true); // placed again at the new scale
    syncNow();
}

void ViewManager::zoomIn() {
    // Beyond the fitting zoom the panels would go behind the scroll bars.
    const double next = zoom_.larger();
    if (next <= fittingZoom()) setZoom(next);
}

void ViewManager::zoomOut() {
    setZoom(zoom_.smaller());
}

void ViewManager::zoomReset() {
    setZoom(fittingZoom());
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

bool ViewManager::navigate(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool ctrl = mods.testFlag(Qt::ControlModifier);
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    const bool back = mods.testFlag(Qt::ShiftModifier) || event->key() == Qt::Key_Backtab;
    if ((event->key() == Qt::Key_F6 && !ctrl) || (tab && ctrl)) {
        // F6 and Ctrl+Tab go from panel to panel, the same way round as the scenario harness.
        if (Form* next = NextPanel(app_, panels_.activePanel(), !back)) {
            panels_.enter(*next);
            scheduleSync();
        }
        return true;
    }
    if (!tab || mods.testFlag(Qt::AltModifier)) return false;
    // Tab stays inside the panel: past its last control it comes back to the first.
    QWidget* focus = QApplication::focusWidget();
    for (QWidget* w = focus; w; w = w->parentWidget())
        if (auto* view = qobject_cast<FormView*>(w))
            return !TabOrder(view->form().name()).empty() && moveFocus(*view, !back);
    return false;
}

bool ViewManager::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (forwardKey(watched, key)) return true;
    // A key left to the widgets is offered to each parent in turn: navigating is done once, as
    // the first receiver did not move the focus, neither do the others. A modal window and the
    // help viewer keep their keys.
    return !modals_.current() && static_cast<QWidget*>(watched)->window() == main_.get() && navigate(key);
}

} // namespace ondivel
