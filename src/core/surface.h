#pragma once
// A picture the renderer draws on, in a user coordinate scale, the way the oscilloscope screen,
// the full-screen view, the graticule picture and the printer are drawn. RecordingSurface keeps
// the primitives for tests and the harness; the desktop shell paints them with Qt.
#include <string>

#include "core/color.h"

namespace ondivel {

enum class LineStyle { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4 };

class Surface {
  public:
    virtual ~Surface() = default;

    // User scale: x runs from left to right, y from top to bottom (top > bottom means y up).
    virtual void setScale(double left, double top, double right, double bottom) = 0;
    // Wipes the drawings and shows the background image, or the background colour when none.
    virtual void clear() = 0;
    virtual void setBackColor(Color c) = 0;
    // Takes a copy of another surface's current picture as this one's background image.
    virtual void setBackgroundFrom(const Surface& source) = 0;
    virtual void setPersistent(bool on) = 0;

    virtual void setDrawWidth(int pixels) = 0;
    virtual void setDrawStyle(LineStyle style) = 0;
    virtual void line(double x1, double y1, double x2, double y2, Color color) = 0;

    virtual void setFont(const std::string& name, double points) = 0;
    // Text extents in user units for the current font.
    virtual double textWidth(const std::string& text) const = 0;
    virtual double textHeight(const std::string& text) const = 0;
    // Prints text with its top-left corner at (x, y), in the current font and the given colour.
    virtual void print(double x, double y, const std::string& text, Color color) = 0;

    // 0 default, 11 hourglass, 99 the custom knob cursor.
    virtual void setMousePointer(int pointer) = 0;
};

} // namespace ondivel
