// Painting on the desktop. QtSurface pixels: where lines land, dotted gaps, the copied background,
// text extents, and the tee surface used for screenshots. The screen painted the quick way looks
// like the same segments painted naively (every segment an antialiased line, the whole background
// at each clear). Printing and the grey copy: the printout drawn into a PDF file at the printer's
// resolution, the marker glyphs painted as shapes, the grey screen picture on the clipboard.
// A look at the page: ONDIVEL_UI_SNAPSHOTS=/tmp/shots build/tests/ui_surface_test, then
// pdftoppm -png -r 60 /tmp/shots/printout.pdf /tmp/shots/printout
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <tuple>
#include <vector>
#if (defined(__GNUC__) || defined(__clang__)) && defined(__x86_64__)
#include <cpuid.h>
#include <immintrin.h>
#endif

#include "bench/main/clipboard_copy.h"
#include "bench/main/mdi_ondivel.h"
#include "bench/main/printout.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_curseurs.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/renderer.h"
#include "bench/scope/scales.h"
#include "bench/scope/xy_display.h"
#include "core/recording_surface.h"
#include "core/user_input.h"
#include "files/testing/fake_platform.h"
#include "physics/grey_level.h"
#include "support/bench_scene.h"
#include "ui/platform/qt_platform.h"
#include "ui/surface/dirty_strips.h"
#include "ui/surface/painter_surface.h"
#include "ui/surface/qt_surface.h"
#include "ui/surface/row_sources.h"
#include "ui/surface/stroke_painter.h"
#include "ui/surface/tee_platform.h"
#include "ui/surface/tee_surface.h"
#include "ui_bench.h"

using namespace ondivel;

namespace {

constexpr Color kRed = 0x0000FF;
constexpr Color kBlue = 0xFF0000;
constexpr Color kBlackBack = 0x000000;

// The screen scale on a picture of one pixel per unit: x = -500 is column 0, y = 400 is row 0.
void screenScale(Surface& s) {
    s.setScale(-500, 400, 505, -405);
}

bool isColor(const QImage& img, int x, int y, Color c) {
    const QColor px = img.pixelColor(x, y);
    return px.red() == redOf(c) && px.green() == greenOf(c) && px.blue() == blueOf(c);
}

// Rows of column x that are not the background colour.
QList<int> paintedRows(const QImage& img, int x, Color back) {
    QList<int> rows;
    for (int y = 0; y < img.height(); ++y)
        if (!isColor(img, x, y, back)) rows << y;
    return rows;
}

QList<int> paintedColumns(const QImage& img, int y, Color back) {
    QList<int> cols;
    for (int x = 0; x < img.width(); ++x)
        if (!isColor(img, x, y, back)) cols << x;
    return cols;
}

// A cleared black picture of one pixel per unit in the screen scale.
struct BlackScreen {
    QtSurface s{QSize(1005, 805)};
    BlackScreen() {
        screenScale(s);
        s.setBackColor(kBlackBack);
        s.clear();
    }
};

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

// A picture painted on a fresh screen after `steps`, then a complete refresh unless told not to:
// what a screen that painted other pictures before must show too.
template <class Steps> QImage paintedAlone(Steps steps, bool refresh = true) {
    Scope s;
    steps(s);
    if (refresh) s.app.RefreshDisplay();
    return s.screen().image().copy();
}

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

// Whether the quick picture shows what the naive one shows: each pixel either picture inks
// clearly (by more than a quarter of full intensity) has ink in the other within `slack` pixels,
// (the round joints of a wide pen reach past the naive picture's flat-capped segments, and a steep
// segment's antialiased ends fall a row or two apart), and few pixels are more than a quarter
// of full intensity apart (at most `differingPercent` of the clearly inked ones). Says why not; a
// lost, moved or thinner trace fails.
QString unlike(const QImage& quick, const QImage& naive, const QImage& bare, int slack,
               int differingPercent = 2) {
    const int w = quick.width(), h = quick.height();
    auto ink = [&](const QImage& picture, int x, int y, int tolerance) {
        const QRgb p = picture.pixel(x, y), b = bare.pixel(x, y);
        return std::abs(qRed(p) - qRed(b)) > tolerance || std::abs(qGreen(p) - qGreen(b)) > tolerance ||
               std::abs(qBlue(p) - qBlue(b)) > tolerance;
    };
    int clear = 0;
    for (const auto& [one, other, name] :
         {std::tuple{&quick, &naive, "quick"}, std::tuple{&naive, &quick, "naive"}})
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (!ink(*one, x, y, 64)) continue;
                ++clear;
                bool near = false;
                for (int ny = std::max(0, y - slack); ny <= std::min(h - 1, y + slack) && !near; ++ny)
                    for (int nx = std::max(0, x - slack); nx <= std::min(w - 1, x + slack) && !near; ++nx)
                        near = ink(*other, nx, ny, 0);
                if (!near) return QStringLiteral("%1 inks (%2, %3) alone").arg(name).arg(x).arg(y);
            }
    const int differing = differingPixels(quick, naive, 64);
    if (differing * 100 > clear * differingPercent)
        return QStringLiteral("%1 pixels differ among %2 inked").arg(differing).arg(clear / 2);
    return {};
}

