// The panels of the bench and the bound widgets they are made of: where clicks, drags, wheel turns
// and keys go, in which order the model's events arrive, that program-side syncs never reach the
// model as user events, what the views show of the model, and that they keep their proportions
// when zoomed. The numbers the models compute are checked by the scenarios; here only that the
// views forward and follow.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QtTest>
#include <cmath>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "bench/main/mdi_ondivel.h"
#include "bench/meters/frm_chrono.h"
#include "bench/meters/frm_multi_rms.h"
#include "bench/meters/frm_volt.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_curseurs.h"
#include "bench/scope/frm_full_screen.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/scales.h"
#include "bench/sources/frm_alim.h"
#include "bench/sources/frm_dyn.h"
#include "bench/sources/frm_edf.h"
#include "bench/sources/frm_gbf.h"
#include "bench/sources/frm_harmonique.h"
#include "bench/sources/frm_pile.h"
#include "core/control.h"
#include "core/recording_surface.h"
#include "ui/meters/frm_chrono_view.h"
#include "ui/meters/frm_multi_rms_view.h"
#include "ui/meters/frm_volt_view.h"
#include "ui/platform/tooltip_filter.h"
#include "ui/scope/frm_ondivel_view.h"
#include "ui/scope/screen_widget.h"
#include "ui/sources/frm_alim_view.h"
#include "ui/sources/frm_dyn_view.h"
#include "ui/sources/frm_edf_view.h"
#include "ui/sources/frm_gbf_view.h"
#include "ui/sources/frm_harmonique_view.h"
#include "ui/sources/frm_pile_view.h"
#include "ui/sources/harmonic_widgets.h"
#include "ui/surface/qt_surface.h"
#include "ui/surface/tee_platform.h"
#include "ui/toolbox/frm_toolbox_view.h"
#include "ui/widgets/digital_readout.h"
#include "ui/widgets/knob_geometry.h"
#include "ui/widgets/knob_widget.h"
#include "ui/widgets/lamp_widget.h"
#include "ui/widgets/model_button.h"
#include "ui/widgets/model_label.h"
#include "ui/widgets/model_slider.h"
#include "ui/widgets/polarity_switch.h"
#include "ui/widgets/terminal_widget.h"
#include "ui_bench.h"

using namespace ondivel;
using uitest::shown;
using uitest::snapshot;

namespace {

using Log = std::vector<std::string>;

constexpr int kSupplyA = 2, kBattery15A = 3, kBattery45A = 4, kBattery9A = 5, kMainsA = 12, kAlternatorA = 14;

template <class... W> void click(W*... widgets) {
    (QTest::mouseClick(widgets, Qt::LeftButton), ...);
}

QColor centre(QWidget& w) {
    const QImage img = w.grab().toImage();
    return img.pixelColor(img.width() / 2, img.height() / 2);
}

// A lamp shows green while lit, white glass while out.
bool glowsGreen(QWidget& lamp) {
    const QColor c = centre(lamp);
    return c.green() > c.red() + 60 && c.green() > c.blue() + 60;
}

bool near(const QColor& a, Color b, int tolerance = 60) {
    return std::abs(a.red() - redOf(b)) < tolerance && std::abs(a.green() - greenOf(b)) < tolerance &&
           std::abs(a.blue() - blueOf(b)) < tolerance;
}

int pixelsOf(const QImage& img, Color c) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += near(img.pixelColor(x, y), c, 40);
    return n;
}

