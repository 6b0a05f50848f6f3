// The source panel views: the buttons, knobs, sliders and terminals a user works reach the right
// controls of the model, the views follow the model, and they keep their proportions when zoomed.
#include <QtTest>
#include <memory>

#include "bench/sources/frm_alim.h"
#include "bench/sources/frm_dyn.h"
#include "bench/sources/frm_edf.h"
#include "bench/sources/frm_gbf.h"
#include "bench/sources/frm_harmonique.h"
#include "bench/sources/frm_pile.h"
#include "ui/sources/frm_alim_view.h"
#include "ui/sources/frm_dyn_view.h"
#include "ui/sources/frm_edf_view.h"
#include "ui/sources/frm_gbf_view.h"
#include "ui/sources/frm_harmonique_view.h"
#include "ui/sources/frm_pile_view.h"
#include "ui/sources/harmonic_widgets.h"
#include "ui/widgets/digital_readout.h"
#include "ui/widgets/knob_widget.h"
#include "ui/widgets/model_button.h"
#include "ui/widgets/model_slider.h"
#include "ui/widgets/polarity_switch.h"
#include "ui/widgets/terminal_widget.h"
#include "ui_bench.h"

using namespace ondivel;
using uitest::shown;
using uitest::snapshot;

namespace {

constexpr int kSupplyA = 2, kBattery15A = 3, kBattery45A = 4, kBattery9A = 5, kMainsA = 12, kAlternatorA = 14;

template <class View, class Model> std::unique_ptr<View> zoomedTwice(Model& model) {
    auto view = std::make_unique<View>(model);
    if (!shown(*view, 2)) qFatal("view not exposed");
    return view;
}

template <class... W> void click(W*... widgets) {
    (QTest::mouseClick(widgets, Qt::LeftButton), ...);
}

} // namespace

