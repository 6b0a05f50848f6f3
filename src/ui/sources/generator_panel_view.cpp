#include "ui/sources/generator_panel_view.h"

#include "bench/sources/generator_panel.h"
#include "ui/widgets/digital_readout.h"
#include "ui/widgets/lamp_widget.h"
#include "ui/widgets/model_button.h"
#include "ui/widgets/model_label.h"

namespace ondivel {

GeneratorPanelView::GeneratorPanelView(GeneratorPanel& panel, QWidget* parent)
    : PanelView(panel, parent), panel_(panel) {
    scaleFontWithZoom();
}

void GeneratorPanelView::addGeneratorTop() {
    QFont bold;
    bold.setBold(true);
    auto* title = add(new ModelLabel(panel_.lblTitre, this), QRectF(0, 3, designSize().width(), 16));
    title->setFont(bold);
    title->setStyleSheet(QStringLiteral("color: white;"));

    readout_ = add(new DigitalReadout(panel_.lblFreq, 5, this), QRectF(10, 26, 128, 40));
    add(new ModelLabel(panel_.lblUnite, this), QRectF(140, 26, 34, 18))->setFont(bold);
    add(new ModelLabel(panel_.lblPower, this), QRectF(196, 24, 70, 12));
    power_ = add(new SwitchButton(panel_.chkOn, this), QRectF(200, 38, 34, 30));
    add(new PowerLampWidget(panel_.imgOn, kPictureLampOn, this), QRectF(242, 45, 16, 16));
    for (int i = 0; i < 6; ++i) {
        const double x = kRangeFrame.left() + 6 + i * 42;
        add(new LampWidget(panel_.shpFreq[i], this), QRectF(x + 13, kRangeFrame.top() + 14, 12, 12));
        ranges_.push_back(
            add(new ModelButton(panel_.optGamme[i], this), QRectF(x, kRangeFrame.top() + 30, 38, 22)));
    }
}

} // namespace ondivel