// A knob of 0..max that logs its events with the value seen, on a 60-pixel widget.
struct LoggedKnob {
    Control knob{ControlKind::Knob, "Potentio", 0};
    Log log;
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

// A point of a rotary selector `degrees` clockwise from 12 o'clock, at `rim` of its width.
QPoint onDial(QWidget* dial, double degrees, double rim) {
    const double a = degrees * std::numbers::pi / 180, r = std::min(dial->width(), dial->height()) * rim;
    return dial->rect().center() + QPoint(static_cast<int>(std::lround(r * std::sin(a))),
                                          -static_cast<int>(std::lround(r * std::cos(a))));
}

ModelButton* buttonOf(QWidget& view, const Control& control) {
    for (auto* b : view.findChildren<ModelButton*>())
        if (&b->control() == &control) return b;
    return nullptr;
}

// The main window open and the oscilloscope loaded, switched off, on the recording platform.
struct ScopeBench {
    QTemporaryDir dir;
    TeePlatform platform{dir.path().toStdString()};
    Ondivel app{platform};
    FrmOndivel& scope = app.frmOndivel();

    ScopeBench() {
        platform.randomValues = {0.5, 0.5};
        app.mdi().Show();
        scope.Show();
    }
    TeeSurface& screen() { return dynamic_cast<TeeSurface&>(scope.screen()); }
};

// A 1 kHz sine of 5 V peak on CH1 at 2 V/div, wired through the panels: 2.5 divisions high.
void sineOnChannelOne(Ondivel& app) {
    FrmOndivel& scope = app.frmOndivel();
    FrmGBF& gbf = app.frmGBFA();
    uitest::clickAll({&scope.chkOn, &scope.imgBorne[0], &scope.imgBorne[2], &app.frmToolBox().optConnexion[1],
                      &gbf.chkOn, &gbf.imgBorne[0], &gbf.imgBorne[1]});
    user::drag(gbf.Potentio[0], 1000);
    user::drag(gbf.Potentio[1], 5000);
}

} // namespace

class PanelViewsTest : public QObject {
    Q_OBJECT
  private slots:
    // ---- The bound widgets.

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
        uitest::dragUp(k.w.get(), 50);
        QTest::keyClick(k.w.get(), Qt::Key_Up);
        QTest::mouseDClick(k.w.get(), Qt::LeftButton);
        QCOMPARE(k.knob.Value, 5.0);
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
        c.Enabled = false;                      // a disabled button takes no click
        bc.syncFromModel();
        QVERIFY(!bc.isEnabled());
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

    // ---- The source panels.

    void theGeneratorsTopsForwardClicksAndTheirReadoutsFollow() {
        uitest::PanelBench b;
        b.choose(FrmToolBox::kGbfA); // 650 Hz
        FrmGBF& gbf = b.app.frmGBFA();
        GeneratorView view(gbf);
        QVERIFY(shown(view));
        click(view.powerButton(), view.rangeButton(4)); // range "10" with the knob at 650: 6.5 Hz
        view.syncFromModel();
        QCOMPARE(view.readout()->shownText(), QStringLiteral("06,50"));
        QVERIFY(view.rangeButton(4)->pressedIn() && !view.rangeButton(2)->pressedIn());
        QCOMPARE(view.knob(0)->valueText(), QStringLiteral("06,50 Hz")); // as the read-out shows it

        b.choose(FrmToolBox::kHarmonicA);
        HarmonicView harmonic(b.app.frmHarmoniqueA());
        QVERIFY(shown(harmonic));
        click(harmonic.powerButton(), harmonic.terminal(0), harmonic.terminal(1), harmonic.rangeButton(5));
        harmonic.syncFromModel();
        QCOMPARE(harmonic.readout()->shownText(), QStringLiteral("0,650"));
        QVERIFY(harmonic.terminal(1)->plugged());
    }

