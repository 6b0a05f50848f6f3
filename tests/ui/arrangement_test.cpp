// The panels side by side in the main window on the screens of a classroom: "Affichage > Disposer
// les fenêtres" leaves every open panel wholly visible and none over another, the option of the
// options window arranges them again at each opening and closing, and the zoom keys stop at the
// zoom that fits the work area (Ctrl+0 goes to it).
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStyleOptionTitleBar>
#include <QtTest>
#include <cmath>
#include <vector>

#include "bench/main/frm_about.h"
#include "bench/main/frm_option.h"
#include "bench/main/mdi_ondivel.h"
#include "bench/meters/frm_chrono.h"
#include "bench/meters/frm_multi_rms.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/sources/frm_gbf.h"
#include "bench/sources/frm_pile.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/user_input.h"
#include "ui/main/mdi_ondivel_view.h"
#include "ui/surface/tee_platform.h"
#include "ui/views/chrome_zoom.h"
#include "ui/views/form_view.h"
#include "ui/views/title_bar_style.h"
#include "ui/views/view_manager.h"
#include "ui_bench.h"

using namespace ondivel;

namespace {

// The program started in a main window of the size of a screen's work area.
struct Program {
    QTemporaryDir dir;
    TeePlatform platform{dir.path().toStdString()};
    Ondivel app{platform};
    ViewManager views{app};

    Program(int width, int height, const char* arrangeAtEachOpening = nullptr) {
        platform.randomValues = {0.5, 0.5};
        platform.workWidth = width, platform.workHeight = height;
        views.mainWindow().resize(width, height);
        views.mainWindow().show();
        QApplication::setActiveWindow(&views.mainWindow());
        app.mdi().Show();
        // The settings file is known once started.
        if (arrangeAtEachOpening) app.WriteIni("Options", "Disposer fenetres", arrangeAtEachOpening);
        settle();
    }
    QMdiArea& area() { return *views.mainWindow().mdiArea(); }
    void settle() {
        views.syncNow();
        QApplication::processEvents();
    }
    // The full bench: two generators, a battery, the multimeter and the stopwatch beside the
    // oscilloscope and the toolbox.
    void openFullBench() {
        app.frmGBFA().Show();
        app.frmGBFB().Show();
        app.frmPile(SideA).Show();
        user::click(app.frmToolBox().chkMulti);
        user::click(app.frmToolBox().chkClock);
        settle();
    }
    std::vector<QMdiSubWindow*> shown() {
        std::vector<QMdiSubWindow*> out;
        for (QMdiSubWindow* w : area().subWindowList())
            if (w->isVisible()) out.push_back(w);
        return out;
    }
};

// Every shown sub-window wholly inside the visible part of the work area, none over another;
// the first fault found, empty when there is none.
QString layoutFault(Program& p) {
    const QRect visible = p.area().viewport()->rect();
    const std::vector<QMdiSubWindow*> shown = p.shown();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (!visible.contains(shown[i]->geometry()))
            return QStringLiteral("%1 out of the work area").arg(shown[i]->objectName());
        for (std::size_t j = 0; j < i; ++j)
            if (shown[i]->geometry().intersects(shown[j]->geometry()))
                return QStringLiteral("%1 over %2").arg(shown[i]->objectName(), shown[j]->objectName());
    }
    if (p.area().horizontalScrollBar()->isVisible() || p.area().verticalScrollBar()->isVisible())
        return QStringLiteral("scroll bars");
    return {};
}

} // namespace

