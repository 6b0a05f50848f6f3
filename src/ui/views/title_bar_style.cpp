#include "ui/views/title_bar_style.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMdiSubWindow>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <cmath>

#include "ui/views/chrome_zoom.h"

namespace ondivel {

namespace {

// Room kept on each side of a title within its label, as the application's style keeps it.
constexpr int kTitleMargin = 7;

QStyleOptionTitleBar titleBarOption(const QMdiSubWindow& window, int width, int height) {
    QStyleOptionTitleBar option;
    option.initFrom(&window);
    option.titleBarFlags = window.windowFlags();
    option.titleBarState = window.windowState();
    option.subControls = QStyle::SC_All;
    option.text = window.windowTitle();
    option.icon = window.windowIcon();
    option.rect = QRect(0, 0, width, height);
    return option;
}

QFont titleFont(double zoom) {
    return ScaledFont(QApplication::font("QMdiSubWindowTitleBar"), ChromeScale(zoom));
}

} // namespace

TitleBarStyle::TitleBarStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

TitleBarStyle::Title TitleBarStyle::fittedTitle(const QFont& base, const QString& title, int width) {
    const auto fits = [width](const QFont& f, const QString& line) {
        return QFontMetrics(f).horizontalAdvance(line) <= width;
    };
    if (fits(base, title)) return {base, {title}};
    QFont f = base;
    for (int stretch : {QFont::SemiCondensed, QFont::Condensed}) {
        f.setStretch(stretch);
        if (fits(f, title)) return {f, {title}};
    }
    // Two lines, cut at the blank that leaves the longer one shortest.
    const QFontMetrics metrics(base);
    int cut = -1, longest = 0;
    for (int i = title.indexOf(' '); i >= 0; i = title.indexOf(' ', i + 1)) {
        const int longer =
            std::max(metrics.horizontalAdvance(title.left(i)), metrics.horizontalAdvance(title.mid(i + 1)));
        if (cut < 0 || longer < longest) cut = i, longest = longer;
    }
    for (int percent = 100; percent >= 75; percent -= 5) {
        f = ScaledFont(base, percent / 100.0);
        f.setStretch(percent == 100 ? int(QFont::SemiCondensed) : int(QFont::Condensed));
        if (cut >= 0 && fits(f, title.left(cut)) && fits(f, title.mid(cut + 1)))
            return {f, {title.left(cut), title.mid(cut + 1)}};
    }
    return {f, {title}};
}

int TitleBarStyle::oneLineHeight(const QMdiSubWindow& window, double zoom) const {
    const QStyleOptionTitleBar option = titleBarOption(window, window.width(), 0);
    return static_cast<int>(
        std::lround(QProxyStyle::pixelMetric(PM_TitleBarHeight, &option, &window) * ChromeScale(zoom)));
}

int TitleBarStyle::secondLineHeight(const QMdiSubWindow& window, double zoom, int width) const {
    const QStyleOptionTitleBar option = titleBarOption(window, width, oneLineHeight(window, zoom));
    const QRect label = QProxyStyle::subControlRect(CC_TitleBar, &option, SC_TitleBarLabel, &window);
    const Title title = fittedTitle(titleFont(zoom), window.windowTitle(), label.width() - 2 * kTitleMargin);
    return title.lines.size() > 1 ? QFontMetrics(title.font).lineSpacing() : 0;
}

int TitleBarStyle::titleBarHeightAt(const QMdiSubWindow& window, double zoom, int width) const {
    return oneLineHeight(window, zoom) + secondLineHeight(window, zoom, width);
}

int TitleBarStyle::leastWidthAt(const QMdiSubWindow& window, double zoom) const {
    // As the sub-window counts it: its buttons, 30 pixels of title and the frame on both sides.
    const QStyleOptionTitleBar option = titleBarOption(window, window.width(), oneLineHeight(window, zoom));
    int width = 30 + 2 * pixelMetric(PM_MdiSubWindowFrameWidth, nullptr, &window);
    for (SubControl button : {SC_TitleBarSysMenu, SC_TitleBarMinButton, SC_TitleBarMaxButton,
                              SC_TitleBarShadeButton, SC_TitleBarCloseButton, SC_TitleBarNormalButton,
                              SC_TitleBarUnshadeButton, SC_TitleBarContextHelpButton}) {
        const QRect r = QProxyStyle::subControlRect(CC_TitleBar, &option, button, &window);
        if (r.isValid()) width += r.width();
    }
    return width;
}

int TitleBarStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    if (metric != PM_TitleBarHeight) return QProxyStyle::pixelMetric(metric, option, widget);
    if (const auto* window = qobject_cast<const QMdiSubWindow*>(widget))
        return titleBarHeightAt(*window, zoom_, window->width());
    return static_cast<int>(
        std::lround(QProxyStyle::pixelMetric(metric, option, widget) * ChromeScale(zoom_)));
}

QRect TitleBarStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                                    const QWidget* widget) const {
    const auto* bar = qstyleoption_cast<const QStyleOptionTitleBar*>(option);
    const auto* window = qobject_cast<const QMdiSubWindow*>(widget);
    const int second =
        control == CC_TitleBar && bar && window ? secondLineHeight(*window, zoom_, bar->rect.width()) : 0;
    if (second == 0) return QProxyStyle::subControlRect(control, option, sub, widget);
    // A bar made taller for a second line of title keeps the buttons of one line, centred; the
    // title takes the whole height.
    QStyleOptionTitleBar oneLine = *bar;
    oneLine.rect.setHeight(bar->rect.height() - second);
    QRect r = QProxyStyle::subControlRect(control, &oneLine, sub, widget);
    if (sub == SC_TitleBarLabel) {
        r.setTop(bar->rect.top());
        r.setBottom(bar->rect.bottom());
    } else if (r.isValid()) {
        r.translate(0, second / 2);
    }
    return r;
}

void TitleBarStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                       QPainter* painter, const QWidget* widget) const {
    const auto* bar = qstyleoption_cast<const QStyleOptionTitleBar*>(option);
    if (control != CC_TitleBar || !bar || !(bar->subControls & SC_TitleBarLabel)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // The sub-window gives its title already cut to the application's font: the whole one is its own.
    const QString whole = widget ? widget->windowTitle() : bar->text;
    const QRect label = subControlRect(CC_TitleBar, bar, SC_TitleBarLabel, widget);
    const Title title = fittedTitle(titleFont(zoom_), whole, label.width() - 2 * kTitleMargin);
    painter->save();
    painter->setFont(title.font);
    if (title.lines.size() == 1) {
        // One line: the application's style draws it all, in the font that fits.
        QStyleOptionTitleBar fitted = *bar;
        fitted.text =
            QFontMetrics(title.font).elidedText(whole, Qt::ElideRight, label.width() - 2 * kTitleMargin);
        QProxyStyle::drawComplexControl(control, &fitted, painter, widget);
    } else {
        // Two lines: the bar and its buttons as the style draws them, the lines in its colours.
        QStyleOptionTitleBar untitled = *bar;
        untitled.text.clear();
        QProxyStyle::drawComplexControl(control, &untitled, painter, widget);
        const bool active = bar->titleBarState & State_Active;
        painter->setPen(bar->palette.color(active ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(label, Qt::AlignCenter, title.lines.join('\n'));
    }
    painter->restore();
}

} // namespace ondivel
