// The screen copy on a real X display: another program (xclip) pastes it as a PNG picture, with
// the colours the screen had. Run under xvfb-run by CTest.
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QtTest>

#include "bench/scope/renderer.h"
#include "core/color.h"
#include "ui/platform/qt_platform.h"
#include "ui/surface/qt_surface.h"

using namespace ondivel;

namespace {

// Reads the clipboard with xclip while this program keeps answering the X server, which asks the
// clipboard's owner (us) for the data.
QByteArray paste(const QString& target) {
    QProcess xclip;
    xclip.start("xclip", {"-selection", "clipboard", "-t", target, "-o"});
    if (!xclip.waitForStarted(5000)) return {};
    QElapsedTimer waited;
    waited.start();
    while (xclip.state() != QProcess::NotRunning && waited.elapsed() < 10000)
        QTest::qWait(20);
    return xclip.readAllStandardOutput();
}

} // namespace

class ClipboardPasteTest : public QObject {
    Q_OBJECT
  private slots:
    void anotherProgramPastesTheScreenAsAPicture() {
        QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
        QtSurface screen(QSize(400, 320));
        screen.setScale(kScreenLeft, kScreenTop, kScreenRight, kScreenBottom);
        screen.setBackColor(RGB(0, 0, 255));
        screen.clear();
        screen.line(-500, 0, 500, 0, RGB(255, 0, 0));
        QtPlatform qt;
        qt.clearClipboard();
        qt.setClipboardImage(screen);

        QVERIFY(paste("TARGETS").contains("image/png"));
        const QImage pasted = QImage::fromData(paste("image/png"), "PNG");
        QCOMPARE(pasted.size(), QSize(400, 320));
        QCOMPARE(pasted.pixelColor(10, 10), QColor(0, 0, 255));
        QCOMPARE(pasted.pixelColor(QPoint(200, screen.toDevice(0, 0).toPoint().y())), QColor(255, 0, 0));
    }
};

QTEST_MAIN(ClipboardPasteTest)
#include "clipboard_paste_test.moc"
