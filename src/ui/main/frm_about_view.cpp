#include "ui/main/frm_about_view.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "bench/main/frm_about.h"

namespace ondivel {

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

} // namespace ondivel
