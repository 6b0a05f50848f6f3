#include "ui/scope/frm_curseurs_view.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "bench/main/keyboard_focus.h"
#include "bench/scope/frm_curseurs.h"
#include "ui/views/key_codes.h"
#include "ui/views/keyboard_navigation.h"
#include "ui/widgets/model_button.h"
#include "ui/widgets/model_label.h"
#include "ui/widgets/paint_key.h"

namespace ondivel {

namespace {

constexpr double kMargin = 8;
constexpr double kLineHeight = 18;
constexpr double kButtonWidth = 44;
constexpr double kButtonHeight = 24;
constexpr double kLabelPixels = 12; // the read-out's text height at zoom 1

const QColor kPanel(236, 234, 228);
const QColor kRule(180, 176, 166);

} // namespace

CursorsView::CursorsView(FrmCurseurs& cursors, QWidget* parent)
    : PanelView(cursors, parent), cursors_(cursors) {
    setAccessibleName(QString::fromStdString(cursors.Caption));
    const double width = designSize().width() - 2 * kMargin;
    const double gap = (width - 4 * kButtonWidth) / 3;
    for (int i = 0; i < FrmCurseurs::kCount; ++i) {
        auto* button = add(new ModelButton(cursors.optCurseur[i], this),
                           QRectF(kMargin + i * (kButtonWidth + gap), kMargin, kButtonWidth, kButtonHeight));
        button->setCaptionShown(true);
    }
    double y = kMargin + kButtonHeight + 10;
    auto line = [&](Control& label) {
        auto* l = add(new ModelLabel(label, this), QRectF(kMargin, y, width, kLineHeight));
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        labels_.push_back(l);
        y += kLineHeight;
    };
    for (Control* c : {&cursors.lblT1, &cursors.lblT2, &cursors.lblDt, &cursors.lblFreq})
        line(*c);
    for (int ch = 0; ch < 2; ++ch) {
        y += 8;
        line(cursors.lblV1[ch]);
        line(cursors.lblV2[ch]);
        line(cursors.lblDV[ch]);
    }
    resize(designSize());
}

void CursorsView::syncFromModel() {
    syncPanel(PaintKey() << cursors_);
}

void CursorsView::resizeEvent(QResizeEvent* event) {
    PanelView::resizeEvent(event);
    QFont f = font();
    f.setPixelSize(std::max(8, static_cast<int>(kLabelPixels * zoom())));
    for (ModelLabel* l : labels_)
        l->setFont(f);
}

// The arrows on a cursor's button move that cursor, through the same rule as the harness's keys.
void CursorsView::keyPressEvent(QKeyEvent* event) {
    const std::optional<NavKey> key = navKeyOf(event->key());
    if (key && *key != NavKey::Space && *key != NavKey::Enter) {
        if (Control* stop = stopOf(*this, focusWidget());
            stop && PressKey(*stop, *key, event->modifiers() & Qt::ShiftModifier)) {
            event->accept();
            return;
        }
    }
    PanelView::keyPressEvent(event);
}

void CursorsView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kPanel);
    // A rule under the buttons, and one before each channel's lines.
    const double s = zoom();
    p.setPen(QPen(kRule, std::max(1.0, s)));
    const double right = width() - kMargin * s;
    double y = (kMargin + kButtonHeight + 5) * s;
    p.drawLine(QPointF(kMargin * s, y), QPointF(right, y));
    y = (kMargin + kButtonHeight + 10 + 4 * kLineHeight + 4) * s;
    p.drawLine(QPointF(kMargin * s, y), QPointF(right, y));
    y += (3 * kLineHeight + 8) * s;
    p.drawLine(QPointF(kMargin * s, y), QPointF(right, y));
}

} // namespace ondivel