#if (defined(__GNUC__) || defined(__clang__)) && defined(__x86_64__)
// XGETBV with ECX = 1 tells which register states are in use; bit 2 is the upper halves of the
// vector registers.
bool upperVectorStateReadable() {
    unsigned a = 0, b = 0, c = 0, d = 0;
    return __get_cpuid_count(0xD, 1, &a, &b, &c, &d) && (a & 4u) != 0;
}
__attribute__((target("xsave"))) bool upperVectorStateInUse() {
    return (_xgetbv(1) & 4u) != 0;
}
#else
bool upperVectorStateReadable() {
    return false;
}
bool upperVectorStateInUse() {
    return false;
}
#endif

// A scripted platform whose clipboard keeps the painted picture, as the desktop's would.
struct PaintedClipboard : TeePlatform {
    using TeePlatform::TeePlatform;
    QImage image;
    void setClipboardImage(const Surface& picture) override {
        TeePlatform::setClipboardImage(picture);
        if (const QImage* painted = surfaceImage(&picture)) image = *painted;
    }
};

// The oscilloscope on in DUAL with a sine on CH1 and a dashed CH2 line with disc markers on paper,
// as set by their panels.
struct Bench {
    QTemporaryDir dir;
    PaintedClipboard platform{dir.path().toStdString()};
    Ondivel app{platform};

    Bench() {
        app.g.FichierConfig = (dir.path() + "/ConfOND_eleve1.ini").toStdString();
        FrmOndivel& scope = app.frmOndivel();
        scope.Show();
        uitest::clickAll({&scope.chkOn, &scope.imgBorne[0], &scope.imgBorne[1], &scope.imgBorne[2]});
        Globals& g = app.g;
        g.SignalA = "Sinus";
        g.AmplitudeA = 5;
        g.FrequenceA = 250;
        g.SignalB = "Cc";
        g.AmplitudeB = -3;
        g.SourceBrancheeA = g.SourceBrancheeB = true;
        for (auto [key, value] : {std::pair{"Style Ligne Voie B", "1"},
                                  {"Motif Marque Voie B", "1"},
                                  {"Taille Marque Voie B", "4"}})
            app.WriteIni("Impression", key, value);
        app.RefreshDisplay();
    }
};

// Whether every pixel has equal red, green and blue.
bool onlyGreys(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() != c.green() || c.green() != c.blue()) return false;
        }
    return true;
}

QColor qcolor(Color c) {
    return QColor(redOf(c), greenOf(c), blueOf(c));
}

} // namespace

class SurfaceTest : public QObject {
    Q_OBJECT

