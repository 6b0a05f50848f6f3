#include "ui/platform/tooltip_filter.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QTextDocument>
#include <QToolTip>
#include <QWidget>

namespace ondivel {

void ToolTipFilter::configure(bool enabled, int widthPixels) {
    enabled_ = enabled;
    if (widthPixels > 0) width_ = widthPixels;
    if (!enabled_) QToolTip::hideText();
}

QString ToolTipFilter::wrapped(const QString& tip, int widthPixels, int textWidth) {
    if (tip.isEmpty() || Qt::mightBeRichText(tip) || textWidth <= widthPixels) return tip;
    QString html = tip.toHtmlEscaped();
    html.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return QStringLiteral("<table width=\"%1\"><tr><td>%2</td></tr></table>").arg(widthPixels).arg(html);
}

bool ToolTipFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ToolTip) return false;
    if (!enabled_) {
        event->ignore();
        return true;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->toolTip().isEmpty()) return false;
    const QString tip = widget->toolTip();
    int widest = 0;
    const QFontMetrics metrics(QToolTip::font());
    for (const QString& line : tip.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    if (widest <= width_ || Qt::mightBeRichText(tip)) return false; // Qt shows it as it is
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), wrapped(tip, width_, widest), widget);
    return true;
}

} // namespace ondivel
