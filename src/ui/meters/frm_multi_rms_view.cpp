#include "ui/meters/frm_multi_rms_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "bench/main/keyboard_focus.h"
#include "bench/meters/frm_multi_rms.h"
#include "bench/ondivel.h"
#include "core/color.h"
#include "core/user_input.h"
#include "ui/views/key_codes.h"
#include "ui/widgets/bound_widget.h"
#include "ui/widgets/model_button.h"
#include "ui/widgets/paint_key.h"
#include "ui/widgets/terminal_widget.h"

namespace ondivel {

namespace {

constexpr double kFrameTwips = 510;
const QColor kInk(30, 32, 28);
const QColor kCase(236, 190, 40);

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

void text(QPainter& p, const QRectF& r, const QString& t, double size, const QColor& ink, bool bold = true,
          Qt::Alignment align = Qt::AlignCenter) {
    QFont f = p.font();
    f.setPixelSize(std::max(6, static_cast<int>(size)));
    f.setBold(bold);
    p.setFont(f);
    p.setPen(ink);
    p.drawText(r, align, t);
}

// The display: digits, sign and overload, the mode and range indicators, the unit and the
// bargraph, each drawn only while its label is visible.
class TrmsDisplay : public QWidget, public BoundWidget {
  public:
    TrmsDisplay(FrmMultiRMS& meter, QWidget* parent) : QWidget(parent), meter_(meter) {
        setAccessibleName(QStringLiteral("Affichage"));
    }
    void syncFromModel() override {
        setAccessibleDescription(meter_.lblValueError.Visible ? QStringLiteral("1.")
                                                              : qs(meter_.lblValue.Caption));
        updateWhenChanged(*this, painted_, PaintKey() << meter_);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
        p.setPen(QPen(QColor(40, 40, 40), 2));
        const Color lcd = meter_.shpAffichage.FillColor;
        p.setBrush(QColor(redOf(lcd), greenOf(lcd), blueOf(lcd)));
        p.drawRoundedRect(r, 6, 6);
        const double h = r.height();
        const double w = r.width();
        auto show = [&](const Control& c, QRectF box, double size, Qt::Alignment a = Qt::AlignCenter) {
            if (c.Visible) text(p, box, qs(c.Caption), size, kInk, true, a);
        };
        show(meter_.lblAuto, QRectF(r.left() + 8, r.top() + 4, w * 0.3, h * 0.16), h * 0.11, Qt::AlignLeft);
        show(meter_.lblManuel, QRectF(r.left() + 8, r.top() + 4, w * 0.3, h * 0.16), h * 0.11, Qt::AlignLeft);
        show(meter_.lblACDC, QRectF(r.left() + w * 0.35, r.top() + 4, w * 0.15, h * 0.16), h * 0.11);
        for (int i = 0; i < 3; ++i)
            if (meter_.lblMinMax[i].Visible && i < 2)
                text(p, QRectF(r.left() + w * 0.52, r.top() + 4, w * 0.2, h * 0.16),
                     qs(meter_.lblMinMax[i].Caption), h * 0.11, kInk);
        show(meter_.lblGamme, QRectF(r.right() - w * 0.3, r.top() + 4, w * 0.28, h * 0.16), h * 0.11,
             Qt::AlignRight);
        const QRectF digits(r.left() + w * 0.1, r.top() + h * 0.18, w * 0.68, h * 0.5);
        show(meter_.lblSigne, QRectF(r.left() + 4, digits.top(), w * 0.1, digits.height()), h * 0.36);
        QFont f = p.font();
        f.setFamily(QStringLiteral("DejaVu Sans Mono"));
        p.setFont(f);
        show(meter_.lblValue, digits, h * 0.42, Qt::AlignRight | Qt::AlignVCenter);
        show(meter_.lblValueError, digits, h * 0.42, Qt::AlignRight | Qt::AlignVCenter);
        show(meter_.lblUnite, QRectF(digits.right() + 4, digits.top(), w * 0.18, digits.height()), h * 0.18,
             Qt::AlignLeft | Qt::AlignBottom);
        // The bargraph: segments up to its value, ticks under it.
        const QRectF bar(r.left() + w * 0.06, r.bottom() - h * 0.24, w * 0.88, h * 0.1);
        const double fraction = meter_.pgbRANGE.Max > 0 ? meter_.pgbRANGE.Value / meter_.pgbRANGE.Max : 0;
        const int segments = 40;
        const double step = bar.width() / segments;
        for (int i = 0; i < segments * fraction; ++i)
            p.fillRect(QRectF(bar.left() + i * step, bar.top(), step * 0.7, bar.height()), kInk);
        p.setPen(QPen(kInk, 1));
        for (int i = 0; i <= 10; ++i) {
            const double x = bar.left() + i * bar.width() / 10;
            p.drawLine(QPointF(x, bar.bottom() + 2), QPointF(x, bar.bottom() + (i % 5 == 0 ? 8 : 5)));
        }
    }

