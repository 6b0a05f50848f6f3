#include "tour/tour_hooks.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <iostream>

#include "core/ondivel.h"
#include "ui/surface/tee_platform.h"
#include "ui/views/main_window_view.h"
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

void TourHooks::shot(Ondivel&, const std::string& name) {
    if (!views_) return;
    views_->syncNow();
    QApplication::processEvents();
    std::error_code ec;
    std::filesystem::create_directories(out_, ec);
    const std::filesystem::path file = out_ / (name + ".png");
    if (views_->mainWindow().grab().save(QString::fromStdString(file.string()), "PNG")) {
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
