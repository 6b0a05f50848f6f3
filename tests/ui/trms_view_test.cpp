// The TRMS multimeter view: the selector, keys and terminals reach the model and the display
// follows it.
#include <QtTest>
#include <cmath>
#include <numbers>

#include "core/user_input.h"
#include "meters/frm_multi_rms.h"
#include "meters/frm_toolbox.h"
#include "sources/frm_gbf.h"
#include "ui/views/trms_view.h"
#include "ui_bench.h"

using namespace ondivel;
using uitest::snapshot;

namespace {

// A 12 V peak sine from the generator on CH1, the meter shown and nothing else wired.
struct Bench : uitest::PanelBench {
    FrmMultiRMS& meter = app.frmMulti_RMS();

    Bench() {
        choose(FrmToolBox::kGbfA);
        FrmGBF& gbf = app.frmGBF(SideA);
        user::click(gbf.chkOn);
        user::click(gbf.imgBorne[0]);
        user::click(gbf.imgBorne[1]);
        app.g.EntreeBrancheeCH1 = true;
        app.g.AmplitudeA = 12;
        meter.Show();
    }
};

// Presses, drags and releases the left button on the selector at an angle from 12 o'clock.
void turn(QWidget* selector, double degrees) {
    const double a = degrees * std::numbers::pi / 180;
    const double r = std::min(selector->width(), selector->height()) * 0.3;
    const QPoint at(static_cast<int>(selector->width() / 2 + r * std::sin(a)),
                    static_cast<int>(selector->height() / 2 - r * std::cos(a)));
    QTest::mousePress(selector, Qt::LeftButton, {}, at);
    QTest::mouseRelease(selector, Qt::LeftButton, {}, at);
}

} // namespace

class TrmsViewTest : public QObject {
    Q_OBJECT
  private slots:
    void selectorTerminalsAndKeysDriveTheMeter() {
        Bench b;
        TrmsView view(b.meter);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        snapshot(view, "trms_off");

        turn(view.selector(), 95);
        QCOMPARE(b.app.g.PositionSelecteur, FrmMultiRMS::kVoltsAC);
        view.syncFromModel();
        QCOMPARE(view.selector()->accessibleDescription(), QStringLiteral("V ~"));
        // No plug yet: nothing to read.
        QCOMPARE(view.display()->accessibleDescription(), QStringLiteral("000,0"));

        for (int terminal : {0, 3})
            QTest::mouseClick(view.terminal(terminal), Qt::LeftButton, {},
                              view.terminal(terminal)->rect().center());
        QVERIFY(b.app.g.VoltmetreBranche);
        view.syncFromModel();
        QCOMPARE(view.display()->accessibleDescription(), QStringLiteral("08,49"));
        snapshot(view, "trms_sine");

        QTest::mouseClick(view.key(1), Qt::LeftButton);
        QTest::mouseClick(view.key(1), Qt::LeftButton);
        view.syncFromModel();
        QCOMPARE(b.meter.lblGamme.Caption, std::string("6 V"));
        QCOMPARE(view.display()->accessibleDescription(), QStringLiteral("1."));
        QTest::mouseClick(view.key(0), Qt::LeftButton);
        QCOMPARE(b.meter.memory(), FrmMultiRMS::Memory::Max);
        snapshot(view, "trms_manual_max");

        turn(view.selector(), 150);
        QCOMPARE(b.app.g.PositionSelecteur, FrmMultiRMS::kOff);
    }

    void theViewScalesWithoutLosingItsProportions() {
        Bench b;
        TrmsView view(b.meter);
        view.resize(view.designSize() * 2);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(view.selector()->width() >= 2 * view.designSize().width() * 0.5);
        QCOMPARE(view.selector()->width(), view.selector()->height());
        snapshot(view, "trms_large");
    }
};

QTEST_MAIN(TrmsViewTest)
#include "trms_view_test.moc"
