// The views of the meters and the toolbox: rotary selectors turned by the mouse, keys, terminals
// and buttons reach the model, the displays follow it, and the stopwatch's sub-window is clipped
// to its dial.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>
#include <cmath>
#include <numbers>

#include "bench/meters/frm_chrono.h"
#include "bench/meters/frm_multi_rms.h"
#include "bench/meters/frm_volt.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/sources/frm_gbf.h"
#include "ui/meters/frm_chrono_view.h"
#include "ui/meters/frm_multi_rms_view.h"
#include "ui/meters/frm_volt_view.h"
#include "ui/toolbox/frm_toolbox_view.h"
#include "ui/widgets/model_button.h"
#include "ui_bench.h"

using namespace ondivel;
using uitest::shown;
using uitest::snapshot;

namespace {

// A point of a rotary selector `degrees` clockwise from 12 o'clock, at `rim` of its width.
QPoint onDial(QWidget* dial, double degrees, double rim) {
    const double a = degrees * std::numbers::pi / 180, r = std::min(dial->width(), dial->height()) * rim;
    return dial->rect().center() + QPoint(static_cast<int>(std::lround(r * std::sin(a))),
                                          -static_cast<int>(std::lround(r * std::cos(a))));
}

void clickAt(QWidget* dial, double degrees, double rim) {
    QTest::mouseClick(dial, Qt::LeftButton, {}, onDial(dial, degrees, rim));
}

ModelButton* buttonOf(QWidget& view, const Control& control) {
    for (auto* b : view.findChildren<ModelButton*>())
        if (&b->control() == &control) return b;
    return nullptr;
}

} // namespace

class MeterViewsTest : public QObject {
    Q_OBJECT
  private slots:
    void theTrmsSelectorTerminalsAndKeysDriveTheMeter() {
        uitest::PanelBench b; // a 12 V peak sine from the generator on CH1
        b.choose(FrmToolBox::kGbfA);
        FrmGBF& gbf = b.app.frmGBF(SideA);
        uitest::clickAll({&gbf.chkOn, &gbf.imgBorne[0], &gbf.imgBorne[1]});
        b.app.g.EntreeBrancheeCH1 = true;
        b.app.g.AmplitudeA = 12;
        FrmMultiRMS& meter = b.app.frmMulti_RMS();
        meter.Show();
        TrmsView view(meter);
        QVERIFY(shown(view));

        clickAt(view.selector(), 95, 0.3);
        QCOMPARE(b.app.g.PositionSelecteur, FrmMultiRMS::kVoltsAC);
        view.syncFromModel();
        QCOMPARE(view.selector()->accessibleDescription(), QStringLiteral("V ~"));
        QCOMPARE(view.display()->accessibleDescription(), QStringLiteral("000,0")); // no plug yet
        for (int terminal : {0, 3})
            QTest::mouseClick(view.terminal(terminal), Qt::LeftButton);
        view.syncFromModel();
        QCOMPARE(view.display()->accessibleDescription(), QStringLiteral("08,49"));
        snapshot(view, "trms_sine");

        QTest::mouseClick(view.key(1), Qt::LeftButton);
        QTest::mouseClick(view.key(1), Qt::LeftButton);
        view.syncFromModel();
        QCOMPARE(meter.lblGamme.Caption, std::string("6 V"));
        QCOMPARE(view.display()->accessibleDescription(), QStringLiteral("1."));
        QTest::mouseClick(view.key(0), Qt::LeftButton);
        QCOMPARE(meter.memory(), FrmMultiRMS::Memory::Max);
        clickAt(view.selector(), 150, 0.3);
        QCOMPARE(b.app.g.PositionSelecteur, FrmMultiRMS::kOff);

        // Zoomed, the selector stays round.
        view.resize(view.designSize() * 2);
        QVERIFY(view.selector()->width() >= view.designSize().width());
        QCOMPARE(view.selector()->width(), view.selector()->height());
    }

