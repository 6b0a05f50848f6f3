#include "ui/sources/frm_harmonique_view.h"

#include <QPainter>

#include "bench/sources/frm_harmonique.h"
#include "core/user_input.h"
#include "ui/sources/harmonic_widgets.h"
#include "ui/views/panel_painting.h"
#include "ui/widgets/knob_widget.h"
#include "ui/widgets/model_button.h"
#include "ui/widgets/model_label.h"
#include "ui/widgets/model_slider.h"
#include "ui/widgets/paint_key.h"
#include "ui/widgets/terminal_widget.h"

namespace ondivel {

namespace {

constexpr int kColumnsPerTab = 10;

constexpr QRectF kTabFrame(6, 160, 628, 196);
constexpr QRectF kMeanFrame(6, 362, 628, 42);
constexpr QRectF kPresetFrame(6, 410, 628, 54);
constexpr double kColumnWidth = 62;
constexpr double kColumnTop = 166;
constexpr double kTerminalLeft = 420;

} // namespace

HarmonicView::HarmonicView(FrmHarmonique& panel, QWidget* parent)
    : GeneratorPanelView(panel, parent), panel_(panel) {
    QFont bold;
    bold.setBold(true);
    // The generator top, laid out as on the function generator.
    addGeneratorTop();
    auto* knobName = add(new ModelLabel(panel.lblPotentio, this), QRectF(290, 30, 90, 12));
    knobName->setFont(bold);
    knob_ = add(new KnobWidget(panel.Potentio[0], this), QRectF(305, 44, 60, 60));
    knob_->setAccessibleName(QStringLiteral("FREQ"));
    add(new ModelSlider(panel.sldReglage, 2, this), QRectF(294, 108, 82, 24));

    const QColor plugColours[2] = {QColor(200, 30, 30), QColor(30, 30, 30)};
    for (int i = 0; i < 2; ++i)
        terminals_.push_back(add(new TerminalWidget(panel.imgBorne[i], panel.imgFiche[i], &panel.shpBorne[i],
                                                    plugColours[i], this),
                                 QRectF(kTerminalLeft + i * 50, 62, 38, 52)));

    // The two tabs of ten harmonic columns.
    tabs_ = new QTabBar(this);
    for (const std::string& caption : panel.sstHarmo.List)
        tabs_->addTab(QString::fromStdString(caption));
    tabs_->setDrawBase(false);
    tabs_->setExpanding(false);
    markStop(*tabs_, panel.sstHarmo);
    place(tabs_, QRectF(12, 140, 400, 21));
    connect(tabs_, &QTabBar::currentChanged, this, [this](int tab) {
        if (tab < 0 || tab == panel_.sstHarmo.ListIndex) return;
        user::select(panel_.sstHarmo, tab);
        syncFromModel();
    });

    for (int i = 0; i < FrmHarmonique::kHarmonics; ++i) {
        const double x = kTabFrame.left() + 4 + (i % kColumnsPerTab) * kColumnWidth;
        std::vector<QWidget*> column;
        auto* rank = add(new ModelLabel(panel.lblRang[i], this), QRectF(x, kColumnTop, kColumnWidth, 12));
        rank->setAlignment(Qt::AlignCenter);
        rank->setFont(bold);
        column.push_back(rank);
        column.push_back(add(new UnitLabel(panel.lblAmpli[i], QStringLiteral(" %"), this),
                             QRectF(x, kColumnTop + 13, kColumnWidth, 12)));
        auto* amplitude =
            add(new AmplitudeSlider(panel.sldAmpli[i], this), QRectF(x + 12, kColumnTop + 27, 22, 118));
        amplitudes_.push_back(amplitude);
        column.push_back(amplitude);
        auto* bar =
            add(new LevelBar(panel.pgbAmpli[i], Qt::Vertical, this), QRectF(x + 38, kColumnTop + 32, 9, 108));
        bars_.push_back(bar);
        column.push_back(bar);
        auto* phase = add(new ModelSlider(panel.sldPhase[i], 1, this),
                          QRectF(x + 4, kColumnTop + 148, kColumnWidth - 8, 22));
        phases_.push_back(phase);
        column.push_back(phase);
        auto* degrees =
            add(new ModelLabel(panel.lblPhase[i], this), QRectF(x, kColumnTop + 171, kColumnWidth, 12));
        degrees->setAlignment(Qt::AlignCenter);
        column.push_back(degrees);
        columns_.push_back(column);
    }

    // The mean value and the ready-made spectra.
    add(new ModelSlider(panel.sldX0, 10, this), QRectF(16, kMeanFrame.top() + 14, 300, 24));
    add(new LevelBar(panel.pgbX0, Qt::Horizontal, this), QRectF(330, kMeanFrame.top() + 20, 200, 11));
    auto* mean = add(new UnitLabel(panel.lblAmpliX0, QStringLiteral(" V"), this),
                     QRectF(540, kMeanFrame.top() + 16, 80, 18));
    mean->setFont(bold);
    const double widths[FrmHarmonique::kPresets] = {100, 70, 90, 90, 238};
    double x = kPresetFrame.left() + 8;
    for (int i = 0; i < FrmHarmonique::kPresets; ++i) {
        auto* b =
            add(new ModelButton(panel.optSignal[i], this), QRectF(x, kPresetFrame.top() + 18, widths[i], 26));
        b->setCaptionShown(true);
        presets_.push_back(b);
        x += widths[i] + 8;
    }
    resize(designSize());
    showTab(panel.sstHarmo.ListIndex);
}

void HarmonicView::showTab(int tab) {
    for (int i = 0; i < static_cast<int>(columns_.size()); ++i)
        for (QWidget* w : columns_[static_cast<std::size_t>(i)])
            w->setVisible(i / kColumnsPerTab == tab);
    if (tabs_->currentIndex() != tab) {
        const QSignalBlocker quiet(tabs_);
        tabs_->setCurrentIndex(tab);
    }
}

void HarmonicView::syncFromModel() {
    syncPanel(PaintKey() << panel_);
    // syncCommon shows every bound widget again: the tab decides which columns stay.
    showTab(panel_.sstHarmo.ListIndex);
}

void HarmonicView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintPanelFace(p, *this, zoom(), designSize());
    paintEngravedFrame(p, kRangeFrame, QString::fromStdString(panel_.fraGamme.Caption));
    paintEngravedFrame(p, kMeanFrame, QString::fromStdString(panel_.fraX0.Caption));
    paintEngravedFrame(p, kPresetFrame, QString::fromStdString(panel_.fraSignalParticulier.Caption));

    // The tab page: a recessed plate with one engraved frame per harmonic column.
    p.setPen(QPen(QColor(70, 74, 82), 0.8));
    p.setBrush(kPanelFace.lighter(104));
    p.drawRoundedRect(kTabFrame, 3, 3);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 155, 162), 0.6));
    for (int c = 0; c < kColumnsPerTab; ++c)
        p.drawRoundedRect(
            QRectF(kTabFrame.left() + 4 + c * kColumnWidth + 1, kColumnTop - 2, kColumnWidth - 2, 188), 2, 2);

    QFont small = p.font();
    small.setBold(true);
    p.setFont(small);
    p.setPen(kPanelInk);
    p.drawText(QRectF(kTerminalLeft + 50, 50, 38, 12), Qt::AlignCenter, QStringLiteral("COM"));
}

} // namespace ondivel
