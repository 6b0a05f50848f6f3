#pragma once
// A Surface that paints straight onto a QPainter's device, at the device's resolution: the
// printer. The user scale is fitted into the given area undistorted, centred across and from the
// top; pens are thin cosmetic lines whose width follows the device's dots per inch; the marker
// symbol font is drawn as shapes. Joined segments of one pen are painted as one polyline so that
// a dashed trace made of many short segments still shows its dashes. Background images and
// clearing have no meaning on paper and do nothing.
#include <QFont>
#include <QPen>
#include <QPolygonF>
#include <QRectF>

#include "core/surface.h"

class QPainter;

namespace ondivel {

class PainterSurface : public Surface {
  public:
    PainterSurface(QPainter& painter, const QRectF& area);
    ~PainterSurface() override;
    PainterSurface(const PainterSurface&) = delete;
    PainterSurface& operator=(const PainterSurface&) = delete;

    // Paints the polyline still being joined; call before the painter ends.
    void flush();

    void setScale(double left, double top, double right, double bottom) override;
    void clear() override {}
    void setBackColor(Color) override {}
    void setBackgroundFrom(const Surface&) override {}
    void setPersistent(bool) override {}
    void setDrawWidth(int pixels) override { drawWidth_ = pixels; }
    void setDrawStyle(LineStyle style) override { drawStyle_ = style; }
    void line(double x1, double y1, double x2, double y2, Color color) override;
    void setFont(const std::string& name, double points) override;
    double textWidth(const std::string& text) const override;
    double textHeight(const std::string& text) const override;
    void print(double x, double y, const std::string& text, Color color) override;
    void setMousePointer(int) override {}

    // User coordinates to device pixels.
    QPointF toDevice(double x, double y) const;

  private:
    QPen pen(Color color) const;
    // Device pixels of a marker glyph's square.
    double markerEm() const;
    bool markerFont() const;

    QPainter& painter_;
    QRectF area_;
    double left_ = 0, top_ = 0, right_ = 1, bottom_ = 1;
    double unit_ = 1; // device pixels per user unit
    QPointF origin_;  // device position of (left, top)
    int drawWidth_ = 1;
    LineStyle drawStyle_ = LineStyle::Solid;
    QFont font_;
    double points_ = 8;
    QPolygonF pending_;
    Color pendingColor_ = 0;
    int pendingWidth_ = 1;
    LineStyle pendingStyle_ = LineStyle::Solid;
};

} // namespace ondivel
