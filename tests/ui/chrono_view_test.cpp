// The stopwatch view: its keys reach the model, the dial follows the alarm, and inside a
// sub-window the window is clipped to the dial.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QtTest>

#include "core/ondivel.h"
#include "core/testing/fake_platform.h"
#include "core/user_input.h"
#include "meters/frm_chrono.h"
#include "meters/frm_toolbox.h"
#include "ui/views/chrono_view.h"
#include "ui/widgets/model_button.h"
#include "ui_bench.h"

using namespace ondivel;
using uitest::snapshot;

namespace {

struct Bench {
    QTemporaryDir dir;
    FakePlatform platform{dir.path().toStdString()};
    Ondivel app{platform};
    FrmChrono& chrono = app.frmChrono();

    Bench() {
        app.g.FichierConfig = (dir.path() + "/ConfOND_eleve1.ini").toStdString();
        app.frmToolBox().Show();
        user::click(app.frmToolBox().chkClock);
    }
};

ModelButton* buttonOf(QWidget& view, const Control& control) {
    for (auto* b : view.findChildren<ModelButton*>())
        if (&b->control() == &control) return b;
    return nullptr;
}

} // namespace

class ChronoViewTest : public QObject {
    Q_OBJECT
  private slots:
    void keysDriveTheStopwatchAndTheDialTurnsRedOnAlarm() {
        Bench b;
        ChronoView view(b.chrono);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        snapshot(view, "chrono_idle");
        const QColor normal = view.dialColor();

        ModelButton* start = buttonOf(view, b.chrono.chkStart_Stop);
        ModelButton* alarm = buttonOf(view, b.chrono.chkAlarme);
        QVERIFY(start && alarm && buttonOf(view, b.chrono.cmdRAZ) && buttonOf(view, b.chrono.cmdEnd));
        QTest::mouseClick(alarm, Qt::LeftButton);
        QTest::mouseClick(start, Qt::LeftButton);
        QCOMPARE(b.chrono.lblStop.Caption, std::string("ARRET"));
        b.platform.advanceSeconds(1.05);
        b.chrono.tmrChrono.on.Timer();
        view.syncFromModel();
        QCOMPARE(b.platform.beeps, 1);
        QCOMPARE(view.dialColor(), QColor(255, 0, 0));
        QCOMPARE(view.accessibleDescription(), QStringLiteral("00:01,1"));
        snapshot(view, "chrono_alarm");

        QTest::mouseClick(buttonOf(view, b.chrono.cmdRAZ), Qt::LeftButton);
        view.syncFromModel();
        QCOMPARE(view.dialColor(), normal);
        QCOMPARE(b.chrono.lblTime.Caption, std::string("00:00,0"));
    }

    void aSubWindowIsClippedToTheDial() {
        Bench b;
        QMdiArea area;
        area.resize(600, 500);
        auto* view = new ChronoView(b.chrono);
        QMdiSubWindow* window = area.addSubWindow(view);
        area.show();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
        QTRY_VERIFY(!window->mask().isEmpty());
        const QRegion mask = window->mask();
        const QPoint centre = view->mapTo(window, view->rect().center());
        const QPoint corner = view->mapTo(window, QPoint(2, 2));
        QVERIFY(mask.contains(centre));
        QVERIFY(!mask.contains(corner));
        snapshot(*window, "chrono_window");
    }
};

QTEST_MAIN(ChronoViewTest)
#include "chrono_view_test.moc"
