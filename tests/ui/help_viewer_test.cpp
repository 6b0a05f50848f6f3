// The help window: F1 topics open their page, unknown topics the contents, the buttons walk the
// history, and every page has a title and is UTF-8.
#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>

#include "ui/help/help_viewer.h"
#include "ui/platform/folders.h"
#include "ui/platform/qt_platform.h"

using namespace ondivel;

namespace {

QString pagesFolder() {
    return sourceResourcesFolder() + "/help";
}

QString shownPage(const HelpViewer& viewer) {
    return QFileInfo(viewer.currentPage().toLocalFile()).fileName();
}

void press(HelpViewer& viewer, const char* button) {
    auto* b = viewer.findChild<QToolButton*>(button);
    QVERIFY(b && b->isEnabled());
    b->click();
}

} // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { qunsetenv("ONDIVEL_PROGRAM_DIR"); }

    void everyPanelTopicHasItsPage() {
        struct Case {
            int topic;
            const char* page;
        };
        // A topic without a page falls back to the contents.
        for (const Case& c : {Case{3300, "3300.html"}, Case{4242, "contents.html"}, Case{0, "contents.html"},
                              Case{kHelpIndexTopic, "index.html"}})
            QCOMPARE(QFileInfo(HelpViewer::pageForTopic(pagesFolder(), c.topic)).fileName(), QString(c.page));
    }

    void f1OpensThePageOfThePanel() {
        QtPlatform platform;
        const std::string helpFile = platform.programFolder() + "/ondivel.chm";
        QVERIFY(!platform.windowExists("Aide d'Ondivel"));

        platform.showHelp(helpFile, 3300);
        HelpViewer* viewer = platform.helpViewer();
        QVERIFY(viewer && viewer->isVisible());
        QCOMPARE(viewer->windowTitle(), QString("Aide d'Ondivel"));
        QCOMPARE(shownPage(*viewer), QString("3300.html"));
        QCOMPARE(viewer->browser()->documentTitle(), QString("L'oscilloscope bicourbe"));
        QVERIFY(viewer->browser()->toPlainText().contains("VOLT / DIV"));

        platform.showHelp(helpFile, 3200);
        QCOMPARE(platform.helpViewer(), viewer); // one window, reused
        QCOMPARE(viewer->browser()->documentTitle(), QString("Le générateur de fonctions (GBF)"));

        platform.showHelp(helpFile, 4242);
        QCOMPARE(shownPage(*viewer), QString("contents.html"));

        QVERIFY(platform.windowExists("Aide d'Ondivel"));
        platform.closeWindow("Aide d'Ondivel");
        QVERIFY(!platform.windowExists("Aide d'Ondivel"));
        QVERIFY(!platform.helpViewer());
    }

    void buttonsWalkTheHistory() {
        HelpViewer viewer(pagesFolder());
        viewer.showContents();
        QVERIFY(!viewer.findChild<QToolButton*>("back")->isEnabled());
        viewer.browser()->setSource(
            viewer.currentPage().resolved(QUrl("3400.html"))); // a link of the contents
        QCOMPARE(shownPage(viewer), QString("3400.html"));
        press(viewer, "back");
        QCOMPARE(shownPage(viewer), QString("contents.html"));
        press(viewer, "forward");
        QCOMPARE(shownPage(viewer), QString("3400.html"));
        press(viewer, "index");
        QCOMPARE(shownPage(viewer), QString("index.html"));
        press(viewer, "contents");
        QCOMPARE(shownPage(viewer), QString("contents.html"));
        press(viewer, "back");
        QCOMPARE(shownPage(viewer), QString("index.html"));
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
};

QTEST_MAIN(HelpViewerTest)
#include "help_viewer_test.moc"
