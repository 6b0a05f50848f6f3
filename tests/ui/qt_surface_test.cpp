// QtSurface pixels: where lines land, dotted gaps, the copied background, text extents, and the
// tee surface used for screenshots.
#include <QtTest>
#include <limits>

#include "core/recording_surface.h"
#include "ui/surface/qt_surface.h"
#include "ui/surface/tee_surface.h"

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

} // namespace

class QtSurfaceTest : public QObject {
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
};

QTEST_MAIN(QtSurfaceTest)
#include "qt_surface_test.moc"
