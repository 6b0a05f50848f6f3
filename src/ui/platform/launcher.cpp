#include "ui/platform/launcher.h"

#include "ui/platform/text_editor.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/types.h>
#endif

namespace ondivel {

namespace {

// Web pages and mail only: a "file:" address would hand a local file to the desktop's "open".
bool isAddress(const QString& target) {
    static const QStringList schemes{"http:", "https:", "mailto:"};
    for (const QString& s : schemes)
        if (target.startsWith(s, Qt::CaseInsensitive)) return true;
    return target.startsWith("www.", Qt::CaseInsensitive);
}

QString unquoted(QString text) {
    text = text.trimmed();
    if (text.size() >= 2 && text.startsWith('"') && text.endsWith('"')) text = text.mid(1, text.size() - 2);
    return text;
}

bool processAlive(qint64 pid) {
#ifdef Q_OS_UNIX
    // A zombie still answers kill(0); its state in /proc tells it has ended.
    if (::kill(static_cast<pid_t>(pid), 0) != 0) return false;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        const QByteArray line = stat.readAll();
        const qsizetype close = line.lastIndexOf(')');
        if (close > 0 && close + 2 < line.size() && line[close + 2] == 'Z') return false;
    }
    return true;
#else
    Q_UNUSED(pid);
    return true;
#endif
}

void endProcess(qint64 pid) {
#ifdef Q_OS_UNIX
    ::kill(static_cast<pid_t>(pid), SIGTERM);
#else
    QProcess::startDetached(QStringLiteral("taskkill"), {QStringLiteral("/PID"), QString::number(pid)});
#endif
}

} // namespace

Launcher::Launcher(QStringList calculators, QStringList editors)
    : calculators_(std::move(calculators)), editors_(std::move(editors)) {}
Launcher::~Launcher() = default;

QStringList Launcher::defaultCalculators() {
    return {"gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc"};
}

QStringList Launcher::defaultEditors() {
    return defaultTextEditors();
}

const QString& Launcher::calculatorTitle() {
    static const QString title = QStringLiteral("Calculatrice");
    return title;
}

bool Launcher::calculatorAvailable() const {
    for (const QString& calculator : calculators_) {
        const QStringList words = QProcess::splitCommand(calculator);
        if (!words.isEmpty() && !QStandardPaths::findExecutable(words.first()).isEmpty()) return true;
    }
    return false;
}

bool Launcher::launch(const QString& rawTarget) {
    const QString target = rawTarget.trimmed();
    if (target.isEmpty()) return false;
    if (isAddress(target)) {
        const QUrl url =
            target.startsWith("www.", Qt::CaseInsensitive) ? QUrl("https://" + target) : QUrl(target);
        return QDesktopServices::openUrl(url);
    }
    const QStringList words = QProcess::splitCommand(target);
    const QString program = words.isEmpty() ? QString() : QFileInfo(words.first()).fileName();
    if (program.compare("calc.exe", Qt::CaseInsensitive) == 0 ||
        program.compare("calc", Qt::CaseInsensitive) == 0) {
        for (const QString& calculator : calculators_)
            if (startProgram(calculator, calculatorTitle())) return true;
        return false;
    }
    if (program.compare("notepad.exe", Qt::CaseInsensitive) == 0 ||
        program.compare("notepad", Qt::CaseInsensitive) == 0)
        return openTextFile(unquoted(target.mid(target.indexOf(words.first()) + words.first().size())));
    return openTextFile(unquoted(target));
}

bool Launcher::openTextFile(const QString& path) {
    // A link could lead the teacher's editor to a file the pupil chose; a pipe would freeze it.
    const QFileInfo file(path);
    if (path.isEmpty() || file.isSymLink() || !file.isFile()) return false;
    const QStringList command = textEditorCommand(file.absoluteFilePath(), editors_);
    if (command.isEmpty()) return false;
    return QProcess::startDetached(command.first(), command.mid(1));
}

bool Launcher::startProgram(const QString& commandLine, const QString& title) {
    QStringList words = QProcess::splitCommand(commandLine);
    if (words.isEmpty()) return false;
    const QString program = words.takeFirst();
    if (QStandardPaths::findExecutable(program).isEmpty() && !QFileInfo(program).isExecutable()) return false;
    qint64 pid = 0;
    if (!QProcess::startDetached(program, words, QString(), &pid)) return false;
    running_[title] = pid;
    return true;
}

bool Launcher::windowExists(const QString& title) {
    const auto it = running_.find(title);
    if (it == running_.end()) return false;
    if (processAlive(it->second)) return true;
    running_.erase(it);
    return false;
}

void Launcher::closeWindow(const QString& title) {
    const auto it = running_.find(title);
    if (it == running_.end()) return;
    if (processAlive(it->second)) endProcess(it->second);
    running_.erase(it);
}

} // namespace ondivel
