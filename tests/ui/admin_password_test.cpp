// `ondivel --admin-password`, run as the administrator would, its answers fed through a pipe and no
// display at all; then the desktop platform reads the file it wrote, as every account will.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include "bench/evaluation/frm_pass.h"
#include "bench/ondivel.h"
#include "ui/platform/qt_platform.h"

using namespace ondivel;

namespace {

struct Run {
    int status = -1;
    QString out, err;
};

Run setPassword(const QString& file, const QByteArray& typed) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("ONDIVEL_ADMIN_PASSWORD_FILE"), file);
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(ONDIVEL_PROGRAM), {QStringLiteral("--admin-password")});
    program.write(typed);
    program.closeWriteChannel();
    Run run;
    if (!program.waitForFinished(30000) || program.exitStatus() != QProcess::NormalExit) return run;
    run.status = program.exitCode();
    run.out = QString::fromUtf8(program.readAllStandardOutput());
    run.err = QString::fromUtf8(program.readAllStandardError());
    return run;
}

int modeOf(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? static_cast<int>(st.st_mode & 07777) : -1;
}

} // namespace

class AdminPasswordTest : public QObject {
    Q_OBJECT
    QTemporaryDir tmp_;

  private slots:
    void init() {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, tmp_.filePath("settings"));
        qunsetenv("ONDIVEL_ADMIN_PASSWORD_FILE");
    }

    void refusesTwoDifferentOrEmptyEntriesAndWritesNothing() {
        const QString file = tmp_.filePath("refused/password");
        Run run = setPassword(file, "Prof\nprof\n");
        QVERIFY(run.status > 0);
        QVERIFY2(run.err.contains(QStringLiteral("Les deux saisies diffèrent")), qPrintable(run.err));
        run = setPassword(file, "\n\n");
        QVERIFY(run.status > 0);
        QVERIFY2(run.err.contains(QStringLiteral("ne peut pas être vide")), qPrintable(run.err));
        run = setPassword(file, "Prof\n");
        QVERIFY(run.status > 0);
        QVERIFY(!QFile::exists(file));
    }

    void writesAHashEveryAccountReadsAndNoPupilCanWrite() {
        const QString folder = tmp_.filePath("etc-ondivel");
        const QString file = folder + QStringLiteral("/password");
        const Run run = setPassword(file, "Prof\r\nProf\r\n");
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains(file), qPrintable(run.out));
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray content = written.readAll();
        QVERIFY2(content.startsWith("$argon2id$"), content.constData());
        QVERIFY(!content.contains("Prof"));
        QCOMPARE(modeOf(file), 0644);
        QCOMPARE(modeOf(folder), 0755);
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("password")});

        // The program honours it over the per-user store, where the empty password used to open.
        qputenv("ONDIVEL_ADMIN_PASSWORD_FILE", QFile::encodeName(file));
        QtPlatform platform;
        Ondivel app(platform);
        platform.setUserSetting("Settings", "Password", "");
        QVERIFY(TeacherPasswordIsSet(app));
        QVERIFY(!TeacherPasswordMatches(app, ""));
        QVERIFY(TeacherPasswordMatches(app, "Prof"));

        // Set again: the file is replaced whole.
        QCOMPARE(setPassword(file, "Volt\nVolt\n").status, 0);
        QVERIFY(!TeacherPasswordMatches(app, "Prof"));
        QVERIFY(TeacherPasswordMatches(app, "Volt"));
    }

    void noFileLeavesThePerUserPasswordAndAnUnreadableOneOpensNothing() {
        const QString path = tmp_.filePath("absent/password");
        qputenv("ONDIVEL_ADMIN_PASSWORD_FILE", QFile::encodeName(path));
        QtPlatform platform;
        Ondivel app(platform);
        platform.setUserSetting("Settings", "Password", "");
        QVERIFY(!platform.systemPasswordHash());
        QVERIFY(TeacherPasswordMatches(app, ""));

        QVERIFY(QDir().mkpath(path)); // a folder where the file should be: cannot be read
        QCOMPARE(platform.systemPasswordHash().value_or("none"), std::string());
        QVERIFY(!TeacherPasswordMatches(app, ""));
    }

    void saysInFrenchWhenTheFileCannotBeWritten() {
        const Run run = setPassword(QStringLiteral("/dev/null/ondivel/password"), "Prof\nProf\n");
        QVERIFY(run.status > 0);
        QVERIFY2(run.err.contains(QStringLiteral("Impossible de créer le dossier /dev/null/ondivel")),
                 qPrintable(run.err));
        QVERIFY2(run.err.contains(QStringLiteral("n'a pas été changé")), qPrintable(run.err));
    }
};

QTEST_MAIN(AdminPasswordTest)
#include "admin_password_test.moc"
