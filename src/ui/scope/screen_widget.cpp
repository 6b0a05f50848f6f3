#include "ui/scope/screen_widget.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <cmath>

#include "bench/bench_form.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_curseurs.h"
#include "bench/scope/renderer.h"
#include "core/control.h"
#include "core/user_input.h"
#include "ui/surface/qt_drawing.h"
#include "ui/surface/qt_surface.h"

namespace ondivel {

namespace {

constexpr int kCustomPointer = 99;
constexpr int kHourglassPointer = 11;
// How near its line, in pixels, the mouse grabs a measurement cursor.
constexpr double kGrabPixels = 6;

int buttonMask(Qt::MouseButtons buttons) {
    int mask = 0;
    if (buttons & Qt::LeftButton) mask |= kLeftButton;
    if (buttons & Qt::RightButton) mask |= kRightButton;
    if (buttons & Qt::MiddleButton) mask |= 4;
    return mask;
}

} // namespace

ScreenWidget::ScreenWidget(BenchForm& form, QWidget* parent)
    : QWidget(parent), form_(form), screen_(form.findControl("picEcran")),
      readout_(form.findControl("lblPositionCurseur")), volts_(form.findControl("lblPositionVolts")) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 160);
    setAccessibleName(QStringLiteral("Écran de l'oscilloscope"));
}

void ScreenWidget::setZoom(double zoom) {
    if (zoom <= 0 || zoom == zoom_) return;
    zoom_ = zoom;
    fitPictures();
}

QPointF ScreenWidget::toUser(QPointF p) const {
    const double w = std::max(1, width()), h = std::max(1, height());
    return {kScreenLeft + p.x() / w * (kScreenRight - kScreenLeft),
            kScreenTop + p.y() / h * (kScreenBottom - kScreenTop)};
}

QPointF ScreenWidget::toWidget(QPointF u) const {
    return {(u.x() - kScreenLeft) / (kScreenRight - kScreenLeft) * width(),
            (u.y() - kScreenTop) / (kScreenBottom - kScreenTop) * height()};
}

void ScreenWidget::fitPictures() {
    if (!screen_ || width() <= 0 || height() <= 0) return;
    const qreal dpr = devicePixelRatioF();
    const QSize device(static_cast<int>(std::lround(width() * dpr)),
                       static_cast<int>(std::lround(height() * dpr)));
    bool resized = false;
    for (const char* name : {"picEcran", "picGrille"}) {
        Control* picture = form_.findControl(name);
        QtSurface* s = picture ? qtSurfaceOf(picture->surface()) : nullptr;
        if (s && (s->pixelSize() != device || s->devicePixelRatio() != dpr * zoom_)) {
            s->resizePixels(device, dpr * zoom_);
            resized = true;
        }
    }
    if (!resized || !form_.loaded()) return;
    Ondivel& app = form_.app();
    app.renderer().DrawGrid(form_);
    app.RefreshDisplay();
    update();
}

int ScreenWidget::modelPointer() const {
    if (screen_ && screen_->MousePointer != 0) return screen_->MousePointer;
    if (screen_)
        if (const QtSurface* s = qtSurfaceOf(screen_->surface()); s && s->mousePointer() != 0)
            return s->mousePointer();
    return form_.MousePointer;
}

QCursor ScreenWidget::crossHairCursor() {
    // Drawn in two colours so that it shows on a dark screen and on a light one.
    QPixmap pm(33, 33);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(QPen(QColor(0, 0, 0, 200), 3));
    p.drawLine(16, 1, 16, 12);
    p.drawLine(16, 20, 16, 31);
    p.drawLine(1, 16, 12, 16);
    p.drawLine(20, 16, 31, 16);
    p.setPen(QPen(Qt::white, 1));
    p.drawLine(16, 1, 16, 12);
    p.drawLine(16, 20, 16, 31);
    p.drawLine(1, 16, 12, 16);
    p.drawLine(20, 16, 31, 16);
    p.end();
    return QCursor(pm, 16, 16);
}