    void harmonicSlidersPointUpAndShowTheirTabsColumns() {
        uitest::PanelBench b;
        b.choose(FrmToolBox::kHarmonicA);
        FrmHarmonique& panel = b.app.frmHarmoniqueA();
        HarmonicView view(panel);
        QVERIFY(shown(view));
        click(view.presetButton(1)); // "Carré" rewrites every column
        view.syncFromModel();
        QCOMPARE(view.amplitudeSlider(3)->value(), 333);
        QCOMPARE(view.amplitudeBar(3)->fill(), 0.333);

        // Up is a larger amplitude (the model's slider runs downwards); a hand move lets the preset go.
        view.amplitudeSlider(3)->setFocus();
        QTest::keyClick(view.amplitudeSlider(3), Qt::Key_Up);
        QCOMPARE(panel.sldAmpli[2].Value, -343.0);
        view.syncFromModel();
        QVERIFY(!view.presetButton(1)->pressedIn());
        view.phaseSlider(2)->setValue(-2);
        QCOMPARE(panel.lblPhase[1].Caption, std::string("-180°"));
        snapshot(view, "harmonic_square");

        // The second tab holds orders 11 to 20, and a sync keeps the tab's columns only.
        QVERIFY(view.amplitudeSlider(1)->isVisible() && !view.amplitudeSlider(11)->isVisible());
        view.tabs()->setCurrentIndex(1);
        QCOMPARE(panel.sstHarmo.ListIndex, 1);
        user::click(panel.optSignal[3]);
        view.syncFromModel();
        QVERIFY(!view.amplitudeSlider(1)->isVisible() && view.amplitudeSlider(20)->isVisible());
        QVERIFY(!view.phaseSlider(10)->isVisible());
        QCOMPARE(view.amplitudeSlider(16)->value(), 62);
    }

    void theBatterySwitchHalvesAndKeysChooseThePolarity() {
        uitest::PanelBench b;
        b.choose(kBattery45A);
        BatteryView view(b.app.frmPile(SideA));
        QVERIFY(shown(view));
        PolaritySwitch* sw = view.polaritySwitch();
        const QPoint upper(sw->width() / 2, sw->height() / 4), lower(sw->width() / 2, sw->height() * 3 / 4);
        QTest::mouseClick(sw, Qt::LeftButton, {}, lower);
        QCOMPARE(sw->position(), 1);
        QCOMPARE(sw->accessibleDescription(), QStringLiteral("Borne négative sur voie CH1"));
        // The same half again changes nothing; Space flips, Up is the upper half.
        for (auto [point, key, volts] : {std::tuple{lower, Qt::Key_unknown, -4.5},
                                         {upper, Qt::Key_unknown, 4.5},
                                         {QPoint(), Qt::Key_Space, -4.5},
                                         {QPoint(), Qt::Key_Up, 4.5}}) {
            if (key == Qt::Key_unknown) {
                QTest::mouseClick(sw, Qt::LeftButton, {}, point);
            } else {
                sw->setFocus();
                QTest::keyClick(sw, key);
            }
            QCOMPARE(b.app.g.AmplitudeA, volts);
        }
    }

    void theSupplyShowsItsSignedVoltageAndItsKnobsTurnIt() {
        uitest::PanelBench b;
        b.choose(kSupplyA, 0.2); // 6 V
        SupplyView view(b.app.frmAlim(SideA));
        QVERIFY(shown(view));
        QCOMPARE(view.current()->shownText(), QString()); // off: dark
        click(view.powerButton(), view.terminal(FrmAlim::kPlugCom), view.terminal(FrmAlim::kPlugNeg));
        view.syncFromModel();
        QCOMPARE(view.voltage()->shownText(), QStringLiteral("-6,00"));
        click(view.terminal(FrmAlim::kPlugPos)); // the plug moves to POS: the sign goes
        view.syncFromModel();
        QVERIFY(!view.terminal(FrmAlim::kPlugNeg)->plugged());
        // Two steps up on the fine knob: 0.2 V more.
        view.knob(1)->setFocus();
        QTest::keyClick(view.knob(1), Qt::Key_Up);
        QTest::keyClick(view.knob(1), Qt::Key_Up);
        view.syncFromModel();
        QCOMPARE(view.voltage()->shownText(), QStringLiteral("6,20"));
        QCOMPARE(view.knob(1)->valueText(), QStringLiteral("0,2 V"));
    }

