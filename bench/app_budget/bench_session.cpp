#include "bench_session.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "bench/main/frm_tip.h"
#include "bench/main/mdi_ondivel.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/sources/frm_gbf.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/user_input.h"
#include "process_figures.h"
#include "ui/main/mdi_ondivel_view.h"
#include "ui/platform/qt_platform.h"
#include "ui/views/view_manager.h"

namespace ondivel::budget {

namespace {
constexpr int kGeneratorOnCh1 = 1; // the toolbox's connection option
constexpr int kTimeBaseKnob = 5;
} // namespace

BenchSession::BenchSession() {
    // The platform reads its folders from the environment when it is made.
    for (const char* name : {"ONDIVEL_APPDATA_DIR", "ONDIVEL_DOCUMENTS_DIR"}) {
        const QString dir = folders_.path() + '/' + name;
        QDir().mkpath(dir);
        qputenv(name, dir.toUtf8());
    }
    platform_ = std::make_unique<QtPlatform>();
    app_ = std::make_unique<Ondivel>(*platform_);
    views_ = std::make_unique<ViewManager>(*app_);
    platform_->setModalRunner(views_->modalRunner());
    if (const QScreen* screen = QApplication::primaryScreen())
        views_->mainWindow().setGeometry(screen->availableGeometry());
    views_->mainWindow().showMaximized();
    // A first start shows the tip of the day modally, whenever the start-up reaches it: the user
    // reads it and clicks OK.
    QTimer tipReader;
    QObject::connect(&tipReader, &QTimer::timeout, [this] {
        FrmTip& tip = app_->frmTip();
        if (tip.loaded() && tip.Visible) user::click(tip.cmdOK);
    });
    tipReader.start(100);
    app_->mdi().Show();
    tipReader.stop();
    views_->syncNow();
}

BenchSession::~BenchSession() {
    platform_->setModalRunner(nullptr);
    views_.reset();
    app_.reset();
}

void BenchSession::wireGeneratorOnCh1() {
    FrmOndivel& scope = app_->frmOndivel();
    user::click(scope.chkOn);
    user::click(scope.imgBorne[0]);
    user::click(scope.imgBorne[2]);
    user::click(app_->frmToolBox().optConnexion[kGeneratorOnCh1]);
    FrmGBF& gbf = app_->frmGBFA();
    user::click(gbf.chkOn);
    user::click(gbf.imgBorne[0]);
    user::click(gbf.imgBorne[1]);
    views_->syncNow();
}

bool BenchSession::setTimeBase(const std::string& setting) {
    FrmOndivel& scope = app_->frmOndivel();
    const auto& list = scope.cboBaseTemps.List;
    const auto it = std::find(list.begin(), list.end(), setting);
    if (it == list.end()) return false;
    user::drag(scope.Potentio[kTimeBaseKnob], static_cast<double>(it - list.begin()));
    views_->syncNow();
    return scope.cboBaseTemps.listText() == setting;
}

bool BenchSession::switchToXY() {
    FrmOndivel& scope = app_->frmOndivel();
    for (int step = 0; step < 6 && scope.modeIndex() != ModeXY; ++step)
        user::click(scope.cmdVoie[1]);
    views_->syncNow();
    return scope.modeIndex() == ModeXY && scope.tmrXY.timerRunning();
}

bool BenchSession::sweepRunning() const {
    return app_->frmOndivel().tmrSpot.timerRunning();
}

double BenchSession::cpuPercentOver(double seconds) {
    // The pictures of the set-up are painted before the measure starts.
    QEventLoop settle;
    QTimer::singleShot(500, &settle, &QEventLoop::quit);
    settle.exec();

    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(seconds * 1000), &loop, &QEventLoop::quit);
    QElapsedTimer wall;
    const double cpuBefore = cpuSeconds();
    wall.start();
    loop.exec();
    const double cpu = cpuSeconds() - cpuBefore;
    return 100 * cpu / (static_cast<double>(wall.nsecsElapsed()) / 1e9);
}

} // namespace ondivel::budget
