#pragma once
// A RecordingSurface that also paints into a QtSurface: the screenshot tool gives the window
// models these, so the harness's screen queries still work while the pictures show real pixels.
#include "core/recording_surface.h"
#include "ui/surface/qt_surface.h"

namespace ondivel {

class TeeSurface : public RecordingSurface {
  public:
    explicit TeeSurface(int widthPixels = 1000, int heightPixels = 800);

    QtSurface& painted() { return painted_; }
    const QtSurface& painted() const { return painted_; }

    void setScale(double left, double top, double right, double bottom) override;
    void clear() override;
    void setBackColor(Color c) override;
    void setBackgroundFrom(const Surface& source) override;
    void setPersistent(bool on) override;
    void setDrawWidth(int pixels) override;
    void setDrawStyle(LineStyle style) override;
    void line(double x1, double y1, double x2, double y2, Color color) override;
    void setFont(const std::string& name, double points) override;
    void print(double x, double y, const std::string& text, Color color) override;
    void setMousePointer(int pointer) override;
    // Text extents stay the recording's, so scenarios measure the same on both tools.

  private:
    QtSurface painted_;
};

} // namespace ondivel
