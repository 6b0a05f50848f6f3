#include "ui/scope/frm_ondivel_view.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "bench/scope/frm_ondivel.h"
#include "bench/scope/scales.h"
#include "ui/scope/screen_keyboard.h"
#include "ui/scope/screen_widget.h"
#include "ui/widgets/knob_widget.h"
#include "ui/widgets/lamp_widget.h"
#include "ui/widgets/model_button.h"
#include "ui/widgets/model_label.h"
#include "ui/widgets/terminal_widget.h"

namespace ondivel {

namespace {

// Design size in pixels: the window model's twips at 15 twips a pixel.

// The screen, 5:4 like its user coordinates, inside its bezel.
constexpr QRectF kScreen(24, 22, 470, 376);
constexpr QRectF kBezel(8, 8, 502, 404);

// Sections of the face, engraved frames in design pixels.
constexpr QRectF kVerticalFrame(518, 8, 176, 252);
constexpr QRectF kModeFrame(518, 266, 176, 146);
constexpr QRectF kPowerFrame(8, 420, 86, 94);
constexpr QRectF kHorizontalFrame(214, 420, 292, 94);
constexpr QRectF kInputFrame(518, 420, 176, 94);
constexpr double kChannelCentre[2] = {562, 650};

const QColor kFace(200, 205, 210);
const QColor kTrim(38, 48, 66);
const QColor kInk(28, 30, 38);

void paintArrow(QPainter& p, const QRectF& r, const QColor& ink, bool right) {
    const double h = std::min(r.height(), r.width()) * 0.55;
    const QPointF c = r.center();
    QPainterPath tri;
    const double dx = right ? h * 0.45 : -h * 0.45;
    tri.moveTo(c.x() + dx, c.y());
    tri.lineTo(c.x() - dx, c.y() - h / 2);
    tri.lineTo(c.x() - dx, c.y() + h / 2);
    tri.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(tri);
}

void paintWord(QPainter& p, const QRectF& r, const QColor& ink, const QString& word) {
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(std::max(6, static_cast<int>(r.height() * 0.5)));
    p.setFont(f);
    p.setPen(ink);
    p.drawText(r, Qt::AlignCenter, word);
}

// The ground symbol: a stem over three shrinking bars.
void paintGround(QPainter& p, const QRectF& r, const QColor& ink) {
    const double w = r.width(), x = r.center().x(), top = r.top();
    QPen pen(ink, std::max(1.0, r.height() / 9));
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(QPointF(x, top), QPointF(x, top + r.height() * 0.45));
    for (int i = 0; i < 3; ++i) {
        const double y = top + r.height() * (0.45 + 0.22 * i);
        const double half = w * (0.45 - 0.14 * i);
        p.drawLine(QPointF(x - half, y), QPointF(x + half, y));
    }
}

// A ground symbol engraved on the face.
class GroundMark : public QWidget {
  public:
    explicit GroundMark(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAccessibleName(QStringLiteral("masse"));
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const double side = std::min(width(), height());
        paintGround(p, QRectF((width() - side) / 2, (height() - side) / 2, side, side), kInk);
    }
};

} // namespace

ScaleDisplay::ScaleDisplay(Control& list, QWidget* parent) : QWidget(parent), list_(list) {
    syncFromModel();
}

void ScaleDisplay::syncFromModel() {
    syncCommon(*this, list_);
    const QString text = QString::fromStdString(list_.listText());
    if (text != shown_) {
        shown_ = text;
        update();
    }
}

void ScaleDisplay::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = r.height() * 0.2;
    QLinearGradient glass(r.topLeft(), r.bottomLeft());
    glass.setColorAt(0, QColor(14, 22, 18));
    glass.setColorAt(1, QColor(30, 44, 36));
    p.setPen(QPen(QColor(90, 96, 104), 1));
    p.setBrush(glass);
    p.drawRoundedRect(r, radius, radius);
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(std::max(7, static_cast<int>(r.height() * 0.68)));
    p.setFont(f);
    p.setPen(QColor(140, 255, 170));
    p.drawText(r, Qt::AlignCenter, shown_);
}

