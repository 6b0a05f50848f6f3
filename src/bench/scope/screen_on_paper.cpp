#include "bench/scope/screen_on_paper.h"

#include <cmath>
#include <utility>

#include "bench/scope/renderer.h"
#include "bench/scope/screen_clip.h"

namespace ondivel {

ScreenOnPaper::ScreenOnPaper(Surface& page, std::function<Color(Color)> ink)
    : page_(page), ink_(std::move(ink)) {}

ScreenOnPaper::ScreenOnPaper(Surface& page, double left, double top, double width)
    : page_(page), texts_(false) {
    const double unit = width / (kScreenRight - kScreenLeft);
    at_ = {unit, left - kScreenLeft * unit, -unit, top + kScreenTop * unit};
}

void ScreenOnPaper::setDrawWidth(int pixels) {
    page_.setDrawWidth(pixels);
}

void ScreenOnPaper::setDrawStyle(LineStyle style) {
    page_.setDrawStyle(style);
}

void ScreenOnPaper::line(double x1, double y1, double x2, double y2, Color color) {
    if (!ClipToScreen(x1, y1, x2, y2)) return;
    page_.line(x1 * at_.xScale + at_.xShift, y1 * at_.yScale + at_.yShift, x2 * at_.xScale + at_.xShift,
               y2 * at_.yScale + at_.yShift, ink_ ? ink_(color) : color);
}

void ScreenOnPaper::setFont(const std::string& name, double points) {
    page_.setFont(name, points);
}

double ScreenOnPaper::textWidth(const std::string& text) const {
    return page_.textWidth(text) / std::abs(at_.xScale);
}

double ScreenOnPaper::textHeight(const std::string& text) const {
    return page_.textHeight(text) / std::abs(at_.yScale);
}

void ScreenOnPaper::print(double x, double y, const std::string& text, Color color) {
    if (texts_)
        page_.print(x * at_.xScale + at_.xShift, y * at_.yScale + at_.yShift, text,
                    ink_ ? ink_(color) : color);
}

} // namespace ondivel
