#include "ui/sources/frm_edf_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cstdint>

#include "bench/sources/frm_edf.h"
#include "core/user_input.h"
#include "ui/views/panel_painting.h"
#include "ui/widgets/model_button.h"
#include "ui/widgets/model_label.h"
#include "ui/widgets/paint_key.h"
#include "ui/widgets/terminal_widget.h"

namespace ondivel {

namespace {

constexpr QRectF kWorldFrame(6, 26, 291, 54);
constexpr QRectF kPlate(46, 88, 211, 174);

// Terminal rectangles by index: Neutre on the left, Phase on the right, Terre on top.
constexpr QRectF kTerminals[3] = {QRectF(74, 150, 40, 54), QRectF(189, 150, 40, 54),
                                  QRectF(131, 104, 40, 54)};
constexpr QRectF kLabels[3] = {QRectF(64, 206, 60, 13), QRectF(179, 206, 60, 13), QRectF(121, 160, 60, 13)};

// A lightning bolt on a yellow disc, bound to imgLogo: its Visible blinks with the model's timer.
class LogoPicture : public QWidget, public BoundWidget {
  public:
    LogoPicture(Control& image, QWidget* parent) : QWidget(parent), image_(image) { syncFromModel(); }
    void syncFromModel() override {
        syncCommon(*this, image_);
        updateWhenChanged(*this, painted_, PaintKey() << image_);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const double s = std::min(width(), height()) / 20.0;
        p.scale(s, s);
        QRadialGradient disc(QPointF(8, 7), 11);
        disc.setColorAt(0, QColor(255, 236, 120));
        disc.setColorAt(1, QColor(240, 170, 0));
        p.setPen(QPen(QColor(90, 60, 0), 0.8));
        p.setBrush(disc);
        p.drawEllipse(QRectF(0.5, 0.5, 19, 19));
        QPainterPath bolt;
        bolt.moveTo(11.5, 2.5);
        bolt.lineTo(5.5, 11);
        bolt.lineTo(9.5, 11);
        bolt.lineTo(7.5, 17.5);
        bolt.lineTo(14.5, 8.5);
        bolt.lineTo(10.5, 8.5);
        bolt.closeSubpath();
        p.setPen(QPen(QColor(30, 20, 0), 0.6));
        p.setBrush(QColor(30, 30, 36));
        p.drawPath(bolt);
    }

  private:
    Control& image_;
    std::uint64_t painted_ = 0; // the fingerprint of the last picture asked for
};

} // namespace

MainsView::MainsView(FrmEDF& edf, QWidget* parent) : PanelView(edf, parent), edf_(edf) {
    scaleFontWithZoom();
    setMouseTracking(true);
    QFont bold;
    bold.setBold(true);

    logo_ = add(new LogoPicture(edf.imgLogo, this), QRectF(278, 1, 19, 19));

    for (int i = 0; i < 3; ++i) {
        auto* b = add(new ModelButton(edf.optWorld[i], this),
                      QRectF(kWorldFrame.left() + 6 + i * 95, kWorldFrame.top() + 18, 89, 26));
        world_.push_back(b);
    }

    // Plugs of the measuring lead: the live one red, the return one black, earth green.
    const QColor plugColours[3] = {QColor(30, 30, 30), QColor(200, 30, 30), QColor(40, 140, 60)};
    for (int i = 0; i < 3; ++i) {
        auto* t = add(new TerminalWidget(edf.imgBorne[i], edf.imgFiche[i], nullptr, plugColours[i], this),
                      kTerminals[i]);
        t->setMouseTracking(true);
        t->installEventFilter(this);
        terminals_.push_back(t);
    }
    Control* labels[3] = {&edf.lblNeutre, &edf.lblPhase, &edf.lblTerre};
    for (int i = 0; i < 3; ++i) {
        auto* l = add(new ModelLabel(*labels[i], this), kLabels[i]);
        l->setAlignment(Qt::AlignCenter);
        l->setFont(bold);
    }
    syncFromModel();
    resize(designSize());
}

void MainsView::syncFromModel() {
    const Qt::CursorShape shape =
        edf_.MousePointer == FrmEDF::kHandPointer ? Qt::PointingHandCursor : Qt::ArrowCursor;
    setCursor(shape);
    for (TerminalWidget* t : terminals_)
        t->setCursor(shape);
    syncPanel(PaintKey() << edf_);
}

bool MainsView::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 0; i < 3; ++i) {
        if (watched != terminals_[static_cast<std::size_t>(i)]) continue;
        if (event->type() == QEvent::MouseMove) {
            const auto* m = static_cast<QMouseEvent*>(event);
            user::move(edf_.imgBorne[i], m->position().x(), m->position().y());
            syncFromModel();
            // Kept from the panel behind, whose own move would give the arrow back at once.
            return true;
        } else if (event->type() == QEvent::MouseButtonPress && edf_.imgBorne[i].on.MouseDown) {
            user::press(edf_.imgBorne[i]);
            syncFromModel();
        }
    }
    return FormView::eventFilter(watched, event);
}

void MainsView::mouseMoveEvent(QMouseEvent* event) {
    user::moveOverForm(edf_, event->position().x(), event->position().y());
    syncFromModel();
    FormView::mouseMoveEvent(event);
}

void MainsView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paintPanelFace(p, *this, zoom(), designSize(), QStringLiteral("PRISE DU SECTEUR"));
    paintEngravedFrame(p, kWorldFrame, QString::fromStdString(edf_.fraWorld.Caption));

    // The socket plate: a shadow, the ivory plate, then the round recess of the outlet.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(kPlate.translated(3, 4), 18, 18);
    QLinearGradient ivory(kPlate.topLeft(), kPlate.bottomRight());
    ivory.setColorAt(0, QColor(252, 250, 242));
    ivory.setColorAt(1, QColor(222, 218, 204));
    p.setPen(QPen(QColor(170, 166, 150), 1));
    p.setBrush(ivory);
    p.drawRoundedRect(kPlate, 18, 18);
    const QPointF centre = kPlate.center() + QPointF(0, 2);
    QRadialGradient recess(centre, 78);
    recess.setColorAt(0, QColor(238, 235, 224));
    recess.setColorAt(0.92, QColor(214, 210, 196));
    recess.setColorAt(1, QColor(180, 176, 160));
    p.setBrush(recess);
    p.drawEllipse(centre, 78, 78);
    // Screw of the plate.
    p.setBrush(QColor(200, 198, 190));
    p.drawEllipse(QPointF(centre.x(), kPlate.bottom() - 9), 4, 4);
    p.setPen(QPen(QColor(120, 116, 104), 1));
    p.drawLine(QPointF(centre.x() - 3, kPlate.bottom() - 9), QPointF(centre.x() + 3, kPlate.bottom() - 9));
}

} // namespace ondivel
