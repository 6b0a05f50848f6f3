#include "ui/dialogs/dialog_frame.h"

#include <QPainter>
#include <algorithm>

#include "core/control.h"
#include "ui/dialogs/access_key.h"
#include "ui/dialogs/text_fit.h"

namespace ondivel {

DialogFrame::DialogFrame(Control& c, QWidget* parent) : QGroupBox(parent), control_(c) {
    setObjectName(QString::fromStdString(c.path()));
}

void DialogFrame::syncFromModel() {
    const QString caption = modelText(control_.Caption);
    if (title() != caption) setTitle(caption);
    syncCommon(*this, control_);
}

void DialogFrame::paintEvent(QPaintEvent*) {
    // The classic frame: an etched rounded box whose top line runs through the middle of the
    // title, so the controls designed below the title keep their room whatever the style.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics fm = fontMetrics();
    const double top = fm.height() / 2.0;
    const QRectF box = QRectF(rect()).adjusted(0.5, top + 0.5, -1.5, -1.5);
    const double radius = std::max(2.0, fm.height() / 4.0);
    p.setPen(palette().color(QPalette::Light));
    p.drawRoundedRect(box.translated(1, 1), radius, radius);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRoundedRect(box, radius, radius);
    const QString caption = title();
    if (caption.isEmpty()) return;
    const int pad = std::max(2, fm.height() / 5);
    // A title longer than the frame gets a smaller font, as the other captions do.
    const QString shown = captionWithoutAccessKey(caption.toStdString());
    QFont f = font();
    const int room = width() - fm.height() - 2 * pad - 2;
    for (int pixels = f.pixelSize();
         pixels > smallestFitPixels(font().pixelSize()) && QFontMetrics(f).horizontalAdvance(shown) > room;)
        f.setPixelSize(--pixels);
    p.setFont(f);
    const QRect text(fm.height() / 2, 0, QFontMetrics(f).horizontalAdvance(shown) + 2 * pad, fm.height());
    p.fillRect(text, palette().color(QPalette::Window));
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(text.adjusted(pad, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, caption);
}

} // namespace ondivel
