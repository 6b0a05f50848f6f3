#include "ui/surface/tee_surface.h"

namespace ondivel {

TeeSurface::TeeSurface(int widthPixels, int heightPixels)
    : RecordingSurface(widthPixels, heightPixels), painted_(QSize(widthPixels, heightPixels)) {}

void TeeSurface::setScale(double left, double top, double right, double bottom) {
    RecordingSurface::setScale(left, top, right, bottom);
    painted_.setScale(left, top, right, bottom);
}
void TeeSurface::clear() {
    RecordingSurface::clear();
    painted_.clear();
}
void TeeSurface::setBackColor(Color c) {
    RecordingSurface::setBackColor(c);
    painted_.setBackColor(c);
}
void TeeSurface::setBackgroundFrom(const Surface& source) {
    RecordingSurface::setBackgroundFrom(source);
    painted_.setBackgroundFrom(source);
}
void TeeSurface::setPersistent(bool on) {
    RecordingSurface::setPersistent(on);
    painted_.setPersistent(on);
}
void TeeSurface::setDrawWidth(int pixels) {
    RecordingSurface::setDrawWidth(pixels);
    painted_.setDrawWidth(pixels);
}
void TeeSurface::setDrawStyle(LineStyle style) {
    RecordingSurface::setDrawStyle(style);
    painted_.setDrawStyle(style);
}
void TeeSurface::line(double x1, double y1, double x2, double y2, Color color) {
    RecordingSurface::line(x1, y1, x2, y2, color);
    painted_.line(x1, y1, x2, y2, color);
}
void TeeSurface::setFont(const std::string& name, double points) {
    RecordingSurface::setFont(name, points);
    painted_.setFont(name, points);
}
void TeeSurface::print(double x, double y, const std::string& text, Color color) {
    RecordingSurface::print(x, y, text, color);
    painted_.print(x, y, text, color);
}
void TeeSurface::setMousePointer(int pointer) {
    RecordingSurface::setMousePointer(pointer);
    painted_.setMousePointer(pointer);
}

} // namespace ondivel
