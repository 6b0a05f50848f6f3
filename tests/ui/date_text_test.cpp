// The date of the results file and the printout: French on a system without a locale (CTest runs
// this program with LC_ALL=C), the system's own formats once a locale is set. Each locale runs in
// a child of this program, since a process reads its locale once.
#include <QApplication>
#include <QCoreApplication>
#include <QProcess>
#include <QTest>
#include <cstdio>
#include <cstring>

#include "ui/platform/date_text.h"
#include "ui/platform/qt_platform.h"

using namespace ondivel;

namespace {

const char* const kPrintDate = "--print-date";

// The text of 7 December 2026 at 09:05:07 in a child whose locale variables are `variables`
// ("NAME=value"), the others removed.
QString dateInChild(const QStringList& variables) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_TIME", "LC_NUMERIC", "LC_MESSAGES", "LANG", "LANGUAGE"})
        env.remove(QString::fromLatin1(name));
    for (const QString& v : variables)
        env.insert(v.section('=', 0, 0), v.section('=', 1));
    QProcess child;
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kPrintDate)});
    if (!child.waitForFinished(30000)) return QStringLiteral("(no answer)");
    return QString::fromUtf8(child.readAllStandardOutput());
}

} // namespace

class DateTextTest : public QObject {
    Q_OBJECT

  private slots:
    void withoutALocaleThePlatformWritesTheFrenchDate() {
        QCOMPARE(qgetenv("LC_ALL"), QByteArray("C"));
        QtPlatform platform;
        QCOMPARE(QString::fromStdString(platform.dateTimeText({2026, 12, 7, 9, 5, 7})),
                 QStringLiteral("07/12/2026 09:05:07"));
    }

    void theSystemsOwnFormatsOnceALocaleIsSet_data() {
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<QString>("start");
        // clang-format off
        QTest::newRow("nothing set")       << QStringList{}                                  << "07/12/2026 09:05:07";
        QTest::newRow("C.UTF-8")           << QStringList{"LANG=C.UTF-8"}                    << "07/12/2026 09:05:07";
        QTest::newRow("POSIX")             << QStringList{"LC_ALL=POSIX", "LANG=de_DE.UTF-8"} << "07/12/2026 09:05:07";
        QTest::newRow("French")            << QStringList{"LANG=fr_FR.UTF-8"}                << "07/12/2026 09:05:07";
        QTest::newRow("American")          << QStringList{"LANG=en_US.UTF-8"}                << "12/7/26 9:05:07";
        QTest::newRow("German times only") << QStringList{"LANG=C.UTF-8", "LC_TIME=de_DE.UTF-8"} << "07.12.26 09:05:07";
        // clang-format on
    }
    void theSystemsOwnFormatsOnceALocaleIsSet() {
        QFETCH(QStringList, variables);
        QFETCH(QString, start);
        const QString text = dateInChild(variables);
        QVERIFY2(text.startsWith(start), qPrintable(text));
    }
};

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], kPrintDate) == 0) {
        QCoreApplication app(argc, argv);
        std::fputs(systemDateTimeText(QDate(2026, 12, 7), QTime(9, 5, 7)).toUtf8().constData(), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    DateTextTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "date_text_test.moc"