OscilloscopeView::OscilloscopeView(FrmOndivel& scope, QWidget* parent)
    : PanelView(scope, parent), scope_(scope), knobs_(8, nullptr) {

    screen_ = new ScreenWidget(scope, this);
    place(screen_, kScreen);
    screenKeys_ = new ScreenKeyboard(*screen_, scope);

    for (int channel = 0; channel < 2; ++channel)
        addVerticalChannel(channel);
    addModeSection();
    addHorizontalSection();
    addLowerControls();
    resize(designSize());
    syncFromModel();
}

void OscilloscopeView::addVerticalChannel(int channel) {
    FrmOndivel& s = scope_;
    const double cx = kChannelCentre[channel];
    QFont bold;
    bold.setBold(true);
    if (channel == 0) {
        auto* caption =
            add(new ModelLabel(s.lblVertical[1], this), QRectF(kVerticalFrame.left(), 18, 176, 12));
        caption->setFont(bold);
    }
    ControlArray& names = channel == 0 ? s.lblYA : s.lblYB;
    auto* name = add(new ModelLabel(names[0], this), QRectF(cx - 26, 34, 52, 14));
    name->setFont(bold);
    largerText_.push_back(name);
    add(new ModelLabel(names[1], this), QRectF(cx - 26, 47, 52, 11));
    ControlArray& marks = channel == 0 ? s.shpConnectCH1 : s.shpConnectCH2;
    add(new LampWidget(marks[1], this), QRectF(cx - 34, 36, 10, 10));

    const int sensitivity = channel == 0 ? KnobSensitivityCH1 : KnobSensitivityCH2;
    Control& list = channel == 0 ? s.cboSensibiliteVerticaleA : s.cboSensibiliteVerticaleB;
    auto* k = add(new KnobWidget(s.Potentio[sensitivity], this), QRectF(cx - 30, 60, 60, 60));
    k->setAccessibleName(QStringLiteral("VOLT / DIV ") + QString::fromStdString(names[0].Caption));
    knobs_[static_cast<std::size_t>(sensitivity)] = k;
    scales_.push_back(add(new ScaleDisplay(list, this), QRectF(cx - 38, 122, 76, 16)));

    const int position = channel == 0 ? KnobPositionCH1 : KnobPositionCH2;
    add(new ModelLabel(s.lblPosition[1 + channel], this), QRectF(cx - 40, 142, 80, 11));
    auto* pk = add(new KnobWidget(s.Potentio[position], this), QRectF(cx - 19, 154, 38, 38));
    pk->setAccessibleName(QStringLiteral("POSITION ") + QString::fromStdString(names[0].Caption));
    knobs_[static_cast<std::size_t>(position)] = pk;

    add(new ModelLabel(s.lblACDC[channel], this), QRectF(cx - 40, 198, 80, 11));
    for (int c = 0; c < 3; ++c)
        add(new LampWidget(s.shpACDC[3 * channel + c], this), QRectF(cx - 30 + c * 25, 210, 11, 11));
    auto* coupling = add(new ModelButton(s.cmdACDC[channel], this), QRectF(cx - 26, 226, 52, 22));
    coupling->setPictogram([](QPainter& p, const QRectF& r, const QColor& ink) {
        paintWord(p, r, ink, QStringLiteral("AC/DC"));
    });
    couplingButtons_.push_back(coupling);
}

void OscilloscopeView::addModeSection() {
    FrmOndivel& s = scope_;
    const double left = kModeFrame.left() + 4, column = 28;
    for (int i = 0; i < 6; ++i) {
        const double x = left + i * column;
        add(new ModelLabel(s.lblVoie[i], this), QRectF(x - 2, kModeFrame.top() + 16, column + 4, 12));
        modeLamps_.push_back(
            add(new LampWidget(s.shpVoie[i], this), QRectF(x + 8, kModeFrame.top() + 30, 12, 12)));
    }
    const double row = kModeFrame.top() + 50;
    for (int i = 0; i < 3; ++i) {
        const QRectF r = i < 2 ? QRectF(left + 4 + i * 46, row, 40, 24) : QRectF(left + 100, row, 64, 24);
        auto* b = add(new ModelButton(s.cmdVoie[i], this), r);
        if (i < 2)
            b->setPictogram(
                [i](QPainter& p, const QRectF& pr, const QColor& ink) { paintArrow(p, pr, ink, i == 1); });
        else
            b->setPictogram([](QPainter& p, const QRectF& pr, const QColor& ink) {
                paintWord(p, pr, ink, QStringLiteral("-CH2"));
            });
        modeButtons_.push_back(b);
    }
    add(new ModelButton(s.chkFFT, this), QRectF(kModeFrame.center().x() - 45, kModeFrame.top() + 94, 90, 30));
}

