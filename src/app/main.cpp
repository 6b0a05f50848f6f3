// Ondivel, the desktop program: the window models of the core behind Qt views.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "core/ondivel.h"
#include "shell/mdi_ondivel.h"
#include "ui/platform/qt_platform.h"
#include "ui/views/main_window_view.h"
#include "ui/views/view_manager.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Ondivel");
    QApplication::setOrganizationName("Ondivel");
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));

    // Qt's own buttons and dialogs in French ("Oui", "Non", "Annuler").
    QTranslator qtFrench;
    if (qtFrench.load(QLocale(QLocale::French), "qtbase", "_",
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtFrench);

    ondivel::QtPlatform platform;
    ondivel::Ondivel app(platform);
    ondivel::ViewManager views(app);
    platform.setModalRunner(views.modalRunner());
    QObject::connect(&views, &ondivel::ViewManager::programEnded, &application, &QApplication::quit,
                     Qt::QueuedConnection);

    views.mainWindow().showMaximized();
    app.mdi().Show(); // the start-up sequence
    views.syncNow();
    int status = 0;
    if (!app.mdi().ended() && app.mdi().loaded()) status = QApplication::exec();
    platform.setModalRunner(nullptr);
    return status;
}
