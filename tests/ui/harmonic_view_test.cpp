// The harmonic generator view: user moves reach the model, and the view follows the model.
#include <QtTest>

#include "core/user_input.h"
#include "meters/frm_toolbox.h"
#include "sources/frm_harmonique.h"
#include "ui/views/harmonic_view.h"
#include "ui/views/harmonic_widgets.h"
#include "ui/widgets/digital_readout.h"
#include "ui/widgets/model_button.h"
#include "ui/widgets/model_slider.h"
#include "ui/widgets/terminal_widget.h"
#include "ui_bench.h"

using namespace ondivel;
using uitest::snapshot;

namespace {

// A fresh bench with harmonic generator A opened from the toolbox, drawing 650 Hz and 6 V.
struct Bench : uitest::PanelBench {
    FrmHarmonique& panel = app.frmHarmoniqueA();
    Bench() { choose(FrmToolBox::kHarmonicA); }
};

} // namespace

class HarmonicViewTest : public QObject {
    Q_OBJECT
  private slots:
    void aPresetClickRewritesEveryColumnAndAHandMoveLetsItGo() {
        Bench b;
        HarmonicView view(b.panel);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTest::mouseClick(view.presetButton(1), Qt::LeftButton); // "Carré"
        QVERIFY(b.panel.optSignal[1].isOn());
        view.syncFromModel();
        QVERIFY(view.presetButton(1)->pressedIn());
        QCOMPARE(view.amplitudeSlider(3)->value(), 333);
        QCOMPARE(view.amplitudeBar(3)->fill(), 0.333);
        QCOMPARE(view.amplitudeBar(2)->fill(), 0.0);

        // Up is a larger amplitude: the top of the slider is 100 %.
        view.amplitudeSlider(3)->setFocus();
        QTest::keyClick(view.amplitudeSlider(3), Qt::Key_Up);
        QCOMPARE(b.panel.sldAmpli[2].Value, -343.0);
        QCOMPARE(b.panel.lblAmpli[2].Caption, std::string("34,3"));
        QVERIFY(!b.panel.optSignal[1].isOn());
        view.syncFromModel();
        QVERIFY(!view.presetButton(1)->pressedIn());
        snapshot(view, "harmonic_square");

        view.phaseSlider(2)->setValue(-2);
        QCOMPARE(b.panel.lblPhase[1].Caption, std::string("-180°"));
    }

    void theSecondTabShowsOrdersElevenToTwenty() {
        Bench b;
        HarmonicView view(b.panel);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(view.amplitudeSlider(1)->isVisible());
        QVERIFY(!view.amplitudeSlider(11)->isVisible());
        view.tabs()->setCurrentIndex(1);
        QCOMPARE(b.panel.sstHarmo.ListIndex, 1);
        QVERIFY(!view.amplitudeSlider(1)->isVisible());
        QVERIFY(view.amplitudeSlider(20)->isVisible());
        // A sync after any handler keeps the tab's columns only.
        user::click(b.panel.optSignal[3]);
        view.syncFromModel();
        QVERIFY(!view.phaseSlider(10)->isVisible());
        QCOMPARE(view.amplitudeSlider(16)->value(), 62);
        snapshot(view, "harmonic_tab2");
    }

    void theGeneratorTopDrivesTheFrequencyAndTheCables() {
        Bench b;
        HarmonicView view(b.panel);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.readout()->shownText(), QString());
        QTest::mouseClick(view.powerButton(), Qt::LeftButton);
        QTest::mouseClick(view.terminal(0), Qt::LeftButton);
        QTest::mouseClick(view.terminal(1), Qt::LeftButton);
        QVERIFY(b.app.g.SourceBrancheeA);
        QTest::mouseClick(view.rangeButton(5), Qt::LeftButton);
        QCOMPARE(b.app.g.FrequenceA, 0.65);
        view.syncFromModel();
        QCOMPARE(view.readout()->shownText(), QStringLiteral("0,650"));
        QVERIFY(view.terminal(1)->plugged());
        snapshot(view, "harmonic_on");

        view.resize(view.designSize() * 2);
        QCOMPARE(view.amplitudeSlider(1)->height(), 236);
        snapshot(view, "harmonic_zoom2");
    }
};

QTEST_MAIN(HarmonicViewTest)
#include "harmonic_view_test.moc"