void OscilloscopeView::addHorizontalSection() {
    FrmOndivel& s = scope_;
    const QRectF& f = kHorizontalFrame;
    QFont bold;
    bold.setBold(true);
    auto* perDiv = add(new ModelLabel(s.lblHorizontal[1], this), QRectF(f.left() + 6, f.top() + 12, 96, 11));
    perDiv->setFont(bold);
    auto* k =
        add(new KnobWidget(s.Potentio[KnobTimeBase], this), QRectF(f.left() + 29, f.top() + 23, 50, 50));
    Control& list = s.cboBaseTemps;
    k->setAccessibleName(QStringLiteral("T / DIV"));
    knobs_[KnobTimeBase] = k;
    scales_.insert(scales_.begin(),
                   add(new ScaleDisplay(list, this), QRectF(f.left() + 10, f.top() + 74, 88, 16)));

    add(new ModelLabel(s.lblPosition[0], this), QRectF(f.left() + 106, f.top() + 12, 70, 11));
    auto* pk =
        add(new KnobWidget(s.Potentio[KnobPositionH], this), QRectF(f.left() + 122, f.top() + 28, 38, 38));
    pk->setAccessibleName(QStringLiteral("POSITION HORIZONTAL"));
    knobs_[KnobPositionH] = pk;

    add(new ModelButton(s.cmdPauseSpot, this), QRectF(f.left() + 192, f.top() + 16, 90, 30));
    add(new ModelButton(s.chkAuto, this), QRectF(f.left() + 192, f.top() + 54, 90, 30));
}

void OscilloscopeView::addLowerControls() {
    FrmOndivel& s = scope_;
    power_ =
        add(new SwitchButton(s.chkOn, this), QRectF(kPowerFrame.left() + 10, kPowerFrame.top() + 22, 44, 40));
    add(new PowerLampWidget(s.imgOn, 6, this),
        QRectF(kPowerFrame.left() + 60, kPowerFrame.top() + 34, 18, 18));

    // Intensity (knob 1) then focus (knob 0), as on most instruments.
    const int knobOf[2] = {KnobIntensity, KnobFocus};
    for (int i = 0; i < 2; ++i) {
        const double x = 100 + i * 56;
        add(new ModelLabel(s.lblindic[i], this), QRectF(x, kPowerFrame.top() + 12, 56, 12));
        const int index = knobOf[i];
        auto* k = add(new KnobWidget(s.Potentio[index], this), QRectF(x + 8, kPowerFrame.top() + 28, 40, 40));
        k->setAccessibleName(QString::fromStdString(s.lblindic[i].Caption));
        knobs_[static_cast<std::size_t>(index)] = k;
    }

    const QColor plugs[3] = {QColor(200, 30, 30), QColor(200, 30, 30), QColor(30, 30, 30)};
    Control* marks[3] = {&s.shpConnectCH1[0], &s.shpConnectCH2[0], nullptr};
    QFont bold;
    bold.setBold(true);
    for (int i = 0; i < 3; ++i) {
        const double x = kInputFrame.left() + 8 + i * 56;
        if (i < 2) {
            auto* name = add(new QLabel(i == 0 ? QStringLiteral("CH1") : QStringLiteral("CH2"), this),
                             QRectF(x, kInputFrame.top() + 12, 48, 12));
            name->setAlignment(Qt::AlignCenter);
            name->setFont(bold);
            largerText_.push_back(name);
        } else {
            add(new GroundMark(this), QRectF(x + 16, kInputFrame.top() + 11, 16, 14));
        }
        auto* t = add(new TerminalWidget(s.imgBorne[i], s.imgFiche[i], marks[i], plugs[i], this),
                      QRectF(x + 5, kInputFrame.top() + 28, 38, 62));
        t->setAccessibleName(i == 0   ? QStringLiteral("Entrée CH1")
                             : i == 1 ? QStringLiteral("Entrée CH2")
                                      : QStringLiteral("Masse"));
        terminals_.push_back(t);
    }
}