    void theAlternatorsKnobsTurnTheSpeedOnItsDisplay() {
        uitest::PanelBench b;
        b.choose(kAlternatorA);
        FrmDyn& dyn = b.app.frmDyn(SideA);
        AlternatorView view(dyn);
        QVERIFY(shown(view));
        view.knob(0)->setFocus();
        QTest::keyClick(view.knob(0), Qt::Key_End); // fully right: 2500 tours/min
        QCOMPARE(view.knob(0)->valueText(), QStringLiteral("2500 tours/min"));
        uitest::dragUp(view.knob(1), 230); // the fine knob to its end
        QCOMPARE(dyn.Potentio[1].Value, 200.0);
        view.syncFromModel();
        QCOMPARE(view.readout()->shownText(), QStringLiteral("2510"));

        // The wheel, its motion arcs at full speed and the dynamo stay inside the picture: its
        // edges show only what its corner shows.
        const QImage picture = view.picture()->grab().toImage();
        const QRgb corner = picture.pixel(0, 0);
        int drawnOnEdges = 0;
        for (int x = 0; x < picture.width(); ++x)
            drawnOnEdges +=
                (picture.pixel(x, 0) != corner) + (picture.pixel(x, picture.height() - 1) != corner);
        for (int y = 0; y < picture.height(); ++y)
            drawnOnEdges +=
                (picture.pixel(0, y) != corner) + (picture.pixel(picture.width() - 1, y) != corner);
        QCOMPARE(drawnOnEdges, 0);
    }

