// Printing and the grey copy on the desktop: the printout drawn at the printer's resolution into
// a PDF file, the marker glyphs painted as shapes, the grey screen picture put on the clipboard.
// A look at the page: ONDIVEL_UI_SNAPSHOTS=/tmp/shots build/tests/ui_print_test, then
// pdftoppm -png -r 60 /tmp/shots/printout.pdf /tmp/shots/printout
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include "bench/main/clipboard_copy.h"
#include "bench/main/printout.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/renderer.h"
#include "core/user_input.h"
#include "physics/grey_level.h"
#include "ui/platform/qt_platform.h"
#include "ui/surface/painter_surface.h"
#include "ui/surface/tee_platform.h"
#include "ui_bench.h"

using namespace ondivel;

namespace {

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

class PrintTest : public QObject {
    Q_OBJECT

  private slots:
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
        // The sine's crest, 2.5 divisions up, a quarter period (100 units) from the left edge.
        const QPointF crest = page.toDevice(-400, 250);
        const QColor ch1 = qcolor(InkOnPaper(bench.app.g.CouleurA)); // the yellow darkened on paper
        bool found = false;
        for (int dy = -2; dy <= 2 && !found; ++dy)
            found = image.pixelColor(crest.toPoint() + QPoint(0, dy)) == ch1;
        QVERIFY(found);

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

QTEST_MAIN(PrintTest)
#include "print_test.moc"
