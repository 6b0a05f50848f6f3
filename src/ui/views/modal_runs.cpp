#include "ui/views/modal_runs.h"

#include <QCloseEvent>
#include <QDialog>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMdiArea>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "bench/ondivel.h"
#include "bench/scope/frm_full_screen.h"
#include "core/form.h"
#include "core/platform.h"
#include "core/user_input.h"
#include "ui/main/frm_option_view.h"
#include "ui/main/help_menu_dialog.h"
#include "ui/main/mdi_ondivel_view.h"
#include "ui/views/chrome_zoom.h"
#include "ui/views/form_view.h"
#include "ui/views/panel_zoom.h"
#include "ui/views/view_table.h"

namespace ondivel {

namespace {

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

// The view at the zoom. The windows laid out by Qt get their texts scaled here; the dialog
// views scale their own, as the panels do.
void sizeAtZoom(FormView& view, const PanelZoom& zoom) {
    if (qobject_cast<HelpMenuDialog*>(&view) || qobject_cast<OptionView*>(&view))
        ScaleTexts(view, zoom.value());
    view.setFixedSize(view.designSize() * zoom.value());
}

} // namespace

ModalRuns::ModalRuns(Ondivel& app, MainWindowView& main, const PanelZoom& zoom)
    : app_(app), main_(main), zoom_(zoom) {}

ModalRuns::~ModalRuns() {
    for (auto& [form, view] : views_)
        delete view;
}

FormView* ModalRuns::current() const {
    return runs_.empty() ? nullptr : runs_.back().view;
}

FormView* ModalRuns::viewFor(Form& form) {
    FormView*& view = views_[&form];
    if (!view) view = makeView(form);
    // The full-screen view takes the work area and magnifies its picture itself.
    const bool fullScreen = &form == static_cast<Form*>(&app_.frmFullScreen());
    if (fullScreen) {
        view->setFixedSize(view->designSize());
    } else {
        sizeAtZoom(*view, zoom_);
        zoom_.zoomScreens(*view);
    }
    view->syncFromModel();
    return view;
}

void ModalRuns::sync() {
    for (auto& [form, view] : views_)
        view->syncFromModel();
}

void ModalRuns::endClosed() {
    for (const Run& run : runs_)
        if (!(run.form->loaded() && run.form->Visible)) run.loop->quit();
}

void ModalRuns::run(Form& form, const std::function<void()>& shown) {
    FormView*& view = views_[&form];
    const bool fullScreen = &form == static_cast<Form*>(&app_.frmFullScreen());
    ModalHost host(form, &main_);
    auto* layout = new QVBoxLayout(&host);
    layout->setContentsMargins(0, 0, 0, 0);
    if (!view) view = makeView(form);
    layout->addWidget(view);
    host.setWindowTitle(QString::fromStdString(form.Caption));
    if (fullScreen) {
        host.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
        QScreen* screen = main_.screen() ? main_.screen() : QGuiApplication::primaryScreen();
        host.setGeometry(screen->availableGeometry());
    } else {
        sizeAtZoom(*view, zoom_);
        // A window that gives itself a place (the mark beside the oscilloscope) goes there, in the
        // main window's client area as the sub-windows do; the others are centred.
        if (form.Left != 0 || form.Top != 0) {
            const double twips = app_.platform().twipsPerPixel() / zoom_.value();
            const QPoint wanted = main_.mdiArea()->viewport()->mapToGlobal(
                QPoint(static_cast<int>(std::lround(form.Left / twips)),
                       static_cast<int>(std::lround(form.Top / twips))));
            host.adjustSize();
            QScreen* screen = main_.screen() ? main_.screen() : QGuiApplication::primaryScreen();
            const QRect area = screen->availableGeometry();
            host.move(
                std::clamp(wanted.x(), area.left(), std::max(area.left(), area.right() - host.width())),
                std::clamp(wanted.y(), area.top(), std::max(area.top(), area.bottom() - host.height())));
        }
    }
    if (!fullScreen) zoom_.zoomScreens(*view);
    host.setModal(true);
    host.show();
    QEventLoop loop;
    runs_.push_back({&form, &loop, view});
    shown();
    while (form.loaded() && form.Visible)
        loop.exec();
    runs_.pop_back();
    layout->removeWidget(view);
    view->setParent(nullptr); // kept for the next time; the host goes
    host.hide();
}

} // namespace ondivel
