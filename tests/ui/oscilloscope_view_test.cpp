// The oscilloscope front panel: its buttons, knobs and terminals reach the model, its lamps and
// scale displays follow it; its screen's pixels lie where the renderer put the model's segments at
// any size, and mouse events on the screen reach the model. Its F1 key is tried with the main
// window.
#include <QtTest>

#include "bench/main/mdi_ondivel.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_full_screen.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/scales.h"
#include "bench/sources/frm_gbf.h"
#include "core/recording_surface.h"
#include "core/user_input.h"
#include "ui/scope/frm_ondivel_view.h"
#include "ui/scope/screen_widget.h"
#include "ui/surface/qt_surface.h"
#include "ui/surface/tee_platform.h"
#include "ui/widgets/knob_widget.h"
#include "ui/widgets/lamp_widget.h"
#include "ui/widgets/model_button.h"
#include "ui/widgets/terminal_widget.h"
#include "ui_bench.h"

using namespace ondivel;
using uitest::snapshot;

namespace {

// A fresh bench with the main window open and the oscilloscope loaded, switched off.
struct Bench {
    QTemporaryDir dir;
    TeePlatform platform{dir.path().toStdString()};
    Ondivel app{platform};
    FrmOndivel& scope = app.frmOndivel();

    Bench() {
        platform.randomValues = {0.5, 0.5};
        app.mdi().Show();
        scope.Show();
    }
    TeeSurface& screen() { return dynamic_cast<TeeSurface&>(scope.screen()); }
};

struct Shown {
    OscilloscopeView view;
    explicit Shown(FrmOndivel& scope, double zoom = 1) : view(scope) {
        view.resize(view.designSize() * zoom);
        QVERIFY(uitest::exposed(view));
    }
    void click(QWidget* w) {
        QTest::mouseClick(w, Qt::LeftButton);
        view.syncFromModel();
    }
};

// A lamp shows green while lit, white glass while out: read the colour at its centre.
bool glowsGreen(QWidget& lamp) {
    const QImage img = lamp.grab().toImage();
    const QColor c = img.pixelColor(img.width() / 2, img.height() / 2);
    return c.green() > c.red() + 60 && c.green() > c.blue() + 60;
}

bool near(const QColor& a, Color b, int tolerance = 60) {
    return std::abs(a.red() - redOf(b)) < tolerance && std::abs(a.green() - greenOf(b)) < tolerance &&
           std::abs(a.blue() - blueOf(b)) < tolerance;
}

// True when a pixel of colour c lies within two pixels of the device point.
bool paintedNear(const QImage& img, QPointF at, Color c) {
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            const QPoint p(static_cast<int>(at.x()) + dx, static_cast<int>(at.y()) + dy);
            if (img.rect().contains(p) && near(img.pixelColor(p), c)) return true;
        }
    return false;
}

int pixelsOf(const QImage& img, Color c) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (near(img.pixelColor(x, y), c, 40)) ++n;
    return n;
}

// Source A, a 1 kHz sine of 3 V peak, and source B, a 500 Hz square of 2 V peak, both wired;
// the globals the source panels would set.
void wireSources(Ondivel& app) {
    Globals& g = app.g;
    g.SourceBrancheeA = g.SourceBrancheeB = true;
    g.SignalA = "Sinus";
    g.AmplitudeA = 3;
    g.FrequenceA = 1000;
    g.SignalB = "Carre";
    g.AmplitudeB = 2;
    g.FrequenceB = 500;
    app.RefreshDisplay();
}

// A 1 kHz sine of 5 V peak on CH1 at 2 V/div: 2.5 divisions high, one period a division.
void sineOnChannelOne(Ondivel& app) {
    FrmOndivel& scope = app.frmOndivel();
    user::click(scope.chkOn);
    user::click(scope.imgBorne[0]);
    user::click(scope.imgBorne[2]);
    user::click(app.frmToolBox().optConnexion[1]);
    FrmGBF& gbf = app.frmGBFA();
    user::click(gbf.chkOn);
    user::click(gbf.imgBorne[0]);
    user::click(gbf.imgBorne[1]);
    user::drag(gbf.Potentio[0], 1000);
    user::drag(gbf.Potentio[1], 5000);
}

} // namespace

