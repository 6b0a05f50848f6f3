#include "ui/sources/frm_pile_view.h"

#include <QPainter>
#include <cmath>
#include <cstdint>

#include "bench/sources/frm_pile.h"
#include "ui/widgets/paint_key.h"
#include "ui/widgets/polarity_switch.h"

namespace ondivel {

namespace {

constexpr double kTwipsPerPixel = 15;
// The frame and title bar the model counts in its height: the view is the client area.
constexpr double kFrameTwips = 510;

const QColor kBench(226, 222, 212);

void signAt(QPainter& p, QPointF centre, double size, bool plus, const QColor& ink) {
    QFont f = p.font();
    f.setPixelSize(std::max(6, static_cast<int>(size)));
    f.setBold(true);
    p.setFont(f);
    p.setPen(ink);
    p.drawText(QRectF(centre.x() - size, centre.y() - size, 2 * size, 2 * size), Qt::AlignCenter,
               plus ? QStringLiteral("+") : QString(QChar(0x2212)));
}

void label(QPainter& p, const QRectF& r, const QString& text, double size, const QColor& ink) {
    QFont f = p.font();
    f.setPixelSize(std::max(6, static_cast<int>(size)));
    f.setBold(true);
    p.setFont(f);
    p.setPen(ink);
    p.drawText(r, Qt::AlignCenter, text);
}

// A 1.5 V cell lying down: the positive cap on the right, the flat negative end on the left.
void paintCell(QPainter& p, const QRectF& r) {
    const double capW = r.width() * 0.05;
    const QRectF body(r.left(), r.top(), r.width() - capW, r.height());
    QLinearGradient tube(body.topLeft(), body.bottomLeft());
    tube.setColorAt(0, QColor(40, 120, 60));
    tube.setColorAt(0.3, QColor(120, 210, 140));
    tube.setColorAt(1, QColor(20, 70, 35));
    p.setPen(QPen(QColor(20, 40, 25), 1));
    p.setBrush(tube);
    p.drawRoundedRect(body, r.height() * 0.12, r.height() * 0.12);
    // Copper band by the positive end.
    QLinearGradient copper(body.topLeft(), body.bottomLeft());
    copper.setColorAt(0, QColor(150, 90, 30));
    copper.setColorAt(0.3, QColor(240, 180, 100));
    copper.setColorAt(1, QColor(110, 60, 20));
    p.setBrush(copper);
    p.drawRect(QRectF(body.right() - body.width() * 0.22, body.top(), body.width() * 0.22, body.height()));
    QLinearGradient steel(r.topLeft(), r.bottomLeft());
    steel.setColorAt(0, QColor(150, 150, 155));
    steel.setColorAt(0.35, QColor(245, 245, 248));
    steel.setColorAt(1, QColor(110, 110, 115));
    p.setBrush(steel);
    p.drawRoundedRect(
        QRectF(body.right() - 1, r.center().y() - r.height() * 0.18, capW + 1, r.height() * 0.36), 2, 2);
    label(p,
          QRectF(body.left() + r.height() * 0.55, body.top(), body.width() * 0.78 - r.height() * 0.55,
                 body.height()),
          QStringLiteral("1,5 V"), r.height() * 0.32, Qt::white);
    signAt(p, QPointF(body.right() - body.width() * 0.11, body.center().y()), r.height() * 0.45, true,
           Qt::white);
    signAt(p, QPointF(body.left() + r.height() * 0.3, body.center().y()), r.height() * 0.45, false,
           Qt::white);
}

// A flat 4.5 V pocket battery: the short brass strip is +, the long one −.
void paintPocket(QPainter& p, const QRectF& r) {
    const double tab = r.height() * 0.22;
    const QRectF body(r.left(), r.top() + tab, r.width(), r.height() - tab);
    QLinearGradient brass(r.topLeft(), r.topRight());
    brass.setColorAt(0, QColor(170, 130, 50));
    brass.setColorAt(0.5, QColor(250, 220, 140));
    brass.setColorAt(1, QColor(150, 110, 40));
    p.setPen(QPen(QColor(100, 75, 25), 1));
    p.setBrush(brass);
    const double stripW = r.width() * 0.16;
    p.drawRect(QRectF(r.left() + r.width() * 0.14, r.top() + tab * 0.45, stripW, tab * 0.55 + 2));
    p.drawRect(QRectF(r.right() - r.width() * 0.30, r.top(), stripW, tab + 2));
    QLinearGradient skin(body.topLeft(), body.bottomRight());
    skin.setColorAt(0, QColor(236, 70, 40));
    skin.setColorAt(0.6, QColor(200, 30, 20));
    skin.setColorAt(1, QColor(140, 20, 10));
    p.setPen(QPen(QColor(90, 20, 10), 1));
    p.setBrush(skin);
    p.drawRoundedRect(body, 4, 4);
    p.fillRect(QRectF(body.left(), body.top() + body.height() * 0.62, body.width(), body.height() * 0.2),
               QColor(250, 205, 40));
    label(p, QRectF(body.left(), body.top() + body.height() * 0.12, body.width(), body.height() * 0.46),
          QStringLiteral("4,5 V"), body.height() * 0.3, Qt::white);
    signAt(p, QPointF(r.left() + r.width() * 0.22, body.top() + body.height() * 0.14), body.height() * 0.16,
           true, Qt::white);
    signAt(p, QPointF(r.right() - r.width() * 0.22, body.top() + body.height() * 0.14), body.height() * 0.16,
           false, Qt::white);
}

// A 9 V block lying down, its snap terminals on the right: the round stud +, the hexagon −.
void paintBlock(QPainter& p, const QRectF& r) {
    const double snapW = r.width() * 0.08;
    const QRectF body(r.left(), r.top(), r.width() - snapW, r.height());
    QLinearGradient skin(body.topLeft(), body.bottomLeft());
    skin.setColorAt(0, QColor(60, 60, 70));
    skin.setColorAt(0.3, QColor(110, 110, 125));
    skin.setColorAt(1, QColor(25, 25, 30));
    p.setPen(QPen(QColor(15, 15, 18), 1));
    p.setBrush(skin);
    p.drawRoundedRect(body, 5, 5);
    p.fillRect(QRectF(body.left() + body.width() * 0.06, body.top(), body.width() * 0.16, body.height()),
               QColor(230, 170, 20));
    QLinearGradient steel(r.topLeft(), r.bottomLeft());
    steel.setColorAt(0, QColor(140, 140, 146));
    steel.setColorAt(0.4, QColor(248, 248, 250));
    steel.setColorAt(1, QColor(100, 100, 106));
    p.setBrush(steel);
    p.setPen(QPen(QColor(60, 60, 64), 1));
    const double s = snapW;
    const QPointF plus(body.right() + s / 2, body.top() + body.height() * 0.28);
    const QPointF minus(body.right() + s / 2, body.top() + body.height() * 0.72);
    p.drawRoundedRect(QRectF(body.right() - 1, plus.y() - s * 0.45, s, s * 0.9), 2, 2);
    QPolygonF hex;
    for (int i = 0; i < 6; ++i) {
        const double a = std::acos(-1.0) / 3 * i;
        hex << QPointF(minus.x() - s * 0.05 + s * 0.58 * std::cos(a), minus.y() + s * 0.58 * std::sin(a));
    }
    p.drawPolygon(hex);
    label(p, QRectF(body.left() + body.width() * 0.22, body.top(), body.width() * 0.6, body.height()),
          QStringLiteral("9 V"), r.height() * 0.36, Qt::white);
    signAt(p, QPointF(body.right() - s * 1.3, plus.y()), r.height() * 0.22, true, Qt::white);
    signAt(p, QPointF(body.right() - s * 1.3, minus.y()), r.height() * 0.22, false, Qt::white);
}

// The battery picture, bound to imgPile: the picture number chooses the battery, the control's
// rectangle (in twips, relative to the client area) places it.
class BatteryPicture : public QWidget, public BoundWidget {
  public:
    BatteryPicture(Control& image, QWidget* parent) : QWidget(parent), image_(image) {
        setAccessibleName(QStringLiteral("Pile"));
        syncFromModel();
    }
    void syncFromModel() override {
        syncCommon(*this, image_);
        const QString volts = image_.Picture == kPictureBattery15  ? QStringLiteral("1,5 V")
                              : image_.Picture == kPictureBattery9 ? QStringLiteral("9 V")
                                                                   : QStringLiteral("4,5 V");
        setAccessibleDescription(volts);
        updateWhenChanged(*this, painted_, PaintKey() << image_);
    }
    // The widget covers the whole client area in design pixels `design`.
    void setDesign(QSizeF design) { design_ = design; }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const double s = width() / design_.width();
        p.scale(s, s);
        const QRectF r(image_.Left / kTwipsPerPixel, image_.Top / kTwipsPerPixel,
                       image_.Width / kTwipsPerPixel, image_.Height / kTwipsPerPixel);
        // A soft shadow on the bench under the battery.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 22));
        p.drawRoundedRect(r.adjusted(2, r.height() * 0.25, 2, 3), 6, 6);
        switch (image_.Picture) {
        case kPictureBattery15:
            paintCell(p, r);
            break;
        case kPictureBattery9:
            paintBlock(p, r);
            break;
        default:
            paintPocket(p, r);
        }
    }

