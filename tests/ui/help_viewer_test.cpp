// The help window: F1 topics open their page, unknown topics the contents, the buttons walk the
// history, every page has a title and is UTF-8; installed without its pages, the window names the
// missing file instead of staying blank, then shows the pages as soon as they are back.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>

#include "ui/help/help_viewer.h"
#include "ui/platform/folders.h"
#include "ui/platform/qt_platform.h"

using namespace ondivel;

namespace {

const char* const kTitle = "Aide d'Ondivel";

QString pagesFolder() {
    return sourceResourcesFolder() + "/help";
}

QString shownPage(const HelpViewer& viewer) {
    return QFileInfo(viewer.currentPage().toLocalFile()).fileName();
}

} // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { qunsetenv("ONDIVEL_PROGRAM_DIR"); }

    void f1OpensThePageOfThePanelInOneWindow() {
        // A topic without a page falls back to the contents.
        for (auto [topic, page] : {std::pair{3300, "3300.html"},
                                   {4242, "contents.html"},
                                   {0, "contents.html"},
                                   {kHelpIndexTopic, "index.html"}})
            QCOMPARE(QFileInfo(HelpViewer::pageForTopic(pagesFolder(), topic)).fileName(), QString(page));

        QtPlatform platform;
        const std::string helpFile = platform.programFolder() + "/ondivel.chm";
        QVERIFY(!platform.windowExists(kTitle));
        platform.showHelp(helpFile, 3300);
        HelpViewer* viewer = platform.helpViewer();
        QVERIFY(viewer && viewer->isVisible());
        QCOMPARE(viewer->windowTitle(), QString(kTitle));
        QCOMPARE(shownPage(*viewer), QString("3300.html"));
        QCOMPARE(viewer->browser()->documentTitle(), QString("L'oscilloscope bicourbe"));
        QVERIFY(viewer->browser()->toPlainText().contains("VOLT / DIV"));
        platform.showHelp(helpFile, 3200);
        QCOMPARE(platform.helpViewer(), viewer); // one window, reused
        QCOMPARE(viewer->browser()->documentTitle(), QString("Le générateur de fonctions (GBF)"));
        QVERIFY(platform.windowExists(kTitle));
        platform.closeWindow(kTitle);
        QVERIFY(!platform.windowExists(kTitle) && !platform.helpViewer());
    }

    void buttonsWalkTheHistory() {
        HelpViewer viewer(pagesFolder());
        viewer.showContents();
        QVERIFY(!viewer.findChild<QToolButton*>("back")->isEnabled());
        viewer.browser()->setSource(
            viewer.currentPage().resolved(QUrl("3400.html"))); // a link of the contents
        for (auto [button, page] : {std::pair{"back", "contents.html"},
                                    {"forward", "3400.html"},
                                    {"index", "index.html"},
                                    {"contents", "contents.html"},
                                    {"back", "index.html"}}) {
            auto* b = viewer.findChild<QToolButton*>(button);
            QVERIFY(b && b->isEnabled());
            b->click();
            QCOMPARE(shownPage(viewer), QString(page));
        }
    }

    // That links lead to pages is checked with the rest of the shipped help.
    void everyPageHasATitleAndIsUtf8() {
        const QDir dir(pagesFolder());
        for (const QString& page : dir.entryList({"*.html"})) {
            QFile file(dir.filePath(page));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            QTextDocument document;
            document.setHtml(html);
            QVERIFY2(!document.metaInformation(QTextDocument::DocumentTitle).isEmpty(), qPrintable(page));
            QVERIFY2(!html.contains(QChar::ReplacementCharacter), qPrintable(page + " is not UTF-8"));
        }
    }

    void missingPagesAreNamedInTheWindowUntilTheyAreBack() {
        QTemporaryDir empty;
        qputenv("ONDIVEL_PROGRAM_DIR", empty.path().toUtf8());
        QtPlatform platform;
        const std::string helpFile = platform.programFolder() + "/ondivel.chm";
        platform.showHelp(helpFile, 3300);
        HelpViewer* viewer = platform.helpViewer();
        QVERIFY(viewer && viewer->isVisible());
        const QString contents = QDir(empty.filePath("help")).filePath("contents.html");
        QCOMPARE(viewer->browser()->toPlainText(),
                 "Aide introuvable\nLe fichier suivant est introuvable :\n" +
                     QDir::toNativeSeparators(contents) + "\nVeuillez réinstaller Ondivel.");
        // The window's own buttons lead to the same notice, never to an empty page.
        viewer->findChild<QToolButton*>("index")->click();
        QVERIFY(viewer->browser()->toPlainText().contains("index.html"));
        QVERIFY(!QApplication::activeModalWidget());

        // Pages put back while the program runs show at the next request.
        QVERIFY(QDir(empty.path()).mkpath("help"));
        QFile page(contents);
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<html><head><title>Sommaire</title></head><body><p>Bienvenue</p></body></html>");
        page.close();
        platform.showHelp(helpFile, 3300);
        QCOMPARE(viewer->browser()->documentTitle(), QString("Sommaire"));
        platform.closeWindow(kTitle);
    }
};

QTEST_MAIN(HelpViewerTest)
#include "help_viewer_test.moc"
