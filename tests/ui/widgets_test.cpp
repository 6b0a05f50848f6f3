// The bound widgets: where clicks, drags, wheel turns and keys go, in which order the model's events
// arrive, what the widgets show of the model, and that program-side syncs never reach the model as
// user events.
#include <QtTest>
#include <string>
#include <vector>

#include "bench/sources/frm_gbf.h"
#include "core/control.h"
#include "ui/widgets/digital_readout.h"
#include "ui/widgets/knob_geometry.h"
#include "ui/widgets/knob_widget.h"
#include "ui/widgets/lamp_widget.h"
#include "ui/widgets/model_button.h"
#include "ui/widgets/model_label.h"
#include "ui/widgets/model_slider.h"
#include "ui/widgets/terminal_widget.h"
#include "ui_bench.h"

using namespace ondivel;

namespace {

QColor centre(QWidget& w) {
    return w.grab().toImage().pixelColor(w.width() / 2, w.height() / 2);
}

// A knob of 0..max (600 of the generator's 1200 by default) that logs its events with the value
// seen, on a 60-pixel widget.
struct LoggedKnob {
    Control knob{ControlKind::Knob, "Potentio", 0};
    std::vector<std::string> log;
    std::unique_ptr<KnobWidget> w;

    explicit LoggedKnob(double max = 1200, double value = 600, bool enabled = true) {
        knob.Max = max;
        knob.Value = value;
        knob.Enabled = enabled;
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
        w = std::make_unique<KnobWidget>(knob);
        w->resize(60, 60);
    }
};

using Log = std::vector<std::string>;

} // namespace

class WidgetsTest : public QObject {
    Q_OBJECT
  private slots:
    void knobGeometryPinsTheScaleAndStepsByItsSize() {
        QCOMPARE(knob::angleOf(600, 0, 1200), 0.0);    // 300 degrees, the middle at 12 o'clock
        QCOMPARE(knob::angleOf(5000, 0, 1200), 150.0); // beyond Max: pinned
        QCOMPARE(knob::angleOf(3, 0, 0), -150.0);      // unconfigured knob: no division by zero
        // A notch on small scales, 1/120 of large ones, a tenth of that with Shift.
        QCOMPARE(knob::stepOf(0, 17), 1.0);
        QCOMPARE(knob::stepOf(0, 12000), 100.0);
        QCOMPARE(knob::fineStepOf(0, 12000), 10.0);
    }

    void knobDragsSetTheValueBeforeEachEventWithTheLeftButtonOnly() {
        LoggedKnob k;
        // 200 pixels sweep the scale: 50 pixels up is a quarter, 300 units.
        uitest::dragUp(k.w.get(), 50);
        QCOMPARE(k.log, (Log{"down 1 600", "move 1 900", "up 1 900"}));
        uitest::dragUp(k.w.get(), -50, Qt::LeftButton, Qt::ShiftModifier); // ten times finer
        QCOMPARE(k.knob.Value, 870.0);
        uitest::dragUp(k.w.get(), 1000); // far beyond the end: Max
        QCOMPARE(k.knob.Value, 1200.0);
        // The right button raises button 2 and leaves the knob where it is.
        k.log.clear();
        uitest::dragUp(k.w.get(), -80, Qt::RightButton);
        QCOMPARE(k.log, (Log{"down 2 1200", "move 2 1200", "up 2 1200"}));
        // A double-click alone does not turn it.
        QTest::mouseDClick(k.w.get(), Qt::LeftButton);
        QVERIFY(std::find(k.log.begin(), k.log.end(), "dblclick") != k.log.end());
        QCOMPARE(k.knob.Value, 1200.0);
    }