  private:
    Control& image_;
    QSizeF design_{1, 1};
    std::uint64_t painted_ = 0; // the fingerprint of the last picture asked for
};

} // namespace

BatteryView::BatteryView(FrmPile& pile, QWidget* parent) : PanelView(pile, parent, kFrameTwips), pile_(pile) {
    const QSizeF design(designSize());
    auto* picture =
        add(new BatteryPicture(pile.imgPile, this), QRectF(0, 0, design.width() * 0.56, design.height()));
    picture->setDesign(QSizeF(design.width() * 0.56, design.height()));

    const Control& first = pile.optPolarite[0];
    const double x = first.Left / kTwipsPerPixel;
    switch_ = add(new PolaritySwitch(pile.optPolarite[0], pile.optPolarite[1], this),
                  QRectF(x - 8, 12, design.width() - x + 4, design.height() - 24));
    resize(designSize());
}

void BatteryView::syncFromModel() {
    syncPanel(PaintKey() << pile_);
}

void BatteryView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // A light bench top, a little darker towards the front.
    QLinearGradient bench(QPointF(0, 0), QPointF(0, height()));
    bench.setColorAt(0, kBench.lighter(106));
    bench.setColorAt(1, kBench.darker(108));
    p.fillRect(rect(), bench);
}

} // namespace ondivel
