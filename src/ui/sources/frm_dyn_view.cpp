#include "ui/sources/frm_dyn_view.h"

#include <QPainter>
#include <QtMath>
#include <cstdint>
#include <functional>

#include "bench/sources/frm_dyn.h"
#include "core/control.h"
#include "ui/views/panel_painting.h"
#include "ui/widgets/digital_readout.h"
#include "ui/widgets/knob_widget.h"
#include "ui/widgets/model_label.h"
#include "ui/widgets/paint_key.h"
#include "ui/widgets/terminal_widget.h"

namespace ondivel {

namespace {

// The wheel and the dynamo pressed on its tyre, bound to imgDyn. Arcs of motion behind the tyre
// lengthen with the speed, so a stopped wheel shows none.
class DynamoPicture : public QWidget, public BoundWidget {
  public:
    DynamoPicture(Control& image, std::function<double()> speed, QWidget* parent)
        : QWidget(parent), image_(image), speed_(std::move(speed)) {
        syncFromModel();
    }
    void syncFromModel() override {
        syncCommon(*this, image_);
        updateWhenChanged(*this, painted_, PaintKey() << image_ << speed_());
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        // Everything drawn below lies in this box: the dynamo's top at the upper right, the
        // tyre's left edge and the motion arcs under the tyre at full speed.
        const QRectF drawing(-1, -1, 162, 182);
        const double s = std::min(width() / drawing.width(), height() / drawing.height());
        p.translate((width() - s * drawing.width()) / 2, (height() - s * drawing.height()) / 2);
        p.scale(s, s);
        p.translate(-drawing.topLeft());
        const QPointF hub(62, 104);
        constexpr double tyre = 58, rim = 49;

        // Motion marks: up to a half turn of arcs at full speed.
        const double fraction = std::clamp(speed_() / 2500.0, 0.0, 1.0);
        if (fraction > 0) {
            p.setPen(QPen(QColor(90, 120, 170), 2.2, Qt::SolidLine, Qt::RoundCap));
            const int span = static_cast<int>(fraction * 150 * 16);
            for (int i = 0; i < 3; ++i) {
                const double r = tyre + 6 + i * 5;
                p.drawArc(QRectF(hub.x() - r, hub.y() - r, 2 * r, 2 * r), (200 + i * 12) * 16,
                          span - i * 160);
            }
        }

        QRadialGradient rubber(hub, tyre);
        rubber.setColorAt(0.8, QColor(60, 60, 64));
        rubber.setColorAt(1.0, QColor(20, 20, 22));
        p.setPen(Qt::NoPen);
        p.setBrush(rubber);
        p.drawEllipse(hub, tyre, tyre);
        p.setBrush(QColor(196, 200, 206));
        p.drawEllipse(hub, rim + 2, rim + 2);
        p.setBrush(QColor(235, 238, 242));
        p.drawEllipse(hub, rim - 3, rim - 3);
        p.setPen(QPen(QColor(120, 124, 130), 0.8));
        for (int i = 0; i < 18; ++i) {
            const double a = i * M_PI / 9;
            const QPointF off(6 * std::cos(a + 0.4), 6 * std::sin(a + 0.4));
            p.drawLine(hub + off, hub + QPointF((rim - 3) * std::cos(a), (rim - 3) * std::sin(a)));
        }
        p.setPen(QPen(QColor(80, 84, 90), 1));
        p.setBrush(QColor(170, 175, 182));
        p.drawEllipse(hub, 8, 8);
        p.setBrush(QColor(90, 94, 100));
        p.drawEllipse(hub, 3, 3);

        // The dynamo, tilted so that its roller touches the tyre at the upper right.
        p.save();
        p.translate(hub);
        p.rotate(-48);
        p.translate(tyre, 0);
        QLinearGradient body(0, -13, 0, 13);
        body.setColorAt(0, QColor(230, 232, 236));
        body.setColorAt(0.45, QColor(168, 172, 180));
        body.setColorAt(1, QColor(96, 100, 108));
        p.setPen(QPen(QColor(60, 62, 68), 1));
        p.setBrush(QColor(40, 40, 44));
        p.drawRoundedRect(QRectF(0, -5, 9, 10), 2, 2); // knurled roller on the tyre
        p.setBrush(body);
        p.drawRoundedRect(QRectF(9, -13, 52, 26), 6, 6);
        p.setBrush(QColor(150, 40, 36));
        p.drawRect(QRectF(30, -13, 5, 26)); // maker's band
        p.setBrush(QColor(120, 124, 130));
        p.drawRoundedRect(QRectF(61, -7, 8, 14), 2, 2);
        p.restore();
    }

