#include "ui/platform/system_info.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLocale>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSysInfo>
#include <QVBoxLayout>

namespace ondivel {

QString systemInformationText(const QString& programFolder) {
    QStringList lines;
    lines << QStringLiteral("Système : %1").arg(QSysInfo::prettyProductName());
    lines << QStringLiteral("Noyau : %1 %2 (%3)")
                 .arg(QSysInfo::kernelType(), QSysInfo::kernelVersion(), QSysInfo::currentCpuArchitecture());
    lines << QStringLiteral("Qt : %1 (compilé avec %2)")
                 .arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR));
    lines << QStringLiteral("Plate-forme graphique : %1").arg(QGuiApplication::platformName());
    int n = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect g = screen->geometry();
        lines << QStringLiteral("Écran %1 : %2 × %3 pixels, %4 ppp, échelle %5")
                     .arg(++n)
                     .arg(g.width())
                     .arg(g.height())
                     .arg(qRound(screen->logicalDotsPerInch()))
                     .arg(screen->devicePixelRatio());
    }
    lines << QStringLiteral("Langue : %1").arg(QLocale::system().name());
    lines << QStringLiteral("Dossier du programme : %1").arg(programFolder);
    return lines.join(QLatin1Char('\n'));
}

void showSystemInformationDialog(const QString& programFolder, QWidget* parent) {
    QDialog dialog(parent ? parent : QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral("Informations système"));
    auto* text = new QPlainTextEdit(systemInformationText(programFolder), &dialog);
    text->setReadOnly(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(text);
    layout->addWidget(buttons);
    dialog.resize(520, 260);
    dialog.exec();
}

} // namespace ondivel
