#include "ui/platform/export_encoding.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

#include "ui/surface/painter_surface.h"
#include "ui/surface/qt_surface.h"

namespace ondivel {

std::unique_ptr<Surface> SharperQtSurface(const Surface& shown, int minWidthPixels) {
    QSizeF logical(1000, 800);
    qreal ratio = 1;
    if (const QtSurface* s = qtSurfaceOf(const_cast<Surface*>(&shown)); s && !s->pixelSize().isEmpty()) {
        ratio = s->devicePixelRatio();
        logical = QSizeF(s->pixelSize()) / ratio;
    }
    ratio = std::max(ratio, minWidthPixels / logical.width());
    const QSize device(static_cast<int>(std::ceil(logical.width() * ratio)),
                       static_cast<int>(std::ceil(logical.height() * ratio)));
    return std::make_unique<QtSurface>(device, ratio);
}

std::string PngBytesOf(const Surface& picture) {
    const QImage* image = surfaceImage(&picture);
    if (!image || image->isNull()) return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    // The picture's pixels as they are: no device ratio in the file, which would halve its size
    // in some viewers.
    QImage plain = *image;
    plain.setDevicePixelRatio(1);
    if (!plain.save(&buffer, "PNG")) return {};
    return bytes.toStdString();
}

std::string PdfBytesOf(const std::function<void(Surface&)>& drawPage, const std::string& title) {
    return PdfDocumentBytesOf(
        1, [&drawPage](Surface& page, int) { drawPage(page); }, title, false);
}

std::string PdfDocumentBytesOf(int pageCount, const std::function<void(Surface&, int)>& drawPage,
                               const std::string& title, bool landscape) {
    if (pageCount < 1) return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                         landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                         QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        writer.setTitle(QString::fromStdString(title));
        writer.setCreator(QStringLiteral("Ondivel"));
        QPainter painter;
        if (!painter.begin(&writer)) return {};
        const QRectF area(0, 0, painter.device()->width(), painter.device()->height());
        for (int i = 0; i < pageCount; ++i) {
            if (i > 0 && !writer.newPage()) return {};
            PainterSurface page(painter, area);
            drawPage(page, i);
            page.flush();
        }
        if (!painter.end()) return {};
    }
    return bytes.toStdString();
}

} // namespace ondivel
