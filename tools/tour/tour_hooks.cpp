#include "tour/tour_hooks.h"

#include <QApplication>
#include <QImage>
#include <QMdiArea>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <cmath>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "bench/ondivel.h"
#include "core/form.h"
#include "core/platform.h"
#include "ui/help/help_viewer.h"
#include "ui/main/mdi_ondivel_view.h"
#include "ui/platform/dialog_texts.h"
#include "ui/platform/folders.h"
#include "ui/surface/tee_platform.h"
#include "ui/views/chrome_zoom.h"
#include "ui/views/form_view.h"
#include "ui/views/view_manager.h"
#include "ui/views/view_table.h"

namespace ondivel::tour {

namespace {

// A modal window as the desktop shows it, at `place` or else centred over the main window: a
// shadow, a title bar with its caption, and the window's contents.
void drawModalWindow(QPixmap& picture, const QString& title, const QPixmap& contents,
                     std::optional<QPoint> place, double titleScale) {
    const QSize body = contents.deviceIndependentSize().toSize();
    // The title grows with the zoom, as the program's own title bars do.
    const int kTitle = static_cast<int>(std::lround(30 * titleScale)), kBorder = 1;
    const QSize outer(body.width() + 2 * kBorder, body.height() + kTitle + kBorder);
    const QSize whole = picture.deviceIndependentSize().toSize();
    QPoint corner((whole.width() - outer.width()) / 2, (whole.height() - outer.height()) / 2);
    if (place)
        corner = QPoint(std::clamp(place->x(), 0, std::max(0, whole.width() - outer.width())),
                        std::clamp(place->y(), 0, std::max(0, whole.height() - outer.height())));
    const QRect frame(corner, outer);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 1; i <= 8; ++i) // a soft shadow
        p.fillRect(frame.adjusted(-i, -i + 4, i, i + 4), QColor(0, 0, 0, 10));
    p.fillRect(frame, QColor(60, 64, 72));
    p.setPen(QColor(40, 42, 48));
    p.drawRect(frame.adjusted(0, 0, -1, -1));
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setPixelSize(static_cast<int>(std::lround(14 * titleScale)));
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(frame.left() + 12, frame.top(), frame.width() - 24, kTitle),
               Qt::AlignVCenter | Qt::AlignLeft, title);
    p.drawPixmap(frame.left() + kBorder, frame.top() + kTitle, contents);
}

} // namespace

TourHooks::TourHooks(std::filesystem::path outDir) : out_(std::move(outDir)) {}

TourHooks::~TourHooks() = default;

std::unique_ptr<FakePlatform> TourHooks::makePlatform(const std::filesystem::path& root) {
    return std::make_unique<TeePlatform>(root.string());
}

void TourHooks::applicationCreated(Ondivel& app) {
    views_ = std::make_unique<ViewManager>(app);
    views_->setRunModelTimers(false);
    views_->mainWindow().show();
    // As on a desktop, the program's window is the active one: the keyboard's focus shows.
    QApplication::setActiveWindow(&views_->mainWindow());
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

namespace {

// The last message box and the help window at the last topic asked for, as the desktop shows
// them at the zoom of the panels; null pictures when none was shown.
QPixmap messagePicture(const FakePlatform& platform, double zoom) {
    if (platform.messages.empty()) return {};
    const ShownMessage& m = platform.messages.back();
    auto box =
        buildMessageBox(QString::fromStdString(m.text), m.flags, QString::fromStdString(m.title), zoom);
    box->show();
    QApplication::processEvents();
    return box->grab();
}

QPixmap helpPicture(const FakePlatform& platform, double zoom) {
    if (platform.helpRequests.empty()) return {};
    const std::string& request = platform.helpRequests.back();
    const int topic = std::stoi(request.substr(request.find('#') + 1));
    HelpViewer viewer(sourceResourcesFolder() + QStringLiteral("/help"));
    viewer.setZoom(zoom);
    viewer.showTopic(topic);
    QApplication::processEvents();
    return viewer.grab();
}

} // namespace

QPixmap TourHooks::windowPicture(Ondivel& app, const std::string& window) const {
    // "MsgBox" and "Aide" stand for the last message box and the help window.
    if (auto* fake = dynamic_cast<FakePlatform*>(&app.platform()); fake && window == "MsgBox")
        return messagePicture(*fake, ChromeScale(views_->zoom()));
    if (auto* fake = dynamic_cast<FakePlatform*>(&app.platform()); fake && window == "Aide")
        return helpPicture(*fake, ChromeScale(views_->zoom()));
    Form& form = *app.form(window);
    // The harness runs a modal window without its dialog: its view is kept aside.
    if (form.loaded() && form.modal()) return views_->modalViewFor(form)->grab();
    if (FormView* view = views_->viewOf(form)) return view->grab();
    // A window not open now is pictured as it would open.
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
    QPixmap picture = window.empty() ? views_->mainWindow().grab() : windowPicture(app, window);
    // The scenario runs modal windows without their dialog: draw them over the main window.
    for (Form* form : window.empty() ? app.forms() : std::vector<Form*>{}) {
        if (!form->loaded() || !form->Visible || !form->modal()) continue;
        // A window that places itself (the mark beside the oscilloscope) is drawn there.
        std::optional<QPoint> place;
        if (form->Left != 0 || form->Top != 0) {
            const double twips = app.platform().twipsPerPixel() / views_->zoom();
            const QPoint inArea(static_cast<int>(std::lround(form->Left / twips)),
                                static_cast<int>(std::lround(form->Top / twips)));
            MainWindowView& main = views_->mainWindow();
            place = main.mdiArea()->viewport()->mapTo(&main, inArea);
        }
        drawModalWindow(picture, QString::fromStdString(form->Caption), views_->modalViewFor(*form)->grab(),
                        place, ChromeScale(views_->zoom()));
    }
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
