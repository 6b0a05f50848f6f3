// The oscilloscope screen widget: the pixels of its picture lie where the renderer put the
// model's segments, a resize redraws at the new size, and mouse events reach the model.
#include <QtTest>

#include "core/ondivel.h"
#include "core/recording_surface.h"
#include "core/user_input.h"
#include "meters/frm_toolbox.h"
#include "scope/frm_full_screen.h"
#include "scope/frm_ondivel.h"
#include "shell/mdi_ondivel.h"
#include "sources/frm_gbf.h"
#include "ui/surface/qt_surface.h"
#include "ui/surface/tee_platform.h"
#include "ui/views/screen_widget.h"

using namespace ondivel;

namespace {

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

bool near(const QColor& a, Color b) {
    return std::abs(a.red() - redOf(b)) < 60 && std::abs(a.green() - greenOf(b)) < 60 &&
           std::abs(a.blue() - blueOf(b)) < 60;
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

struct Bench {
    QTemporaryDir dir;
    TeePlatform platform{dir.path().toStdString()};
    Ondivel app{platform};
    Bench() {
        platform.randomValues = {0.5, 0.5};
        app.mdi().Show();
    }
    TeeSurface& screen() { return dynamic_cast<TeeSurface&>(app.frmOndivel().screen()); }
};

} // namespace

class ScreenWidgetTest : public QObject {
    Q_OBJECT
  private slots:
    void tracePixelsLieOnTheRecordedSegments_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("one pixel a unit") << QSize(1005, 805);
        QTest::newRow("half size") << QSize(503, 403);
        QTest::newRow("stretched") << QSize(1300, 600);
    }
    void tracePixelsLieOnTheRecordedSegments() {
        QFETCH(QSize, size);
        Bench b;
        ScreenWidget w(b.app.frmOndivel());
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
        ScreenWidget w(b.app.frmOndivel());
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
        user::click(b.app.frmOndivel().chkOn);
        ScreenWidget w(b.app.frmOndivel());
        w.resize(1005, 805);
        w.show();
        // Widget pixel (625, 475) is 1.25 divisions right and 0.75 down.
        QTest::mouseMove(&w, QPoint(625, 475));
        const Control& readout = b.app.frmOndivel().lblPositionCurseur;
        QVERIFY(readout.Visible);
        QCOMPARE(QString::fromStdString(readout.Caption), QString(" x = 1.25 div \r\n  y = -0.75 div "));
        QCOMPARE(w.toUser(QPointF(0, 0)), QPointF(-500, 400));
        QCOMPARE(w.toUser(QPointF(1005, 805)), QPointF(505, -405));

        // Drawn over the picture at its model position, in the label's colours.
        const QImage shot = w.grab().toImage();
        const QPointF corner = w.toWidget({readout.Left, readout.Top});
        QVERIFY(near(shot.pixelColor(corner.toPoint() + QPoint(4, 4)), readout.BackColor));

        // The model's custom pointer is a cross-hair.
        b.app.frmOndivel().MousePointer = 99;
        w.syncFromModel();
        QCOMPARE(w.cursor().shape(), Qt::BitmapCursor);
        b.app.frmOndivel().MousePointer = 0;
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

QTEST_MAIN(ScreenWidgetTest)
#include "screen_widget_test.moc"