class SourceViewsTest : public QObject {
    Q_OBJECT
  private slots:
    void theGeneratorsTopForwardsClicksAndItsReadoutFollows() {
        uitest::PanelBench b;
        b.choose(FrmToolBox::kGbfA); // 650 Hz
        FrmGBF& gbf = b.app.frmGBFA();
        GeneratorView view(gbf);
        QVERIFY(shown(view));
        click(view.powerButton());
        click(view.rangeButton(4)); // range "10" with the knob at 650: 6.5 Hz
        QVERIFY(gbf.optGamme[4].isOn());
        view.syncFromModel();
        QCOMPARE(view.readout()->shownText(), QStringLiteral("06,50"));
        QVERIFY(view.rangeButton(4)->pressedIn() && !view.rangeButton(2)->pressedIn());
        QCOMPARE(view.knob(0)->valueText(), QStringLiteral("6,5 Hz"));

        // The harmonic generator's top works the same way.
        b.choose(FrmToolBox::kHarmonicA);
        HarmonicView harmonic(b.app.frmHarmoniqueA());
        QVERIFY(shown(harmonic));
        click(harmonic.powerButton(), harmonic.terminal(0), harmonic.terminal(1), harmonic.rangeButton(5));
        QVERIFY(b.app.g.SourceBrancheeA);
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
        QVERIFY(view.presetButton(1)->pressedIn());
        QCOMPARE(view.amplitudeSlider(3)->value(), 333);
        QCOMPARE(view.amplitudeBar(3)->fill(), 0.333);
        QCOMPARE(view.amplitudeBar(2)->fill(), 0.0);

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

    void theBatterySwitchHalvesChooseThePolarity() {
        uitest::PanelBench b;
        b.choose(kBattery45A);
        BatteryView view(b.app.frmPile(SideA));
        QVERIFY(shown(view));
        PolaritySwitch* sw = view.polaritySwitch();
        const QPoint upper(sw->width() / 2, sw->height() / 4), lower(sw->width() / 2, sw->height() * 3 / 4);
        QCOMPARE(sw->position(), 0);
        QTest::mouseClick(sw, Qt::LeftButton, {}, lower);
        QCOMPARE(b.app.g.AmplitudeA, -4.5);
        QCOMPARE(sw->position(), 1);
        QCOMPARE(sw->accessibleDescription(), QStringLiteral("Borne négative sur voie CH1"));
        QTest::mouseClick(sw, Qt::LeftButton, {}, lower); // the same half again changes nothing
        QCOMPARE(b.app.g.AmplitudeA, -4.5);
        QTest::mouseClick(sw, Qt::LeftButton, {}, upper);
        QCOMPARE(b.app.g.AmplitudeA, 4.5);
        sw->setFocus();
        QTest::keyClick(sw, Qt::Key_Space);
        QCOMPARE(b.app.g.AmplitudeA, -4.5);
        QTest::keyClick(sw, Qt::Key_Up);
        QCOMPARE(b.app.g.AmplitudeA, 4.5);
    }

    void theSupplyShowsItsSignedVoltageAndItsKnobsTurnIt() {
        uitest::PanelBench b;
        b.choose(kSupplyA, 0.2); // 6 V
        FrmAlim& alim = b.app.frmAlim(SideA);
        SupplyView view(alim);
        QVERIFY(shown(view));
        QCOMPARE(view.current()->shownText(), QString()); // off: dark
        click(view.powerButton(), view.terminal(FrmAlim::kPlugCom), view.terminal(FrmAlim::kPlugNeg));
        view.syncFromModel();
        QCOMPARE(view.voltage()->shownText(), QStringLiteral("-6,00"));
        QCOMPARE(view.current()->shownText(), QStringLiteral("0,00"));
        click(view.terminal(FrmAlim::kPlugPos)); // the plug moves to POS: the sign goes
        view.syncFromModel();
        QVERIFY(!view.terminal(FrmAlim::kPlugNeg)->plugged());
        QCOMPARE(view.voltage()->shownText(), QStringLiteral("6,00"));

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
        QCOMPARE(view.readout()->shownText(), QStringLiteral("1000"));
        view.knob(0)->setFocus();
        QTest::keyClick(view.knob(0), Qt::Key_End); // fully right: 2500 tours/min
        QCOMPARE(dyn.Potentio[0].Value, 2500.0);
        QCOMPARE(view.knob(0)->valueText(), QStringLiteral("2500 tours/min"));
        uitest::dragUp(view.knob(1), 230); // the fine knob to its end
        QCOMPARE(dyn.Potentio[1].Value, 200.0);
        view.syncFromModel();
        QCOMPARE(view.readout()->shownText(), QStringLiteral("2510"));
    }

    void theMainsRegionsPlugsLogoAndPointerFollowTheModel() {
        uitest::PanelBench b;
        b.choose(kMainsA);
        FrmEDF& edf = b.app.frmEDF(SideA);
        MainsView view(edf);
        QVERIFY(shown(view));
        QVERIFY(view.worldButton(0)->pressedIn());
        click(view.terminal(FrmEDF::kNeutre), view.terminal(FrmEDF::kPhase), view.worldButton(2));
        QCOMPARE(b.app.g.FrequenceA, 60.0);
        view.syncFromModel();
        QVERIFY(view.worldButton(2)->pressedIn() && !view.worldButton(0)->pressedIn());
        QVERIFY(view.terminal(FrmEDF::kPhase)->plugged() && !view.terminal(FrmEDF::kTerre)->plugged());
        click(view.terminal(FrmEDF::kTerre)); // a third plug pulls the one before
        view.syncFromModel();
        QVERIFY(!view.terminal(FrmEDF::kPhase)->plugged());

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
        QCOMPARE(zoomedTwice<GeneratorView>(b.app.frmGBFA())->knob(0)->width(), 96);
        b.choose(FrmToolBox::kHarmonicA);
        QCOMPARE(zoomedTwice<HarmonicView>(b.app.frmHarmoniqueA())->amplitudeSlider(1)->height(), 236);
        b.choose(kSupplyA);
        QCOMPARE(zoomedTwice<SupplyView>(b.app.frmAlim(SideA))->knob(0)->width(), 120);
        for (int option : {kBattery15A, kBattery9A}) {
            b.choose(option);
            const auto view = zoomedTwice<BatteryView>(b.app.frmPile(SideA));
            // 4550 × 3000 twips less the 510-twip frame, at 15 twips a pixel.
            QCOMPARE(view->designSize(), QSize(303, 166));
            QCOMPARE(view->polaritySwitch()->height(), 2 * (166 - 24));
            snapshot(*view, QStringLiteral("battery_%1_zoom2").arg(option));
        }
    }
};

QTEST_MAIN(SourceViewsTest)
#include "source_views_test.moc"