  private slots:
    void linesLandOnTheirPixelsWithTheirWidthStyleAndAntialiasing() {
        BlackScreen screen;
        QtSurface& s = screen.s;
        s.line(-500, 0, 500, 0, kRed);      // the horizontal axis: row 400
        s.line(100, 400, 100, -400, kRed);  // one division right of centre: column 600
        s.line(-500, 300, -400, 300, kRed); // y points up: three divisions up is row 100
        s.setDrawStyle(LineStyle::Dot);
        s.line(-400, 250, 500, 250, kRed); // row 150, from column 100
        s.setDrawStyle(LineStyle::Solid);
        s.setDrawWidth(3);
        s.line(-500, -100, 500, -100, kRed); // row 500, one row either side
        s.setDrawWidth(1);
        s.line(-300, -300, 300, -200, kRed); // slanted, below the others
        const QImage& img = s.image();
        QCOMPARE(paintedRows(img, 50, kBlackBack), QList<int>({100, 400, 499, 500, 501}));
        QCOMPARE(paintedColumns(img, 50, kBlackBack), QList<int>({600}));
        QVERIFY(isColor(img, 999, 400, kRed));
        QVERIFY(isColor(img, 1001, 400, kBlackBack)); // the line stops at x = 500 (flat caps)
        const int dotted = static_cast<int>(paintedColumns(img, 150, kBlackBack).size());
        QVERIFY2(dotted > 200 && dotted < 700, qPrintable(QString::number(dotted)));
        QCOMPARE(paintedColumns(img, 400, kBlackBack).size(), 1000);
        bool partial = false;
        for (int y = 600; y < 700 && !partial; ++y) {
            const int r = img.pixelColor(500, y).red();
            partial = r > 0 && r < 255;
        }
        QVERIFY(partial);

        QtSurface hiDpi(QSize(2010, 1610), 2.0);
        screenScale(hiDpi);
        hiDpi.setBackColor(kBlackBack);
        hiDpi.clear();
        hiDpi.line(-500, 0, 500, 0, kRed); // one logical pixel is two device rows at 800
        QCOMPARE(paintedRows(hiDpi.image(), 400, kBlackBack), QList<int>({799, 800}));
    }

    void theBackgroundIsACopyScaledToThePictureAndClearShowsIt() {
        QtSurface grid(QSize(1005, 805));
        screenScale(grid);
        grid.setBackColor(kBlue);
        grid.clear();
        grid.line(-500, 0, 500, 0, kRed);

        QtSurface screen(QSize(2010, 1610), 2.0);
        screenScale(screen);
        screen.setBackColor(kBlackBack);
        screen.clear();
        screen.line(-500, 300, 500, 300, 0x00FF00);
        screen.setBackgroundFrom(grid); // replaces what was drawn before
        QVERIFY(isColor(screen.image(), 100, 200, kBlue));
        // Scaled twice: the grid's row 400 lands on device rows 800 and 801.
        QVERIFY(screen.image().pixelColor(100, 800).red() > 128);
        QVERIFY(screen.image().pixelColor(100, 801).red() > 128);
        QVERIFY(isColor(screen.image(), 100, 797, kBlue));

        screen.line(-500, 300, 500, 300, 0x00FF00);
        QVERIFY(isColor(screen.image(), 100, 200, 0x00FF00));
        screen.clear(); // wipes the trace, keeps the graticule
        QVERIFY(isColor(screen.image(), 100, 200, kBlue));
        QVERIFY(screen.image().pixelColor(100, 801).red() > 128);

        // Later drawings on the grid do not reach a copy already taken.
        grid.line(-500, 200, 500, 200, kRed);
        screen.clear();
        QVERIFY(isColor(screen.image(), 100, 401, kBlue));
    }

    void textExtentsAreInUserUnitsAndPrintStaysInsideThem() {
        BlackScreen screen;
        QtSurface& s = screen.s;
        s.setFont("Arial", 12);
        const double w1 = s.textWidth("MMMM"), w2 = s.textWidth("MMMMMMMM");
        QVERIFY(w1 > 10);
        QVERIFY(qAbs(w2 - 2 * w1) <= 1.0);
        QCOMPARE(s.textWidth(""), 0.0);
        const double h = s.textHeight("M");
        QVERIFY(h > 12 && h < 30); // 12 points are 16 pixels, plus the line's leading
        QVERIFY(qAbs(s.textHeight("M\r\nM") - 2 * h) < 1e-9);
        // Measured again in a new size, not remembered from the old one.
        s.setFont("Arial", 24);
        QVERIFY(qAbs(s.textWidth("MMMM") - 2 * w1) <= 2.0);
        QVERIFY(s.textHeight("M") > 1.5 * h);
        s.setFont("Arial", 12);

        // Two units a pixel across: the same text measures twice as many units.
        QtSurface wide(QSize(1005, 805));
        wide.setScale(-1000, 400, 1010, -405);
        wide.setFont("Arial", 12);
        QVERIFY(qAbs(wide.textWidth("MMMM") - 2 * w1) <= 2.0);

        s.print(-100, 100, "MMMM", kRed); // top-left at column 400, row 300
        const QImage& img = s.image();
        int minX = img.width(), maxX = -1, minY = img.height(), maxY = -1;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (!isColor(img, x, y, kBlackBack)) {
                    minX = qMin(minX, x), maxX = qMax(maxX, x);
                    minY = qMin(minY, y), maxY = qMax(maxY, y);
                }
        QVERIFY(minX >= 400 && minX < 405);
        QVERIFY(maxX <= 400 + w1 + 1);
        QVERIFY(minY >= 300 && maxY <= 300 + h);
    }

