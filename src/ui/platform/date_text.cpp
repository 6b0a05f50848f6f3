#include "ui/platform/date_text.h"

#include <QLocale>

namespace ondivel {

namespace {

// The locale the system formats times in, by the precedence of the C library: LC_ALL, then
// LC_TIME, then LANG. None, or the C library's own ("C", "C.UTF-8", "POSIX"), means none was set.
bool timeLocaleIsSet() {
    QString name = qEnvironmentVariable("LC_ALL");
    if (name.isEmpty()) name = qEnvironmentVariable("LC_TIME");
    if (name.isEmpty()) name = qEnvironmentVariable("LANG");
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX")) return false;
    return !name.startsWith(QLatin1String("C.")) && !name.startsWith(QLatin1String("C@"));
}

} // namespace

QString systemDateTimeText(QDate date, QTime time) {
    if (!timeLocaleIsSet())
        return date.toString(QStringLiteral("dd/MM/yyyy")) + QLatin1Char(' ') +
               time.toString(QStringLiteral("HH:mm:ss"));
    const QLocale locale = QLocale::system();
    return locale.toString(date, QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(time, QLocale::LongFormat);
}

} // namespace ondivel