class OscilloscopeViewTest : public QObject {
    Q_OBJECT
  private slots:
    void thePowerSwitchModeAndCouplingButtonsLightTheirLamps() {
        Bench b;
        Shown s(b.scope);
        snapshot(s.view, "scope_off");
        for (int i = 0; i < 6; ++i)
            QVERIFY(!glowsGreen(*s.view.modeLamp(i)));
        s.click(s.view.powerButton());
        QVERIFY(s.view.powerButton()->pressedIn());
        // No settings yet: DUAL.
        QVERIFY(glowsGreen(*s.view.modeLamp(ModeDUAL)));
        QVERIFY(!glowsGreen(*s.view.modeLamp(ModeCH1)));
        QVERIFY(!glowsGreen(*s.view.modeLamp(kInvertLight)));

        // Mode and coupling buttons reach the model and the lamps follow; the inversion is lit
        // beside the mode, not instead of it.
        s.click(s.view.modeButton(1));
        s.click(s.view.modeButton(2));
        QVERIFY(glowsGreen(*s.view.modeLamp(ModeADD)) && glowsGreen(*s.view.modeLamp(kInvertLight)));
        QVERIFY(!glowsGreen(*s.view.modeLamp(ModeDUAL)));
        s.click(s.view.couplingButton(1));
        QVERIFY(b.scope.couplingLit(1, Coupling::DC) && b.scope.couplingLit(0, Coupling::AC));

        s.click(s.view.powerButton());
        QVERIFY(!glowsGreen(*s.view.modeLamp(ModeADD)));
        QVERIFY(!s.view.powerButton()->pressedIn());
    }

    void scaleKnobsTurnTheirDisplays() {
        Bench b;
        Shown s(b.scope);
        // The time base starts on its ninth notch, the sensitivities on their sixth.
        QCOMPARE(s.view.scaleDisplay(0)->shownText(), QStringLiteral("1 ms/div"));
        QCOMPARE(s.view.scaleDisplay(1)->shownText(), QStringLiteral("2 V/div"));
        QCOMPARE(s.view.knob(KnobSensitivityCH2)->valueText(), QStringLiteral("2 V/div"));

        KnobWidget& timeBase = *s.view.knob(KnobTimeBase);
        uitest::dragUp(&timeBase, 30);
        s.view.syncFromModel();
        const QString dragged = s.view.scaleDisplay(0)->shownText();
        QVERIFY(dragged != QStringLiteral("1 ms/div"));
        QCOMPARE(dragged, timeBase.valueText());
        QCOMPARE(QString::fromStdString(b.scope.cboBaseTemps.listText()), dragged);

        // CH1's sensitivity knob turns CH1's display only.
        KnobWidget& ch1 = *s.view.knob(KnobSensitivityCH1);
        ch1.setFocus();
        QTest::keyClick(&ch1, Qt::Key_Right);
        s.view.syncFromModel();
        QCOMPARE(s.view.scaleDisplay(1)->shownText(), QStringLiteral("1 V/div"));
        QCOMPARE(s.view.scaleDisplay(2)->shownText(), QStringLiteral("2 V/div"));
        // Position knobs speak in divisions from the centre.
        QCOMPARE(s.view.knob(KnobPositionCH1)->valueText(), QStringLiteral("0,00 div"));

        // Double-clicking a position knob recentres its channel only.
        KnobWidget& pos1 = *s.view.knob(KnobPositionCH1);
        KnobWidget& pos2 = *s.view.knob(KnobPositionCH2);
        for (KnobWidget* k : {&pos1, &pos2}) { // end of the 1400-unit scale: seven divisions up
            k->setFocus();
            QTest::keyClick(k, Qt::Key_End);
        }
        s.view.syncFromModel();
        QCOMPARE(pos1.valueText(), QStringLiteral("+7,00 div"));
        QTest::mouseDClick(&pos1, Qt::LeftButton, {}, pos1.rect().center());
        s.view.syncFromModel();
        QCOMPARE(pos1.valueText(), QStringLiteral("0,00 div"));
        QCOMPARE(b.app.g.PositionCH1, 0.0);
        QCOMPARE(pos2.valueText(), QStringLiteral("+7,00 div"));
    }

    void theScreenDominatesThePanelAndShowsBothTracesInTheirColours() {
        Bench b;
        Shown s(b.scope, 1.5);
        QCOMPARE(s.view.designSize(), QSize(700, 520));
        ScreenWidget& screen = *s.view.screen();
        QVERIFY(screen.width() * 3 > s.view.width() * 2 - 60);
        QVERIFY(screen.height() * 10 > s.view.height() * 7);
        // Five by four like the screen's coordinates, so divisions stay square.
        QVERIFY(std::abs(screen.width() * 4 - screen.height() * 5) <= 8);
        QCOMPARE(s.view.knob(KnobTimeBase)->width(), 75);
        QCOMPARE(screen.toolTip(),
                 QStringLiteral("Double-cliquez sur l'écran pour afficher en plein écran."));
        QCOMPARE(s.view.powerButton()->toolTip(), QStringLiteral("Bouton Marche/Arrêt"));
        QCOMPARE(pixelsOf(screen.grab().toImage(), b.app.g.CouleurA), 0);

        s.click(s.view.powerButton());
        for (int i = 0; i < 3; ++i)
            s.click(s.view.terminal(i));
        wireSources(b.app);
        s.view.syncFromModel();
        const QImage lit = screen.grab().toImage();
        QVERIFY(pixelsOf(lit, b.app.g.CouleurA) > 300);
        QVERIFY(pixelsOf(lit, b.app.g.CouleurB) > 300);
        snapshot(s.view, "scope_dual_zoom15");
    }

