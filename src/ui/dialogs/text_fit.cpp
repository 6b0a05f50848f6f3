#include "ui/dialogs/text_fit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>

#include "ui/dialogs/access_key.h"

namespace ondivel {

namespace {

// What a caption needs besides its text: the indicator of an option button or check box, the
// frame and padding of a push button.
int chrome(const QAbstractButton& b) {
    const QStyle* s = b.style();
    if (qobject_cast<const QRadioButton*>(&b))
        return s->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, &b) +
               s->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, &b) + 2;
    if (qobject_cast<const QCheckBox*>(&b))
        return s->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &b) +
               s->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &b) + 2;
    return 2 * s->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &b) +
           s->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &b);
}

} // namespace

int smallestFitPixels(int basePixels) {
    return std::max(7, (basePixels * 3 + 3) / 4);
}

QFont fontWithPixels(const QWidget& w, int pixels) {
    QFont f = w.parentWidget() ? w.parentWidget()->font() : w.font();
    f.setPixelSize(pixels);
    return f;
}

int captionPixels(const QAbstractButton& button, int basePixels) {
    const QString text = captionWithoutAccessKey(button.text().toStdString());
    const int room = button.width() - chrome(button);
    int pixels = basePixels;
    while (pixels > smallestFitPixels(basePixels) &&
           QFontMetrics(fontWithPixels(button, pixels)).horizontalAdvance(text) > room)
        --pixels;
    return pixels;
}

bool designedForOneLine(const QLabel& label, int height, int basePixels) {
    return height < 2 * QFontMetrics(fontWithPixels(label, basePixels)).height();
}

int lineLabelPixels(const QLabel& label, int width, int basePixels) {
    if (label.text().contains(QLatin1Char('\n'))) return 0;
    for (int pixels = basePixels; pixels >= smallestFitPixels(basePixels); --pixels)
        if (QFontMetrics(fontWithPixels(label, pixels)).horizontalAdvance(label.text()) <= width)
            return pixels;
    return 0;
}

void fitWrappedLabel(QLabel& label, const QRect& placed, int room, int basePixels) {
    const int smallest = smallestFitPixels(basePixels);
    for (int pixels = basePixels; pixels >= smallest; --pixels) {
        label.setFont(fontWithPixels(label, pixels));
        if (label.text().isEmpty() || label.heightForWidth(placed.width()) <= placed.height() + room) break;
    }
    const int height =
        std::clamp(label.heightForWidth(placed.width()), placed.height(), placed.height() + room);
    label.setGeometry(QRect(placed.topLeft(), QSize(placed.width(), height)));
}

} // namespace ondivel