    // Coordinates no screen shows (an exercise's 1e308 V, ∞, ∞ − ∞) reach Qt held within its
    // range: the visible parts land where they belong and a text far off is left out.
    void offScreenCoordinatesAreHeldWithinThePaintersRange() {
        BlackScreen screen;
        QtSurface& s = screen.s;
        const double inf = std::numeric_limits<double>::infinity();
        s.line(0, 1e300, 0, -inf, kRed); // the centre column, top to bottom
        s.line(-500, 1e12, -500, std::numeric_limits<double>::quiet_NaN(), kRed);
        s.setDrawWidth(3);
        s.line(-400, inf, -400, -1e300, kRed);
        s.setDrawWidth(1);
        s.print(1e300, 0, "1000", kRed);
        s.print(-inf, 0, "0", kRed);
        const QImage& img = s.image();
        QCOMPARE(paintedRows(img, 500, kBlackBack).size(), 805);
        QCOMPARE(paintedRows(img, 100, kBlackBack).size(), 805);
        QCOMPARE(paintedColumns(img, 700, kBlackBack), QList<int>({99, 100, 101, 500}));
    }

    void generationTellsViewsTheImageChanged() {
        QtSurface s;
        const quint64 g0 = s.generation();
        s.setScale(0, 0, 10, 10);
        QCOMPARE(s.generation(), g0);
        s.line(0, 0, 10, 10, kRed);
        QVERIFY(s.generation() > g0);
        const quint64 g1 = s.generation();
        s.resizePixels(QSize(200, 100));
        QVERIFY(s.generation() > g1);
        QCOMPARE(s.image().size(), QSize(200, 100));
    }

