#include "ui/meters/frm_volt_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "bench/main/keyboard_focus.h"
#include "bench/meters/frm_volt.h"
#include "bench/ondivel.h"
#include "core/user_input.h"
#include "ui/views/key_codes.h"
#include "ui/widgets/model_button.h"
#include "ui/widgets/paint_key.h"
#include "ui/widgets/terminal_widget.h"

namespace ondivel {

namespace {

constexpr double kTwipsPerPixel = 15;
constexpr double kFrameTwips = 510;

const QColor kCase(250, 196, 30);
const QColor kFace(48, 50, 54);
const QColor kLcd(167, 169, 154);
const QColor kInk(20, 22, 20);

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

// The liquid-crystal display: the sign, the digits or the overload "1".
class MeterDisplay : public QWidget, public BoundWidget {
  public:
    MeterDisplay(FrmVolt& volt, QWidget* parent) : QWidget(parent), volt_(volt) {
        setAccessibleName(QStringLiteral("Affichage"));
        syncFromModel();
    }
    void syncFromModel() override {
        QString text;
        if (volt_.lblValueError.Visible)
            text = QStringLiteral("1");
        else if (volt_.lblValue.Visible)
            text = (volt_.lblSigne.Visible ? QStringLiteral("-") : QString()) +
                   QString::fromStdString(volt_.lblValue.Caption);
        if (text != shown_) {
            shown_ = text;
            setAccessibleDescription(text + QStringLiteral(" V"));
            update();
        }
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
        p.setPen(QPen(kInk, 2));
        p.setBrush(kLcd);
        p.drawRoundedRect(r, 6, 6);
        QFont f = p.font();
        f.setPixelSize(std::max(8, static_cast<int>(r.height() * 0.7)));
        f.setFamily(QStringLiteral("Monospace"));
        f.setBold(true);
        p.setFont(f);
        p.setPen(kInk);
        // An overload shows a lone "1" on the left, as on the real meter.
        const Qt::Alignment align =
            shown_ == QStringLiteral("1") && volt_.lblValueError.Visible ? Qt::AlignLeft : Qt::AlignRight;
        p.drawText(r.adjusted(r.height() * 0.3, 0, -r.height() * 0.3, 0), align | Qt::AlignVCenter, shown_);
    }

  private:
    FrmVolt& volt_;
    QString shown_;
};

// The rotary selector with its captions around; dragging with the left button turns it.
class SelectorDial : public QWidget, public BoundWidget {
  public:
    SelectorDial(FrmVolt& volt, QRectF area, QWidget* parent) : QWidget(parent), volt_(volt), area_(area) {
        setAccessibleName(QStringLiteral("Sélecteur"));
        setCursor(Qt::OpenHandCursor);
        setFocusPolicy(Qt::TabFocus);
        markStop(*this, volt.imgSelecteur);
        syncFromModel();
    }
    void syncFromModel() override {
        syncCommon(*this, volt_.imgSelecteur);
        setVisible(true);
        updateWhenChanged(*this, painted_, PaintKey() << volt_ << volt_.AngleSelecteur);
    }
    const Control* boundControl() const override { return &volt_.imgSelecteur; }

  protected:
    // The dial is centred on the selector picture; `area_` is this widget in design pixels.
    QPointF centre() const {
        const Control& s = volt_.imgSelecteur;
        const double k = width() / area_.width();
        return {((s.Left + s.Width / 2) / kTwipsPerPixel - area_.left()) * k,
                ((s.Top + s.Height / 2) / kTwipsPerPixel - area_.top()) * k};
    }
    double radius() const { return volt_.imgSelecteur.Width / kTwipsPerPixel / 2 * width() / area_.width(); }

    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QPointF c = centre();
        const double r = radius();
        const double k = width() / area_.width();
        QFont f = p.font();
        f.setPixelSize(std::max(6, static_cast<int>(11 * k)));
        f.setBold(true);
        p.setFont(f);
        for (int i = 0; i < volt_.lblCal.size(); ++i) {
            const Control& cal = volt_.lblCal[i];
            const double a = radians(FrmVolt::PositionAngle(i));
            p.setPen(QPen(Qt::white, std::max(1.0, k)));
            p.drawLine(c + QPointF(std::sin(a), -std::cos(a)) * r * 1.02,
                       c + QPointF(std::sin(a), -std::cos(a)) * r * 1.14);
            const QRectF box((cal.Left / kTwipsPerPixel - area_.left()) * k,
                             (cal.Top / kTwipsPerPixel - area_.top()) * k, cal.Width / kTwipsPerPixel * k,
                             cal.Height / kTwipsPerPixel * k);
            // Direct ranges in white, alternating in yellow, the others in grey.
            const QColor ink = i <= 3 ? Qt::white : (i >= 11 && i <= 14) ? kCase : QColor(170, 170, 170);
            p.setPen(ink);
            p.drawText(box, Qt::AlignCenter, QString::fromStdString(cal.Caption));
        }
        QRadialGradient knob(c - QPointF(r * 0.3, r * 0.3), r * 1.4);
        knob.setColorAt(0, QColor(110, 112, 118));
        knob.setColorAt(1, QColor(18, 18, 20));
        p.setPen(QPen(Qt::black, 1.5 * k));
        p.setBrush(knob);
        p.drawEllipse(c, r, r);
        // The grip bar across the knob, with the white pointer at one end.
        const double a = radians(volt_.AngleSelecteur);
        const QPointF u(std::sin(a), -std::cos(a));
        QPen grip(QColor(60, 62, 66), r * 0.38, Qt::SolidLine, Qt::FlatCap);
        p.setPen(grip);
        p.drawLine(c - u * r * 0.92, c + u * r * 0.92);
        p.setPen(QPen(Qt::white, std::max(2.0, r * 0.08), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + u * r * 0.35, c + u * r * 0.88);
    }

