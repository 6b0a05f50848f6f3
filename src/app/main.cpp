// Ondivel, the desktop program: the window models of the core behind Qt views.
#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QScreen>

#include "core/ondivel.h"
#include "shell/mdi_ondivel.h"
#include "ui/platform/qt_platform.h"
#include "ui/views/main_window_view.h"
#include "ui/views/view_manager.h"

int main(int argc, char** argv) {
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
    QObject::connect(&views, &ondivel::ViewManager::programEnded, &application, &QApplication::quit,
                     Qt::QueuedConnection);

    // The whole work area, also where no window manager maximizes windows.
    if (const QScreen* screen = QApplication::primaryScreen())
        views.mainWindow().setGeometry(screen->availableGeometry());
    views.mainWindow().showMaximized();
    app.mdi().Show(); // the start-up sequence
    views.syncNow();
    int status = 0;
    if (!app.mdi().ended() && app.mdi().loaded()) status = QApplication::exec();
    platform.setModalRunner(nullptr);
    return status;
}