  private:
    FrmMultiRMS& meter_;
    std::uint64_t painted_ = 0; // the fingerprint of the last picture asked for
};

// The rotary selector: a ribbed black knob with a white pointer, the function captions around
// it. A drag follows the mouse; the release snaps through the model.
class TrmsSelector : public QWidget, public BoundWidget {
  public:
    TrmsSelector(FrmMultiRMS& meter, QWidget* parent) : QWidget(parent), meter_(meter) {
        setAccessibleName(QStringLiteral("Sélecteur"));
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::TabFocus);
        markStop(*this, meter.imgSelecteur);
    }
    void syncFromModel() override {
        setToolTip(qs(meter_.imgSelecteur.ToolTipText));
        setAccessibleDescription(qs(meter_.lblFonction[meter_.app().g.PositionSelecteur & 7].Caption));
        updateWhenChanged(*this, painted_, PaintKey() << meter_ << meter_.pointerAngle());
    }
    const Control* boundControl() const override { return &meter_.imgSelecteur; }

  protected:
    void mousePressEvent(QMouseEvent* e) override { forward(e, false); }
    void mouseMoveEvent(QMouseEvent* e) override { forward(e, false); }
    void mouseReleaseEvent(QMouseEvent* e) override { forward(e, true); }
    // The arrows turn it from position to position.
    void keyPressEvent(QKeyEvent* e) override {
        const std::optional<NavKey> key = navKeyOf(e->key());
        if (!key || !PressKey(meter_.imgSelecteur, *key, false)) {
            QWidget::keyPressEvent(e);
            return;
        }
        update();
    }

    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QPointF c = QRectF(rect()).center();
        const double radius = std::min(width(), height()) / 2.0;
        const double knob = radius * 0.58;
        // Captions at the middle of each band.
        const double mids[8] = {147, 95, 60, 30, 0, 330, 300, 232};
        for (int i = 0; i < 8; ++i) {
            const double a = mids[i] * std::numbers::pi / 180;
            const QPointF at(c.x() + radius * 0.82 * std::sin(a), c.y() - radius * 0.82 * std::cos(a));
            text(p, QRectF(at.x() - radius * 0.3, at.y() - radius * 0.1, radius * 0.6, radius * 0.2),
                 qs(meter_.lblFonction[i].Caption), radius * 0.12,
                 i == 0 ? QColor(255, 90, 80) : QColor(235, 235, 235));
            const QPointF tick(c.x() + radius * 0.64 * std::sin(a), c.y() - radius * 0.64 * std::cos(a));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(235, 235, 235));
            p.drawEllipse(tick, 2, 2);
        }
        QRadialGradient body(c - QPointF(knob * 0.3, knob * 0.3), knob * 1.4);
        body.setColorAt(0, QColor(90, 90, 95));
        body.setColorAt(1, QColor(15, 15, 18));
        p.setPen(QPen(QColor(0, 0, 0), 1.5));
        p.setBrush(body);
        p.drawEllipse(c, knob, knob);
        const double a = meter_.pointerAngle() * std::numbers::pi / 180;
        const QPointF dir(std::sin(a), -std::cos(a));
        const QPointF n(-dir.y(), dir.x());
        QPolygonF bar;
        bar << c + dir * knob * 0.95 + n * knob * 0.12 << c + dir * knob * 0.95 - n * knob * 0.12
            << c - dir * knob * 0.95 - n * knob * 0.12 << c - dir * knob * 0.95 + n * knob * 0.12;
        p.setBrush(QColor(50, 50, 55));
        p.drawPolygon(bar);
        p.setPen(QPen(Qt::white, std::max(2.0, knob * 0.08), Qt::SolidLine, Qt::FlatCap));
        p.drawLine(c + dir * knob * 0.3, c + dir * knob * 0.9);
    }

  private:
    void forward(QMouseEvent* e, bool release) {
        if (!(e->buttons() & Qt::LeftButton) && !release) return;
        const QPointF c = QRectF(rect()).center();
        const double dx = e->position().x() - c.x();
        const double dy = c.y() - e->position().y();
        double degrees = std::atan2(dx, dy) * 180 / std::numbers::pi;
        if (degrees < 0) degrees += 360;
        Control& s = meter_.imgSelecteur;
        if (release) {
            user::rotate(s, degrees);
        } else {
            const double a = degrees * std::numbers::pi / 180;
            const double r = std::min(s.Width, s.Height) * 0.4;
            user::move(s, s.Width / 2 + r * std::sin(a), s.Height / 2 - r * std::cos(a), kLeftButton);
        }
        update();
    }

    FrmMultiRMS& meter_;
    std::uint64_t painted_ = 0; // the fingerprint of the last picture asked for
};

} // namespace