void OscilloscopeView::syncFromModel() {
    syncBound();
    const QString tip = modelText(scope_.picEcran.ToolTipText);
    if (screen_->toolTip() != tip) screen_->setToolTip(tip);
    screen_->syncFromModel();
    screenKeys_->syncFromModel();
}

void OscilloscopeView::resizeEvent(QResizeEvent* event) {
    PanelView::resizeEvent(event);
    const double s = zoom();
    QFont f = font();
    f.setPixelSize(std::max(6, static_cast<int>(std::lround(9 * s))));
    setFont(f);
    // The channel names are engraved larger than the other captions.
    for (QWidget* w : largerText_) {
        QFont large = w->font();
        large.setPixelSize(std::max(8, static_cast<int>(std::lround(12 * s))));
        w->setFont(large);
    }
    screen_->setZoom(s);
}

void OscilloscopeView::paintFrame(QPainter& p, const QRectF& r, const QString& caption) const {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 150), 0.8));
    p.drawRoundedRect(r.adjusted(0.8, 5.8, 0.8, 0.8), 3, 3);
    p.setPen(QPen(QColor(70, 76, 86), 0.8));
    p.drawRoundedRect(r.adjusted(0, 5, 0, 0), 3, 3);
    if (caption.isEmpty()) return;
    QFont f = font();
    f.setPixelSize(9);
    f.setBold(true);
    p.setFont(f);
    const QRectF label(r.left() + 8, r.top(), QFontMetricsF(f).horizontalAdvance(caption) + 8, 11);
    p.fillRect(label, kFace);
    p.setPen(kInk);
    p.drawText(label, Qt::AlignCenter, caption);
}

void OscilloscopeView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), kTrim);
    const double s = zoom();
    p.scale(s, s);
    const QRectF face(0, 0, designSize().width(), designSize().height());

    QLinearGradient brushed(face.topLeft(), face.bottomRight());
    brushed.setColorAt(0, kFace.lighter(106));
    brushed.setColorAt(1, kFace.darker(104));
    p.fillRect(face, brushed);

    // The screen's bezel: a dark moulded surround with a bevel towards the glass.
    QLinearGradient bezel(kBezel.topLeft(), kBezel.bottomLeft());
    bezel.setColorAt(0, QColor(52, 56, 64));
    bezel.setColorAt(1, QColor(22, 24, 28));
    p.setPen(QPen(QColor(10, 10, 12), 1));
    p.setBrush(bezel);
    p.drawRoundedRect(kBezel, 10, 10);
    p.setPen(QPen(QColor(0, 0, 0), 3));
    p.setBrush(QColor(8, 10, 8));
    p.drawRoundedRect(kScreen.adjusted(-3, -3, 3, 3), 6, 6);
    QFont brand = font();
    brand.setPixelSize(9);
    brand.setBold(true);
    brand.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    p.setFont(brand);
    p.setPen(QColor(190, 196, 206));
    p.drawText(
        QRectF(kBezel.left(), kScreen.bottom() + 1, kBezel.width(), kBezel.bottom() - kScreen.bottom() - 1),
        Qt::AlignCenter, QString::fromStdString(scope_.Caption).toUpper());

    paintFrame(p, kVerticalFrame, QString::fromStdString(scope_.lblVertical[0].Caption).trimmed());
    paintFrame(p, kModeFrame, QStringLiteral("MODE"));
    paintFrame(p, kPowerFrame, QString::fromStdString(scope_.fraPower.Caption).trimmed());
    paintFrame(p, kHorizontalFrame, QString::fromStdString(scope_.lblHorizontal[0].Caption).trimmed());
    paintFrame(p, QRectF(98, 420, 112, 94), QString());
    paintFrame(p, kInputFrame, QStringLiteral("ENTRÉES"));

    // A divider between the two channels of the vertical section.
    p.setPen(QPen(QColor(120, 126, 134), 0.8));
    p.drawLine(QPointF(kVerticalFrame.center().x(), 34), QPointF(kVerticalFrame.center().x(), 250));
}

} // namespace ondivel
