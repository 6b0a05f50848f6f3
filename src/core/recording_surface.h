#pragma once
// A surface that keeps the primitives drawn since it was last cleared, for tests, the script
// harness and SVG dumps. Text extents follow a nominal pixel size and an average glyph width.
#include <optional>
#include <string>
#include <vector>

#include "core/surface.h"

namespace ondivel {

struct RecordedLine {
    double x1, y1, x2, y2;
    Color color;
    int width;
    LineStyle style;
};

struct RecordedText {
    double x, y;
    std::string text;
    std::string font;
    double points;
    Color color;
};

class RecordingSurface : public Surface {
  public:
    explicit RecordingSurface(int widthPixels = 1000, int heightPixels = 800);

    void setScale(double left, double top, double right, double bottom) override;
    void clear() override;
    void setBackColor(Color c) override { backColor_ = c; }
    void setBackgroundFrom(const Surface& source) override;
    void setPersistent(bool on) override { persistent_ = on; }
    void setDrawWidth(int pixels) override { drawWidth_ = pixels; }
    void setDrawStyle(LineStyle style) override { drawStyle_ = style; }
    void line(double x1, double y1, double x2, double y2, Color color) override;
    void setFont(const std::string& name, double points) override;
    double textWidth(const std::string& text) const override;
    double textHeight(const std::string& text) const override;
    void print(double x, double y, const std::string& text, Color color) override;
    void setMousePointer(int pointer) override { mousePointer_ = pointer; }

    const std::vector<RecordedLine>& lines() const { return lines_; }
    const std::vector<RecordedText>& texts() const { return texts_; }
    // The background picture's lines (the graticule copied from the grid picture).
    const std::vector<RecordedLine>& backgroundLines() const { return background_; }
    Color backColor() const { return backColor_; }
    Color backgroundColor() const { return backgroundColor_; }
    int drawWidth() const { return drawWidth_; }
    LineStyle drawStyle() const { return drawStyle_; }
    int mousePointer() const { return mousePointer_; }
    bool persistent() const { return persistent_; }
    int clearCount() const { return clearCount_; }
    double left() const { return left_; }
    double top() const { return top_; }
    double right() const { return right_; }
    double bottom() const { return bottom_; }
    int widthPixels() const { return widthPx_; }
    int heightPixels() const { return heightPx_; }
    void resize(int widthPixels, int heightPixels);

    // Queries on the lines of one colour (all colours when color is empty).
    std::size_t countLines(std::optional<Color> color = std::nullopt) const;
    std::optional<double> minX(Color c) const;
    std::optional<double> maxX(Color c) const;
    std::optional<double> minY(Color c) const;
    std::optional<double> maxY(Color c) const;
    // Height of the colour-c polyline at abscissa x: the first segment that spans x.
    std::optional<double> yAt(Color c, double x) const;
    // Every printed text joined with "|".
    std::string joinedTexts() const;

    // The picture as SVG: background colour, background lines, lines and texts.
    std::string toSvg() const;

  private:
    int widthPx_, heightPx_;
    double left_ = 0, top_ = 0, right_ = 1, bottom_ = 1;
    Color backColor_ = kWhite;
    Color backgroundColor_ = kWhite;
    bool hasBackground_ = false;
    bool persistent_ = false;
    int drawWidth_ = 1;
    LineStyle drawStyle_ = LineStyle::Solid;
    std::string fontName_ = "Arial";
    double fontPoints_ = 8;
    int mousePointer_ = 0;
    int clearCount_ = 0;
    std::vector<RecordedLine> lines_;
    std::vector<RecordedText> texts_;
    std::vector<RecordedLine> background_;
};

} // namespace ondivel
