// The desktop program installed without its click sound or its help pages (a partial copy, a
// cleaned-up folder): a missing sound is simply not heard, and the help window says which file is
// missing instead of staying blank, then shows the pages as soon as they are back.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include "core/ondivel.h"
#include "scope/scales.h"
#include "ui/help/help_viewer.h"
#include "ui/platform/qt_platform.h"

using namespace ondivel;

class ResourceFaultsTest : public QObject {
    Q_OBJECT
    QTemporaryDir empty_;

  private slots:
    void init() { qputenv("ONDIVEL_PROGRAM_DIR", empty_.path().toUtf8()); }
    void cleanup() { qunsetenv("ONDIVEL_PROGRAM_DIR"); }

    void aMissingClickSoundIsNotHeardAndAsksNothing() {
        QtPlatform platform;
        Ondivel app(platform);
        QCOMPARE(QString::fromStdString(app.programFolder()), empty_.path());
        for (int i = 0; i < 3; ++i)
            QVERIFY(!PlayClick(app, ClickSoundPath(app)));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void missingHelpPagesAreNamedInTheHelpWindowUntilTheyAreBack() {
        QtPlatform platform;
        const std::string helpFile = platform.programFolder() + "/ondivel.chm";
        platform.showHelp(helpFile, 3300);
        HelpViewer* viewer = platform.helpViewer();
        QVERIFY(viewer && viewer->isVisible());
        const QString contents = QDir(empty_.filePath("help")).filePath("contents.html");
        QCOMPARE(viewer->browser()->toPlainText(),
                 "Aide introuvable\nLe fichier suivant est introuvable :\n" +
                     QDir::toNativeSeparators(contents) + "\nVeuillez réinstaller Ondivel.");
        // The window's own buttons lead to the same notice, never to an empty page.
        viewer->findChild<QToolButton*>("index")->click();
        QVERIFY(viewer->browser()->toPlainText().contains("index.html"));
        QVERIFY(!QApplication::activeModalWidget());

        // Pages put back while the program runs show at the next request.
        QVERIFY(QDir(empty_.path()).mkpath("help"));
        QFile page(contents);
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><head><title>Sommaire</title></head><body><p>Bienvenue</p></body></html>");
        page.close();
        platform.showHelp(helpFile, 3300);
        QCOMPARE(viewer->browser()->documentTitle(), QString("Sommaire"));
        QVERIFY(viewer->browser()->toPlainText().contains("Bienvenue"));
        platform.closeWindow("Aide d'Ondivel");
    }
};

QTEST_MAIN(ResourceFaultsTest)
#include "resource_faults_test.moc"
