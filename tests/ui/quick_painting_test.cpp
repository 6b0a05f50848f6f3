// The screen painted the quick way looks like the same segments painted naively (every segment an
// antialiased line, the whole background at each clear): the densest picture the knobs allow
// shows the same ink column by column, sparse and dashed pictures come out pixel for pixel the
// same, even after other pictures were drawn and cleared away before them, and an XY figure
// drawn over itself inks the same pixels, once.
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/scales.h"
#include "bench/scope/xy_display.h"
#include "core/user_input.h"
#include "files/testing/fake_platform.h"
#include "support/bench_scene.h"
#include "ui/surface/qt_surface.h"

using namespace ondivel;

namespace {

const QSize kFullHd(1920, 1080);

// The scripted platform with full-HD QtSurfaces for the pictures.
class PaintingPlatform : public FakePlatform {
  public:
    using FakePlatform::FakePlatform;
    std::unique_ptr<Surface> createSurface(int, int) override { return std::make_unique<QtSurface>(kFullHd); }
};

// The oscilloscope on, both channels plugged, sources set the way their panels would.
struct Scope {
    QTemporaryDir dir;
    PaintingPlatform platform{dir.path().toStdString()};
    BenchScene scene{platform};
    Ondivel& app = scene.app;

    QtSurface& screen() { return *qtSurfaceOf(&app.frmOndivel().screen()); }
    const QImage& graticule() { return qtSurfaceOf(&app.frmOndivel().grid())->image(); }

    void traceWidth(int pixels) {
        app.g.EpaisseurTrace = static_cast<std::int16_t>(pixels);
        app.frmOndivel().screen().setDrawWidth(pixels);
    }

    // The picture after a complete refresh, painted naively or quickly.
    QImage refreshed(bool naive) {
        screen().setNaivePainting(naive);
        app.RefreshDisplay();
        return screen().image().copy();
    }
};

bool same(QRgb a, QRgb b) {
    return (a & 0xFFFFFF) == (b & 0xFFFFFF);
}

// For each column, the first and last rows that differ from the bare graticule, or -1 when none.
std::vector<std::pair<int, int>> inkRows(const QImage& picture, const QImage& bare) {
    std::vector<std::pair<int, int>> rows(static_cast<std::size_t>(picture.width()), {-1, -1});
    for (int y = 0; y < picture.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(bare.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            if (!same(p[x], b[x])) {
                auto& [first, last] = rows[static_cast<std::size_t>(x)];
                if (first < 0) first = y;
                last = y;
            }
    }
    return rows;
}

// Pixels whose colour differs by more than `tolerance` in some component.
int differingPixels(const QImage& a, const QImage& b, int tolerance) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            if (std::abs(qRed(ra[x]) - qRed(rb[x])) > tolerance ||
                std::abs(qGreen(ra[x]) - qGreen(rb[x])) > tolerance ||
                std::abs(qBlue(ra[x]) - qBlue(rb[x])) > tolerance)
                ++count;
    }
    return count;
}

} // namespace

class QuickPaintingTest : public QObject {
    Q_OBJECT
  private slots:
    void theDensestPictureInksTheSameRowsInEveryColumn_data() {
        QTest::addColumn<int>("width");
        QTest::newRow("thin trace") << 1;
        QTest::newRow("default focus, three pixels") << 3;
        QTest::newRow("wide trace") << 6;
    }
    void theDensestPictureInksTheSameRowsInEveryColumn() {
        QFETCH(int, width);
        Scope s;
        s.traceWidth(width);
        s.scene.worstCaseSquares();
        const QImage naive = s.refreshed(true);
        const QImage quick = s.refreshed(false);
        const QImage bare = s.graticule();
        QCOMPARE(quick.size(), kFullHd);

        const auto naiveRows = inkRows(naive, bare), quickRows = inkRows(quick, bare);
        int inkedColumns = 0;
        for (int x = 0; x < kFullHd.width(); ++x) {
            const auto [naiveTop, naiveBottom] = naiveRows[static_cast<std::size_t>(x)];
            const auto [quickTop, quickBottom] = quickRows[static_cast<std::size_t>(x)];
            // Ink in one picture and not in the other would be a column lost or invented.
            QVERIFY2((naiveTop < 0) == (quickTop < 0), qPrintable(QStringLiteral("column %1").arg(x)));
            if (naiveTop < 0) continue;
            ++inkedColumns;
            const QString where = QStringLiteral("column %1: naive %2-%3, quick %4-%5");
            QVERIFY2(std::abs(naiveTop - quickTop) <= 1 && std::abs(naiveBottom - quickBottom) <= 1,
                     qPrintable(where.arg(x).arg(naiveTop).arg(naiveBottom).arg(quickTop).arg(quickBottom)));
        }
        QVERIFY(inkedColumns > 1800); // the traces run across the screen

        // Inside the traces both pictures are the solid colours, and the rows a wide pen adds
        // above and below take the colour as far as the naive picture's flat pieces cover them:
        // nowhere a fifth of full intensity apart, but for a few pixels at the traces' ends.
        const int differing = differingPixels(naive, quick, 48);
        QVERIFY2(differing <= 4 * width, qPrintable(QString::number(differing)));
    }

