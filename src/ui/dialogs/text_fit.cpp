#include "ui/dialogs/text_fit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>

#include "ui/dialogs/dialog_widgets.h"

namespace ondivel {

namespace {

QFont withPixels(const QWidget& w, int pixels) {
    QFont f = w.parentWidget() ? w.parentWidget()->font() : w.font();
    f.setPixelSize(pixels);
    return f;
}

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

void fitCaption(QAbstractButton& button, int basePixels) {
    const QString text = captionWithoutAccessKey(button.text().toStdString());
    const int room = button.width() - chrome(button);
    int pixels = basePixels;
    while (pixels > smallestFitPixels(basePixels) &&
           QFontMetrics(withPixels(button, pixels)).horizontalAdvance(text) > room)
        --pixels;
    const QFont f = withPixels(button, pixels);
    if (button.font() != f) button.setFont(f);
}

void fitLabel(QLabel& label, const QRect& placed, int room, int basePixels) {
    const auto needs = [&](int pixels) {
        label.setFont(withPixels(label, pixels));
        return label.text().isEmpty() ? 0 : label.heightForWidth(placed.width());
    };
    const int smallest = smallestFitPixels(basePixels);
    const bool oneLine = placed.height() < 2 * QFontMetrics(withPixels(label, basePixels)).height();
    int pixels = basePixels;
    bool fitted = false;
    if (oneLine) {
        for (pixels = basePixels; pixels >= smallest && !fitted; --pixels)
            fitted = needs(pixels) <= placed.height();
    }
    if (!fitted) {
        for (pixels = basePixels; pixels >= smallest && !fitted; --pixels)
            fitted = needs(pixels) <= placed.height() + room;
    }
    const int height =
        std::clamp(label.heightForWidth(placed.width()), placed.height(), placed.height() + room);
    label.setGeometry(QRect(placed.topLeft(), QSize(placed.width(), height)));
}

} // namespace ondivel
