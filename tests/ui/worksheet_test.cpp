// A pupil's worksheet of fifty oscillograms through the desktop's PDF writer, timed: a teacher
// waits for it with the editor open, so it must take well under two seconds.
#include <QElapsedTimer>
#include <QTest>

#include "bench/evaluation/worksheet.h"
#include "ui/platform/qt_platform.h"

using namespace ondivel;

class WorksheetTest : public QObject {
    Q_OBJECT

  private slots:
    void fiftyOscillogramsInUnderTwoSeconds() {
        // Every kind of trace, the dense ones and the slow sweep's among them.
        const char* const kinds[] = {"sinusoïdale/5/50/CC/2/", "carrée/4/200/triangulaire/3/500",
                                     "dyn/6/40/sinus/1/5", "triangulaire/0.2/20000/carrée/12/3",
                                     "sinus/2/1000000/CC/0/"};
        std::vector<std::string> lines{"'Cinquante oscillogrammes"};
        for (int i = 0; i < 50; ++i) {
            lines.push_back("'Oscillogramme " + std::to_string(i + 1) +
                            " : lisez la période puis la tension.");
            lines.emplace_back(kinds[i % 5]);
        }
        std::string problem;
        const std::optional<Worksheet> sheet = WorksheetFromLines(lines, "cinquante.ond", problem);
        QVERIFY2(sheet, problem.c_str());

        QtPlatform platform;
        QElapsedTimer clock;
        clock.start();
        const std::string pdf = WorksheetPdf(platform, *sheet);
        const qint64 ms = clock.elapsed();
        qInfo("50 oscillograms, %d pages: %lld ms, %zu bytes", WorksheetPageCount(*sheet), ms, pdf.size());
        QVERIFY(pdf.starts_with("%PDF"));
        QVERIFY2(ms < 2000, qPrintable(QStringLiteral("%1 ms").arg(ms)));
    }
};

QTEST_MAIN(WorksheetTest)
#include "worksheet_test.moc"