    void knobWheelAndKeysTurnByTheirSteps() {
        LoggedKnob k;
        QWheelEvent up(QPointF(30, 30), k.w->mapToGlobal(QPointF(30, 30)), QPoint(), QPoint(0, 240),
                       Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(k.w.get(), &up);
        QCOMPARE(k.knob.Value, 620.0);                   // two notches of 10
        QCOMPARE(k.log.back(), std::string("up 1 620")); // each step a complete left-button drag
        struct Press {
            Qt::Key key;
            Qt::KeyboardModifiers mods;
            double expected;
        };
        for (const Press& press :
             {Press{Qt::Key_Up, {}, 630}, Press{Qt::Key_Down, Qt::ShiftModifier, 629},
              Press{Qt::Key_PageUp, {}, 729}, Press{Qt::Key_PageDown, {}, 629}, Press{Qt::Key_End, {}, 1200},
              Press{Qt::Key_Up, {}, 1200}, Press{Qt::Key_Home, {}, 0}, Press{Qt::Key_Left, {}, 0}}) {
            QTest::keyClick(k.w.get(), press.key, press.mods);
            QCOMPARE(k.knob.Value, press.expected);
        }
    }

    void aDisabledKnobTakesNothingAndFollowsTheProgram() {
        LoggedKnob k(13, 5, false);
        QVERIFY(!k.w->isEnabled());
        uitest::dragUp(k.w.get(), 50);
        QTest::keyClick(k.w.get(), Qt::Key_Up);
        QTest::mouseDClick(k.w.get(), Qt::LeftButton);
        QCOMPARE(k.knob.Value, 5.0);
        k.w->setFormatter([](double v) { return QStringLiteral("%1 V/div").arg(v == 5 ? 2 : 0); });
        QCOMPARE(k.w->valueText(), QStringLiteral("2 V/div"));
        k.knob.Value = 13; // automatic sensitivities turn knobs without events
        k.knob.ToolTipText = "Ligne 1\r\nLigne 2";
        k.w->syncFromModel();
        QCOMPARE(k.w->value(), k.w->maximum());
        QCOMPARE(k.w->toolTip(), QStringLiteral("Ligne 1\nLigne 2"));
        QVERIFY(k.log.empty());
    }

    // Lit and unlit lamps are looked at on the oscilloscope's panel.
    void lampsShowAColourMarkAndHideWithTheModel() {
        Control shape(ControlKind::Shape, "shpFreq", 0);
        LampWidget lamp(shape);
        lamp.resize(40, 40);
        shape.FillColor = RGB(0, 0, 255);
        lamp.syncFromModel();
        QVERIFY(centre(lamp).blue() > centre(lamp).red() + 80);
        shape.Visible = false;
        lamp.syncFromModel();
        QVERIFY(!lamp.isVisibleTo(nullptr));

        Control image(ControlKind::Image, "imgOn");
        image.Picture = kPictureLampOff;
        PowerLampWidget power(image, kPictureLampOn);
        QVERIFY(!power.lit());
        image.Picture = kPictureLampOn;
        QVERIFY(power.lit());
    }

    void terminalClickReachesThePlugOnlyWhileItIsIn() {
        Control terminal(ControlKind::Image, "imgBorne", 0), plug(ControlKind::Image, "imgFiche", 0);
        Log clicks;
        terminal.on.Click = [&] {
            clicks.push_back("terminal");
            plug.Visible = !plug.Visible;
        };
        plug.on.Click = [&] {
            clicks.push_back("plug");
            plug.Visible = !plug.Visible;
        };
        plug.Visible = false;
        plug.ToolTipText = "Cliquez ici pour mettre en place la fiche";
        TerminalWidget w(terminal, plug, nullptr, Qt::red);
        w.resize(36, 48);
        QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(18, 18));
        QVERIFY(w.plugged());
        QCOMPARE(w.toolTip(), QStringLiteral("Cliquez ici pour mettre en place la fiche"));
        QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(18, 18));
        QVERIFY(!w.plugged());
        QTest::mouseClick(&w, Qt::RightButton, {}, QPoint(18, 18)); // not a click of the classic toolkit
        QCOMPARE(clicks, (Log{"terminal", "plug"}));
    }

    void readoutsGoDarkAndLabelsKeepTheirSpacing() {
        QCOMPARE(DigitalReadout::segmentsOf('x'), 0); // an unknown character lights nothing
        Control label(ControlKind::Label, "lblFreqA");
        label.Caption = "06,00";
        DigitalReadout readout(label);
        readout.resize(120, 40);
        QCOMPARE(readout.shownText(), QStringLiteral("06,00"));
        const QImage lit = readout.grab().toImage();
        label.Visible = false; // off: dark, but the window stays in the panel
        readout.syncFromModel();
        QCOMPARE(readout.shownText(), QString());
        QVERIFY(readout.grab().toImage() != lit);

        Control spaced(ControlKind::Label, "lblMinMax", 0);
        spaced.Caption = "Min     Max";
        ModelLabel w(spaced);
        QCOMPARE(w.text(), QStringLiteral("Min     Max"));
        QCOMPARE(w.textFormat(), Qt::PlainText);
    }

    void optionButtonsSelectThroughTheModel() {
        uitest::PanelBench b;
        Form& form = b.app.frmGBFA();
        Control& a = *form.findControl("optSignal", 0);
        Control& c = *form.findControl("optSignal", 2);
        a.setValue(1);
        int clicks = 0;
        c.on.Click = [&] { ++clicks; };
        ModelButton ba(a), bc(c);
        QVERIFY(ba.pressedIn() && !bc.pressedIn());
        QTest::mouseClick(&bc, Qt::LeftButton);
        QCOMPARE(clicks, 1);
        ba.syncFromModel();
        QVERIFY(!ba.pressedIn() && bc.pressedIn());
        QTest::mouseClick(&bc, Qt::LeftButton); // already selected: no new Click
        c.Enabled = false;
        bc.syncFromModel();
        QTest::mouseClick(&bc, Qt::LeftButton);
        QCOMPARE(clicks, 1);
    }

    void sliderMovesRaiseScrollThenChangeAndSyncsRaiseNothing() {
        Control slider(ControlKind::Slider, "sldReglage", 0);
        slider.Min = -10;
        slider.Max = 10;
        Log log;
        slider.on.Scroll = [&] { log.push_back("scroll " + std::to_string(static_cast<int>(slider.Value))); };
        slider.on.Change = [&] { log.push_back("change " + std::to_string(static_cast<int>(slider.Value))); };
        ModelSlider w(slider, 2);
        w.resize(80, 24);
        slider.Value = -4; // the panel resets it
        w.syncFromModel();
        QCOMPARE(w.value(), -4);
        QVERIFY(log.empty());
        w.setFocus();
        QTest::keyClick(&w, Qt::Key_Right);
        QCOMPARE(log, (Log{"scroll -3", "change -3"}));
    }
};

QTEST_MAIN(WidgetsTest)
#include "widgets_test.moc"
