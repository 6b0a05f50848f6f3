#include "ui/main/help_dialog_views.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "bench/main/frm_about.h"
#include "bench/main/frm_tip.h"
#include "core/control.h"
#include "core/user_input.h"
#include "ui/views/view_factory.h"
#include "ui/widgets/bound_widget.h"

namespace ondivel {

namespace {

QString qs(const std::string& text) {
    return modelText(text);
}

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

void HelpMenuDialog::syncFromModel() {
    setWindowTitle(qs(form().Caption));
    for (const auto& sync : syncs_)
        sync();
}

QLabel* HelpMenuDialog::bindLabel(Control& c) {
    auto* label = new QLabel(this);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    syncs_.push_back([label, &c] {
        label->setText(qs(c.Caption));
        syncCommon(*label, c);
    });
    return label;
}

QAbstractButton* HelpMenuDialog::bindButton(Control& c) {
    auto* button = new QPushButton(this);
    connect(button, &QPushButton::clicked, this, [&c] { user::click(c); });
    syncs_.push_back([button, &c] {
        button->setText(qs(c.Caption));
        syncCommon(*button, c);
    });
    return button;
}

QAbstractButton* HelpMenuDialog::bindCheckBox(Control& c) {
    auto* box = new QCheckBox(this);
    connect(box, &QCheckBox::clicked, this, [&c] { user::click(c); });
    syncs_.push_back([box, &c] {
        box->setText(qs(c.Caption));
        box->setChecked(c.Value == kChecked);
        syncCommon(*box, c);
    });
    return box;
}

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

AboutView::AboutView(FrmAbout& about, QWidget* parent) : HelpMenuDialog(about, parent) {
    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/ondivel.svg")).pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);
    QLabel* title = bindLabel(about.lblTitle);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    title->setFont(big);

    auto* words = new QVBoxLayout;
    words->addWidget(title);
    words->addWidget(bindLabel(about.lblVersion));
    words->addWidget(bindLabel(about.lblLicence));
    words->addWidget(bindLabel(about.lblDescription));
    words->addWidget(bindLabel(about.lblWeb));
    words->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(words, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QAbstractButton* ok = bindButton(about.cmdOK);
    static_cast<QPushButton*>(ok)->setDefault(true);
    buttons->addWidget(ok);
    buttons->addWidget(bindButton(about.cmdWeb));
    buttons->addWidget(bindButton(about.cmdSysInfo));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    syncFromModel();
}

void registerDialogViews() {
    registerViewMaker("frmTip",
                      [](Form& form) -> FormView* { return new TipView(static_cast<FrmTip&>(form)); });
    registerViewMaker("frmAbout",
                      [](Form& form) -> FormView* { return new AboutView(static_cast<FrmAbout&>(form)); });
}

} // namespace ondivel
