// Repaints of the desktop program: a still bench paints nothing and runs no sync, the sweeping
// spot repaints the oscilloscope screen alone, and a change a widget shows still repaints it.
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <map>

#include "core/ondivel.h"
#include "core/user_input.h"
#include "meters/frm_toolbox.h"
#include "scope/frm_ondivel.h"
#include "shell/mdi_ondivel.h"
#include "sources/frm_gbf.h"
#include "ui/surface/tee_platform.h"
#include "ui/views/form_view.h"
#include "ui/views/main_window_view.h"
#include "ui/views/screen_widget.h"
#include "ui/views/view_manager.h"
#include "ui/widgets/knob_widget.h"
#include "ui/widgets/lamp_widget.h"
#include "ui/widgets/paint_key.h"

using namespace ondivel;

namespace {

// The scripted platform with a real high-resolution counter, so that the sweep sees real time.
class RealClockPlatform : public TeePlatform {
  public:
    explicit RealClockPlatform(const std::string& root) : TeePlatform(root) { clock_.start(); }
    std::int64_t counterValue() override { return clock_.nsecsElapsed(); }
    std::int64_t counterFrequency() override { return 1'000'000'000; }

  private:
    QElapsedTimer clock_;
};

// Counts the paint events each widget receives.
class PaintCounter : public QObject {
  public:
    PaintCounter() { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    void reset() { counts.clear(); }
    int total() const {
        int n = 0;
        for (const auto& [widget, count] : counts)
            n += count;
        return n;
    }
    std::map<QObject*, int> counts;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++counts[watched];
        return false;
    }
};

struct Program {
    QTemporaryDir dir;
    RealClockPlatform platform{dir.path().toStdString()};
    Ondivel app{platform};
    ViewManager views{app};
    Program() {
        platform.randomValues = {0.5, 0.5};
        views.mainWindow().resize(1280, 900);
        views.mainWindow().show();
        app.mdi().Show();
        views.syncNow();
    }
    // Oscilloscope on in CH1 with its cables, a generator on and wired to CH1, at `timeBase`.
    void bench(const std::string& timeBase) {
        FrmOndivel& scope = app.frmOndivel();
        user::click(scope.chkOn);
        user::click(scope.imgBorne[0]);
        user::click(scope.imgBorne[2]);
        user::click(app.frmToolBox().optConnexion[1]);
        user::click(app.frmGBFA().chkOn);
        user::click(app.frmGBFA().imgBorne[0]);
        user::click(app.frmGBFA().imgBorne[1]);
        const auto& list = scope.cboBaseTemps.List;
        const auto it = std::find(list.begin(), list.end(), timeBase);
        QVERIFY(it != list.end());
        user::drag(scope.Potentio[5], static_cast<double>(it - list.begin()));
        views.syncNow();
        QVERIFY(QTest::qWaitForWindowExposed(&views.mainWindow()));
        settle();
    }
    // Waits until the pictures of the set-up are painted: 200 ms without a panel's paint, the
    // screen aside (the sweep repaints it all the time).
    static void settle() {
        PaintCounter paints;
        for (int i = 0; i < 30; ++i) {
            paints.reset();
            QTest::qWait(200);
            bool quiet = true;
            for (const auto& [widget, count] : paints.counts)
                quiet = quiet && qobject_cast<ScreenWidget*>(widget);
            if (quiet) return;
        }
    }
    FormView& generatorView() { return *views.viewOf(app.frmGBFA()); }
};

} // namespace

class RepaintEconomyTest : public QObject {
    Q_OBJECT
  private slots:
    void aStillBenchPaintsNothingAndRunsNoSync() {
        Program p;
        p.bench("1 ms/div");
        QVERIFY(!p.app.frmOndivel().tmrSpot.timerRunning());
        PaintCounter paints;
        const int syncs = p.views.syncCount();
        QTest::qWait(1000);
        QCOMPARE(p.views.syncCount(), syncs);
        QCOMPARE(paints.total(), 0);
    }

    void theSweepingSpotRepaintsTheScreenAlone() {
        Program p;
        p.bench("0.1 s/div");
        QVERIFY(p.app.frmOndivel().tmrSpot.timerRunning());
        PaintCounter paints;
        QTest::qWait(600);
        int screen = 0, others = 0;
        for (const auto& [widget, count] : paints.counts)
            (qobject_cast<ScreenWidget*>(widget) ? screen : others) += count;
        // About sixty frames a second; a loaded machine gives fewer.
        QVERIFY2(screen >= 5, qPrintable(QString("%1 screen paints").arg(screen)));
        QCOMPARE(others, 0); // the panels, knobs, buttons and terminals around it stay as they were
    }

    void aChangeAWidgetShowsStillRepaintsIt() {
        Program p;
        p.bench("1 ms/div");
        FrmGBF& gbf = p.app.frmGBFA();
        KnobWidget* amplitude = nullptr;
        for (KnobWidget* k : p.generatorView().findChildren<KnobWidget*>())
            if (&k->control() == &gbf.Potentio[1]) amplitude = k;
        QVERIFY(amplitude);
        const QList<PowerLampWidget*> lamps = p.generatorView().findChildren<PowerLampWidget*>();
        QVERIFY(!lamps.isEmpty());

        PaintCounter paints;
        user::drag(gbf.Potentio[1], gbf.Potentio[1].Value / 2); // the model turns the knob
        p.views.syncNow();
        QTRY_VERIFY(paints.counts[amplitude] > 0);

        paints.reset();
        user::click(gbf.chkOn); // the generator goes off: its lamp goes out
        p.views.syncNow();
        QTRY_VERIFY(std::any_of(lamps.begin(), lamps.end(),
                                [&](PowerLampWidget* l) { return paints.counts[l] > 0; }));
    }

    void fingerprintsOfSplitTextsDiffer() {
        // "ab" then "c" is not "a" then "bc": a caption that moves a letter to its neighbour repaints.
        QVERIFY((PaintKey() << std::string("ab") << std::string("c")).value() !=
                (PaintKey() << std::string("a") << std::string("bc")).value());
        QVERIFY((PaintKey() << QString("ab") << QString("c")).value() !=
                (PaintKey() << QString("a") << QString("bc")).value());
    }
};

QTEST_MAIN(RepaintEconomyTest)
#include "repaint_economy_test.moc"
