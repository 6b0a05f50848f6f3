// The school voltmeter view: plugs and selector worked with the mouse reach the model, and the
// display follows the reading.
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "core/ondivel.h"
#include "core/testing/fake_platform.h"
#include "core/user_input.h"
#include "meters/frm_toolbox.h"
#include "meters/frm_volt.h"
#include "scope/frm_ondivel.h"
#include "shell/mdi_ondivel.h"
#include "ui/views/volt_view.h"
#include "ui_bench.h"

using namespace ondivel;
using uitest::snapshot;

namespace {

// The school voltmeter shown from the toolbox, with the 9 V battery cabled on CH1.
struct Bench {
    QTemporaryDir dir;
    FakePlatform platform{dir.path().toStdString()};
    Ondivel app{platform};
    FrmVolt& volt = app.frmVolt();

    Bench() {
        app.g.FichierConfig = (dir.path() + "/ConfOND_eleve1.ini").toStdString();
        app.WriteIni("Options", "Multimetre college", "1");
        FrmToolBox& toolbox = app.frmToolBox();
        toolbox.Show();
        toolbox.optConnexion[FrmToolBox::kNoneA].setValue(1);
        toolbox.optConnexion[FrmToolBox::kNoneB].setValue(1);
        FrmOndivel& scope = app.frmOndivel();
        user::click(scope.chkOn);
        user::click(scope.imgBorne[0]);
        user::click(scope.imgBorne[2]);
        user::click(toolbox.optConnexion[5]);
        user::click(toolbox.chkMulti);
    }
};

// A point of the dial widget at `degrees` clockwise from 12 o'clock, near the knob's rim.
QPoint onDial(QWidget* dial, double degrees) {
    const QPoint c = dial->rect().center();
    const double r = dial->width() * 0.2;
    const double a = degrees * std::acos(-1.0) / 180;
    return QPoint(c.x() + static_cast<int>(std::lround(r * std::sin(a))),
                  c.y() - static_cast<int>(std::lround(r * std::cos(a))));
}

} // namespace

class VoltViewTest : public QObject {
    Q_OBJECT
  private slots:
    void plugsAndSelectorWorkedWithTheMouseGiveTheReading() {
        Bench b;
        VoltView view(b.volt);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTest::mouseClick(view.terminal(FrmVolt::kPlugV), Qt::LeftButton);
        QTest::mouseClick(view.terminal(FrmVolt::kPlugCom), Qt::LeftButton);
        QVERIFY(b.app.g.VoltmetreBranche);

        // Turned to V = 20 (61°) by a press, a drag and a release.
        QTest::mousePress(view.dial(), Qt::LeftButton, {}, onDial(view.dial(), 0));
        QMouseEvent move(QEvent::MouseMove, onDial(view.dial(), 40),
                         view.dial()->mapToGlobal(onDial(view.dial(), 40)), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(view.dial(), &move);
        QVERIFY(std::abs(b.volt.AngleSelecteur - 40) < 3);
        QTest::mouseRelease(view.dial(), Qt::LeftButton, {}, onDial(view.dial(), 62));
        QCOMPARE(b.app.g.PositionSelecteur, 2);
        view.syncFromModel();
        QCOMPARE(view.display()->accessibleDescription(), QStringLiteral("9,00 V"));
        snapshot(view, "volt_nine_volts");

        // V = 2 overloads.
        QTest::mousePress(view.dial(), Qt::LeftButton, {}, onDial(view.dial(), 85));
        QTest::mouseRelease(view.dial(), Qt::LeftButton, {}, onDial(view.dial(), 85));
        view.syncFromModel();
        QCOMPARE(view.display()->accessibleDescription(), QStringLiteral("1 V"));
        snapshot(view, "volt_overload");
    }
};

QTEST_MAIN(VoltViewTest)
#include "volt_view_test.moc"