    void teeSurfaceRecordsWhatItPaints() {
        TeeSurface tee(1005, 805);
        screenScale(tee);
        tee.setBackColor(kBlackBack);
        tee.clear();
        tee.line(-500, 0, 500, 0, kRed);
        QCOMPARE(tee.countLines(kRed), std::size_t(1));
        QVERIFY(isColor(tee.painted().image(), 300, 400, kRed));
        QCOMPARE(surfaceImage(&tee), &tee.painted().image());
        QCOMPARE(qtSurfaceOf(&tee), &tee.painted());

        RecordingSurface plain;
        QVERIFY(surfaceImage(&plain) == nullptr);

        // A tee copying a tee's picture gets both the recorded and the painted graticule.
        TeeSurface screen(1005, 805);
        screenScale(screen);
        screen.setBackgroundFrom(tee);
        QCOMPARE(screen.backgroundLines().size(), std::size_t(1));
        QVERIFY(isColor(screen.painted().image(), 300, 400, kRed));
    }

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
            // The last turns of a wide trace are round: half a pen past the naive flat ends.
            const int slack = std::max(1, width / 2);
            const QString where = QStringLiteral("column %1: naive %2-%3, quick %4-%5");
            QVERIFY2(std::abs(naiveTop - quickTop) <= slack && std::abs(naiveBottom - quickBottom) <= slack,
                     qPrintable(where.arg(x).arg(naiveTop).arg(naiveBottom).arg(quickTop).arg(quickBottom)));
        }
        QVERIFY(inkedColumns > 1800); // the traces run across the screen

        // Inside the traces both pictures are the solid colours, and the rows a wide pen adds
        // above and below take the colour as far as the naive picture's flat pieces cover them:
        // nowhere a fifth of full intensity apart, but for a few pixels at the traces' ends.
        const int differing = differingPixels(naive, quick, 48);
        // The turns at the traces' ends are round, half a disc of the pen where the naive
        // segments stop flat.
        QVERIFY2(differing <= 4 * width * (1 + width), qPrintable(QString::number(differing)));
    }

    void sparseAndDashedPicturesArePaintedAsBefore() {
        // Solid traces are painted by the stroke painter: they look as Qt's segments do, but at
        // the joints, which it draws round where Qt leaves notches.
        Scope s;
        s.scene.dualSineAndSquare();
        for (int width : {1, 3, 8}) {
            s.traceWidth(width);
            const QString why =
                unlike(s.refreshed(false), s.refreshed(true), s.graticule(), std::max(1, width / 2));
            QVERIFY2(why.isEmpty(), qPrintable(QStringLiteral("width %1: ").arg(width) + why));
        }
        s.traceWidth(3);

        // Dashes run on along the trace: a dense dashed trace keeps its segments (24 kHz: still
        // two and a half segments a column, and fewer to paint naively).
        s.scene.worstCaseSquares(24000);
        s.app.g.StyleTraceCH1 = static_cast<std::int16_t>(LineStyle::Dash);
        s.app.g.StyleTraceCH2 = static_cast<std::int16_t>(LineStyle::DashDot);
        QCOMPARE(s.refreshed(false), s.refreshed(true));
        s.app.g.StyleTraceCH1 = s.app.g.StyleTraceCH2 = 0;
    }

    void dashedRowsAndColumnsLookAsQtDashesThem_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("style");
        QTest::newRow("cursor, 2 pixels") << 2 << int(LineStyle::Dash);
        QTest::newRow("selected cursor, 3 pixels") << 3 << int(LineStyle::Dash);
        QTest::newRow("dots") << 1 << int(LineStyle::Dot);
        QTest::newRow("dash dot dot, 4 pixels") << 4 << int(LineStyle::DashDotDot);
    }
    void dashedRowsAndColumnsLookAsQtDashesThem() {
        // Filled straight into the picture, the dashes of a row or a column land where Qt's
        // stroker puts them: the cursors as they are (ends between pixels), drawn backwards; a
        // line from far off (Qt draws it solid), a thin one and a slanted one are still Qt's.
        QFETCH(int, width);
        QFETCH(int, style);
        QtSurface quick(QSize(1920, 1080)), naive(QSize(1920, 1080));
        naive.setNaivePainting(true);
        for (QtSurface* s : {&quick, &naive}) {
            s->setScale(-500, 400, 505, -405);
            s->setBackColor(kBlackBack);
            s->clear();
            s->setDrawWidth(width);
            s->setDrawStyle(static_cast<LineStyle>(style));
            s->line(-200, 400, -200, -400, kWhite);
            s->line(-500, 200, 500, 200, kWhite);
            s->line(300, -400, 300, 400, kWhite);
            s->line(500, -200, -500, -200, kWhite);
            s->line(-1e6, 0, 500, 0, kWhite);
            s->line(-400, -300, 400, 300, kWhite);
        }
        QCOMPARE(differingPixels(quick.image(), naive.image(), 2), 0);
    }

    void anXYFigureDrawnOverItselfLooksDrawnOnce() {
        // A frame draws the figure four times; painted once, it looks like the naive picture,
        // where each pass darkened the antialiased edge again.
        Scope s;
        s.scene.xyFigure();
        s.screen().setNaivePainting(true);
        DrawXY(s.app, 2000);
        const QImage naive = s.screen().image().copy();
        s.screen().setNaivePainting(false);
        DrawXY(s.app, 2000);
        const QImage quick = s.screen().image().copy();
        // Only where the ink lies: the naive edges are four passes darker.
        const QString why = unlike(quick, naive, s.graticule(), 1, 100);
        QVERIFY2(why.isEmpty(), qPrintable(why));

        // Drawn four times over, the last time backwards, a figure looks as painted once.
        QtSurface repeated(QSize(400, 300)), once(QSize(400, 300));
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

    void aChainOfSegmentsPaintsAsOneStroke() {
        // A slanted line cut into pieces joined end to end: no seam where they meet, neither a
        // gap nor an edge blended twice.
        for (int width : {1, 3, 8}) {
            QImage whole(200, 200, QImage::Format_ARGB32_Premultiplied), pieces = whole;
            whole.fill(Qt::black);
            pieces.fill(Qt::black);
            StrokePainter painter;
            const DeviceLine line{20.3, 30.7, 180.2, 150.1};
            painter.paint(whole, std::span(&line, 1), width, 0xFFFFFFFF);
            std::vector<DeviceLine> chain;
            auto at = [&](int k) {
                return QPointF(line.x1 + (line.x2 - line.x1) * k / 7, line.y1 + (line.y2 - line.y1) * k / 7);
            };
            for (int k = 0; k < 7; ++k)
                chain.push_back({at(k).x(), at(k).y(), at(k + 1).x(), at(k + 1).y()});
            painter.paint(pieces, chain, width, 0xFFFFFFFF);
            QCOMPARE(differingPixels(whole, pieces, 8), 0);
        }
    }

    void aSharpBendIsRoundOutside() {
        // A V with a pen 10 pixels wide: outside the bend, beyond both segments' ends, the joint
        // is a disc of the pen, no wider.
        QImage image(100, 100, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::black);
        StrokePainter painter;
        const DeviceLine v[2] = {{20, 80, 50, 20}, {50, 20, 80, 80}};
        painter.paint(image, v, 10, 0xFFFFFFFF);
        QCOMPARE(image.pixel(50, 16), 0xFFFFFFFF); // 3.5 pixels above the joint
        QCOMPARE(image.pixel(50, 13), 0xFF000000); // 6.5: past the pen
        QCOMPARE(image.pixel(50, 40), 0xFF000000); // inside the V, clear of both strokes
    }

    void aClearLeavesNothingOfThePreviousPicture() {
        // Painted quickly one after the other: the dense squares, the DUAL picture, the bare
        // graticule of a switched-off scope. Each must equal the same picture painted alone.
        Scope quick;
        quick.scene.worstCaseSquares();
        quick.app.RefreshDisplay();
        quick.screen().image();
        // The dense traces again, CH1 smaller: its spans no longer cover what they covered.
        auto dense = [](Scope& s) {
            s.scene.worstCaseSquares();
            s.app.g.AmplitudeA = 2;
        };
        auto dual = [&](Scope& s) {
            dense(s);
            s.scene.dualSineAndSquare();
            user::drag(s.app.frmOndivel().Potentio[KnobTimeBase], -6);
        };
        auto off = [&](Scope& s) {
            dual(s);
            user::click(s.app.frmOndivel().chkOn);
        };
        quick.app.g.AmplitudeA = 2;
        quick.app.RefreshDisplay();
        QCOMPARE(quick.screen().image().size(), kFullHd);
        QCOMPARE(quick.screen().image(), paintedAlone(dense));
        quick.scene.dualSineAndSquare();
        user::drag(quick.app.frmOndivel().Potentio[KnobTimeBase], -6);
        quick.app.RefreshDisplay();
        QCOMPARE(quick.screen().image(), paintedAlone(dual));
        user::click(quick.app.frmOndivel().chkOn); // off: the bare graticule
        quick.app.RefreshDisplay();
        QCOMPARE(quick.screen().image(), paintedAlone(off));
        QCOMPARE(quick.screen().image(), quick.graticule());
    }

    void movedCursorsLeaveNothingBehind() {
        // The dashed cursors are restored apart from the traces: dragged, then put away, they
        // must leave the new picture as it is painted alone, nothing of where they were.
        auto shown = [](Scope& s) {
            s.scene.dualSineAndSquare();
            user::click(s.app.mdi().Mnu_Curseurs);
        };
        auto dragged = [&](Scope& s) {
            shown(s);
            s.app.RefreshDisplay();
            s.app.frmCurseurs().DragCursor(FrmCurseurs::T1, -150);
            s.app.frmCurseurs().DragCursor(FrmCurseurs::V2, 120);
        };
        auto closed = [&](Scope& s) {
            dragged(s);
            user::click(s.app.mdi().Mnu_Curseurs);
        };
        Scope quick;
        shown(quick);
        quick.app.RefreshDisplay();
        quick.screen().image();
        quick.app.frmCurseurs().DragCursor(FrmCurseurs::T1, -150);
        quick.app.frmCurseurs().DragCursor(FrmCurseurs::V2, 120);
        QCOMPARE(quick.screen().image(), paintedAlone(dragged, false));
        user::click(quick.app.mdi().Mnu_Curseurs);
        quick.app.RefreshDisplay();
        QVERIFY(!quick.app.frmCurseurs().loaded());
        QCOMPARE(quick.screen().image(), paintedAlone(closed));
    }

    void aDenseTraceUnderAnotherShowsWhereverTheOtherLeavesIt() {
        // Traces wait to be painted together, and a dense one does not fill the rows that a later
        // one fills solid over it. Painted so, the picture must equal the one where each trace
        // was painted before the next came: a red band, a text, then a blue band over part of
        // the red one's columns and rows.
        auto band = [](QtSurface& s, double x0, double x1, double low, double high, Color c) {
            for (double x = x0; x < x1; x += 0.25) {
                s.line(x, low, x, high, c);
                s.line(x, high, x + 0.25, high, c);
                s.line(x + 0.25, high, x + 0.25, low, c);
                s.line(x + 0.25, low, x + 0.5, low, c);
                x += 0.25;
            }
        };
        for (int width : {1, 3}) {
            QtSurface together(QSize(1005, 805)), oneByOne(QSize(1005, 805));
            for (QtSurface* s : {&together, &oneByOne}) {
                screenScale(*s);
                s->setBackColor(kBlackBack);
                s->setDrawWidth(width);
                s->clear();
                band(*s, -400, 300, -200, 150, kRed);
                if (s == &oneByOne) s->image();
                s->print(-100, 0, "CH1", kWhite);
                if (s == &oneByOne) s->image();
                band(*s, -200, 400, -100, 250, kBlue);
            }
            QCOMPARE(together.image(), oneByOne.image());
            // Both show: red below the blue band and left of it, blue over the red.
            QVERIFY(isColor(together.image(), 200, 570, kRed));
            QVERIFY(isColor(together.image(), 200, 300, kRed));
            QVERIFY(isColor(together.image(), 400, 300, kBlue));
        }
    }

    // A clear restores what was drawn a row at a time: each row's pieces left to right, touching
    // ones joined, none lost or visited twice.
    void restoresTheRectanglesRowByRow_data() {
        QTest::addColumn<QList<QRect>>("rects");
        QTest::addColumn<QString>("runs");
        QTest::newRow("touching pieces join")
            << QList{QRect(0, 0, 8, 2), QRect(8, 0, 8, 2)} << "0:0-16 1:0-16";
        QTest::newRow("a gap keeps them apart")
            << QList{QRect(16, 0, 8, 1), QRect(0, 0, 8, 1)} << "0:0-8 0:16-24";
        QTest::newRow("staggered rows")
            << QList{QRect(8, 2, 8, 2), QRect(0, 0, 8, 3)} << "0:0-8 1:0-8 2:0-16 3:8-16";
        QTest::newRow("rows far apart") << QList{QRect(0, 50, 4, 1), QRect(0, 0, 4, 1)} << "0:0-4 50:0-4";
    }
    void restoresTheRectanglesRowByRow() {
        QFETCH(QList<QRect>, rects);
        QFETCH(QString, runs);
        std::vector<PixelRect> pieces;
        for (const QRect& r : rects)
            pieces.push_back({r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
        QStringList visited;
        forEachRowRun(pieces, [&](int y, int x0, int x1) {
            visited << QStringLiteral("%1:%2-%3").arg(y).arg(x0).arg(x1);
        });
        QCOMPARE(visited.join(' '), runs);
    }

    void findsTheFirstEqualRow() {
        // Rows A B A C B, 3 pixels wide; C differs from A in its last pixel only.
        QImage picture(3, 5, QImage::Format_ARGB32_Premultiplied);
        const QRgb a[3] = {0xFF000000, 0xFF102030, 0xFF000000}, b[3] = {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF},
                   c[3] = {0xFF000000, 0xFF102030, 0xFF000001};
        const QRgb* rows[5] = {a, b, a, c, b};
        for (int y = 0; y < 5; ++y)
            std::copy(rows[y], rows[y] + 3, reinterpret_cast<QRgb*>(picture.scanLine(y)));
        QCOMPARE(FirstEqualRows(picture), (std::vector<int>{0, 1, 0, 3, 1}));
    }

    void leavesNoUpperVectorStateAfterPainting() {
        // Qt's fills and antialiased strokes leave the upper halves of the vector registers in
        // use; until they are released, each call between Qt's AVX code and this program's SSE
        // code (std::sin at every XY sample) costs a state transition, some 20 times the call.
        if (!upperVectorStateReadable()) QSKIP("the processor does not report its register state");
        QImage probe(64, 64, QImage::Format_ARGB32_Premultiplied);
        probe.fill(Qt::black);
        {
            QPainter p(&probe);
            p.setRenderHint(QPainter::Antialiasing);
            p.drawLine(QLineF(0.3, 0.2, 60.7, 40.1));
        }
        if (!upperVectorStateInUse()) QSKIP("this Qt leaves no upper vector state behind");

        Scope s;
        s.scene.xyFigure();
        s.app.RefreshDisplay();
        DrawXY(s.app, 2000);
        s.screen().image();
        QVERIFY(!upperVectorStateInUse());
    }

    void printsAPdfPageAtThePrintersResolution() {
        Bench bench;
        QTemporaryDir out;
        const QByteArray shots = qgetenv("ONDIVEL_UI_SNAPSHOTS");
        const QString file = (shots.isEmpty() ? out.path() : QString::fromUtf8(shots)) + "/printout.pdf";
        QtPlatform qt;
        qt.printer().setOutputFormat(QPrinter::PdfFormat);
        qt.printer().setOutputFileName(file);
        QVERIFY(qt.printPage([&](Surface& page) { DrawPrintout(bench.app, page); }));
        QFile pdf(file);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(bytes.size() > 2000);
    }

    // The page painted on an image: the screen fits the width undistorted, the traces lie where
    // their voltages say, and the markers are filled shapes rather than letters.
    void paintsTracesAndMarkerShapesWhereThePageSays() {
        Bench bench;
        QImage image(1125, 1060, QImage::Format_RGB32); // the page's own proportions, 1 pixel a unit
        image.fill(Qt::white);
        QPainter painter(&image);
        PainterSurface page(painter, QRectF(0, 0, image.width(), image.height()));
        DrawPrintout(bench.app, page);
        page.flush();
        QCOMPARE(page.toDevice(kPageLeft, kPageTop), QPointF(0, 0));
        QCOMPARE(page.toDevice(kPageRight, kPageBottom), QPointF(1125, 1060));
        painter.end();

        // −3 V at 2 V/div: 1.5 divisions down, drawn dashed in the CH2 colour; a disc marker of
        // 16 points at x = −474 (the 13th sample) covers its centre and spreads above and below the line.
        const QColor ch2 = qcolor(InkOnPaper(bench.app.g.CouleurB));
        const QPointF disc = page.toDevice(-474, -150);
        QCOMPARE(image.pixelColor(disc.toPoint()), ch2);
        QCOMPARE(image.pixelColor((disc + QPointF(0, -5)).toPoint()), ch2);
        QCOMPARE(image.pixelColor((disc + QPointF(0, 5)).toPoint()), ch2);

        // Regression: a dashed trace made of 2-unit segments came out solid, each segment
        // restarting the dash pattern. Between two markers the line must show gaps.
        int inked = 0, blank = 0;
        for (double x = -462; x <= -436; x += 1) {
            const QPoint at = page.toDevice(x, -150).toPoint();
            bool ink = false;
            for (int dy = -1; dy <= 1; ++dy)
                ink = ink || image.pixelColor(at + QPoint(0, dy)) != QColor(Qt::white);
            (ink ? inked : blank) += 1;
        }
        QVERIFY2(inked > 5 && blank > 3, qPrintable(QString("%1 inked, %2 blank").arg(inked).arg(blank)));
    }

    // The grey copy as painted: grey levels only, on white, signed; the screen is in colour again
    // afterwards.
    void greyCopyHoldsOnlyGreysAndTheScreenComesBack() {
        Bench bench;
        PaintedClipboard& platform = bench.platform;
        CopyScreenToClipboard(bench.app, 1);
        QVERIFY(!platform.image.isNull());
        QVERIFY(onlyGreys(platform.image));
        QCOMPARE(platform.image.pixelColor(2, 2), QColor(Qt::white));
        const QByteArray shots = qgetenv("ONDIVEL_UI_SNAPSHOTS");
        if (!shots.isEmpty()) platform.image.save(QString::fromUtf8(shots) + "/clipboard_grey.png");
        const QImage* after = surfaceImage(&bench.app.frmOndivel().screen());
        QVERIFY(after);
        QVERIFY(!onlyGreys(*after));
    }
};

QTEST_MAIN(SurfaceTest)
#include "surface_test.moc"
