#include "ui/sources/frm_alim_view.h"

#include <QPainter>

#include "bench/sources/frm_alim.h"
#include "core/control.h"
#include "ui/widgets/digital_readout.h"
#include "ui/widgets/knob_widget.h"
#include "ui/widgets/lamp_widget.h"
#include "ui/widgets/model_button.h"
#include "ui/widgets/model_label.h"
#include "ui/widgets/paint_key.h"
#include "ui/widgets/terminal_widget.h"

namespace ondivel {

namespace {

const QColor kCase(38, 40, 44);
const QColor kPlate(58, 61, 66);
const QColor kInk(232, 232, 226);

constexpr QRectF kDisplayBand(8, 28, 284, 58);
constexpr double kKnobRowTop = 96;
constexpr double kTerminalRowTop = 186;

ModelLabel* engraved(ModelLabel* label, int pixelSize, bool bold) {
    QFont f = label->font();
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    label->setFont(f);
    label->setStyleSheet(QStringLiteral("color: rgb(232, 232, 226);"));
    return label;
}

} // namespace

SupplyView::SupplyView(FrmAlim& alim, QWidget* parent)
    : PanelView(alim, parent), alim_(alim),
      signedText_(std::make_unique<Control>(ControlKind::Label, "lblAffichageSigne")) {
    engraved(add(new ModelLabel(alim.lblTitre, this), QRectF(0, 3, 250, 18)), 11, true)
        ->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    add(new LampWidget(alim.shpConnection[3], this), QRectF(276, 5, 14, 14));

    voltage_ = new DigitalReadout(*signedText_, 4, this);
    place(voltage_, QRectF(kDisplayBand.left() + 8, kDisplayBand.top() + 6, 132, 46));
    current_ = add(new DigitalReadout(alim.lblLEDCourant, 3, this),
                   QRectF(kDisplayBand.left() + 172, kDisplayBand.top() + 10, 84, 38));

    // Knob names above, scales below; the fine knob is the small one.
    const QRectF knobRects[3] = {QRectF(16, kKnobRowTop + 14, 60, 60), QRectF(102, kKnobRowTop + 24, 40, 40),
                                 QRectF(170, kKnobRowTop + 18, 52, 52)};
    for (int i = 0; i < 3; ++i) {
        const QRectF k = knobRects[i];
        const double cx = k.center().x();
        engraved(add(new ModelLabel(alim.lblPotentio[i], this), QRectF(cx - 36, kKnobRowTop, 72, 12)), 9,
                 true);
        auto* knob = add(new KnobWidget(alim.Potentio[i], this), k);
        knob->setAccessibleName(QString::fromStdString(alim.lblPotentio[i].Caption));
        knobs_.push_back(knob);
        engraved(add(new ModelLabel(alim.lblEchelle[i], this), QRectF(cx - 36, k.bottom() + 1, 72, 11)), 8,
                 false);
    }

    // Power switch and lamp on the right of the knobs.
    power_ = add(new SwitchButton(alim.chkOnOff, this), QRectF(240, kKnobRowTop + 30, 40, 34));
    add(new PowerLampWidget(alim.imgOn, kPictureAlimLampOn, this), QRectF(252, kKnobRowTop + 8, 16, 16));

    // NEG takes the signal plug (red) like POS; COM the common plug (black).
    const QColor plugs[3] = {QColor(200, 30, 30), QColor(200, 30, 30), QColor(30, 30, 30)};
    for (int i = 0; i < 3; ++i) {
        const double x = 24 + i * 52;
        engraved(add(new ModelLabel(alim.lblBorne[i], this), QRectF(x - 6, kTerminalRowTop, 50, 11)), 9,
                 true);
        terminals_.push_back(add(
            new TerminalWidget(alim.imgBorne[i], alim.imgFiche[i], &alim.shpConnection[i], plugs[i], this),
            QRectF(x, kTerminalRowTop + 12, 38, 52)));
    }
    resize(designSize());
    syncFromModel();
}

SupplyView::~SupplyView() = default;

void SupplyView::syncFromModel() {
    const bool negative = alim_.lblSigne.Visible;
    signedText_->Caption = (negative ? alim_.lblSigne.Caption : std::string()) + alim_.lblAffichage.Caption;
    signedText_->Visible = alim_.lblAffichage.Visible;
    voltage_->syncFromModel();
    syncPanel(PaintKey() << alim_);
}

void SupplyView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), kCase.darker(130));
    const double s = zoom();
    p.scale(s, s);
    const QSizeF design = designSize();
    const QRectF face(QPointF(0, 0), design);

    // Dark painted case with a slightly lighter front plate and screws in the corners.
    QLinearGradient paint(face.topLeft(), face.bottomLeft());
    paint.setColorAt(0, kCase.lighter(115));
    paint.setColorAt(1, kCase.darker(110));
    p.fillRect(face, paint);
    p.setPen(QPen(QColor(90, 94, 100), 0.8));
    p.setBrush(kPlate);
    p.drawRoundedRect(face.adjusted(4, 24, -4, -4), 4, 4);
    p.setPen(QPen(QColor(140, 140, 140), 0.6));
    p.setBrush(QColor(110, 112, 116));
    for (QPointF c : {QPointF(9, 29), QPointF(design.width() - 9, 29), QPointF(9, design.height() - 9),
                      QPointF(design.width() - 9, design.height() - 9)}) {
        p.drawEllipse(c, 2.4, 2.4);
        p.drawLine(c - QPointF(1.6, 1.6), c + QPointF(1.6, 1.6));
    }

    // Display window band and the units beside the two displays.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 22));
    p.drawRoundedRect(kDisplayBand, 3, 3);
    QFont unit = font();
    unit.setPixelSize(12);
    unit.setBold(true);
    p.setFont(unit);
    p.setPen(kInk);
    p.drawText(QRectF(kDisplayBand.left() + 142, kDisplayBand.top() + 20, 20, 20), Qt::AlignCenter,
               QStringLiteral("V"));
    p.drawText(QRectF(kDisplayBand.left() + 258, kDisplayBand.top() + 20, 20, 20), Qt::AlignCenter,
               QStringLiteral("A"));

    // A line under the knobs, and the terminal block.
    p.fillRect(QRectF(8, kTerminalRowTop - 6, design.width() - 16, 1), QColor(100, 104, 110));
    p.setPen(QPen(QColor(100, 104, 110), 0.8));
    p.setBrush(QColor(48, 50, 54));
    p.drawRoundedRect(QRectF(14, kTerminalRowTop - 2, 160, 72), 4, 4);
    QFont small = font();
    small.setPixelSize(8);
    p.setFont(small);
    p.setPen(kInk);
    p.drawText(QRectF(236, kKnobRowTop + 66, 48, 10), Qt::AlignCenter, QStringLiteral("POWER"));
    p.drawText(QRectF(190, kTerminalRowTop + 30, 100, 12), Qt::AlignCenter,
               QStringLiteral("0 - 30 V  /  10 A"));
}

} // namespace ondivel