void ScreenWidget::updateCursor() {
    if (draggedCursor_ >= 0) return; // the drag's own arrows until the button is released
    const int pointer = modelPointer();
    if (pointer == shownPointer_) return;
    shownPointer_ = pointer;
    if (pointer == kCustomPointer)
        setCursor(crossHairCursor());
    else if (pointer == kHourglassPointer)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

void ScreenWidget::syncFromModel() {
    updateCursor();
    const QtSurface* s = screen_ ? qtSurfaceOf(screen_->surface()) : nullptr;
    if ((s && s->generation() != paintedGeneration_) || modelReadoutKey() != paintedReadout_) update();
}

// What the read-outs show and where: a change of it repaints.
QString ScreenWidget::modelReadoutKey() const {
    if (!readout_ || !readout_->Visible) return {};
    QString key = QString::fromStdString(readout_->Caption) + QString::number(readout_->Left) + ',' +
                  QString::number(readout_->Top);
    if (voltsShown()) key += QString::fromStdString(volts_->Caption) + QString::number(volts_->Top);
    return key;
}

bool ScreenWidget::voltsShown() const {
    return volts_ && volts_->Visible && !volts_->Caption.empty();
}

void ScreenWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QtSurface* s = screen_ ? qtSurfaceOf(screen_->surface()) : nullptr;
    if (s) {
        p.drawImage(rect(), s->image());
        paintedGeneration_ = s->generation();
    } else {
        p.fillRect(rect(), Qt::black);
    }
    paintReadout(p);
}

ScreenWidget::Readout ScreenWidget::readoutLayout() const {
    Readout r;
    QString text = QString::fromStdString(readout_->Caption);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    r.lines = text.split('\n');

    // The label's box in screen units, at least large enough for two readable lines.
    const QPointF topLeft = toWidget({readout_->Left, readout_->Top});
    const QPointF bottomRight =
        toWidget({readout_->Left + readout_->Width, readout_->Top - readout_->Height});
    r.font = font();
    const double boxHeight = bottomRight.y() - topLeft.y();
    r.font.setPixelSize(std::max(readoutPixels_, static_cast<int>(boxHeight / 2.6)));
    const QFontMetricsF fm(r.font);
    double textWidth = 0;
    for (const QString& l : r.lines)
        textWidth = std::max(textWidth, fm.horizontalAdvance(l));
    r.box = QRectF(topLeft, QSizeF(std::max(bottomRight.x() - topLeft.x(), textWidth + 6),
                                   std::max(boxHeight, fm.height() * r.lines.size() + 4)));
    // Kept inside the screen when the label grew past the model's size.
    if (r.box.right() > width()) r.box.moveRight(width());
    if (r.box.bottom() > height()) r.box.moveBottom(height());
    return r;
}

ScreenWidget::Readout ScreenWidget::voltsLayout(const Readout& readout) const {
    Readout r;
    QString text = QString::fromStdString(volts_->Caption);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    r.lines = text.split('\n');
    r.font = readout.font;
    const QFontMetricsF fm(r.font);
    double textWidth = 0;
    for (const QString& l : r.lines)
        textWidth = std::max(textWidth, fm.horizontalAdvance(l));
    // The read-out's captions start with a blank; these lines get the same margin from the box.
    r.inset = QPointF(fm.horizontalAdvance(QLatin1Char(' ')), fm.height() * 0.1);
    const double kGap = std::max(2.0, fm.height() * 0.15);
    r.box = QRectF(0, 0, textWidth + 2 * r.inset.x(), fm.height() * r.lines.size() + 2 * r.inset.y());
    r.box.moveLeft(readout.box.left());
    // Where the model put it, pushed off the read-out's box, which may have grown past its size.
    if (volts_->Top > readout_->Top) {
        const double modelBottom = toWidget({volts_->Left, volts_->Top - volts_->Height}).y();
        r.box.moveBottom(std::min(modelBottom, readout.box.top() - kGap));
    } else {
        const double modelTop = toWidget({volts_->Left, volts_->Top}).y();
        r.box.moveTop(std::max(modelTop, readout.box.bottom() + kGap));
    }
    // Past the right edge, it lines up with the read-out's right side as far as it can.
    if (r.box.right() > width()) r.box.moveRight(std::min<double>(width(), readout.box.right()));
    if (r.box.bottom() > height()) r.box.moveBottom(height());
    if (r.box.top() < 0) r.box.moveTop(0);
    return r;
}

