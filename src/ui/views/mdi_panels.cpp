#include "ui/views/mdi_panels.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>
#include <cmath>

#include "bench/main/keyboard_focus.h"
#include "bench/ondivel.h"
#include "core/form.h"
#include "core/platform.h"
#include "core/user_input.h"
#include "ui/views/focus_ring.h"
#include "ui/views/form_view.h"
#include "ui/views/keyboard_navigation.h"
#include "ui/views/panel_zoom.h"
#include "ui/views/view_table.h"

namespace ondivel {

MdiPanels::MdiPanels(Ondivel& app, QMdiArea& area, const PanelZoom& zoom, std::function<void()> closed)
    : app_(app), area_(area), zoom_(zoom), closed_(std::move(closed)) {}

FormView* MdiPanels::viewOf(const Form& form) const {
    auto it = panels_.find(&form);
    return it == panels_.end() ? nullptr : it->second.view;
}

QMdiSubWindow* MdiPanels::subWindowOf(const Form& form) const {
    auto it = panels_.find(&form);
    return it == panels_.end() ? nullptr : it->second.window;
}

MdiPanels::Panel& MdiPanels::panelFor(Form& form) {
    Panel& panel = panels_[&form];
    if (panel.window) return panel;
    panel.view = makeView(form);
    applyTabOrder(*panel.view);
    new FocusRing(*panel.view);
    panel.window =
        area_.addSubWindow(panel.view, Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                           Qt::WindowMinimizeButtonHint);
    panel.window->setObjectName(QString::fromStdString(form.name()));
    panel.window->setAttribute(Qt::WA_DeleteOnClose, false);
    panel.window->installEventFilter(this);
    panel.window->setStyle(&titleBars_);
    fit(panel);
    return panel;
}

void MdiPanels::place(Form& form, Panel& panel) {
    if (form.Left == panel.placedLeft && form.Top == panel.placedTop) return;
    const double twips = app_.platform().twipsPerPixel() / zoom_.value();
    placing_ = true;
    panel.window->move(static_cast<int>(std::lround(form.Left / twips)),
                       static_cast<int>(std::lround(form.Top / twips)));
    placing_ = false;
    panel.placedLeft = form.Left;
    panel.placedTop = form.Top;
}

bool MdiPanels::mirror(Form& form) {
    const bool shown = form.loaded() && form.Visible && !form.modal();
    auto it = panels_.find(&form);
    if (!shown) {
        if (it == panels_.end() || it->second.window->isHidden()) return false;
        it->second.window->hide();
        return true;
    }
    Panel& panel = panelFor(form);
    const QString title = QString::fromStdString(form.Caption);
    if (panel.window->windowTitle() != title) panel.window->setWindowTitle(title);
    place(form, panel);
    panel.view->syncFromModel();
    const bool opened = panel.window->isHidden();
    if (opened) panel.window->show();
    // Opened from the keyboard (a menu's shortcut, Space on the toolbox), the panel's first
    // control takes the focus, so that the keys work on at once; a click leaves the choice to the
    // mouse.
    if (const Control* first =
            opened && FocusRing::keyboardInUse() ? NextStop(form, nullptr, true) : nullptr) {
        area_.setActiveSubWindow(panel.window);
        focusStop(*panel.view, first);
    }
    // The model asked for the focus on one of its stops (the scenario harness's keyboard does):
    // the view follows.
    if (form.focusRequests() != panel.focusRequestsSeen) {
        panel.focusRequestsSeen = form.focusRequests();
        if (const Control* stop = form.focusControl(); stop && stopWidget(*panel.view, *stop)) {
            area_.setActiveSubWindow(panel.window);
            focusStop(*panel.view, stop);
        }
    }
    return opened;
}

std::vector<MdiPanels::Shown> MdiPanels::shownPanels(const Form& lead, double zoom) const {
    std::vector<Shown> shown;
    for (Form* form : app_.forms()) {
        auto it = panels_.find(form);
        if (it == panels_.end()) continue;
        const Panel& panel = it->second;
        if (panel.window->isHidden() || panel.window->isMinimized()) continue;
        const QSize design = panel.view->designSize();
        const QMargins frame = panel.window->contentsMargins();
        // The window is never narrower than its title bar's buttons and a stub of its title; the
        // title bar may take a second line at that width.
        const int least = titleBars_.leastWidthAt(*panel.window, zoom);
        const int width =
            std::max(least, int(std::floor(design.width() * zoom + 0.5)) + frame.left() + frame.right());
        const int taller =
            titleBars_.titleBarHeightAt(*panel.window, zoom, width) -
            titleBars_.titleBarHeightAt(*panel.window, titleBars_.zoom(), panel.window->width());
        const Shown one{form,
                        {double(design.width()), double(design.height()),
                         double(frame.left() + frame.right()), double(frame.top() + frame.bottom() + taller),
                         double(least)}};
        if (form == &lead)
            shown.insert(shown.begin(), one);
        else
            shown.push_back(one);
    }
    return shown;
}

Form* MdiPanels::activePanel() const {
    const QMdiSubWindow* active = area_.activeSubWindow();
    for (const auto& [form, panel] : panels_)
        if (panel.window == active && active) return const_cast<Form*>(form);
    return nullptr;
}

void MdiPanels::enter(Form& form) {
    const Control* first = EnterPanel(form);
    mirror(form);
    Panel& panel = panelFor(form);
    area_.setActiveSubWindow(panel.window);
    focusStop(*panel.view, first);
}

QSize MdiPanels::room() const {
    return area_.contentsRect().size();
}

void MdiPanels::resize(bool placeAgain) {
    titleBars_.setZoom(zoom_.value());
    for (auto& [form, panel] : panels_) {
        fit(panel);
        if (placeAgain) panel.placedLeft = panel.placedTop = -1e300;
    }
}

void MdiPanels::fit(Panel& panel) {
    // The title bar's height follows the zoom and, for a title on two lines, the window's width:
    // the sub-window takes it into its margins before it is sized, and again at its new width.
    for (int pass = 0; pass < 2; ++pass) {
        QEvent relayout(QEvent::LayoutRequest);
        QCoreApplication::sendEvent(panel.window, &relayout);
        zoom_.sizeView(*panel.view);
    }
}

void MdiPanels::release() {
    for (auto& [form, panel] : panels_)
        panel.window->removeEventFilter(this);
    panels_.clear();
}

bool MdiPanels::eventFilter(QObject* watched, QEvent* event) {
    auto* window = qobject_cast<QMdiSubWindow*>(watched);
    if (!window) return false;
    for (auto& [form, panel] : panels_) {
        if (panel.window != window) continue;
        Form& model = const_cast<Form&>(*form);
        if (event->type() == QEvent::Close) {
            // The model may refuse; the window stays until the model hides or unloads it.
            event->ignore();
            user::close(model);
            closed_();
            return true;
        }
        if (event->type() == QEvent::Move && !placing_) {
            const double twips = app_.platform().twipsPerPixel() / zoom_.value();
            model.Left = std::round(window->x() * twips);
            model.Top = std::round(window->y() * twips);
            panel.placedLeft = model.Left;
            panel.placedTop = model.Top;
        }
        break;
    }
    return false;
}

} // namespace ondivel
