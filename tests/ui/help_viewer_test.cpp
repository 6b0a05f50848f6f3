// The help window: F1 topics open their page, unknown topics the contents, the buttons walk the
// history, and no page of the help links to a page that does not exist.
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
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
        for (const Case& c : {Case{3300, "3300.html"}, Case{3200, "3200.html"}, Case{3400, "3400.html"},
                              Case{3000, "3000.html"}, Case{3100, "3100.html"}, Case{3500, "3500.html"},
                              Case{3700, "3700.html"}, Case{3800, "3800.html"}, Case{3600, "3600.html"},
                              Case{4000, "4000.html"}, Case{4242, "contents.html"}, Case{0, "contents.html"},
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

    void everyLinkOfTheHelpLeadsToAPage() {
        const QDir dir(pagesFolder());
        const QStringList pages = dir.entryList({"*.html"});
        QVERIFY(pages.contains("contents.html") && pages.contains("index.html"));
        static const QRegularExpression href("href=\"([^\"#]+)");
        for (const QString& page : pages) {
            QFile file(dir.filePath(page));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(file.readAll());
            QTextDocument document;
            document.setHtml(html);
            QVERIFY2(!document.metaInformation(QTextDocument::DocumentTitle).isEmpty(), qPrintable(page));
            QVERIFY2(!html.contains(QChar::ReplacementCharacter), qPrintable(page + " is not UTF-8"));
            for (auto it = href.globalMatch(html); it.hasNext();) {
                const QString target = it.next().captured(1);
                if (target.startsWith("http")) continue;
                QVERIFY2(dir.exists(target), qPrintable(page + " links to a missing " + target));
            }
        }
    }
};

QTEST_MAIN(HelpViewerTest)
#include "help_viewer_test.moc"