QRect ScreenWidget::toolTipKeepOut() const {
    if (!readout_ || !readout_->Visible || readout_->Caption.empty()) return {};
    const Readout r = readoutLayout();
    QRectF box = r.box;
    if (voltsShown()) box = box.united(voltsLayout(r).box);
    return box.toAlignedRect();
}

void ScreenWidget::paintReadout(QPainter& p) {
    paintedReadout_.clear();
    if (!readout_ || !readout_->Visible || readout_->Caption.empty()) return;
    paintedReadout_ = modelReadoutKey();
    const Readout r = readoutLayout();
    paintBox(p, r);
    if (voltsShown()) paintBox(p, voltsLayout(r));
}

void ScreenWidget::paintBox(QPainter& p, const Readout& r) {
    const QRectF& box = r.box;
    p.setFont(r.font);
    const QFontMetricsF fm(r.font);

    QColor back = toQColor(readout_->BackColor);
    back.setAlpha(220);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(0, 0, 0, 120), 1));
    p.setBrush(back);
    p.drawRoundedRect(box, 3, 3);
    p.setPen(toQColor(readout_->ForeColor));
    double y = box.top() + r.inset.y() + fm.ascent();
    for (const QString& l : r.lines) {
        p.drawText(QPointF(box.left() + r.inset.x(), y), l);
        y += fm.height();
    }
}

void ScreenWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitPictures();
}

// The front panel's screen grabs a measurement cursor near its line; the full-screen view, which
// a click closes, only shows them.
void ScreenWidget::mousePressEvent(QMouseEvent* event) {
    if (!screen_ || event->button() != Qt::LeftButton || form_.name() != "frmOndivel") return;
    FrmCurseurs& cursors = form_.app().frmCurseurs();
    if (!cursors.active()) return;
    const double unitsPerPixel = (kScreenRight - kScreenLeft) / std::max(1, width());
    const QPointF u = toUser(event->position());
    draggedCursor_ = cursors.cursorNear(u.x(), u.y(), kGrabPixels * unitsPerPixel);
    if (draggedCursor_ < 0) return;
    const bool vertical = draggedCursor_ == FrmCurseurs::T1 || draggedCursor_ == FrmCurseurs::T2;
    setCursor(vertical ? Qt::SplitHCursor : Qt::SplitVCursor);
    shownPointer_ = -1; // the model's pointer comes back after the drag
    cursors.DragCursor(draggedCursor_, vertical ? u.x() : u.y());
}

void ScreenWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!screen_) return;
    const QPointF u = toUser(event->position());
    if (draggedCursor_ >= 0) {
        FrmCurseurs& cursors = form_.app().frmCurseurs();
        const bool vertical = draggedCursor_ == FrmCurseurs::T1 || draggedCursor_ == FrmCurseurs::T2;
        if (cursors.active()) cursors.DragCursor(draggedCursor_, vertical ? u.x() : u.y());
    }
    user::move(*screen_, u.x(), u.y(), buttonMask(event->buttons()));
    updateCursor();
}

void ScreenWidget::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (screen_) user::leave(*screen_);
}

void ScreenWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!screen_ || event->button() != Qt::LeftButton) return;
    if (draggedCursor_ >= 0) {
        // The end of a cursor's drag is no click on the screen.
        draggedCursor_ = -1;
        updateCursor();
        return;
    }
    // The release that ends a double-click is not a click of its own.
    if (ignoreNextRelease_) {
        ignoreNextRelease_ = false;
        return;
    }
    if (rect().contains(event->position().toPoint())) user::click(*screen_);
}

void ScreenWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!screen_ || event->button() != Qt::LeftButton) return;
    ignoreNextRelease_ = true;
    user::dblClick(*screen_);
}

} // namespace ondivel
