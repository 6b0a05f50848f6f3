// The main window and the view manager: menus built from the model, menu choices and closing
// going to the model, panels mirrored as sub-windows, model timers, coalesced repaints, keys and
// the zoom; every window opening in a view of its own.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QtTest>
#include <memory>
#include <stdexcept>

#include "bench/main/mdi_ondivel.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/sources/frm_gbf.h"
#include "core/form.h"
#include "ui/main/mdi_ondivel_view.h"
#include "ui/surface/tee_platform.h"
#include "ui/views/form_view.h"
#include "ui/views/key_codes.h"
#include "ui/views/view_manager.h"
#include "ui/views/view_table.h"

using namespace ondivel;

namespace {

struct Program {
    QTemporaryDir dir;
    TeePlatform platform{dir.path().toStdString()};
    Ondivel app{platform};
    ViewManager views{app};
    Program() {
        platform.randomValues = {0.5, 0.5};
        views.mainWindow().resize(1280, 800);
        views.mainWindow().show();
        QApplication::setActiveWindow(&views.mainWindow());
        app.mdi().Show();
        views.syncNow();
    }
    MainWindowView& window() { return views.mainWindow(); }
    QAction* action(const Control& item) { return window().actionOf(item); }
};

QStringList titles(const QList<QAction*>& actions) {
    QStringList out;
    for (QAction* a : actions)
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void theMenuBarFollowsTheModelsTree() {
        Program p;
        QCOMPARE(titles(p.window().menuBar()->actions()),
                 QStringList({"&Fichier", "&Edition", "Aff&ichage", "&Options", "&Aide"}));
        QMenu* file = p.window().menuBar()->actions().at(0)->menu();
        QCOMPARE(file->actions().size(), 14);
        QCOMPARE(titles(file->actions()).count("-"), 4);
        QCOMPARE(file->actions().last()->text(), QString("&Quitter"));

        // The copy item opens a submenu of two choices.
        QMenu* copy = p.action(p.app.mdi().Mnu_Copier)->menu();
        QVERIFY(copy);
        QCOMPARE(titles(copy->actions()), QStringList({"identique à l'écran", "en niveau de gris"}));

        QCOMPARE(p.action(p.app.mdi().Mnu_Pref[0])->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_I));
        QCOMPARE(p.action(p.app.mdi().Mnu_Reglages)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QVERIFY(p.window().windowTitle().endsWith("Mode libre"));

        // After a choice the states follow the model.
        QAction* fullScreen = p.action(p.app.mdi().Mnu_ViewFullScreen);
        QVERIFY(!fullScreen->isChecked());
        fullScreen->trigger(); // the scripted platform returns from the modal view at once
        p.views.syncNow();
        QVERIFY(p.app.mdi().Mnu_ViewFullScreen.Checked);
        QVERIFY(fullScreen->isChecked());

        p.app.mdi().Mnu_Volt.Enabled = false;
        p.views.syncNow();
        QVERIFY(!p.action(p.app.mdi().Mnu_Volt)->isEnabled());
    }

    void quittingAsksTheModelAndClosingTheWindowEnds() {
        Program p;
        QSignalSpy ended(&p.views, &ViewManager::programEnded);
        p.platform.messageAnswers = {vbNo};
        p.action(p.app.mdi().Mnu_End)->trigger();
        p.views.syncNow();
        QCOMPARE(QString::fromStdString(p.platform.messages.back().text),
                 QString("Voulez-vous quitter ce programme ?"));
        QVERIFY(p.app.mdi().loaded());
        QVERIFY(p.window().isVisible());
        QCOMPARE(ended.count(), 0);
        // Closing the window ends the program without a question.
        QVERIFY(p.window().close());
        p.views.syncNow();
        QVERIFY(p.app.mdi().ended());
        QVERIFY(!p.app.frmOndivel().loaded()); // the panels saved and closed with it
        QCOMPARE(ended.count(), 1);
    }

    void panelsAreSubWindowsAtTheModelsPosition() {
        Program p;
        FrmOndivel& scope = p.app.frmOndivel();
        QMdiSubWindow* sub = p.views.subWindowOf(scope);
        QVERIFY(sub && sub->isVisible());
        scope.Left = 1500; // twips: 100 pixels at 15 a pixel
        scope.Top = 750;
        p.views.syncNow();
        QCOMPARE(sub->pos(), QPoint(100, 50));

        sub->move(200, 30); // the user drags it
        QCOMPARE(scope.Left, 3000.0);
        QCOMPARE(scope.Top, 450.0);

        // The user closes a generator: the model unloads it and its window goes.
        FrmGBF& gbf = p.app.frmGBFA();
        gbf.Show();
        p.views.syncNow();
        QMdiSubWindow* generator = p.views.subWindowOf(gbf);
        QVERIFY(generator && generator->isVisible());
        generator->close();
        QVERIFY(!gbf.loaded());
        QVERIFY(!generator->isVisible());
    }

    // No window falls back on a plain layout of its controls: each one opens in its own view.
    void everyWindowHasItsOwnView() {
        Program p;
        for (Form* form : p.app.forms()) {
            if (form == &p.app.mdi()) continue; // the main window itself
            std::unique_ptr<FormView> view;
            try {
                view.reset(makeView(*form));
            } catch (const std::logic_error&) {
            }
            QVERIFY2(view, form->name().c_str());
        }
    }

    void keysReachTheModelWithWindowsCodesAndZoomThePanels() {
        QCOMPARE(windowsKeyCode(Qt::Key_F12), 123);
        QCOMPARE(shiftMask(Qt::ShiftModifier | Qt::ControlModifier), 3);
        Program p;
        FormView* view = p.views.viewOf(p.app.frmOndivel());
        QVERIFY(view);
        QTest::keyClick(view, Qt::Key_F1);
        QCOMPARE(p.platform.helpRequests.size(), std::size_t(1));
        QVERIFY(p.platform.helpRequests.back().ends_with("#3300"));

        // Ctrl++ and Ctrl+0 zoom every panel; the zoom is saved.
        QMdiSubWindow* sub = p.views.subWindowOf(p.app.frmOndivel());
        const QSize before = p.views.viewOf(p.app.frmOndivel())->size();
        QTest::keyClick(&p.window(), Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(p.views.zoom(), 1.25);
        QCOMPARE(p.views.viewOf(p.app.frmOndivel())->size(), before * 1.25);
        QCOMPARE(p.app.ReadIni("Interface", "Zoom", ""), std::string("1.25"));
        // Positions scale too: the same twips are farther from the corner.
        p.app.frmOndivel().Left = 1500;
        p.views.syncNow();
        QCOMPARE(sub->x(), 125);
        QTest::keyClick(&p.window(), Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(p.views.zoom(), 1.0);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
