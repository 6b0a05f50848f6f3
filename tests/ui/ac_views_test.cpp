// The alternator and mains socket views: mouse and keys reach the models, the views follow them.
#include <QtTest>

#include "core/user_input.h"
#include "meters/frm_toolbox.h"
#include "sources/frm_dyn.h"
#include "sources/frm_edf.h"
#include "ui/views/alternator_view.h"
#include "ui/views/mains_view.h"
#include "ui/widgets/digital_readout.h"
#include "ui/widgets/knob_widget.h"
#include "ui/widgets/model_button.h"
#include "ui/widgets/terminal_widget.h"
#include "ui_bench.h"

using namespace ondivel;
using uitest::snapshot;

namespace {

constexpr int kMainsA = 12, kAlternatorA = 14;

// A fresh bench with one panel of side A opened from the toolbox.
struct Bench : uitest::PanelBench {
    explicit Bench(int option) { choose(option); }
};

// The pointer passing over a widget with no button held.
void hover(QWidget* w, QPointF at) {
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

} // namespace

class AcViewsTest : public QObject {
    Q_OBJECT
  private slots:
    void alternatorKnobTurnsTheSpeedShownOnTheDisplay() {
        Bench b(kAlternatorA);
        FrmDyn& dyn = b.app.frmDyn(SideA);
        AlternatorView view(dyn);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.readout()->shownText(), QStringLiteral("1000"));

        // End turns the knob fully right: 2500 tours/min.
        view.knob(0)->setFocus();
        QTest::keyClick(view.knob(0), Qt::Key_End);
        QCOMPARE(dyn.Potentio[0].Value, 2500.0);
        QVERIFY(qAbs(b.app.g.FrequenceA - 261.7994) < 1e-4);
        view.syncFromModel();
        QCOMPARE(view.readout()->shownText(), QStringLiteral("2500"));
        QCOMPARE(view.knob(0)->valueText(), QStringLiteral("2500 tours/min"));

        // A drag of the fine knob by the mouse moves the speed while it turns.
        QTest::mousePress(view.knob(1), Qt::LeftButton, {}, QPoint(20, 30));
        QMouseEvent move(QEvent::MouseMove, QPointF(20, -200), view.knob(1)->mapToGlobal(QPointF(20, -200)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view.knob(1), &move);
        QTest::mouseRelease(view.knob(1), Qt::LeftButton, {}, QPoint(20, -200));
        QCOMPARE(dyn.Potentio[1].Value, 200.0);
        view.syncFromModel();
        QCOMPARE(view.readout()->shownText(), QStringLiteral("2510"));
        snapshot(view, "alternator_2510");
    }

    void mainsRegionAndPlugsReachTheModel() {
        Bench b(kMainsA);
        FrmEDF& edf = b.app.frmEDF(SideA);
        MainsView view(edf);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(view.worldButton(0)->pressedIn());

        QTest::mouseClick(view.terminal(FrmEDF::kNeutre), Qt::LeftButton);
        QTest::mouseClick(view.terminal(FrmEDF::kPhase), Qt::LeftButton);
        QTest::mouseClick(view.worldButton(2), Qt::LeftButton);
        QCOMPARE(b.app.g.AmplitudeA, 141.4214);
        QCOMPARE(b.app.g.FrequenceA, 60.0);
        QVERIFY(b.app.g.SourceBrancheeA);
        view.syncFromModel();
        QVERIFY(view.worldButton(2)->pressedIn() && !view.worldButton(0)->pressedIn());
        QVERIFY(view.terminal(FrmEDF::kPhase)->plugged() && !view.terminal(FrmEDF::kTerre)->plugged());
        snapshot(view, "mains_japan");

        // The third plug pulls the preceding one: Terre after Phase pulls Phase.
        QTest::mouseClick(view.terminal(FrmEDF::kTerre), Qt::LeftButton);
        view.syncFromModel();
        QVERIFY(!view.terminal(FrmEDF::kPhase)->plugged());
        QCOMPARE(b.app.g.AmplitudeA, 0.0);
    }

    void mainsLogoBlinksAndThePointerIsAHandOverTerminals() {
        Bench b(kMainsA);
        FrmEDF& edf = b.app.frmEDF(SideA);
        MainsView view(edf);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(view.logo()->isVisible());
        edf.Timer1.raise(edf.Timer1.on.Timer);
        view.syncFromModel();
        QVERIFY(!view.logo()->isVisible());

        hover(view.terminal(FrmEDF::kPhase), QPointF(10, 10));
        QCOMPARE(edf.MousePointer, FrmEDF::kHandPointer);
        QCOMPARE(view.cursor().shape(), Qt::PointingHandCursor);
        hover(&view, QPointF(5, 250));
        QCOMPARE(edf.MousePointer, FrmEDF::kDefaultPointer);
        QCOMPARE(view.cursor().shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(AcViewsTest)
#include "ac_views_test.moc"