    void tracePixelsLieOnTheRecordedSegments_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("one pixel a unit") << QSize(1005, 805);
        QTest::newRow("half size") << QSize(503, 403);
        QTest::newRow("stretched") << QSize(1300, 600);
    }
    void tracePixelsLieOnTheRecordedSegments() {
        QFETCH(QSize, size);
        Bench b;
        ScreenWidget w(b.scope);
        w.resize(size);
        w.show();
        sineOnChannelOne(b.app);
        const TeeSurface& screen = b.screen();
        const Color trace = b.app.g.CouleurA;
        QVERIFY(screen.countLines(trace) > 100);
        QCOMPARE(screen.painted().pixelSize(), size);

        const QImage& img = screen.painted().image();
        int checked = 0;
        for (const RecordedLine& l : screen.lines()) {
            if (l.color != trace) continue;
            const QPointF mid = screen.painted().toDevice((l.x1 + l.x2) / 2, (l.y1 + l.y2) / 2);
            QVERIFY2(paintedNear(img, mid, trace),
                     qPrintable(QString("no trace at %1,%2").arg(l.x1).arg(l.y1)));
            ++checked;
        }
        QVERIFY(checked > 100);
        // The crest is 2.5 divisions up: nothing of the trace above 3 divisions.
        const int threeDivisionsUp = static_cast<int>(size.height() * 100.0 / 805);
        for (int x = 0; x < size.width(); ++x)
            QVERIFY(!near(img.pixelColor(x, threeDivisionsUp), trace));
    }

    void theGraticuleIsTheBackgroundOfTheScreen() {
        Bench b;
        ScreenWidget w(b.scope);
        w.resize(1005, 805);
        w.show();
        const QImage& img = b.screen().painted().image();
        // The frame at x = -500 and the screen colour inside a division.
        QVERIFY(near(img.pixelColor(0, 200), b.app.g.CouleurCadre));
        QVERIFY(near(img.pixelColor(50, 50), b.app.g.CouleurEcran));
        // The centre line at y = 0, two pixels wide.
        QVERIFY(near(img.pixelColor(250, 400), b.app.g.CouleurGrille));
    }

    void mouseEventsGiveTheReadoutThePointerAndTheFullScreen() {
        Bench b;
        user::click(b.scope.chkOn);
        ScreenWidget w(b.scope);
        w.resize(1005, 805);
        w.show();
        // Widget pixel (625, 475) is 1.25 divisions right and 0.75 down.
        QTest::mouseMove(&w, QPoint(625, 475));
        const Control& readout = b.scope.lblPositionCurseur;
        QVERIFY(readout.Visible);
        QCOMPARE(QString::fromStdString(readout.Caption), QString(" x = 1.25 div \r\n  y = -0.75 div "));
        QCOMPARE(w.toUser(QPointF(0, 0)), QPointF(-500, 400));
        QCOMPARE(w.toUser(QPointF(1005, 805)), QPointF(505, -405));

        // Drawn over the picture at its model position, in the label's colours.
        const QImage shot = w.grab().toImage();
        const QPointF corner = w.toWidget({readout.Left, readout.Top});
        QVERIFY(near(shot.pixelColor(corner.toPoint() + QPoint(4, 4)), readout.BackColor));

        // The model's custom pointer is a cross-hair.
        b.scope.MousePointer = 99;
        w.syncFromModel();
        QCOMPARE(w.cursor().shape(), Qt::BitmapCursor);
        b.scope.MousePointer = 0;
        w.syncFromModel();
        QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);

        // A double-click opens the full-screen view, a click there closes it.
        QTest::mouseDClick(&w, Qt::LeftButton, {}, QPoint(250, 200));
        QVERIFY(b.app.mdi().Mnu_ViewFullScreen.Checked);
        QVERIFY(b.app.frmFullScreen().loaded());

        ScreenWidget full(b.app.frmFullScreen());
        full.resize(640, 400);
        full.show();
        QTest::mouseClick(&full, Qt::LeftButton, {}, QPoint(300, 200));
        QVERIFY(!b.app.mdi().Mnu_ViewFullScreen.Checked);
        QVERIFY(!b.app.frmFullScreen().loaded());
    }
};

QTEST_MAIN(OscilloscopeViewTest)
#include "oscilloscope_view_test.moc"
