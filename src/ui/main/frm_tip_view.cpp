#include "ui/main/frm_tip_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "bench/main/frm_tip.h"

namespace ondivel {

namespace {

// A light bulb, the classic sign of a tip.
QPixmap bulbPicture() {
    QPixmap pixmap(48, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 90, 0), 2));
    p.setBrush(QColor(255, 224, 64));
    p.drawEllipse(QRectF(6, 4, 36, 36));
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(15, 40, 18, 14));
    p.drawLine(QPointF(15, 45), QPointF(33, 45));
    p.drawLine(QPointF(15, 50), QPointF(33, 50));
    p.setPen(QPen(QColor(200, 150, 0), 2));
    p.drawLine(QPointF(18, 38), QPointF(22, 22));
    p.drawLine(QPointF(30, 38), QPointF(26, 22));
    return pixmap;
}

} // namespace

TipView::TipView(FrmTip& tip, QWidget* parent) : HelpMenuDialog(tip, parent) {
    auto* bulb = new QLabel(this);
    bulb->setPixmap(bulbPicture());
    bulb->setAlignment(Qt::AlignTop);
    QLabel* title = bindLabel(tip.lblTitle);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    title->setFont(big);
    QLabel* text = bindLabel(tip.lblTipText);
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    text->setMinimumHeight(90);

    auto* page = new QWidget(this);
    page->setAutoFillBackground(true);
    page->setBackgroundRole(QPalette::Base);
    auto* pageLayout = new QHBoxLayout(page);
    auto* words = new QVBoxLayout;
    words->addWidget(title);
    words->addWidget(text, 1);
    pageLayout->addWidget(bulb);
    pageLayout->addLayout(words, 1);
    title->setParent(page);
    text->setParent(page);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bindCheckBox(tip.chkLoadTipsAtStartup));
    buttons->addStretch(1);
    buttons->addWidget(bindButton(tip.cmdNextTip));
    QAbstractButton* ok = bindButton(tip.cmdOK);
    static_cast<QPushButton*>(ok)->setDefault(true);
    buttons->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(page, 1);
    layout->addLayout(buttons);
    syncFromModel();
}

} // namespace ondivel