  private:
    Control& image_;
    std::function<double()> speed_;
    std::uint64_t painted_ = 0; // the fingerprint of the last picture asked for
};

} // namespace

AlternatorView::AlternatorView(FrmDyn& dyn, QWidget* parent)
    : PanelView(dyn, parent), dyn_(dyn),
      digits_(std::make_unique<Control>(ControlKind::Label, "lblVitesseDigits")) {
    scaleFontWithZoom();
    QFont bold;
    bold.setBold(true);

    picture_ = add(new DynamoPicture(
                       dyn.imgDyn, [&dyn] { return dyn.speed(); }, this),
                   QRectF(4, 22, 170, 180));

    auto* caption = add(new ModelLabel(dyn.lblTitreVitesse, this), QRectF(176, 30, 100, 28));
    caption->setWordWrap(true);
    readout_ = new DigitalReadout(*digits_, 4, this);
    place(readout_, QRectF(178, 62, 96, 36));
    // The unit the caption of lblVitesse carries after its digits.
    auto* unit = add(new QLabel(QStringLiteral("tours/min"), this), QRectF(178, 100, 96, 14));
    unit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    unit->setFont(bold);

    auto* speedKnob = add(new KnobWidget(dyn.Potentio[FrmDyn::kSpeedKnob], this), QRectF(186, 120, 76, 76));
    speedKnob->setAccessibleName(QStringLiteral("Vitesse"));
    auto* fineKnob = add(new KnobWidget(dyn.Potentio[FrmDyn::kFineKnob], this), QRectF(40, 206, 44, 44));
    fineKnob->setAccessibleName(QString::fromStdString(dyn.lblFin.Caption));
    knobs_ = {speedKnob, fineKnob};
    auto* fin = add(new ModelLabel(dyn.lblFin, this), QRectF(40, 252, 44, 12));
    fin->setAlignment(Qt::AlignCenter);
    fin->setFont(bold);

    const QColor plugColours[2] = {QColor(200, 30, 30), QColor(30, 30, 30)};
    for (int i = 0; i < 2; ++i)
        terminals_.push_back(
            add(new TerminalWidget(dyn.imgBorne[i], dyn.imgFiche[i], &dyn.shpBorne[i], plugColours[i], this),
                QRectF(150 + i * 58, 208, 40, 54)));
    auto* com = add(new ModelLabel(dyn.lblCom, this), QRectF(208, 262, 40, 12));
    com->setAlignment(Qt::AlignCenter);
    com->setFont(bold);

    syncFromModel();
    resize(designSize());
}

AlternatorView::~AlternatorView() = default;

void AlternatorView::syncFromModel() {
    // "1000 tours/min" -> "1000" on the display.
    const std::string& text = dyn_.lblVitesse.Caption;
    digits_->Caption = text.substr(0, text.find(' '));
    digits_->Visible = dyn_.lblVitesse.Visible;
    readout_->syncFromModel();
    syncPanel(PaintKey() << dyn_);
}

void AlternatorView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintPanelFace(p, *this, zoom(), designSize(), QStringLiteral("ALTERNATEUR DE BICYCLETTE"));
    // The terminals' engraved box.
    p.setPen(QPen(QColor(70, 74, 82), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(142, 202, 122, 74), 4, 4);
}

} // namespace ondivel
