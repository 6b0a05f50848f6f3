#include "tour/tour_hooks.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <iostream>

#include "core/form.h"
#include "core/ondivel.h"
#include "ui/surface/tee_platform.h"
#include "ui/views/form_view.h"
#include "ui/views/main_window_view.h"
#include "ui/views/view_factory.h"
#include "ui/views/view_manager.h"

namespace ondivel::tour {

TourHooks::TourHooks(std::filesystem::path outDir) : out_(std::move(outDir)) {}

TourHooks::~TourHooks() = default;

std::unique_ptr<FakePlatform> TourHooks::makePlatform(const std::filesystem::path& root) {
    return std::make_unique<TeePlatform>(root.string());
}

void TourHooks::applicationCreated(Ondivel& app) {
    views_ = std::make_unique<ViewManager>(app);
    views_->setRunModelTimers(false);
    views_->mainWindow().show();
}

void TourHooks::start(Ondivel& app) {
    // The scenario's `workarea` is known now: the main window takes it, as on a real screen.
    int width = 1280, height = 800;
    app.platform().workArea(width, height);
    views_->mainWindow().resize(width, height);
    script::ScenarioHooks::start(app);
}

void TourHooks::lineDone(Ondivel&) {
    QApplication::processEvents();
}

QPixmap TourHooks::windowPicture(Ondivel& app, const std::string& window) const {
    Form& form = *app.form(window);
    if (FormView* view = views_->viewOf(form)) return view->grab();
    // A modal window has no sub-window here: the harness runs it. A view made for the picture
    // shows it as the desktop would.
    std::unique_ptr<FormView> view(makeView(form));
    view->setWindowFlag(Qt::Window);
    view->syncFromModel();
    view->resize(view->designSize().expandedTo(view->sizeHint()));
    view->show();
    QApplication::processEvents();
    return view->grab();
}

void TourHooks::shot(Ondivel& app, const std::string& name, const std::string& window) {
    if (!views_) return;
    views_->syncNow();
    QApplication::processEvents();
    std::error_code ec;
    std::filesystem::create_directories(out_, ec);
    const std::filesystem::path file = out_ / (name + ".png");
    const QPixmap picture = window.empty() ? views_->mainWindow().grab() : windowPicture(app, window);
    if (picture.save(QString::fromStdString(file.string()), "PNG")) {
        ++saved_;
    } else {
        ++failed_;
        std::cerr << "ondivel-tour: cannot write " << file.string() << '\n';
    }
}

void TourHooks::scenarioFinished(Ondivel&, const script::Scenario&) {
    views_.reset(); // before the application goes
}

} // namespace ondivel::tour