    void mousePressEvent(QMouseEvent* e) override { drag(e, false); }
    void mouseMoveEvent(QMouseEvent* e) override { drag(e, false); }
    void mouseReleaseEvent(QMouseEvent* e) override { drag(e, true); }
    // The arrows turn it from position to position.
    void keyPressEvent(QKeyEvent* e) override {
        const std::optional<NavKey> key = navKeyOf(e->key());
        if (!key || !PressKey(volt_.imgSelecteur, *key, false)) {
            QWidget::keyPressEvent(e);
            return;
        }
        if (auto* view = qobject_cast<FormView*>(parentWidget())) view->syncFromModel();
    }

  private:
    void drag(QMouseEvent* e, bool released) {
        const bool left = released ? e->button() == Qt::LeftButton : (e->buttons() & Qt::LeftButton);
        if (!left) return;
        const QPointF d = e->position() - centre();
        double angle = std::atan2(d.x(), -d.y()) * 180 / std::numbers::pi;
        if (angle < 0) angle += 360;
        Control& s = volt_.imgSelecteur;
        if (released) {
            user::rotate(s, angle);
        } else {
            // The selector's own scale: its centre plus the same direction.
            const double rr = std::min(s.Width, s.Height) * 0.4;
            user::move(s, s.Width / 2 + rr * std::sin(radians(angle)),
                       s.Height / 2 - rr * std::cos(radians(angle)), kLeftButton);
        }
        if (auto* view = qobject_cast<FormView*>(parentWidget())) view->syncFromModel();
    }

    FrmVolt& volt_;
    QRectF area_;
    std::uint64_t painted_ = 0; // the fingerprint of the last picture asked for
};

} // namespace

VoltView::VoltView(FrmVolt& volt, QWidget* parent) : PanelView(volt, parent, kFrameTwips), volt_(volt) {
    auto px = [](const Control& c) {
        return QRectF(c.Left / kTwipsPerPixel, c.Top / kTwipsPerPixel, c.Width / kTwipsPerPixel,
                      c.Height / kTwipsPerPixel);
    };
    display_ = add(new MeterDisplay(volt, this), px(volt.lblSigne).united(px(volt.lblValue)));

    QRectF dialArea = px(volt.imgSelecteur);
    for (int i = 0; i < volt.lblCal.size(); ++i)
        dialArea = dialArea.united(px(volt.lblCal[i]));
    dial_ = add(new SelectorDial(volt, dialArea, this), dialArea);

    const QColor plugColours[4] = {QColor(200, 30, 30), QColor(200, 30, 30), QColor(200, 30, 30),
                                   QColor(25, 25, 25)};
    for (int i = 0; i < 4; ++i)
        terminals_[i] =
            add(new TerminalWidget(volt.imgBorne[i], volt.imgFiche[i], nullptr, plugColours[i], this),
                px(volt.imgBorne[i]));
    for (int i = 0; i < 2; ++i)
        add(new ModelButton(volt.optVoie[i], this), px(volt.optVoie[i]));
    resize(designSize());
}

void VoltView::syncFromModel() {
    syncPanel(PaintKey() << volt_ << volt_.AngleSelecteur);
}

void VoltView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = zoom();
    // The yellow rubber holster around the dark face.
    p.fillRect(rect(), kCase);
    p.setPen(Qt::NoPen);
    p.setBrush(kFace);
    p.drawRoundedRect(QRectF(rect()).adjusted(8 * s, 8 * s, -8 * s, -8 * s), 14 * s, 14 * s);
    const Control& frame = volt_.fraVoie;
    const QRectF fr(frame.Left / kTwipsPerPixel * s, frame.Top / kTwipsPerPixel * s,
                    frame.Width / kTwipsPerPixel * s, frame.Height / kTwipsPerPixel * s);
    p.setPen(QPen(QColor(200, 200, 200), std::max(1.0, s)));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(fr, 4 * s, 4 * s);
    QFont f = p.font();
    f.setPixelSize(std::max(6, static_cast<int>(10 * s)));
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(fr.adjusted(6 * s, 2 * s, 0, 0), Qt::AlignLeft | Qt::AlignTop,
               QString::fromStdString(frame.Caption));
    const char* const names[4] = {"V", "mA", "10A", "COM"};
    for (int i = 0; i < 4; ++i) {
        const Control& t = volt_.imgBorne[i];
        const QRectF tr(t.Left / kTwipsPerPixel * s, (t.Top + t.Height) / kTwipsPerPixel * s,
                        t.Width / kTwipsPerPixel * s, 16 * s);
        p.drawText(tr, Qt::AlignCenter, QString::fromLatin1(names[i]));
    }
}

} // namespace ondivel
