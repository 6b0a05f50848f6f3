#pragma once
// The Surface of the desktop program: the renderer's lines and texts painted with QPainter into a
// QImage in device pixels, in the user scale the renderer sets. Views show image(); the
// generation number tells them whether it changed since they last painted.
#include <QImage>
#include <QSize>

#include "core/surface.h"

namespace ondivel {

class QtSurface : public Surface {
  public:
    // devicePixelRatio scales pens and fonts: a 1-pixel line stays one logical pixel wide.
    explicit QtSurface(QSize pixels = QSize(1000, 800), qreal devicePixelRatio = 1.0);
    ~QtSurface() override;
    QtSurface(const QtSurface&) = delete;
    QtSurface& operator=(const QtSurface&) = delete;

    // Resizes the picture; the drawing is lost (the owner redraws).
    void resizePixels(QSize pixels, qreal devicePixelRatio = 1.0);
    QSize pixelSize() const;
    qreal devicePixelRatio() const;
    // The picture with every buffered line painted.
    const QImage& image() const;
    quint64 generation() const;

    // Paints every segment as an antialiased line and the whole background at each clear, as a
    // plain QPainter user would: the reference that the benchmarks and the picture tests hold the
    // quick painting to. Off by default.
    void setNaivePainting(bool on);

    // User coordinates to device pixels (continuous: pixel i covers [i, i+1)).
    QPointF toDevice(double x, double y) const;

    void setScale(double left, double top, double right, double bottom) override;
    void clear() override;
    void setBackColor(Color c) override;
    // Like assigning a picture: the copy becomes the background and replaces the drawings.
    void setBackgroundFrom(const Surface& source) override;
    void setPersistent(bool on) override;
    void setDrawWidth(int pixels) override;
    void setDrawStyle(LineStyle style) override;
    void line(double x1, double y1, double x2, double y2, Color color) override;
    void setFont(const std::string& name, double points) override;
    double textWidth(const std::string& text) const override;
    double textHeight(const std::string& text) const override;
    void print(double x, double y, const std::string& text, Color color) override;
    void setMousePointer(int pointer) override;
    int mousePointer() const;

  private:
    struct Impl;
    Impl* d_;
};

// The image behind any surface the desktop program shows, or null when it has none.
const QImage* surfaceImage(const Surface* surface);
// The Qt picture of a surface (a QtSurface or the painted half of a TeeSurface), or null.
QtSurface* qtSurfaceOf(Surface* surface);

} // namespace ondivel
