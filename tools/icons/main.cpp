// ondivel-icons SVG OUTDIR SIZE...: renders the program's icon at each size as OUTDIR/SIZE.png,
// for the desktop's icon theme, which wants bitmaps beside the scalable picture.
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <iostream>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::cerr << "usage: ondivel-icons SVG OUTDIR SIZE...\n";
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::cerr << "ondivel-icons: cannot read " << argv[1] << "\n";
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLatin1(argv[i]).toInt();
        if (size <= 0) return 2;
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter);
        painter.end();
        const QString file = QString::fromLocal8Bit(argv[2]) + "/" + QString::number(size) + ".png";
        if (!image.save(file)) {
            std::cerr << "ondivel-icons: cannot write " << file.toStdString() << "\n";
            return 1;
        }
    }
    return 0;
}
