#include "ui/meters/frm_chrono_view.h"

#include <QAccessible>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <algorithm>

#include "bench/meters/frm_chrono.h"
#include "ui/widgets/model_button.h"
#include "ui/widgets/model_slider.h"
#include "ui/widgets/paint_key.h"

namespace ondivel {

namespace {

constexpr double kDesign = 240; // the dial's diameter in design pixels

const QRectF kScreen(38, 58, 164, 52);
const QRectF kStartKey(40, 120, 76, 30);
const QRectF kResetKey(124, 120, 76, 30);
const QRectF kAlarmKey(40, 158, 44, 26);
const QRectF kSlider(90, 158, 110, 26);
const QRectF kEndKey(94, 200, 52, 22);

void drawKeyText(QPainter& p, const QRectF& r, const QString& text, const QColor& ink) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(std::max(6, static_cast<int>(r.height() * 0.5)));
    f.setBold(true);
    p.setFont(f);
    p.setPen(ink);
    p.drawText(r, Qt::AlignCenter, text);
}

// A small bell for the alarm key.
void drawBell(QPainter& p, const QRectF& r, const QColor& ink) {
    const double s = std::min(r.width(), r.height()) * 0.8;
    const QRectF b(r.center().x() - s / 2, r.center().y() - s / 2, s, s);
    QPainterPath bell;
    bell.moveTo(b.left() + s * 0.15, b.top() + s * 0.8);
    bell.cubicTo(b.left() + s * 0.3, b.top() + s * 0.6, b.left() + s * 0.2, b.top() + s * 0.1, b.center().x(),
                 b.top() + s * 0.1);
    bell.cubicTo(b.right() - s * 0.2, b.top() + s * 0.1, b.right() - s * 0.3, b.top() + s * 0.6,
                 b.right() - s * 0.15, b.top() + s * 0.8);
    bell.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(bell);
    p.drawEllipse(QPointF(b.center().x(), b.top() + s * 0.88), s * 0.1, s * 0.1);
}

} // namespace

ChronoView::ChronoView(FrmChrono& chrono, QWidget* parent) : PanelView(chrono, parent), chrono_(chrono) {
    setAccessibleName(QString::fromStdString(chrono.Caption));

    auto* start = add(new ModelButton(chrono.chkStart_Stop, this), kStartKey);
    start->setPictogram([this](QPainter& p, const QRectF& r, const QColor& ink) {
        drawKeyText(p, r, QString::fromStdString(chrono_.lblStop.Caption), ink);
    });
    start->setAccessibleName(QStringLiteral("Marche / arrêt"));
    add(new ModelButton(chrono.cmdRAZ, this), kResetKey);
    auto* alarm = add(new ModelButton(chrono.chkAlarme, this), kAlarmKey);
    alarm->setPictogram(drawBell);
    alarm->setAccessibleName(QStringLiteral("Alarme"));
    auto* slider = add(new ModelSlider(chrono.sldAlarme, 1, this), kSlider);
    slider->setAccessibleName(QStringLiteral("Intervalle de l'alarme"));
    add(new ModelButton(chrono.cmdEnd, this), kEndKey);
    resize(designSize());
}

QColor ChronoView::dialColor() const {
    if (chrono_.BackColor == FrmChrono::kActiveTitle)
        return palette().color(QPalette::Active, QPalette::Highlight);
    return toQColor(chrono_.BackColor);
}

void ChronoView::syncFromModel() {
    setAccessibleDescription(QString::fromStdString(chrono_.lblTime.Caption));
    syncPanel(PaintKey() << chrono_);
}

QRectF ChronoView::designRect(const QRectF& r) const {
    const double s = zoom();
    return QRectF(r.left() * s, r.top() * s, r.width() * s, r.height() * s);
}

bool ChronoView::event(QEvent* e) {
    if (e->type() == QEvent::ParentChange) {
        if (QWidget* window = parentWidget()) window->installEventFilter(this);
        shapeWindow();
    }
    return FormView::event(e);
}

// The sub-window resets its own mask when it is resized or shown, after its child has been laid
// out, so the dial's mask is put back once the window has finished with the event.
bool ChronoView::eventFilter(QObject* watched, QEvent* e) {
    if (watched == parentWidget() && (e->type() == QEvent::Resize || e->type() == QEvent::Show))
        shapeWindowLater();
    return FormView::eventFilter(watched, e);
}

void ChronoView::shapeWindowLater() {
    QMetaObject::invokeMethod(this, &ChronoView::shapeWindow, Qt::QueuedConnection);
}

// A frameless sub-window clipped to the dial: the round window of the instrument.
void ChronoView::shapeWindow() {
    auto* window = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!window) return;
    if (!(window->windowFlags() & Qt::FramelessWindowHint))
        window->setWindowFlags(window->windowFlags() | Qt::FramelessWindowHint);
    const QRect face(mapTo(window, QPoint(0, 0)), size());
    window->setMask(QRegion(face, QRegion::Ellipse));
}

void ChronoView::resizeEvent(QResizeEvent* event) {
    PanelView::resizeEvent(event);
    shapeWindowLater();
}

