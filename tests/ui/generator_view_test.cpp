// The generator panel view: clicks reach the model and the view follows it.
#include <QtTest>

#include "core/user_input.h"
#include "meters/frm_toolbox.h"
#include "sources/frm_gbf.h"
#include "ui/views/generator_view.h"
#include "ui/widgets/digital_readout.h"
#include "ui/widgets/knob_widget.h"
#include "ui/widgets/model_button.h"
#include "ui/widgets/terminal_widget.h"
#include "ui_bench.h"

using namespace ondivel;
using uitest::snapshot;

namespace {

// A fresh bench with generator A opened from the toolbox, drawing 650 Hz and 6 V.
struct Bench : uitest::PanelBench {
    FrmGBF& gbf = app.frmGBFA();
    Bench() { choose(FrmToolBox::kGbfA); }
};

} // namespace

class GeneratorViewTest : public QObject {
    Q_OBJECT
  private slots:
    void rangeClickReachesTheModelAndTheReadoutFollows() {
        Bench b;
        GeneratorView view(b.gbf);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        // Off at load: the display is dark.
        QCOMPARE(view.readout()->shownText(), QString());

        QTest::mouseClick(view.powerButton(), Qt::LeftButton);
        QCOMPARE(b.gbf.chkOn.Caption, std::string("Off"));
        view.syncFromModel();
        QCOMPARE(view.readout()->shownText(), QStringLiteral("0,650"));

        // Range "10" with the knob at 650: 6.5 Hz, shown as 06,50 Hz.
        QTest::mouseClick(view.rangeButton(4), Qt::LeftButton);
        QCOMPARE(b.app.g.FrequenceA, 6.5);
        QVERIFY(b.gbf.optGamme[4].isOn());
        view.syncFromModel();
        QCOMPARE(view.readout()->shownText(), QStringLiteral("06,50"));
        QVERIFY(view.rangeButton(4)->pressedIn());
        QVERIFY(!view.rangeButton(2)->pressedIn());
        QCOMPARE(view.knob(0)->valueText(), QStringLiteral("6,5 Hz"));
    }

    void theReadoutFollowsAKnobTurnedByTheModel() {
        Bench b;
        GeneratorView view(b.gbf);
        user::click(b.gbf.chkOn);
        user::drag(b.gbf.Potentio[0], 1200);
        view.syncFromModel();
        QCOMPARE(view.readout()->shownText(), QStringLiteral("1,200"));
        // Switched off, the read-out goes dark again.
        user::click(b.gbf.chkOn);
        view.syncFromModel();
        QCOMPARE(view.readout()->shownText(), QString());
    }

    void theViewKeepsItsProportionsWhenZoomed() {
        Bench b;
        GeneratorView view(b.gbf);
        QCOMPARE(view.designSize(), QSize(275, 329));
        view.resize(view.designSize() * 2);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.knob(0)->width(), 96);
        snapshot(view, "generator_zoom2");
    }
};

QTEST_MAIN(GeneratorViewTest)
#include "generator_view_test.moc"
