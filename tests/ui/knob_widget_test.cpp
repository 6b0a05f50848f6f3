// The knob: what a user's mouse, wheel and keys do to the model, and in which order the events
// arrive. Each case builds a fresh bench so no event handler of an earlier case leaks in.
#include <QTemporaryDir>
#include <QtTest>
#include <string>
#include <vector>

#include "core/control.h"
#include "core/ondivel.h"
#include "core/testing/fake_platform.h"
#include "ui/widgets/knob_geometry.h"
#include "ui/widgets/knob_widget.h"

using namespace ondivel;

namespace {

// A knob of 0..1200 (the generator's frequency knob) that logs its events with the value seen.
struct LoggedKnob {
    QTemporaryDir dir;
    FakePlatform platform{dir.path().toStdString()};
    Ondivel app{platform};
    Control knob{ControlKind::Knob, "Potentio", 0};
    std::vector<std::string> log;

    explicit LoggedKnob(double max = 1200, double value = 600) {
        knob.Max = max;
        knob.Value = value;
        auto record = [this](const char* name) {
            return [this, name](int button, int, double, double) {
                log.push_back(std::string(name) + " " + std::to_string(button) + " " +
                              std::to_string(static_cast<int>(knob.Value)));
            };
        };
        knob.on.MouseDown = record("down");
        knob.on.MouseMove = record("move");
        knob.on.MouseUp = record("up");
        knob.on.DblClick = [this] { log.push_back("dblclick"); };
    }
};

void drag(QWidget& w, Qt::MouseButton button, int pixelsUp, Qt::KeyboardModifiers mods = {}) {
    const QPoint start(w.width() / 2, w.height() / 2);
    QTest::mousePress(&w, button, mods, start);
    QMouseEvent move(QEvent::MouseMove, QPointF(start.x(), start.y() - pixelsUp),
                     w.mapToGlobal(QPointF(start.x(), start.y() - pixelsUp)), Qt::NoButton, button, mods);
    QApplication::sendEvent(&w, &move);
    QTest::mouseRelease(&w, button, mods, QPoint(start.x(), start.y() - pixelsUp));
}

} // namespace

class KnobWidgetTest : public QObject {
    Q_OBJECT
  private slots:
    void geometryMapsTheScaleOntoThreeHundredDegrees() {
        QCOMPARE(knob::angleOf(0, 0, 1200), -150.0);
        QCOMPARE(knob::angleOf(600, 0, 1200), 0.0);
        QCOMPARE(knob::angleOf(1200, 0, 1200), 150.0);
        QCOMPARE(knob::angleOf(5000, 0, 1200), 150.0); // beyond Max: pinned
        QCOMPARE(knob::angleOf(3, 0, 0), -150.0);      // unconfigured knob: no division by zero
        // Steps: a notch on small scales, 1/120 of large ones.
        QCOMPARE(knob::stepOf(0, 17), 1.0);
        QCOMPARE(knob::stepOf(0, 1200), 10.0);
        QCOMPARE(knob::stepOf(0, 12000), 100.0);
        QCOMPARE(knob::fineStepOf(0, 1200), 1.0);
        QCOMPARE(knob::fineStepOf(0, 12000), 10.0);
        QCOMPARE(knob::pageOf(0, 200), 20.0);
    }

    void leftDragSetsTheValueBeforeEachEvent() {
        LoggedKnob k;
        KnobWidget w(k.knob);
        w.resize(60, 60);
        // 200 pixels sweep the scale: 50 pixels up is a quarter, 300 units.
        drag(w, Qt::LeftButton, 50);
        const std::vector<std::string> expected = {"down 1 600", "move 1 900", "up 1 900"};
        QCOMPARE(k.log, expected);
        QCOMPARE(k.knob.Value, 900.0);

        // Shift: ten times finer, 50 pixels down is 30 units.
        k.log.clear();
        drag(w, Qt::LeftButton, -50, Qt::ShiftModifier);
        QCOMPARE(k.knob.Value, 870.0);

        // Far beyond the end the value stops at Max.
        drag(w, Qt::LeftButton, 1000);
        QCOMPARE(k.knob.Value, 1200.0);
    }

    void rightDragRaisesButtonTwoAndLeavesTheKnob() {
        LoggedKnob k;
        KnobWidget w(k.knob);
        w.resize(60, 60);
        drag(w, Qt::RightButton, 80);
        const std::vector<std::string> expected = {"down 2 600", "move 2 600", "up 2 600"};
        QCOMPARE(k.log, expected);
    }

    void wheelAndKeysTurnByTheirSteps() {
        LoggedKnob k;
        KnobWidget w(k.knob);
        w.resize(60, 60);
        QWheelEvent up(QPointF(30, 30), w.mapToGlobal(QPointF(30, 30)), QPoint(), QPoint(0, 240),
                       Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&w, &up);
        QCOMPARE(k.knob.Value, 620.0); // two notches of 10
        // Each step reaches the panel as a complete left-button drag.
        QCOMPARE(k.log.back(), std::string("up 1 620"));

        struct Press {
            Qt::Key key;
            Qt::KeyboardModifiers mods;
            double expected;
        };
        for (const Press& press :
             {Press{Qt::Key_Up, {}, 630}, Press{Qt::Key_Down, Qt::ShiftModifier, 629},
              Press{Qt::Key_PageUp, {}, 729}, Press{Qt::Key_PageDown, {}, 629}, Press{Qt::Key_End, {}, 1200},
              Press{Qt::Key_Up, {}, 1200}, Press{Qt::Key_Home, {}, 0}, Press{Qt::Key_Left, {}, 0}}) {
            QTest::keyClick(&w, press.key, press.mods);
            QCOMPARE(k.knob.Value, press.expected);
        }
    }

    void doubleClickRaisesDblClick() {
        LoggedKnob k(200, 40);
        KnobWidget w(k.knob);
        w.resize(60, 60);
        QTest::mouseDClick(&w, Qt::LeftButton);
        QVERIFY(std::find(k.log.begin(), k.log.end(), "dblclick") != k.log.end());
        QCOMPARE(k.knob.Value, 40.0); // a double-click alone does not turn it
    }

    void disabledKnobTakesNothing() {
        LoggedKnob k;
        k.knob.Enabled = false;
        KnobWidget w(k.knob);
        w.resize(60, 60);
        QVERIFY(!w.isEnabled());
        drag(w, Qt::LeftButton, 50);
        QTest::keyClick(&w, Qt::Key_Up);
        QTest::mouseDClick(&w, Qt::LeftButton);
        QVERIFY(k.log.empty());
        QCOMPARE(k.knob.Value, 600.0);
    }

    void followsAValueSetByTheProgramAndSpeaksItsUnits() {
        LoggedKnob k(13, 5);
        KnobWidget w(k.knob);
        w.setFormatter([](double v) { return QStringLiteral("%1 V/div").arg(v == 5 ? 2 : 0); });
        QCOMPARE(w.valueText(), QStringLiteral("2 V/div"));
        k.knob.Value = 13; // automatic sensitivities turn knobs without events
        w.syncFromModel();
        QCOMPARE(w.value(), w.maximum());
        QVERIFY(k.log.empty());
        k.knob.ToolTipText = "Ligne 1\r\nLigne 2";
        w.syncFromModel();
        QCOMPARE(w.toolTip(), QStringLiteral("Ligne 1\nLigne 2"));
    }
};

QTEST_MAIN(KnobWidgetTest)
#include "knob_widget_test.moc"
