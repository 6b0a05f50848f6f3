#pragma once
// The date and time written in the results file and on the printout: the system's short date
// and long time formats, or the French ones (dd/MM/yyyy HH:mm:ss) on a system without a locale,
// whose formats ("7 Dec 2026") a French classroom would not expect. Used by QtPlatform.
#include <QDate>
#include <QString>
#include <QTime>

namespace ondivel {

QString systemDateTimeText(QDate date, QTime time);

} // namespace ondivel