    void sparseAndDashedPicturesArePaintedAsBefore() {
        Scope s;
        s.scene.dualSineAndSquare();
        QCOMPARE(s.refreshed(false), s.refreshed(true));

        // Dashes run on along the trace: a dense dashed trace keeps its segments (24 kHz: still
        // two and a half segments a column, and fewer to paint naively).
        s.scene.worstCaseSquares(24000);
        s.app.g.StyleTraceCH1 = static_cast<std::int16_t>(LineStyle::Dash);
        s.app.g.StyleTraceCH2 = static_cast<std::int16_t>(LineStyle::DashDot);
        QCOMPARE(s.refreshed(false), s.refreshed(true));
        s.app.g.StyleTraceCH1 = s.app.g.StyleTraceCH2 = 0;
    }

    void anXYFigureDrawnOverItselfLooksDrawnOnce() {
        // A frame draws the figure four times; painted once, it inks the same pixels as the naive
        // picture, where each pass darkened the antialiased edge again.
        Scope s;
        s.scene.xyFigure();
        s.screen().setNaivePainting(true);
        DrawXY(s.app, 2000);
        const QImage naive = s.screen().image().copy();
        s.screen().setNaivePainting(false);
        DrawXY(s.app, 2000);
        const QImage quick = s.screen().image().copy();
        const QImage& bare = s.graticule();
        int inked = 0, inkedDifferently = 0;
        for (int y = 0; y < quick.height(); ++y)
            for (int x = 0; x < quick.width(); ++x) {
                const bool quickInk = !same(quick.pixel(x, y), bare.pixel(x, y));
                inked += quickInk;
                inkedDifferently += quickInk != !same(naive.pixel(x, y), bare.pixel(x, y));
            }
        // But for a few of the faintest edge pixels, which only repeated blending lifts off the
        // background.
        QVERIFY(inked > 5000);
        QVERIFY2(inkedDifferently <= inked / 200, qPrintable(QString::number(inkedDifferently)));

        // Drawn four times over, the last time backwards, a figure looks as painted once naively.
        QtSurface repeated(QSize(400, 300)), once(QSize(400, 300));
        once.setNaivePainting(true);
        for (QtSurface* surface : {&repeated, &once}) {
            surface->setScale(0, 0, 400, 300);
            surface->setDrawWidth(3);
            surface->clear();
        }
        auto circle = [](QtSurface& surface, int passes, bool backwards) {
            for (int pass = 0; pass < passes; ++pass)
                for (int i = 0; i < 100; ++i) {
                    const double a = i * 2 * M_PI / 100, b = (i + 1) * 2 * M_PI / 100;
                    const double x1 = 200 + 120 * std::cos(a), y1 = 150 + 120 * std::sin(a);
                    const double x2 = 200 + 120 * std::cos(b), y2 = 150 + 120 * std::sin(b);
                    if (backwards)
                        surface.line(x2, y2, x1, y1, kBlack);
                    else
                        surface.line(x1, y1, x2, y2, kBlack);
                }
        };
        circle(repeated, 3, false);
        circle(repeated, 1, true);
        circle(once, 1, false);
        QCOMPARE(repeated.image(), once.image());
    }

    void aClearLeavesNothingOfThePreviousPicture() {
        // Painted quickly one after the other: the dense squares, the DUAL picture, the bare
        // graticule of a switched-off scope. Each must equal a naive painting of it alone.
        Scope quick, naive;
        naive.screen().setNaivePainting(true);
        for (Scope* s : {&quick, &naive})
            s->scene.worstCaseSquares();
        quick.app.RefreshDisplay();
        quick.screen().image();
        // The dense traces again, CH1 smaller: its spans no longer cover what they covered.
        for (Scope* s : {&quick, &naive}) {
            s->app.g.AmplitudeA = 2;
            s->app.RefreshDisplay();
        }
        QCOMPARE(quick.screen().image().size(), kFullHd);
        QCOMPARE(differingPixels(quick.screen().image(), naive.screen().image(), 48), 0);
        for (Scope* s : {&quick, &naive}) {
            s->scene.dualSineAndSquare();
            user::drag(s->app.frmOndivel().Potentio[KnobTimeBase], -6);
            s->app.RefreshDisplay();
        }
        QCOMPARE(quick.screen().image(), naive.screen().image());

        for (Scope* s : {&quick, &naive}) {
            user::click(s->app.frmOndivel().chkOn); // off: the bare graticule
            s->app.RefreshDisplay();
        }
        QCOMPARE(quick.screen().image(), naive.screen().image());
        QCOMPARE(quick.screen().image(), quick.graticule());
    }
};

QTEST_MAIN(QuickPaintingTest)
#include "quick_painting_test.moc"
