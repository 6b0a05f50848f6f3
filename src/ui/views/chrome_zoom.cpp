#include "ui/views/chrome_zoom.h"

#include <QApplication>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace ondivel {

namespace {

// The font a widget had at scale 1, kept on it the first time it is scaled.
constexpr const char* kBaseFont = "ondivelBaseFont";
constexpr const char* kTextScale = "ondivelTextScale";

} // namespace

double ChromeScale(double zoom) {
    return std::max(1.0, zoom);
}

QFont ScaledFont(const QFont& base, double scale) {
    QFont f = base;
    if (base.pointSizeF() > 0)
        f.setPointSizeF(base.pointSizeF() * scale);
    else if (base.pixelSize() > 0)
        f.setPixelSize(std::max(1, static_cast<int>(std::lround(base.pixelSize() * scale))));
    return f;
}

void ScaleTexts(QWidget& window, double scale) {
    if (scale <= 0 || TextScale(window) == scale) return;
    window.setProperty(kTextScale, scale);
    // The window itself, then the widgets that set a font of their own (a larger title): the
    // others inherit the window's.
    QList<QWidget*> widgets{&window};
    for (QWidget* child : window.findChildren<QWidget*>())
        if (child->testAttribute(Qt::WA_SetFont)) widgets.push_back(child);
    for (QWidget* w : widgets) {
        QVariant base = w->property(kBaseFont);
        if (!base.isValid()) {
            base = QVariant::fromValue(w->testAttribute(Qt::WA_SetFont) ? w->font() : QApplication::font(w));
            w->setProperty(kBaseFont, base);
        }
        w->setFont(ScaledFont(base.value<QFont>(), scale));
    }
}

double TextScale(const QWidget& window) {
    const QVariant scale = window.property(kTextScale);
    return scale.isValid() ? scale.toDouble() : 1.0;
}

} // namespace ondivel
