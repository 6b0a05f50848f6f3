#include "ui/toolbox/frm_toolbox_view.h"

#include <QPainter>

#include "bench/toolbox/frm_toolbox.h"
#include "ui/widgets/model_button.h"
#include "ui/widgets/paint_key.h"
#include "ui/widgets/pictograms.h"

namespace ondivel {

namespace {

constexpr double kTwipsPerPixel = 15;
// The model numbers the pictures of the nine kinds of source from 10, in frame order.
constexpr int kFirstSourcePicture = 10;
constexpr Pictogram kSourcePictograms[9] = {
    Pictogram::NoSource,  Pictogram::Generator,  Pictogram::Supply,
    Pictogram::Battery15, Pictogram::Battery45,  Pictogram::Battery9,
    Pictogram::Mains,     Pictogram::Alternator, Pictogram::Harmonics,
};

QRectF designRect(const Control& c) {
    return {c.Left / kTwipsPerPixel, c.Top / kTwipsPerPixel, c.Width / kTwipsPerPixel,
            c.Height / kTwipsPerPixel};
}

ModelButton::Pictogram drawer(Pictogram which) {
    return [which](QPainter& p, const QRectF& r, const QColor& ink) { paintPictogram(p, which, r, ink); };
}

} // namespace

ToolboxView::ToolboxView(FrmToolBox& toolbox, QWidget* parent)
    : PanelView(toolbox, parent), toolbox_(toolbox) {
    for (int i = 0; i < toolbox.optConnexion.size(); ++i) {
        Control& c = toolbox.optConnexion[i];
        auto* b = add(new ModelButton(c, this), designRect(c));
        const int kind = c.Picture - kFirstSourcePicture;
        if (kind >= 0 && kind < 9) b->setPictogram(drawer(kSourcePictograms[kind]));
        connections_.push_back(b);
    }
    const std::pair<Control*, Pictogram> boxes[3] = {{&toolbox.chkMulti, Pictogram::Meter},
                                                     {&toolbox.chkClock, Pictogram::Stopwatch},
                                                     {&toolbox.chkCalc, Pictogram::Calculator}};
    for (const auto& [c, picture] : boxes)
        add(new ModelButton(*c, this), designRect(*c))->setPictogram(drawer(picture));
    resize(designSize());
}

void ToolboxView::syncFromModel() {
    syncPanel(PaintKey() << toolbox_);
}

void ToolboxView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(196, 200, 206));
    const double s = zoom();
    p.scale(s, s);
    QFont f = font();
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    for (int side = 0; side < toolbox_.fraAlim.size(); ++side) {
        const Control& frame = toolbox_.fraAlim[side];
        const QRectF r = designRect(frame).adjusted(1.5, 1.5, -1.5, -1.5);
        const QColor colour = toQColor(frame.BackColor);
        p.setPen(QPen(colour.darker(170), 1));
        p.setBrush(frame.Enabled ? colour : colour.lighter(140));
        p.drawRoundedRect(r, 4, 4);
        // Dark text on light trace colours (yellow), light text on dark ones (green).
        p.setPen(0.299 * colour.red() + 0.587 * colour.green() + 0.114 * colour.blue() > 140
                     ? QColor(20, 20, 20)
                     : QColor(250, 250, 250));
        p.drawText(QRectF(r.left(), r.top(), r.width(), 240 / kTwipsPerPixel), Qt::AlignCenter,
                   QString::fromStdString(frame.Caption));
    }
}

} // namespace ondivel