    void theVoltmeterDialFollowsADragAndTheDisplayTheReading() {
        uitest::PanelBench b; // the 9 V battery cabled on CH1
        b.app.WriteIni("Options", "Multimetre college", "1");
        FrmOndivel& scope = b.app.frmOndivel();
        uitest::clickAll({&scope.chkOn, &scope.imgBorne[0], &scope.imgBorne[2]});
        user::click(b.toolbox.optConnexion[5]);
        user::click(b.toolbox.chkMulti);
        FrmVolt& volt = b.app.frmVolt();
        VoltView view(volt);
        QVERIFY(shown(view));
        QTest::mouseClick(view.terminal(FrmVolt::kPlugV), Qt::LeftButton);
        QTest::mouseClick(view.terminal(FrmVolt::kPlugCom), Qt::LeftButton);
        QVERIFY(b.app.g.VoltmetreBranche);

        // Turned to V = 20 (61°): the dial follows the pointer while it is held.
        QWidget* dial = view.dial();
        QTest::mousePress(dial, Qt::LeftButton, {}, onDial(dial, 0, 0.2));
        const QPoint at40 = onDial(dial, 40, 0.2);
        QMouseEvent move(QEvent::MouseMove, at40, dial->mapToGlobal(at40), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(dial, &move);
        QVERIFY(std::abs(volt.AngleSelecteur - 40) < 3);
        QTest::mouseRelease(dial, Qt::LeftButton, {}, onDial(dial, 62, 0.2));
        QCOMPARE(b.app.g.PositionSelecteur, 2);
        view.syncFromModel();
        QCOMPARE(view.display()->accessibleDescription(), QStringLiteral("9,00 V"));
        clickAt(dial, 85, 0.2); // V = 2 overloads
        view.syncFromModel();
        QCOMPARE(view.display()->accessibleDescription(), QStringLiteral("1 V"));
    }

    void theStopwatchKeysWorkAndItsDialTurnsRedOnAlarm() {
        uitest::PanelBench b;
        user::click(b.toolbox.chkClock);
        FrmChrono& chrono = b.app.frmChrono();
        ChronoView view(chrono);
        QVERIFY(shown(view));
        const QColor normal = view.dialColor();
        QTest::mouseClick(buttonOf(view, chrono.chkAlarme), Qt::LeftButton);
        QTest::mouseClick(buttonOf(view, chrono.chkStart_Stop), Qt::LeftButton);
        QCOMPARE(chrono.lblStop.Caption, std::string("ARRET"));
        b.platform.advanceSeconds(1.05);
        chrono.tmrChrono.on.Timer();
        view.syncFromModel();
        QCOMPARE(view.dialColor(), QColor(255, 0, 0));
        QCOMPARE(view.accessibleDescription(), QStringLiteral("00:01,1"));
        QTest::mouseClick(buttonOf(view, chrono.cmdRAZ), Qt::LeftButton);
        view.syncFromModel();
        QCOMPARE(view.dialColor(), normal);
        QVERIFY(buttonOf(view, chrono.cmdEnd));
    }

    void theStopwatchSubWindowIsClippedToTheDial() {
        uitest::PanelBench b;
        user::click(b.toolbox.chkClock);
        QMdiArea area;
        area.resize(600, 500);
        auto* view = new ChronoView(b.app.frmChrono());
        QMdiSubWindow* window = area.addSubWindow(view);
        area.show();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
        QTRY_VERIFY(!window->mask().isEmpty());
        QVERIFY(window->mask().contains(view->mapTo(window, view->rect().center())));
        QVERIFY(!window->mask().contains(view->mapTo(window, QPoint(2, 2))));
        snapshot(*window, "chrono_window");
    }

    void toolboxButtonsWireTheBench() {
        uitest::PanelBench b;
        ToolboxView view(b.toolbox);
        QVERIFY(shown(view));
        b.platform.randomValues = {0.5, 0.5};
        QTest::mouseClick(view.connectionButton(FrmToolBox::kGbfA), Qt::LeftButton);
        QVERIFY(b.app.frmGBFA().Visible);
        view.syncFromModel();
        QVERIFY(view.connectionButton(FrmToolBox::kGbfA)->pressedIn());
        QVERIFY(!view.connectionButton(FrmToolBox::kGbfB)->pressedIn()); // the other channel is untouched
        b.toolbox.optConnexion[3].Enabled = false;                       // a disabled button takes no click
        view.syncFromModel();
        QVERIFY(!view.connectionButton(3)->isEnabled());
        QTest::mouseClick(view.connectionButton(3), Qt::LeftButton);
        QVERIFY(!b.toolbox.optConnexion[3].isOn());
        QCOMPARE(view.designSize(), QSize(48, 744));
    }
};

QTEST_MAIN(MeterViewsTest)
#include "meter_views_test.moc"
