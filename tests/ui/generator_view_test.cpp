// The generator panel view: clicks reach the model and the view follows it.
// Snapshots for a look: ONDIVEL_UI_SNAPSHOTS=/tmp/shots build/tests/ui_generator_view_test
#include <QTemporaryDir>
#include <QtTest>

#include "core/ondivel.h"
#include "core/testing/fake_platform.h"
#include "core/user_input.h"
#include "meters/frm_toolbox.h"
#include "sources/frm_gbf.h"
#include "ui/views/generator_view.h"
#include "ui/widgets/digital_readout.h"
#include "ui/widgets/knob_widget.h"
#include "ui/widgets/model_button.h"
#include "ui/widgets/terminal_widget.h"

using namespace ondivel;

namespace {

// A fresh bench with generator A opened from the toolbox, drawing 650 Hz and 6 V.
struct Bench {
    QTemporaryDir dir;
    FakePlatform platform{dir.path().toStdString()};
    Ondivel app{platform};
    FrmGBF& gbf = app.frmGBFA();

    Bench() {
        app.g.FichierConfig = (dir.path() + "/ConfOND_eleve1.ini").toStdString();
        app.g.CouleurA = 65535;
        FrmToolBox& toolbox = app.frmToolBox();
        toolbox.Show();
        toolbox.optConnexion[FrmToolBox::kNoneA].setValue(1);
        platform.randomValues = {0.5, 0.5};
        user::click(toolbox.optConnexion[FrmToolBox::kGbfA]);
    }
};

void snapshot(QWidget& w, const char* name) {
    const QByteArray dir = qgetenv("ONDIVEL_UI_SNAPSHOTS");
    if (!dir.isEmpty()) w.grab().save(QString::fromUtf8(dir) + "/" + name + ".png");
}

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

    void terminalClicksPlugAndUnplugTheCables() {
        Bench b;
        GeneratorView view(b.gbf);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTest::mouseClick(view.powerButton(), Qt::LeftButton);
        QTest::mouseClick(view.terminal(0), Qt::LeftButton);
        QTest::mouseClick(view.terminal(1), Qt::LeftButton);
        QVERIFY(b.app.g.SourceBrancheeA);
        view.syncFromModel();
        QVERIFY(view.terminal(0)->plugged() && view.terminal(1)->plugged());
        snapshot(view, "generator_on");
        // A click on the plug pulls it out.
        QTest::mouseClick(view.terminal(1), Qt::LeftButton);
        QVERIFY(!b.gbf.imgFiche[1].Visible);
        QVERIFY(!b.app.g.SourceBrancheeA);
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