    void theMainsRegionsPlugsLogoAndPointerFollowTheModel() {
        uitest::PanelBench b;
        b.choose(kMainsA);
        FrmEDF& edf = b.app.frmEDF(SideA);
        MainsView view(edf);
        QVERIFY(shown(view));
        click(view.terminal(FrmEDF::kNeutre), view.terminal(FrmEDF::kPhase), view.worldButton(2));
        QCOMPARE(b.app.g.FrequenceA, 60.0);
        view.syncFromModel();
        QVERIFY(view.worldButton(2)->pressedIn() && !view.worldButton(0)->pressedIn());
        QVERIFY(view.terminal(FrmEDF::kPhase)->plugged() && !view.terminal(FrmEDF::kTerre)->plugged());

        QVERIFY(view.logo()->isVisible());
        edf.Timer1.raise(edf.Timer1.on.Timer); // the logo blinks
        view.syncFromModel();
        QVERIFY(!view.logo()->isVisible());

        // The pointer passing over a terminal, no button held, is a hand.
        for (auto [w, at, shape] :
             {std::tuple<QWidget*, QPointF, Qt::CursorShape>{view.terminal(FrmEDF::kPhase), QPointF(10, 10),
                                                             Qt::PointingHandCursor},
              {&view, QPointF(5, 250), Qt::ArrowCursor}}) {
            QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                             Qt::NoModifier);
            QApplication::sendEvent(w, &move);
            QCOMPARE(view.cursor().shape(), shape);
        }
    }

    void panelsKeepTheirProportionsAtTwiceTheirSize() {
        uitest::PanelBench b;
        b.choose(FrmToolBox::kGbfA);
        GeneratorView generator(b.app.frmGBFA());
        QVERIFY(shown(generator, 2));
        QCOMPARE(generator.knob(0)->width(), 96);
        b.choose(FrmToolBox::kHarmonicA);
        HarmonicView harmonic(b.app.frmHarmoniqueA());
        QVERIFY(shown(harmonic, 2));
        QCOMPARE(harmonic.amplitudeSlider(1)->height(), 236);
        b.choose(kSupplyA);
        SupplyView supply(b.app.frmAlim(SideA));
        QVERIFY(shown(supply, 2));
        QCOMPARE(supply.knob(0)->width(), 120);
        for (int option : {kBattery15A, kBattery9A}) {
            b.choose(option);
            BatteryView battery(b.app.frmPile(SideA));
            QVERIFY(shown(battery, 2));
            // 4550 × 3000 twips less the 510-twip frame, at 15 twips a pixel.
            QCOMPARE(battery.designSize(), QSize(303, 166));
            QCOMPARE(battery.polaritySwitch()->height(), 2 * (166 - 24));
            snapshot(battery, QStringLiteral("battery_%1_zoom2").arg(option));
        }
    }

    // ---- The meters and the toolbox.

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

        QTest::mouseClick(view.selector(), Qt::LeftButton, {}, onDial(view.selector(), 95, 0.3));
        QCOMPARE(b.app.g.PositionSelecteur, FrmMultiRMS::kVoltsAC);
        view.syncFromModel();
        QCOMPARE(view.selector()->accessibleDescription(), QStringLiteral("V ~"));
        click(view.terminal(0), view.terminal(3));
        view.syncFromModel();
        QCOMPARE(view.display()->accessibleDescription(), QStringLiteral("08,49"));
        snapshot(view, "trms_sine");
        click(view.key(1), view.key(1)); // down to 6 V: overloaded
        view.syncFromModel();
        QCOMPARE(view.display()->accessibleDescription(), QStringLiteral("1."));
        click(view.key(0));
        QCOMPARE(meter.memory(), FrmMultiRMS::Memory::Max);

        // Zoomed, the selector stays round.
        view.resize(view.designSize() * 2);
        QVERIFY(view.selector()->width() >= view.designSize().width());
        QCOMPARE(view.selector()->width(), view.selector()->height());
    }

    void theVoltmeterDialFollowsADragAndTheDisplayTheReading() {
        uitest::PanelBench b; // the 9 V battery cabled on CH1
        b.app.WriteIni("Options", "Multimetre college", "1");
        FrmOndivel& scope = b.app.frmOndivel();
        uitest::clickAll({&scope.chkOn, &scope.imgBorne[0], &scope.imgBorne[2], &b.toolbox.optConnexion[5],
                          &b.toolbox.chkMulti});
        FrmVolt& volt = b.app.frmVolt();
        VoltView view(volt);
        QVERIFY(shown(view));
        click(view.terminal(FrmVolt::kPlugV), view.terminal(FrmVolt::kPlugCom));

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
        QTest::mouseClick(dial, Qt::LeftButton, {}, onDial(dial, 85, 0.2)); // V = 2 overloads
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
        click(buttonOf(view, chrono.chkAlarme), buttonOf(view, chrono.chkStart_Stop));
        b.platform.advanceSeconds(1.05);
        chrono.tmrChrono.on.Timer();
        view.syncFromModel();
        QCOMPARE(view.dialColor(), QColor(255, 0, 0));
        QCOMPARE(view.accessibleDescription(), QStringLiteral("00:01,1"));
        click(buttonOf(view, chrono.cmdRAZ));
        view.syncFromModel();
        QCOMPARE(view.dialColor(), normal);
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
        click(view.connectionButton(FrmToolBox::kGbfA));
        QVERIFY(b.app.frmGBFA().Visible);
        view.syncFromModel();
        QVERIFY(view.connectionButton(FrmToolBox::kGbfA)->pressedIn());
        QVERIFY(!view.connectionButton(FrmToolBox::kGbfB)->pressedIn()); // the other channel is untouched
        QCOMPARE(view.designSize(), QSize(48, 744));
    }

    // ---- The oscilloscope panel. Its F1 key is tried with the main window.

    void thePowerSwitchModeAndCouplingButtonsLightTheirLamps() {
        ScopeBench b;
        OscilloscopeView view(b.scope);
        QVERIFY(shown(view));
        snapshot(view, "scope_off");
        auto press = [&view](QWidget* w) {
            QTest::mouseClick(w, Qt::LeftButton);
            view.syncFromModel();
        };
        QVERIFY(!glowsGreen(*view.modeLamp(ModeDUAL)));
        press(view.powerButton());
        QVERIFY(view.powerButton()->pressedIn());
        QVERIFY(glowsGreen(*view.modeLamp(ModeDUAL))); // no settings yet: DUAL
        QVERIFY(!glowsGreen(*view.modeLamp(ModeCH1)));

        // The inversion is lit beside the mode, not instead of it.
        press(view.modeButton(1));
        press(view.modeButton(2));
        QVERIFY(glowsGreen(*view.modeLamp(ModeADD)) && glowsGreen(*view.modeLamp(kInvertLight)));
        QVERIFY(!glowsGreen(*view.modeLamp(ModeDUAL)));
        press(view.couplingButton(1));
        QVERIFY(b.scope.couplingLit(1, Coupling::DC) && b.scope.couplingLit(0, Coupling::AC));

        press(view.powerButton());
        QVERIFY(!glowsGreen(*view.modeLamp(ModeADD)));
    }

    void scaleKnobsTurnTheirDisplays() {
        ScopeBench b;
        OscilloscopeView view(b.scope);
        QVERIFY(shown(view));
        KnobWidget& timeBase = *view.knob(KnobTimeBase);
        uitest::dragUp(&timeBase, 30);
        view.syncFromModel();
        const QString dragged = view.scaleDisplay(0)->shownText();
        QVERIFY(dragged != QStringLiteral("1 ms/div"));
        QCOMPARE(QString(dragged).replace('.', ','), timeBase.valueText()); // read with a decimal comma
        QCOMPARE(QString::fromStdString(b.scope.cboBaseTemps.listText()), dragged);

        // CH1's sensitivity knob turns CH1's display only.
        KnobWidget& ch1 = *view.knob(KnobSensitivityCH1);
        ch1.setFocus();
        QTest::keyClick(&ch1, Qt::Key_Right);
        view.syncFromModel();
        QCOMPARE(view.scaleDisplay(1)->shownText(), QStringLiteral("1 V/div"));
        QCOMPARE(view.scaleDisplay(2)->shownText(), QStringLiteral("2 V/div"));

        // Position knobs speak in divisions; double-clicking one recentres its channel only.
        KnobWidget& pos1 = *view.knob(KnobPositionCH1);
        KnobWidget& pos2 = *view.knob(KnobPositionCH2);
        for (KnobWidget* k : {&pos1, &pos2}) { // end of the 1400-unit scale: seven divisions up
            k->setFocus();
            QTest::keyClick(k, Qt::Key_End);
        }
        view.syncFromModel();
        QCOMPARE(pos1.valueText(), QStringLiteral("+7,00 div"));
        QTest::mouseDClick(&pos1, Qt::LeftButton, {}, pos1.rect().center());
        view.syncFromModel();
        QCOMPARE(pos1.valueText(), QStringLiteral("0,00 div"));
        QCOMPARE(pos2.valueText(), QStringLiteral("+7,00 div"));
    }

    void theScreenDominatesThePanelAndShowsBothTracesInTheirColours() {
        ScopeBench b;
        OscilloscopeView view(b.scope);
        QVERIFY(shown(view, 1.5));
        QCOMPARE(view.designSize(), QSize(700, 520));
        ScreenWidget& screen = *view.screen();
        QVERIFY(screen.width() * 3 > view.width() * 2 - 60);
        QVERIFY(screen.height() * 10 > view.height() * 7);
        // Five by four like the screen's coordinates, so divisions stay square.
        QVERIFY(std::abs(screen.width() * 4 - screen.height() * 5) <= 8);
        QCOMPARE(view.knob(KnobTimeBase)->width(), 75);
        QCOMPARE(screen.toolTip(),
                 QStringLiteral("Double-cliquez sur l'écran pour afficher en plein écran."));
        QCOMPARE(view.powerButton()->toolTip(), QStringLiteral("Bouton Marche/Arrêt"));
        QCOMPARE(pixelsOf(screen.grab().toImage(), b.app.g.CouleurA), 0);

        // Both channels wired to sources the panels would set: a 1 kHz sine and a 500 Hz square.
        click(view.powerButton(), view.terminal(0), view.terminal(1), view.terminal(2));
        Globals& g = b.app.g;
        g.SourceBrancheeA = g.SourceBrancheeB = true;
        g.SignalA = "Sinus", g.AmplitudeA = 3, g.FrequenceA = 1000;
        g.SignalB = "Carre", g.AmplitudeB = 2, g.FrequenceB = 500;
        b.app.RefreshDisplay();
        view.syncFromModel();
        const QImage lit = screen.grab().toImage();
        QVERIFY(pixelsOf(lit, g.CouleurA) > 300);
        QVERIFY(pixelsOf(lit, g.CouleurB) > 300);
        snapshot(view, "scope_dual_zoom15");
    }

    void tracePixelsLieOnTheRecordedSegments_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("one pixel a unit") << QSize(1005, 805);
        QTest::newRow("half size") << QSize(503, 403);
        QTest::newRow("stretched") << QSize(1300, 600);
    }
    void tracePixelsLieOnTheRecordedSegments() {
        QFETCH(QSize, size);
        ScopeBench b;
        ScreenWidget w(b.scope);
        w.resize(size);
        w.show();
        sineOnChannelOne(b.app);
        const TeeSurface& screen = b.screen();
        const Color trace = b.app.g.CouleurA;
        QCOMPARE(screen.painted().pixelSize(), size);

        // Some pixel of the trace's colour within two pixels of each segment's middle.
        const QImage& img = screen.painted().image();
        int checked = 0;
        for (const RecordedLine& l : screen.lines()) {
            if (l.color != trace) continue;
            const QPoint mid = screen.painted().toDevice((l.x1 + l.x2) / 2, (l.y1 + l.y2) / 2).toPoint();
            bool found = false;
            for (int dy = -2; dy <= 2 && !found; ++dy)
                for (int dx = -2; dx <= 2 && !found; ++dx)
                    found = img.rect().contains(mid + QPoint(dx, dy)) &&
                            near(img.pixelColor(mid + QPoint(dx, dy)), trace);
            QVERIFY2(found, qPrintable(QString("no trace at %1,%2").arg(l.x1).arg(l.y1)));
            ++checked;
        }
        QVERIFY(checked > 100);
        // The crest is 2.5 divisions up: nothing of the trace above 3 divisions.
        const int threeDivisionsUp = static_cast<int>(size.height() * 100.0 / 805);
        for (int x = 0; x < size.width(); ++x)
            QVERIFY(!near(img.pixelColor(x, threeDivisionsUp), trace));
    }

    void theGraticuleIsTheBackgroundOfTheScreen() {
        ScopeBench b;
        ScreenWidget w(b.scope);
        w.resize(1005, 805);
        w.show();
        const QImage& img = b.screen().painted().image();
        // The frame at x = -500, the screen colour inside a division, the centre line at y = 0.
        QVERIFY(near(img.pixelColor(0, 200), b.app.g.CouleurCadre));
        QVERIFY(near(img.pixelColor(50, 50), b.app.g.CouleurEcran));
        QVERIFY(near(img.pixelColor(250, 400), b.app.g.CouleurGrille));
    }

    void mouseEventsGiveTheReadoutThePointerAndTheFullScreen() {
        ScopeBench b;
        user::click(b.scope.chkOn);
        ScreenWidget w(b.scope);
        w.resize(1005, 805);
        w.show();
        // Widget pixel (625, 475) is 1.25 divisions right and 0.75 down.
        QTest::mouseMove(&w, QPoint(625, 475));
        const Control& readout = b.scope.lblPositionCurseur;
        QCOMPARE(QString::fromStdString(readout.Caption), QString(" x = 1.25 div \r\n  y = -0.75 div "));
        QCOMPARE(w.toUser(QPointF(1005, 805)), QPointF(505, -405));

        // Drawn over the picture at its model position, in the label's colours.
        const QImage shot = w.grab().toImage();
        const QPointF corner = w.toWidget({readout.Left, readout.Top});
        QVERIFY(near(shot.pixelColor(corner.toPoint() + QPoint(4, 4)), readout.BackColor));
        // The place in volts under it, in the same colours, with no gap for the tooltip to take.
        const Control& volts = b.scope.lblPositionVolts;
        QVERIFY(volts.Visible);
        const QPoint voltsInside = w.toWidget({volts.Left, volts.Top}).toPoint() + QPoint(4, 4);
        QVERIFY(near(shot.pixelColor(voltsInside), readout.BackColor));
        QVERIFY(w.toolTipKeepOut().contains(voltsInside));

        // The screen's tooltip goes beside the pointer, not over the read-outs.
        ToolTipFilter tips;
        w.setToolTip(QString::fromStdString(b.scope.picEcran.ToolTipText));
        QHelpEvent help(QEvent::ToolTip, QPoint(625, 475), w.mapToGlobal(QPoint(625, 475)));
        QVERIFY(tips.eventFilter(&w, &help));
        QWidget* tip = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->inherits("QTipLabel") && top->isVisible()) tip = top;
        QVERIFY(tip);
        QVERIFY(!tip->geometry().intersects(w.toolTipKeepOut().translated(w.mapToGlobal(QPoint(0, 0)))));
        QVERIFY(!tip->geometry().contains(help.globalPos()));
        if (const QByteArray dir = qgetenv("ONDIVEL_UI_SNAPSHOTS"); !dir.isEmpty()) {
            QPixmap scene = w.grab();
            QPainter(&scene).drawPixmap(tip->pos() - w.mapToGlobal(QPoint(0, 0)), tip->grab());
            scene.save(QString::fromUtf8(dir) + "/screen_tooltip.png");
        }
        // Leaving the screen takes the read-out away.
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&w, &leave);
        QVERIFY(!readout.Visible);
        QVERIFY(w.toolTipKeepOut().isEmpty());

        // The model's custom pointer is a cross-hair.
        b.scope.MousePointer = 99;
        w.syncFromModel();
        QCOMPARE(w.cursor().shape(), Qt::BitmapCursor);
        b.scope.MousePointer = 0;
        w.syncFromModel();
        QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);

        // A double-click opens the full-screen view, a click there closes it.
        QTest::mouseDClick(&w, Qt::LeftButton, {}, QPoint(250, 200));
        QVERIFY(b.app.frmFullScreen().loaded());
        ScreenWidget full(b.app.frmFullScreen());
        full.resize(640, 400);
        full.show();
        QTest::mouseClick(&full, Qt::LeftButton, {}, QPoint(300, 200));
        QVERIFY(!b.app.frmFullScreen().loaded());
    }

    void aPressNearAMeasurementCursorDragsItAndIsNoClick() {
        ScopeBench b;
        user::click(b.scope.chkOn);
        user::click(b.app.mdi().Mnu_Curseurs);
        ScreenWidget w(b.scope);
        w.resize(1005, 805); // one pixel a screen unit: x = px − 500, y = 400 − py
        w.show();
        const FrmCurseurs& cursors = b.app.frmCurseurs();
        // t1 rests at x −200 (pixel 300): 4 pixels off still grabs it.
        uitest::drag(&w, QPoint(304, 100), QPoint(550, 120));
        QCOMPARE(cursors.position(FrmCurseurs::T1), 50.0);
        QCOMPARE(cursors.selected(), int(FrmCurseurs::T1));
        // V2 rests at y 200 (pixel 200); x 100 is clear of t1 and t2.
        uitest::drag(&w, QPoint(600, 197), QPoint(600, 300));
        QCOMPARE(cursors.position(FrmCurseurs::V2), 100.0);
        // Away from every line nothing moves.
        uitest::drag(&w, QPoint(520, 420), QPoint(900, 600));
        QCOMPARE(cursors.position(FrmCurseurs::T1), 50.0);
        QCOMPARE(cursors.position(FrmCurseurs::V2), 100.0);
    }
};

QTEST_MAIN(PanelViewsTest)
#include "panel_views_test.moc"
