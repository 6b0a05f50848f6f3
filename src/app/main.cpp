// Ondivel, the desktop program: the window models of the core behind Qt views.
#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>

#include "bench/main/mdi_ondivel.h"
#include "bench/main/montage.h"
#include "bench/ondivel.h"
#include "files/password_hash.h"
#include "ui/main/mdi_ondivel_view.h"
#include "ui/main/worksheet_command.h"
#include "ui/platform/admin_password_file.h"
#include "ui/platform/qt_platform.h"
#include "ui/platform/terminal_input.h"
#include "ui/views/view_manager.h"

namespace {

// For the launch-time measure: when ONDIVEL_FIRST_PAINT_FILE names a file, the first paint of the
// main window writes the steady clock's reading (nanoseconds) to it, once that paint is done.
class FirstPaintReport : public QObject {
  public:
    FirstPaintReport(QWidget& window, QByteArray path) : window_(window), path_(std::move(path)) {
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || !watched->isWidgetType() ||
            static_cast<QWidget*>(watched)->window() != &window_)
            return false;
        qApp->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] {
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            if (FILE* f = std::fopen(path_.constData(), "w")) {
                std::fprintf(f, "%lld\n", static_cast<long long>(std::chrono::nanoseconds(now).count()));
                std::fclose(f);
            }
        });
        return false;
    }

  private:
    QWidget& window_;
    QByteArray path_;
};

// `ondivel --admin-password`: the administrator fixes the teacher password of every account. Runs
// on a terminal, without a display.
int setAdminPassword() {
    const std::string path = ondivel::adminPasswordFilePath();
    const auto first = ondivel::readHiddenLine("Nouveau mot de passe enseignant (pour tous les comptes) : ");
    const auto second = first ? ondivel::readHiddenLine("Retaper le mot de passe : ") : std::nullopt;
    if (!second) {
        std::fputs("Saisie interrompue : le mot de passe n'a pas été changé.\n", stderr);
        return 1;
    }
    if (*first != *second) {
        std::fputs("Les deux saisies diffèrent : le mot de passe n'a pas été changé.\n", stderr);
        return 1;
    }
    // An empty password would open the teacher menus to everybody while pupils could not undo it.
    if (first->empty()) {
        std::fputs("Le mot de passe ne peut pas être vide : il n'a pas été changé.\n", stderr);
        return 1;
    }
    const std::string hash = ondivel::HashPassword(*first);
    std::string error;
    if (hash.empty()) {
        error = "Le calcul de l'empreinte du mot de passe a échoué (mémoire insuffisante).";
    } else if (ondivel::writeAdminPasswordFile(path, hash, error)) {
        std::printf("Mot de passe enseignant enregistré dans %s pour tous les comptes.\n", path.c_str());
        return 0;
    }
    std::fprintf(stderr, "%s\nLe mot de passe n'a pas été changé.\n", error.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "--admin-password") == 0) return setAdminPassword();
    if (argc >= 2 && std::strcmp(argv[1], "--worksheet") == 0)
        return ondivel::RunWorksheetCommand(argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName("Ondivel");
    QApplication::setOrganizationName("Ondivel");
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/ondivel.svg")));
    // Lets the desktop match the windows with the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ondivel.Ondivel"));
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));

    ondivel::QtPlatform platform; // also installs Qt's own French texts ("Oui", "Non", "Annuler")
    ondivel::Ondivel app(platform);
    ondivel::ViewManager views(app);
    platform.setModalRunner(views.modalRunner());
    QObject::connect(&views, &ondivel::ViewManager::zoomChanged, &application,
                     [&platform](double zoom) { platform.setDialogZoom(zoom); });
    QObject::connect(&views, &ondivel::ViewManager::programEnded, &application, &QApplication::quit,
                     Qt::QueuedConnection);

    std::unique_ptr<FirstPaintReport> firstPaint;
    if (const QByteArray path = qgetenv("ONDIVEL_FIRST_PAINT_FILE"); !path.isEmpty())
        firstPaint = std::make_unique<FirstPaintReport>(views.mainWindow(), path);

    // The whole work area, also where no window manager maximizes windows.
    if (const QScreen* screen = QApplication::primaryScreen())
        views.mainWindow().setGeometry(screen->availableGeometry());
    views.mainWindow().showMaximized();
    app.mdi().Show(); // the start-up sequence
    views.syncNow();
    // `ondivel FILE.ondm`, as the desktop opens a set-up: once the bench stands and the event loop
    // runs, so that its messages show over the main window.
    if (const QString file = QApplication::arguments().value(1);
        !file.isEmpty() && !file.startsWith(QStringLiteral("--")))
        QTimer::singleShot(0, &application, [&app, &views, file] {
            ondivel::OpenCommandLineFile(app, file.toStdString());
            views.syncNow();
        });
    int status = 0;
    if (!app.mdi().ended() && app.mdi().loaded()) status = QApplication::exec();
    platform.setModalRunner(nullptr);
    return status;
}
