#include "ui/platform/text_editor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextStream>
#include <QUrl>

namespace ondivel {

namespace {

// Splits an Exec value into arguments: blanks separate, double quotes group, and inside quotes a
// backslash escapes the next character. False on an unclosed quote.
bool splitExec(const QString& exec, QStringList& words) {
    QString word;
    bool inWord = false, quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == '\\' && i + 1 < exec.size()) {
                word += exec[++i];
            } else if (c == '"') {
                quoted = false;
            } else {
                word += c;
            }
        } else if (c == '"') {
            quoted = inWord = true;
        } else if (c == ' ' || c == '\t') {
            if (inWord) words << word;
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (quoted) return false;
    if (inWord) words << word;
    return true;
}

// The string escapes of a desktop entry's values (\s \n \t \r \\), undone before the quoting.
QString unescapeValue(const QString& value) {
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const QChar next = value[++i];
        if (next == 's')
            out += ' ';
        else if (next == 'n')
            out += '\n';
        else if (next == 't')
            out += '\t';
        else if (next == 'r')
            out += '\r';
        else if (next == '\\')
            out += '\\';
        else
            out += QString('\\') + next;
    }
    return out;
}

// The keys of one group of a small INI-like file (desktop entries, mimeapps.list).
QMap<QString, QString> readGroup(const QString& path, const QString& group) {
    QMap<QString, QString> keys;
    if (path.isEmpty()) return keys;
    QFile file(path);
    // A desktop entry or a list of defaults is a few kilobytes; anything far larger is not one.
    if (file.size() > 1024 * 1024 || !file.open(QIODevice::ReadOnly | QIODevice::Text)) return keys;
    QTextStream in(&file);
    bool inGroup = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith('[')) {
            inGroup = line == '[' + group + ']';
        } else if (inGroup && !line.startsWith('#')) {
            const qsizetype eq = line.indexOf('=');
            if (eq > 0 && !keys.contains(line.left(eq).trimmed()))
                keys.insert(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
        }
    }
    return keys;
}

QString findDesktopEntry(const QString& id) {
    // Ids name files only: "a-b.desktop" may sit in applications/a/b.desktop.
    if (id.contains('/') || id.contains("..") || !id.endsWith(".desktop")) return {};
    QString found = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id);
    if (found.isEmpty() && id.contains('-')) {
        QString nested = id;
        found = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, nested.replace('-', '/'));
    }
    return found;
}

bool isOnThisMachine(const QString& program) {
    return !QStandardPaths::findExecutable(program).isEmpty() ||
           (QDir::isAbsolutePath(program) && QFileInfo(program).isExecutable());
}

} // namespace

QStringList commandForDesktopExec(const QString& exec, const QString& file) {
    QStringList words;
    if (!splitExec(unescapeValue(exec), words) || words.isEmpty()) return {};
    QStringList command;
    bool named = false;
    for (const QString& word : std::as_const(words)) {
        if (word == "%f" || word == "%F") {
            command << file;
            named = true;
        } else if (word == "%u" || word == "%U") {
            command << QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded);
            named = true;
        } else if (word.size() == 2 && word[0] == '%') {
            if (word[1] == '%') command << "%";
        } else {
            // A field code inside a word is not allowed; keep the word without it.
            QString plain = word;
            plain.replace("%%", "\x01");
            plain.remove(QRegularExpression("%[a-zA-Z]"));
            plain.replace("\x01", "%");
            command << plain;
        }
    }
    if (!named) command << file;
    return command;
}

QStringList defaultTextEditorEntries() {
    QStringList lists;
    const QStringList desktops =
        qEnvironmentVariable("XDG_CURRENT_DESKTOP").toLower().split(':', Qt::SkipEmptyParts);
    const auto addFolder = [&](const QString& folder) {
        for (const QString& desktop : desktops)
            lists << folder + '/' + desktop + "-mimeapps.list";
        lists << folder + "/mimeapps.list";
    };
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation))
        addFolder(folder);
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation))
        addFolder(folder);
    QStringList entries;
    for (const QString& list : std::as_const(lists))
        for (const QString& id :
             readGroup(list, "Default Applications").value("text/plain").split(';', Qt::SkipEmptyParts))
            if (!entries.contains(id.trimmed())) entries << id.trimmed();
    return entries;
}

QStringList textEditorCommand(const QString& file, const QStringList& fallbacks) {
    for (const QString& id : defaultTextEditorEntries()) {
        const QMap<QString, QString> entry = readGroup(findDesktopEntry(id), "Desktop Entry");
        // An editor that needs a terminal would start where nobody sees it.
        if (entry.value("Terminal").compare("true", Qt::CaseInsensitive) == 0) continue;
        const QStringList command = commandForDesktopExec(entry.value("Exec"), file);
        if (!command.isEmpty() && isOnThisMachine(command.first())) return command;
    }
    for (const QString& editor : fallbacks)
        if (isOnThisMachine(editor)) return {editor, file};
    return {};
}

QStringList defaultTextEditors() {
    return {"gnome-text-editor", "gedit",   "kate", "kwrite", "mousepad", "xed", "pluma",
            "featherpad",        "leafpad", "geany"};
}

} // namespace ondivel
