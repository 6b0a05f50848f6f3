#include "ui/platform/tooltip_filter.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QScreen>
#include <QTextDocument>
#include <QToolTip>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace ondivel {

namespace {

// The tip window Qt shows; it has no public handle.
QWidget* shownTipLabel() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("QTipLabel") && w->isVisible()) return w;
    return nullptr;
}

} // namespace

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

QPoint ToolTipFilter::clearOf(const QRect& keepOut, const QPoint& pointer, const QSize& tip,
                              const QRect& display) {
    constexpr int kGap = 6;
    const auto inside = [&display, &tip](int x, int y) {
        return QPoint(
            std::clamp(x, display.left(), std::max(display.left(), display.right() + 1 - tip.width())),
            std::clamp(y, display.top(), std::max(display.top(), display.bottom() + 1 - tip.height())));
    };
    const QPoint left(std::min(keepOut.left(), pointer.x()) - kGap - tip.width(), pointer.y() + kGap);
    const QPoint right(std::max(keepOut.right(), pointer.x()) + 1 + kGap, pointer.y() + kGap);
    const int middle = pointer.x() - tip.width() / 2;
    const QPoint above(middle, std::min(keepOut.top(), pointer.y()) - kGap - tip.height());
    const QPoint below(middle, std::max(keepOut.bottom(), pointer.y()) + 1 + kGap);
    const bool keepOutOnTheRight = keepOut.center().x() >= pointer.x();
    // Beside the pointer the tip only slides up or down to stay on the display, above or below
    // it only sideways: the way away from the keep-out stays clear.
    const std::vector<QPoint> candidates{
        keepOutOnTheRight ? QPoint(left.x(), inside(left.x(), left.y()).y())
                          : QPoint(right.x(), inside(right.x(), right.y()).y()),
        keepOutOnTheRight ? QPoint(right.x(), inside(right.x(), right.y()).y())
                          : QPoint(left.x(), inside(left.x(), left.y()).y()),
        QPoint(inside(above.x(), above.y()).x(), above.y()),
        QPoint(inside(below.x(), below.y()).x(), below.y())};
    for (const QPoint& corner : candidates) {
        const QRect r(corner, tip);
        if (display.contains(r) && !r.intersects(keepOut) && !r.contains(pointer)) return corner;
    }
    return inside(candidates.front().x(), candidates.front().y());
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
    const auto* help = static_cast<QHelpEvent*>(event);
    const auto* keeper = dynamic_cast<const ToolTipKeepOut*>(widget);
    const QRect keepOut = keeper ? keeper->toolTipKeepOut() : QRect();
    if (keepOut.isEmpty()) {
        if (widest <= width_ || Qt::mightBeRichText(tip)) return false; // Qt shows it as it is
        QToolTip::showText(help->globalPos(), wrapped(tip, width_, widest), widget);
        return true;
    }
    // The tip goes as soon as the pointer moves on: what it keeps clear of follows the pointer.
    QToolTip::showText(help->globalPos(), wrapped(tip, width_, widest), widget,
                       QRect(help->pos() - QPoint(3, 3), QSize(7, 7)));
    QWidget* label = shownTipLabel();
    if (!label) return true;
    const QRect display = widget->screen()->availableGeometry();
    label->move(clearOf(keepOut.translated(widget->mapToGlobal(QPoint(0, 0))), help->globalPos(),
                        label->size(), display));
    return true;
}

} // namespace ondivel