class ArrangementTest : public QObject {
    Q_OBJECT
  private slots:
    void theFullBenchIsWhollyVisibleAfterArranging_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("1024x768") << 1024 << 768;
        QTest::newRow("1366x768") << 1366 << 768;
        QTest::newRow("1920x1080") << 1920 << 1080;
    }
    void theFullBenchIsWhollyVisibleAfterArranging() {
        QFETCH(int, width);
        QFETCH(int, height);
        Program p(width, height);
        p.openFullBench();
        QCOMPARE(p.shown().size(), std::size_t(7));
        QVERIFY(!layoutFault(p).isEmpty()); // the documents' places overlap

        p.views.mainWindow().actionOf(p.app.mdi().Mnu_Disposer)->trigger();
        p.settle();
        QCOMPARE(layoutFault(p), QString());
        QCOMPARE(p.views.subWindowOf(p.app.frmOndivel())->pos(), QPoint(0, 0));
        // The models hold the new places, in twips at zoom 1.
        QCOMPARE(p.app.frmOndivel().Left, 0.0);
        const QPoint generator = p.views.subWindowOf(p.app.frmGBFA())->pos();
        QCOMPARE(p.app.frmGBFA().Left, std::round(generator.x() * 15 / p.views.zoom()));
        uitest::snapshot(p.views.mainWindow(), QStringLiteral("arranged_%1x%2").arg(width).arg(height));
    }

    void theOptionArrangesAgainAtEachOpeningAndClosing() {
        Program p(1366, 768, "1");
        p.openFullBench();
        QCOMPARE(layoutFault(p), QString());
        // Closing panels leaves room: the generators close up beside the oscilloscope.
        user::click(p.app.frmToolBox().chkMulti);
        user::click(p.app.frmToolBox().chkClock);
        p.app.frmPile(SideA).Unload();
        p.settle();
        QCOMPARE(layoutFault(p), QString());
        QCOMPARE(p.views.subWindowOf(p.app.frmGBFA())->x(), p.views.subWindowOf(p.app.frmOndivel())->width());

        // Off, a panel opens where the documents place it.
        Program off(1366, 768, "0");
        off.app.frmGBFA().Show();
        off.settle();
        QCOMPARE(off.app.frmGBFA().Left, off.app.frmOndivel().Left + off.app.frmOndivel().Width);
    }

    void zoomKeysStopAtTheZoomThatFitsTheWorkArea() {
        // On 1920 x 1080 the toolbox, 744 pixels of content and 28 of frame at zoom 1, is the
        // tallest: 958 at 1.25 fits the 1061 pixels under the menu bar, 1144 at 1.5 does not.
        Program p(1920, 1080);
        for (int i = 0; i < 9; ++i)
            QTest::keyClick(&p.views.mainWindow(), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(p.views.zoom(), 0.75);
        // Below 1 they keep the system's size.
        QCOMPARE(p.views.mainWindow().menuBar()->font(), QApplication::font(p.views.mainWindow().menuBar()));
        for (int i = 0; i < 9; ++i)
            QTest::keyClick(&p.views.mainWindow(), Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(p.views.zoom(), 1.25);
        p.views.arrangePanels();
        p.settle();
        QCOMPARE(layoutFault(p), QString());
        QCOMPARE(p.views.zoom(), 1.25);
        // The menus and the title bars grew with it, and the arrangement counted them.
        QMenuBar* menus = p.views.mainWindow().menuBar();
        QCOMPARE(menus->font().pointSizeF(), QApplication::font(menus).pointSizeF() * 1.25);
        QVERIFY(menus->height() > QFontMetrics(QApplication::font(menus)).height() * 1.25);
        QMdiSubWindow* scope = p.views.subWindowOf(p.app.frmOndivel());
        const int titleBarAtZoom = scope->contentsMargins().top();
        uitest::snapshot(p.views.mainWindow(), QStringLiteral("zoom_1_25"));
        QMenu* viewMenu = menus->actions().at(2)->menu();
        QCOMPARE(viewMenu->font().pointSizeF(), menus->font().pointSizeF());
        viewMenu->adjustSize(); // as it opens
        uitest::snapshot(*viewMenu, QStringLiteral("menu_1_25"));
        // The modal windows laid out around their texts take texts as large, in a box that holds them.
        for (Form* modal : {static_cast<Form*>(&p.app.frmAbout()), static_cast<Form*>(&p.app.frmOption())}) {
            FormView* view = p.views.modalViewFor(*modal);
            QCOMPARE(view->font().pointSizeF(), QApplication::font(view).pointSizeF() * 1.25);
            QVERIFY(view->width() >= view->minimumSizeHint().width());
            QVERIFY(view->height() >= view->minimumSizeHint().height());
        }

        // Ctrl+0 goes to that zoom, from below and from above (a zoom kept from a larger screen).
        QTest::keyClick(&p.views.mainWindow(), Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(p.views.zoom(), 1.0);
        QVERIFY(scope->contentsMargins().top() < titleBarAtZoom);
        QTest::keyClick(&p.views.mainWindow(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(p.views.zoom(), 1.25);
        p.views.setZoom(2.0);
        QTest::keyClick(&p.views.mainWindow(), Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(p.views.zoom(), 2.0);
        QTest::keyClick(&p.views.mainWindow(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(p.views.zoom(), 1.25);
    }

    void theFitCountsTheMenuBarAndTheTitleBarsAtTheZoomTheyWillHave() {
        // Arranged from zoom 1, on work areas around the height where 1.25 just fits: the menu bar
        // and the title bars grow with the zoom chosen, and the panels must still fit after.
        for (int height = 1020; height <= 1070; height += 2) {
            Program p(1920, height);
            p.views.setZoom(1.0);
            p.settle();
            p.views.arrangePanels();
            p.settle();
            QVERIFY2(layoutFault(p).isEmpty(),
                     qPrintable(QStringLiteral("%1 high: %2").arg(height).arg(layoutFault(p))));
        }
    }

    void aTitleTooWideForItsBarIsCondensedThenSetOnTwoLines() {
        const QFont base = QApplication::font("QMdiSubWindowTitleBar");
        const QString title = QStringLiteral("Boîte à outils");
        const auto widthOf = [](const QFont& f, const QString& text) {
            return QFontMetrics(f).horizontalAdvance(text);
        };
        const int whole = widthOf(base, title);
        const TitleBarStyle::Title fits = TitleBarStyle::fittedTitle(base, title, whole);
        QCOMPARE(fits.font, base);
        QCOMPARE(fits.lines, QStringList{title});
        // A little short: the same size, narrower letters.
        const TitleBarStyle::Title condensed = TitleBarStyle::fittedTitle(base, title, whole - 4);
        QVERIFY(condensed.font.stretch() < 100);
        QCOMPARE(condensed.font.pointSizeF(), base.pointSizeF());
        QVERIFY(widthOf(condensed.font, title) <= whole - 4);
        // Half as wide: two lines cut at the blank that balances them.
        const TitleBarStyle::Title two = TitleBarStyle::fittedTitle(base, title, whole / 2);
        QCOMPARE(two.lines, (QStringList{"Boîte à", "outils"}));
        QVERIFY(widthOf(two.font, "Boîte à") <= whole / 2);
        // Far too short: one line at the smallest size, which the bar then cuts.
        const TitleBarStyle::Title cut = TitleBarStyle::fittedTitle(base, title, 10);
        QCOMPARE(cut.lines, QStringList{title});
        QCOMPARE(cut.font.pointSizeF(), base.pointSizeF() * 0.75);
    }

    void theToolboxTitleIsWholeAtEveryZoom() {
        Program p(1920, 1080);
        QMdiSubWindow* toolbox = p.views.subWindowOf(p.app.frmToolBox());
        QCOMPARE(toolbox->windowTitle(), QStringLiteral("Boîte à outils"));
        for (double zoom : {0.75, 1.0, 1.25}) {
            p.views.setZoom(zoom);
            p.settle();
            QStyleOptionTitleBar bar;
            bar.initFrom(toolbox);
            bar.titleBarFlags = toolbox->windowFlags();
            bar.subControls = QStyle::SC_All;
            bar.text = toolbox->windowTitle();
            bar.rect = QRect(0, 0, toolbox->width(), toolbox->contentsMargins().top());
            const QRect label = toolbox->style()->subControlRect(QStyle::CC_TitleBar, &bar,
                                                                 QStyle::SC_TitleBarLabel, toolbox);
            const QFont font = ScaledFont(QApplication::font("QMdiSubWindowTitleBar"), ChromeScale(zoom));
            const TitleBarStyle::Title title =
                TitleBarStyle::fittedTitle(font, toolbox->windowTitle(), label.width() - 14);
            QVERIFY2(title.lines.join(' ') == toolbox->windowTitle(), qPrintable(QString::number(zoom)));
            for (const QString& line : title.lines)
                QVERIFY2(QFontMetrics(title.font).horizontalAdvance(line) <= label.width() - 14,
                         qPrintable(QString::number(zoom)));
            // The bar is tall enough for its lines.
            QVERIFY(label.height() >= QFontMetrics(title.font).lineSpacing() * title.lines.size());
            uitest::snapshot(*toolbox, QStringLiteral("toolbox_title_%1").arg(zoom));
        }
    }
};

QTEST_MAIN(ArrangementTest)
#include "arrangement_test.moc"
