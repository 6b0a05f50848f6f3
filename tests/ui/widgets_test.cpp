// The bound widgets and the toolbox view: where clicks go, what the widgets show of the model,
// and that program-side syncs never reach the model as user events.
#include <QTemporaryDir>
#include <QtTest>
#include <string>
#include <vector>

#include "core/control.h"
#include "core/ondivel.h"
#include "core/testing/fake_platform.h"
#include "core/user_input.h"
#include "meters/frm_toolbox.h"
#include "sources/frm_gbf.h"
#include "ui/views/toolbox_view.h"
#include "ui/widgets/digital_readout.h"
#include "ui/widgets/lamp_widget.h"
#include "ui/widgets/model_button.h"
#include "ui/widgets/model_label.h"
#include "ui/widgets/model_slider.h"
#include "ui/widgets/terminal_widget.h"
#include "ui_bench.h"

using namespace ondivel;
using uitest::snapshot;

namespace {

struct Bench {
    QTemporaryDir dir;
    FakePlatform platform{dir.path().toStdString()};
    Ondivel app{platform};
    Bench() { app.g.FichierConfig = (dir.path() + "/ConfOND_eleve1.ini").toStdString(); }
};

QColor centre(QWidget& w) {
    return w.grab().toImage().pixelColor(w.width() / 2, w.height() / 2);
}

} // namespace

class WidgetsTest : public QObject {
    Q_OBJECT
  private slots:
    void lampsShowTheirFillColour() {
        Control shape(ControlKind::Shape, "shpFreq", 0);
        LampWidget lamp(shape);
        lamp.resize(40, 40);
        const QColor unlit = centre(lamp);
        QVERIFY(unlit.red() > 150 && unlit.blue() > 150); // frosted white glass
        shape.FillColor = kLampOn;
        lamp.syncFromModel();
        const QColor lit = centre(lamp);
        QVERIFY(lit.green() > 150 && lit.red() < 120 && lit.blue() < 120);
        shape.FillColor = RGB(0, 0, 255); // a colour mark
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
        std::vector<std::string> clicks;
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
        const std::vector<std::string> expected = {"terminal", "plug"};
        QCOMPARE(clicks, expected);
    }

    void readoutShowsDigitsWithTheCommaOnTheirDigit() {
        // Segments a (top), b, c, d, e, f clockwise, g (middle) as bits 0 to 6.
        QCOMPARE(DigitalReadout::segmentsOf('8'), 0b1111111);
        QCOMPARE(DigitalReadout::segmentsOf('1'), 0b0000110);
        QCOMPARE(DigitalReadout::segmentsOf('7'), 0b0000111);
        QCOMPARE(DigitalReadout::segmentsOf('0'), 0b0111111);
        QCOMPARE(DigitalReadout::segmentsOf('4'), 0b1100110);
        QCOMPARE(DigitalReadout::segmentsOf('x'), 0);

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
    }

    void optionButtonsSelectThroughTheModel() {
        Bench b;
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
        QCOMPARE(clicks, 1);
        c.Enabled = false;
        bc.syncFromModel();
        QTest::mouseClick(&bc, Qt::LeftButton);
        QCOMPARE(clicks, 1);
    }

    void sliderMovesRaiseScrollThenChangeAndSyncsRaiseNothing() {
        Control slider(ControlKind::Slider, "sldReglage", 0);
        slider.Min = -10;
        slider.Max = 10;
        std::vector<std::string> log;
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
        const std::vector<std::string> expected = {"scroll -3", "change -3"};
        QCOMPARE(log, expected);
    }

    void labelsKeepTheirSpacing() {
        Control label(ControlKind::Label, "lblMinMax", 0);
        label.Caption = "Min     Max";
        ModelLabel w(label);
        QCOMPARE(w.text(), QStringLiteral("Min     Max"));
        QCOMPARE(w.textFormat(), Qt::PlainText);
    }

    void toolboxButtonsWireTheBench() {
        Bench b;
        b.app.g.CouleurA = 65535;
        b.app.g.CouleurB = 4227072;
        FrmToolBox& toolbox = b.app.frmToolBox();
        toolbox.Show();
        ToolboxView view(toolbox);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        b.platform.randomValues = {0.5, 0.5};
        QTest::mouseClick(view.connectionButton(FrmToolBox::kGbfA), Qt::LeftButton);
        QVERIFY(b.app.frmGBFA().Visible);
        view.syncFromModel();
        QVERIFY(view.connectionButton(FrmToolBox::kGbfA)->pressedIn());
        QVERIFY(!view.connectionButton(FrmToolBox::kGbfB)->pressedIn()); // the other channel is untouched
        // A disabled button takes no click.
        toolbox.optConnexion[3].Enabled = false;
        view.syncFromModel();
        QVERIFY(!view.connectionButton(3)->isEnabled());
        QTest::mouseClick(view.connectionButton(3), Qt::LeftButton);
        QVERIFY(!toolbox.optConnexion[3].isOn());
        QCOMPARE(view.designSize(), QSize(48, 744));
        view.resize(view.designSize() * 3);
        snapshot(view, "toolbox");
    }
};

QTEST_MAIN(WidgetsTest)
#include "widgets_test.moc"