TrmsView::TrmsView(FrmMultiRMS& meter, QWidget* parent)
    : PanelView(meter, parent, kFrameTwips), meter_(meter) {
    const QSizeF d(designSize());
    display_ =
        add(new TrmsDisplay(meter, this), QRectF(d.width() * 0.08, 40, d.width() * 0.84, d.height() * 0.22));

    const double keysTop = 48 + d.height() * 0.22;
    Control* keys[3] = {&meter.cmdBouton[0], &meter.cmdBouton[1], &meter.chkACDC};
    for (int i = 0; i < 3; ++i)
        keys_[i] = add(new ModelButton(*keys[i], this),
                       QRectF(d.width() * (0.08 + 0.29 * i), keysTop, d.width() * 0.26, 28));
    const double dial = d.width() * 0.52;
    selector_ = add(new TrmsSelector(meter, this), QRectF((d.width() - dial) / 2, keysTop + 32, dial, dial));

    const double channelsTop = keysTop + 34 + dial;
    for (int i = 0; i < 2; ++i)
        add(new ModelButton(meter.optVoie[i], this),
            QRectF(d.width() * (0.1 + 0.42 * i), channelsTop, d.width() * 0.38, 26));
    const QColor plugs[4] = {QColor(200, 30, 30), QColor(200, 30, 30), QColor(200, 30, 30),
                             QColor(30, 30, 30)};
    for (int i = 0; i < 4; ++i)
        terminals_[i] = add(new TerminalWidget(meter.imgBorne[i], meter.imgFiche[i], nullptr, plugs[i], this),
                            QRectF(d.width() * (0.13 + 0.21 * i), channelsTop + 42, 32, 42));
    resize(designSize());
    syncFromModel();
}

void TrmsView::syncFromModel() {
    syncPanel(PaintKey() << meter_ << meter_.pointerAngle());
}

void TrmsView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = zoom();
    const QRectF body = QRectF(rect()).adjusted(3, 3, -3, -3);
    QLinearGradient shell(body.topLeft(), body.bottomLeft());
    shell.setColorAt(0, kCase.lighter(112));
    shell.setColorAt(1, kCase.darker(118));
    p.setPen(QPen(QColor(90, 70, 10), 2));
    p.setBrush(shell);
    p.drawRoundedRect(body, 18 * s, 18 * s);
    p.setBrush(QColor(45, 45, 50));
    p.drawRoundedRect(body.adjusted(10 * s, 10 * s, -10 * s, -10 * s), 12 * s, 12 * s);
    // The terminals' names, above each one.
    const char* names[4] = {"V", "mA", "10A", "COM"};
    for (int i = 0; i < 4; ++i) {
        const QRect t = terminals_[i]->geometry();
        text(p, QRectF(t.center().x() - 24 * s, t.top() - 14 * s, 48 * s, 12 * s),
             QString::fromLatin1(names[i]), 10 * s, QColor(235, 235, 235));
    }
    text(p, QRectF(0, 12 * s, width(), 24 * s), QStringLiteral("TRUE RMS MULTIMETER"), 13 * s,
         QColor(240, 240, 240));
}

} // namespace ondivel
