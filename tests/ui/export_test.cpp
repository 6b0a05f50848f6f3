// The screen export on the desktop's drawing: a DUAL picture saved as a PNG at least 1600 pixels
// wide with both trace colours in it, and as a vector PDF whose text (read back by pdftotext)
// holds the calibres, the legend and the date. ONDIVEL_EXPORT_KEEP=DIR keeps the two files there
// to look at them.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "bench/evaluation/class_table.h"
#include "bench/evaluation/class_table_print.h"
#include "bench/main/screen_export.h"
#include "bench/ondivel.h"
#include "support/bench_scene.h"
#include "ui/platform/export_encoding.h"
#include "ui/surface/qt_surface.h"

using namespace ondivel;

namespace {

// The scripted platform with the desktop's pictures and its PNG and PDF encoders.
class ExportingPlatform : public FakePlatform {
  public:
    using FakePlatform::FakePlatform;
    std::unique_ptr<Surface> createSurface(int width, int height) override {
        return std::make_unique<QtSurface>(QSize(width, height));
    }
    std::unique_ptr<Surface> createSharperSurface(const Surface& shown, int minWidthPixels) override {
        return SharperQtSurface(shown, minWidthPixels);
    }
    std::string pngBytes(const Surface& picture) override { return PngBytesOf(picture); }
    std::string pdfBytes(const std::function<void(Surface&)>& drawPage, const std::string& title) override {
        return PdfBytesOf(drawPage, title);
    }
};

// Pixels within a small distance of the colour (the traces' edges are smoothed).
int pixelsNear(const QImage& image, Color c) {
    const QColor target(redOf(c), greenOf(c), blueOf(c));
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor p = image.pixelColor(x, y);
            if (std::abs(p.red() - target.red()) + std::abs(p.green() - target.green()) +
                    std::abs(p.blue() - target.blue()) <
                30)
                ++count;
        }
    return count;
}

} // namespace

class ExportTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString folder_;

    // A DUAL picture exported to `name` through the menu command's path.
    QString exported(const QString& name) {
        ExportingPlatform platform((dir_.path() + "/root").toStdString());
        BenchScene scene(platform);
        scene.app.frmToolBox().optConnexion[1].Value = 1; // CH1's generator wired, as CH2's is
        scene.dualSineAndSquare();
        scene.app.RefreshDisplay();
        const QString path = folder_ + "/" + name;
        platform.fileAnswers.push_back(path.toStdString());
        ExportScreen(scene.app);
        if (!platform.messages.empty()) qWarning("%s", platform.messages.back().text.c_str());
        colours_[0] = scene.app.g.CouleurA;
        colours_[1] = scene.app.g.CouleurB;
        return path;
    }
    Color colours_[2] = {0, 0};

  private slots:
    void initTestCase() {
        folder_ = qEnvironmentVariable("ONDIVEL_EXPORT_KEEP", dir_.path());
        QDir().mkpath(folder_);
    }

    void aPngIsWideAndShowsBothTraces() {
        const QImage image(exported(QStringLiteral("dual.png")));
        QVERIFY(!image.isNull());
        QVERIFY2(image.width() >= kExportMinWidthPixels, qPrintable(QString::number(image.width())));
        // A trace runs across the ten divisions: several times the picture's width in pixels.
        QVERIFY2(pixelsNear(image, colours_[0]) > image.width(), "no CH1 trace");
        QVERIFY2(pixelsNear(image, colours_[1]) > image.width(), "no CH2 trace");
    }

    void aPdfIsVectorAndSaysTheCalibres() {
        const QString path = exported(QStringLiteral("dual.pdf"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QVERIFY2(!bytes.contains("/Subtype /Image"), "a picture in the PDF");
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        QVERIFY2(!pdftotext.isEmpty(), "pdftotext missing: scripts/setup.sh installs poppler-utils");
        QProcess run;
        run.start(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
        QVERIFY(run.waitForFinished(30000));
        const QString text = QString::fromUtf8(run.readAllStandardOutput());
        for (const char* expected : {"Voie CH1 : 2 V/div ; Voie CH2 : 2 V/div ; Base de temps : 1 ms/div",
                                     "Voie CH1 : générateur de fonctions, tension sinusoïdale",
                                     "Voie CH2 : générateur de fonctions, tension carrée",
                                     "Exporté avec Ondivel v.1.0 le 03/12/2026"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), qPrintable(text));
    }

    // The class table on sheets across: vector text, the column titles on every sheet, the
    // shares after the rows, each sheet numbered.
    void aClassTablePdfRunsOnSheetsAcross() {
        TablePrint print;
        print.title = "Tableau de la classe";
        print.headerLines = {"Filtres : Classe : toutes ; exercice : tous ; tri : Nom"};
        print.columns = TableColumnTitles(3);
        for (int i = 0; i < 60; ++i) {
            std::vector<std::string> cells = {"Élève" + std::to_string(i), "Léa",  "2nde B", "lecture.ond",
                                              "03/12/2026 09:05:00",       "17,5", ""};
            for (int k = 0; k < 6; ++k)
                cells.push_back("✓ ✗ –");
            print.rows.push_back(std::move(cells));
        }
        print.sharesTitle = "Réussite de la classe par oscillogramme";
        print.shareColumns = ShareColumnTitles();
        print.shares = {{"1", "CH1", "25/30 (83 %)", "24/30 (80 %)", "25/30 (83 %)"}};
        const int pages = TablePrintPages(print);
        QCOMPARE(pages, 2);
        const std::string bytes = PdfDocumentBytesOf(
            pages, [&print](Surface& page, int i) { DrawTablePrintPage(print, page, i); }, print.title, true);
        const QString path = folder_ + "/classe.pdf";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        file.close();
        QVERIFY(QByteArray::fromStdString(bytes).startsWith("%PDF"));
        QVERIFY(!QByteArray::fromStdString(bytes).contains("/Subtype /Image"));
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        QVERIFY2(!pdftotext.isEmpty(), "pdftotext missing: scripts/setup.sh installs poppler-utils");
        const auto sheet = [&](int n) {
            QProcess run;
            run.start(pdftotext, {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(n),
                                  QStringLiteral("-l"), QString::number(n), path, QStringLiteral("-")});
            run.waitForFinished(30000);
            return QString::fromUtf8(run.readAllStandardOutput());
        };
        const QString first = sheet(1), second = sheet(2);
        for (const char* expected : {"Tableau de la classe", "Filtres : Classe : toutes", "Élève0",
                                     "Note /20", "O3 CH2", "page 1 sur 2"})
            QVERIFY2(first.contains(QString::fromUtf8(expected)), qPrintable(first));
        for (const char* expected : {"Note /20", "Élève59", "25/30 (83 %)", "page 2 sur 2"})
            QVERIFY2(second.contains(QString::fromUtf8(expected)), qPrintable(second));
        QVERIFY(!second.contains(QStringLiteral("Filtres")));
    }
};

QTEST_MAIN(ExportTest)
#include "export_test.moc"
