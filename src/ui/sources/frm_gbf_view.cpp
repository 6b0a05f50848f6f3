#include "ui/sources/frm_gbf_view.h"

#include <QPainter>
#include <cstdint>

#include "bench/sources/frm_gbf.h"
#include "ui/views/panel_painting.h"
#include "ui/widgets/knob_widget.h"
#include "ui/widgets/lamp_widget.h"
#include "ui/widgets/model_button.h"
#include "ui/widgets/model_label.h"
#include "ui/widgets/model_slider.h"
#include "ui/widgets/paint_key.h"
#include "ui/widgets/pictograms.h"
#include "ui/widgets/terminal_widget.h"

namespace ondivel {

namespace {

constexpr QRectF kWaveFrame(6, 140, 160, 60);
constexpr double kKnobColumn = 66;
constexpr double kKnobRowTop = 206;

Pictogram waveOfPicture(int picture) {
    return picture == kPictureSquare     ? Pictogram::Square
           : picture == kPictureTriangle ? Pictogram::Triangle
                                         : Pictogram::Sine;
}

// The waveform pictogram beside the read-out, bound to imgSignal.
class WavePicture : public QWidget, public BoundWidget {
  public:
    WavePicture(Control& image, QWidget* parent) : QWidget(parent), image_(image) { syncFromModel(); }
    void syncFromModel() override {
        syncCommon(*this, image_);
        updateWhenChanged(*this, painted_, PaintKey() << image_);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        paintPictogram(p, waveOfPicture(image_.Picture), QRectF(rect()).adjusted(1, 1, -1, -1),
                       QColor(20, 20, 30));
    }

  private:
    Control& image_;
    std::uint64_t painted_ = 0; // the fingerprint of the last picture asked for
};

} // namespace

GeneratorView::GeneratorView(FrmGBF& gbf, QWidget* parent) : GeneratorPanelView(gbf, parent), gbf_(gbf) {
    addGeneratorTop();
    add(new WavePicture(gbf.imgSignal, this), QRectF(142, 46, 30, 18));
    constexpr Pictogram kWaves[3] = {Pictogram::Sine, Pictogram::Square, Pictogram::Triangle};
    for (int i = 0; i < 3; ++i) {
        const double x = kWaveFrame.left() + 6 + i * 52;
        add(new LampWidget(gbf.shpSignal[i], this), QRectF(x + 17, kWaveFrame.top() + 14, 12, 12));
        auto* b = add(new ModelButton(gbf.optSignal[i], this), QRectF(x, kWaveFrame.top() + 30, 46, 24));
        const Pictogram w = kWaves[i];
        b->setPictogram(
            [w](QPainter& p, const QRectF& r, const QColor& ink) { paintPictogram(p, w, r, ink); });
    }

    const QColor plugColours[2] = {QColor(200, 30, 30), QColor(30, 30, 30)};
    for (int i = 0; i < 2; ++i)
        terminals_.push_back(
            add(new TerminalWidget(gbf.imgBorne[i], gbf.imgFiche[i], &gbf.shpBorne[i], plugColours[i], this),
                QRectF(182 + i * 46, 152, 38, 52)));

    QFont bold;
    bold.setBold(true);
    for (int i = 0; i < 4; ++i) {
        const double x = 6 + i * kKnobColumn;
        auto* name = add(new ModelLabel(gbf.lblPotentio[i], this), QRectF(x, kKnobRowTop, kKnobColumn, 12));
        name->setFont(bold);
        auto* k = add(new KnobWidget(gbf.Potentio[i], this), QRectF(x + 9, kKnobRowTop + 12, 48, 48));
        k->setAccessibleName(QString::fromStdString(gbf.lblPotentio[i].Caption));
        knobs_.push_back(k);
        if (i == 1 || i == 3)
            add(new ModelLabel(gbf.lblMinMax[i / 2], this), QRectF(x, kKnobRowTop + 60, kKnobColumn, 12));
        add(new ModelSlider(gbf.sldReglage[i], 2, this),
            QRectF(x + 4, kKnobRowTop + 76, kKnobColumn - 8, 24));
    }
    resize(designSize());
}

void GeneratorView::syncFromModel() {
    syncPanel(PaintKey() << gbf_);
}

void GeneratorView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintPanelFace(p, *this, zoom(), designSize());
    p.fillRect(QRectF(0, kKnobRowTop - 4, designSize().width(), 1), QColor(150, 155, 162));
    paintEngravedFrame(p, kRangeFrame, QString::fromStdString(gbf_.fraGamme.Caption));
    paintEngravedFrame(p, kWaveFrame, QString::fromStdString(gbf_.fraSignal.Caption));
    QFont small = p.font();
    small.setBold(true);
    p.setFont(small);
    p.setPen(kPanelInk);
    p.drawText(QRectF(182 + 46, 140, 38, 12), Qt::AlignCenter, QStringLiteral("COM"));
}

} // namespace ondivel
