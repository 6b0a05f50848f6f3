// The battery and supply panel views: clicks and drags reach the models and the views follow them.
#include <QtTest>

#include "core/user_input.h"
#include "meters/frm_toolbox.h"
#include "sources/frm_alim.h"
#include "sources/frm_pile.h"
#include "ui/views/battery_view.h"
#include "ui/views/supply_view.h"
#include "ui/widgets/digital_readout.h"
#include "ui/widgets/knob_widget.h"
#include "ui/widgets/model_button.h"
#include "ui/widgets/polarity_switch.h"
#include "ui/widgets/terminal_widget.h"
#include "ui_bench.h"

using namespace ondivel;
using uitest::snapshot;

namespace {

// A fresh bench with the toolbox shown and nothing wired.
struct Bench : uitest::PanelBench {
    FrmAlim& supply(double random) {
        choose(2, random);
        return app.frmAlim(SideA);
    }
};

void show(QWidget& w) {
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
}

} // namespace

class DcViewsTest : public QObject {
    Q_OBJECT
  private slots:
    void theSwitchHalvesChooseThePolarity() {
        Bench b;
        user::click(b.toolbox.optConnexion[4]);
        FrmPile& pile = b.app.frmPile(SideA);
        BatteryView view(pile);
        show(view);
        PolaritySwitch* sw = view.polaritySwitch();
        QCOMPARE(sw->position(), 0);
        snapshot(view, "battery_45");

        QTest::mouseClick(sw, Qt::LeftButton, {}, QPoint(sw->width() / 2, sw->height() * 3 / 4));
        QCOMPARE(b.app.g.AmplitudeA, -4.5);
        QCOMPARE(sw->position(), 1);
        QCOMPARE(sw->accessibleDescription(), QStringLiteral("Borne négative sur voie CH1"));
        // The lower half again changes nothing; the upper half and the keyboard go back.
        QTest::mouseClick(sw, Qt::LeftButton, {}, QPoint(sw->width() / 2, sw->height() * 3 / 4));
        QCOMPARE(b.app.g.AmplitudeA, -4.5);
        QTest::mouseClick(sw, Qt::LeftButton, {}, QPoint(sw->width() / 2, sw->height() / 4));
        QCOMPARE(b.app.g.AmplitudeA, 4.5);
        sw->setFocus();
        QTest::keyClick(sw, Qt::Key_Space);
        QCOMPARE(b.app.g.AmplitudeA, -4.5);
        QTest::keyClick(sw, Qt::Key_Up);
        QCOMPARE(b.app.g.AmplitudeA, 4.5);
    }

    void eachBatteryIsDrawnInTheClientArea() {
        Bench b;
        for (int option : {3, 5}) {
            user::click(b.toolbox.optConnexion[option]);
            BatteryView view(b.app.frmPile(SideA));
            // 4550 × 3000 twips less the 510-twip frame, at 15 twips a pixel.
            QCOMPARE(view.designSize(), QSize(303, 166));
            view.resize(view.designSize() * 2);
            show(view);
            snapshot(view, option == 3 ? "battery_15_zoom2" : "battery_9_zoom2");
            QCOMPARE(view.polaritySwitch()->height(), 2 * (166 - 24));
        }
    }

    void theSupplyDisplaysItsSignedVoltageOnceSwitchedOn() {
        Bench b;
        FrmAlim& alim = b.supply(0.2); // 6 V
        SupplyView view(alim);
        show(view);
        QCOMPARE(view.voltage()->shownText(), QString());
        QCOMPARE(view.current()->shownText(), QString());
        snapshot(view, "supply_off");

        QTest::mouseClick(view.powerButton(), Qt::LeftButton);
        QCOMPARE(alim.chkOnOff.Caption, std::string("Off"));
        QTest::mouseClick(view.terminal(FrmAlim::kPlugCom), Qt::LeftButton);
        QTest::mouseClick(view.terminal(FrmAlim::kPlugNeg), Qt::LeftButton);
        QVERIFY(b.app.g.SourceBrancheeA);
        view.syncFromModel();
        QCOMPARE(view.voltage()->shownText(), QStringLiteral("-6,00"));
        QCOMPARE(view.current()->shownText(), QStringLiteral("0,00"));
        QVERIFY(view.terminal(FrmAlim::kPlugNeg)->plugged());
        snapshot(view, "supply_neg");

        // The plug moves to POS: the sign goes.
        QTest::mouseClick(view.terminal(FrmAlim::kPlugPos), Qt::LeftButton);
        view.syncFromModel();
        QVERIFY(!view.terminal(FrmAlim::kPlugNeg)->plugged());
        QCOMPARE(view.voltage()->shownText(), QStringLiteral("6,00"));
        QCOMPARE(b.app.g.AmplitudeA, 6.0);
    }

    void theKnobsTurnTheSupplyAndSayWhatTheyAreWorth() {
        Bench b;
        FrmAlim& alim = b.supply(0.5);
        SupplyView view(alim);
        show(view);
        QCOMPARE(view.knob(0)->valueText(), QStringLiteral("15 V"));
        QCOMPARE(view.knob(1)->valueText(), QStringLiteral("0 V"));
        user::click(alim.chkOnOff);
        view.knob(1)->setFocus();
        // Two steps up on the fine knob: 0.2 V more.
        QTest::keyClick(view.knob(1), Qt::Key_Up);
        QTest::keyClick(view.knob(1), Qt::Key_Up);
        QCOMPARE(b.app.g.AmplitudeA, 15.2);
        view.syncFromModel();
        QCOMPARE(view.voltage()->shownText(), QStringLiteral("15,2"));
        QCOMPARE(view.knob(1)->valueText(), QStringLiteral("0,2 V"));
        view.resize(view.designSize() * 2);
        snapshot(view, "supply_zoom2");
        QCOMPARE(view.knob(0)->width(), 120);
    }
};

QTEST_MAIN(DcViewsTest)
#include "dc_views_test.moc"
