#include "ui/main/mdi_ondivel_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "bench/main/mdi_ondivel.h"
#include "core/control.h"
#include "core/user_input.h"
#include "ui/views/chrome_zoom.h"

namespace ondivel {

MainWindowView::MainWindowView(MDIOndivel& model, QWidget* parent)
    : QMainWindow(parent), model_(model), area_(new QMdiArea(this)), status_(new QLabel(this)),
      montage_(new QLabel(this)), probe_(new QMenuBar(this)) {
    setObjectName(QStringLiteral("MDIOndivel"));
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(area_);
    status_->setObjectName(QString::fromStdString(model_.lblStatus.path()));
    status_->setAccessibleName(QStringLiteral("Barre d'état"));
    montage_->setObjectName(QString::fromStdString(model_.lblMontage.path()));
    montage_->setAccessibleName(QStringLiteral("Consigne du montage"));
    montage_->setTextFormat(Qt::PlainText);
    montage_->hide();
    // A long instruction is cut by the window's edge rather than widening the window.
    montage_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // The pupil's instruction first, the reason of a flat trace after it.
    statusBar()->addWidget(montage_, 2);
    statusBar()->addWidget(status_, 1);
    buildMenus();
    probe_->hide();
    for (QAction* menu : menuBar()->actions())
        probe_->addAction(menu->text());
    syncFromModel();
}

void MainWindowView::setChromeZoom(double zoom) {
    const double scale = ChromeScale(zoom);
    if (scale == chromeScale_) return;
    chromeScale_ = scale;
    menuBar()->setFont(ScaledFont(QApplication::font(menuBar()), scale));
    // Menus are windows of their own: they do not take the menu bar's font.
    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        menu->setFont(ScaledFont(QApplication::font(menu), scale));
}

int MainWindowView::menuBarGrowthAt(double zoom) const {
    const auto heightAt = [this](double scale) {
        probe_->setFont(ScaledFont(QApplication::font(menuBar()), scale));
        return probe_->heightForWidth(menuBar()->width());
    };
    return heightAt(ChromeScale(zoom)) - heightAt(chromeScale_);
}

void MainWindowView::buildMenus() {
    // Menus of the classic toolkit and of Qt share the "&" access-key convention.
    QMenu* levelMenu[3] = {nullptr, nullptr, nullptr};
    const auto& tree = model_.menuTree();
    for (std::size_t i = 0; i < tree.size(); ++i) {
        Control* item = tree[i].item;
        const int level = tree[i].level;
        const QString caption = QString::fromStdString(item->Caption);
        const bool hasChildren = i + 1 < tree.size() && tree[i + 1].level > level;
        QAction* action = nullptr;
        if (level == 0) {
            levelMenu[0] = menuBar()->addMenu(caption);
            action = levelMenu[0]->menuAction();
        } else if (QMenu* parentMenu = levelMenu[level - 1]) {
            if (item->Caption == "-") {
                action = parentMenu->addSeparator();
            } else if (hasChildren) {
                levelMenu[level] = parentMenu->addMenu(caption);
                action = levelMenu[level]->menuAction();
            } else {
                action = parentMenu->addAction(caption);
                if (!item->Shortcut.empty())
                    action->setShortcut(
                        QKeySequence(QString::fromStdString(item->Shortcut), QKeySequence::PortableText));
                connect(action, &QAction::triggered, this, [this, item] {
                    user::click(*item);
                    emit modelTouched();
                });
            }
        }
        if (action) {
            action->setObjectName(QString::fromStdString(item->path()));
            actions_[item] = action;
        }
    }
}

QAction* MainWindowView::actionOf(const Control& item) const {
    auto it = actions_.find(&item);
    return it == actions_.end() ? nullptr : it->second;
}

void MainWindowView::syncFromModel() {
    const QString title = QString::fromStdString(model_.Caption);
    if (windowTitle() != title) setWindowTitle(title);
    const QColor back(redOf(model_.BackColor), greenOf(model_.BackColor), blueOf(model_.BackColor));
    if (area_->background().color() != back) area_->setBackground(back);
    const QString status = QString::fromStdString(model_.lblStatus.Caption);
    if (status_->text() != status) status_->setText(status);
    const QString montage = QString::fromStdString(model_.lblMontage.Caption);
    if (montage_->text() != montage) {
        montage_->setText(montage);
        montage_->setToolTip(montage); // whole, when the line is too narrow for it
        montage_->setVisible(!montage.isEmpty());
    }
    for (auto& [item, action] : actions_) {
        if (action->isSeparator()) {
            action->setVisible(item->Visible);
            continue;
        }
        const QString caption = QString::fromStdString(item->Caption);
        if (action->text() != caption) action->setText(caption);
        action->setEnabled(item->Enabled);
        action->setVisible(item->Visible);
        if (item->Checked && !action->isCheckable()) action->setCheckable(true);
        if (action->isCheckable()) action->setChecked(item->Checked);
    }
}

void MainWindowView::closeEvent(QCloseEvent* event) {
    // The model asks and decides; the program ends when it says so.
    if (!model_.ended() && model_.loaded()) user::close(model_);
    emit modelTouched();
    if (model_.ended() || !model_.loaded())
        event->accept();
    else
        event->ignore();
}

} // namespace ondivel
