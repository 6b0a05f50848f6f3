#pragma once
// The renderer's screen drawn on a page (the printout, an exported page, a worksheet): clearing
// and backgrounds mean nothing on paper, segments are cut at the screen's edges as its frame cuts
// a trace, and the screen's units are mapped onto the page's.
#include <functional>
#include <string>

#include "core/surface.h"

namespace ondivel {

class ScreenOnPaper : public Surface {
  public:
    // The screen's units as they are: the page holds them in its own scale.
    ScreenOnPaper(Surface& page, std::function<Color(Color)> ink);
    // The screen, `width` page units wide, with its top left corner at (left, top) of a page whose
    // y grows downwards. Its texts are left out: the screen is too small for them to be read.
    ScreenOnPaper(Surface& page, double left, double top, double width);

    void setScale(double, double, double, double) override {}
    void clear() override {}
    void setBackColor(Color) override {}
    void setBackgroundFrom(const Surface&) override {}
    void setPersistent(bool) override {}
    void setDrawWidth(int pixels) override;
    void setDrawStyle(LineStyle style) override;
    void line(double x1, double y1, double x2, double y2, Color color) override;
    void setFont(const std::string& name, double points) override;
    double textWidth(const std::string& text) const override;
    double textHeight(const std::string& text) const override;
    void print(double x, double y, const std::string& text, Color color) override;
    void setMousePointer(int) override {}

  private:
    // Where the screen goes: page x = screen x × xScale + xShift, and the same for y. Texts are
    // measured in the page's units divided by the scales.
    struct Placement {
        double xScale = 1, xShift = 0, yScale = 1, yShift = 0;
    };
    Surface& page_;
    Placement at_;
    std::function<Color(Color)> ink_; // empty: the colours as they are
    bool texts_ = true;
};

} // namespace ondivel
