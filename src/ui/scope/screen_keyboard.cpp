#include "ui/scope/screen_keyboard.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "bench/main/keyboard_focus.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/screen_keys.h"
#include "ui/scope/screen_widget.h"
#include "ui/views/accessible_names.h"
#include "ui/views/focus_ring.h"
#include "ui/views/key_codes.h"
#include "ui/widgets/bound_widget.h"

namespace ondivel {

ScreenKeyboard::ScreenKeyboard(ScreenWidget& screen, FrmOndivel& scope)
    : QWidget(&screen), screen_(screen), scope_(scope) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    // Tab reaches the screen; a click leaves the focus where it was, as on the terminals.
    screen.setFocusPolicy(Qt::TabFocus);
    markStop(screen, scope.picEcran);
    screen.installEventFilter(this);
}

void ScreenKeyboard::syncFromModel() {
    applyAccessibleText(screen_, scope_.picEcran);
    const ScreenPointer& p = scope_.keyboardPointer;
    if (!p.shown) {
        hide();
        return;
    }
    const int arm = std::max(9, screen_.height() / 22);
    const QPoint at = screen_.toWidget({p.x, p.y}).toPoint();
    setGeometry(QRect(at - QPoint(arm, arm), QSize(2 * arm + 1, 2 * arm + 1)));
    raise();
    show();
    update();
}

bool ScreenKeyboard::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &screen_) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        const std::optional<NavKey> nav = navKeyOf(key->key());
        if (!nav || !PressScreenKey(scope_, *nav, key->modifiers().testFlag(Qt::ShiftModifier))) break;
        syncFromModel();
        screen_.syncFromModel();
        key->accept();
        return true;
    }
    case QEvent::FocusOut:
        LeaveStop(scope_.picEcran);
        syncFromModel();
        screen_.syncFromModel();
        break;
    case QEvent::MouseMove:
        // The mouse takes the read-out over: its pointer is the one that shows.
        if (scope_.keyboardPointer.shown) {
            scope_.keyboardPointer.shown = false;
            hide();
        }
        break;
    case QEvent::Resize:
        syncFromModel();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void ScreenKeyboard::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QPointF c = QRectF(rect()).center();
    const double arm = width() / 2.0 - 1;
    // A gap at the middle keeps the point of the trace under the cross in sight.
    const double gap = std::max(2.0, arm / 3);
    const auto cross = [&](const QColor& colour, double width) {
        QPen pen(colour, width);
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        p.drawLine(QPointF(c.x() - arm, c.y()), QPointF(c.x() - gap, c.y()));
        p.drawLine(QPointF(c.x() + gap, c.y()), QPointF(c.x() + arm, c.y()));
        p.drawLine(QPointF(c.x(), c.y() - arm), QPointF(c.x(), c.y() - gap));
        p.drawLine(QPointF(c.x(), c.y() + gap), QPointF(c.x(), c.y() + arm));
    };
    cross(FocusRing::outerColor(), 2 * FocusRing::kBand);
    cross(FocusRing::innerColor(), FocusRing::kBand);
}

} // namespace ondivel