// The dial carries the frameless window.
void ChronoView::mousePressEvent(QMouseEvent* event) {
    QWidget* window = qobject_cast<QMdiSubWindow*>(parentWidget());
    dragging_ = window && event->button() == Qt::LeftButton;
    if (dragging_) dragOffset_ = event->globalPosition().toPoint() - window->pos();
    FormView::mousePressEvent(event);
}

void ChronoView::mouseMoveEvent(QMouseEvent* event) {
    if (auto* window = qobject_cast<QMdiSubWindow*>(parentWidget()); dragging_ && window)
        window->move(event->globalPosition().toPoint() - dragOffset_);
    FormView::mouseMoveEvent(event);
}

void ChronoView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = zoom();
    const QRectF outer(0, 0, kDesign * s, kDesign * s);
    const QPointF c = outer.center();

    // Chromed bezel.
    QLinearGradient chrome(outer.topLeft(), outer.bottomRight());
    chrome.setColorAt(0, QColor(250, 250, 252));
    chrome.setColorAt(0.45, QColor(160, 162, 170));
    chrome.setColorAt(0.55, QColor(120, 122, 130));
    chrome.setColorAt(1, QColor(230, 230, 236));
    p.setPen(QPen(QColor(60, 60, 66), std::max(1.0, s)));
    p.setBrush(chrome);
    p.drawEllipse(outer.adjusted(1, 1, -1, -1));

    // The dial, lit from above.
    const QRectF dial = outer.adjusted(9 * s, 9 * s, -9 * s, -9 * s);
    const QColor base = dialColor();
    QRadialGradient glow(QPointF(c.x(), dial.top() + dial.height() * 0.3), dial.width() * 0.75);
    glow.setColorAt(0, base.lighter(135));
    glow.setColorAt(1, base.darker(150));
    p.setPen(QPen(QColor(30, 30, 35), std::max(1.0, 1.5 * s)));
    p.setBrush(glow);
    p.drawEllipse(dial);

    // Sixty ticks round the rim, every fifth longer.
    for (int i = 0; i < 60; ++i) {
        const double a = i * 6.0;
        const bool major = i % 5 == 0;
        p.save();
        p.translate(c);
        p.rotate(a);
        p.setPen(QPen(QColor(255, 255, 255, major ? 230 : 150), (major ? 2.0 : 1.0) * s, Qt::SolidLine,
                      Qt::FlatCap));
        const double r0 = dial.width() / 2 - 3 * s;
        p.drawLine(QPointF(0, -r0), QPointF(0, -r0 + (major ? 8 : 4) * s));
        p.restore();
    }

    QFont brand(QStringLiteral("Arial"));
    brand.setPixelSize(std::max(6, static_cast<int>(11 * s)));
    brand.setBold(true);
    brand.setLetterSpacing(QFont::PercentageSpacing, 130);
    p.setFont(brand);
    p.setPen(QColor(255, 255, 255, 220));
    p.drawText(designRect(QRectF(40, 32, 160, 20)), Qt::AlignCenter, QStringLiteral("CHRONO"));

    // Liquid-crystal read-out.
    const QRectF screen = designRect(kScreen);
    p.setPen(QPen(QColor(40, 40, 40), 2 * s));
    p.setBrush(QColor(60, 60, 64));
    p.drawRoundedRect(screen.adjusted(-3 * s, -3 * s, 3 * s, 3 * s), 6 * s, 6 * s);
    QLinearGradient lcd(screen.topLeft(), screen.bottomLeft());
    lcd.setColorAt(0, QColor(198, 212, 178));
    lcd.setColorAt(1, QColor(160, 178, 140));
    p.setPen(Qt::NoPen);
    p.setBrush(lcd);
    p.drawRoundedRect(screen, 4 * s, 4 * s);
    const QColor ink(30, 36, 28);
    QFont digits(QStringLiteral("Arial Narrow"));
    digits.setPixelSize(std::max(6, static_cast<int>(32 * s)));
    digits.setBold(true);
    p.setFont(digits);
    p.setPen(ink);
    p.drawText(screen.adjusted(0, 8 * s, 0, 0), Qt::AlignCenter,
               QString::fromStdString(chrono_.lblTime.Caption));
    QFont small(QStringLiteral("Arial"));
    small.setPixelSize(std::max(5, static_cast<int>(9 * s)));
    small.setBold(true);
    p.setFont(small);
    const QRectF status = screen.adjusted(5 * s, 2 * s, -5 * s, -screen.height() + 13 * s);
    if (chrono_.lblAlarme.Visible)
        p.drawText(status, Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromStdString(chrono_.lblAlarme.Caption));
    if (chrono_.lblOnOff.Visible) {
        const double r = 3.5 * s;
        p.setBrush(ink);
        p.drawPolygon(QPolygonF{QPointF(status.right() - 2 * r, status.center().y() - r),
                                QPointF(status.right(), status.center().y()),
                                QPointF(status.right() - 2 * r, status.center().y() + r)});
    }

    // The alarm interval under its slider.
    p.setFont(small);
    p.setPen(QColor(255, 255, 255, 230));
    const QString interval =
        QString::number(static_cast<int>(chrono_.sldAlarme.Value)) + QStringLiteral(" s");
    p.drawText(designRect(QRectF(kSlider.left(), kSlider.bottom(), kSlider.width(), 12)), Qt::AlignCenter,
               interval);
}

} // namespace ondivel
