#include "core/recording_surface.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace ondivel {

namespace {
constexpr double kPixelsPerPoint = 96.0 / 72.0;
constexpr double kAverageGlyphWidth = 0.55; // of the font's pixel size
constexpr double kLineHeight = 1.15;

std::string svgColor(Color c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", redOf(c), greenOf(c), blueOf(c));
    return buf;
}

std::string xmlEscape(const std::string& s) {
    std::string out;
    for (char ch : s) {
        switch (ch) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += ch;
        }
    }
    return out;
}
} // namespace

RecordingSurface::RecordingSurface(int widthPixels, int heightPixels)
    : widthPx_(std::max(1, widthPixels)), heightPx_(std::max(1, heightPixels)) {}

void RecordingSurface::resize(int widthPixels, int heightPixels) {
    widthPx_ = std::max(1, widthPixels);
    heightPx_ = std::max(1, heightPixels);
}

void RecordingSurface::setScale(double left, double top, double right, double bottom) {
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
}

void RecordingSurface::clear() {
    lines_.clear();
    texts_.clear();
    ++clearCount_;
}

void RecordingSurface::setBackgroundFrom(const Surface& source) {
    if (auto rec = dynamic_cast<const RecordingSurface*>(&source)) {
        background_ = rec->background_;
        background_.insert(background_.end(), rec->lines_.begin(), rec->lines_.end());
        backgroundColor_ = rec->backColor_;
        hasBackground_ = true;
    }
}

void RecordingSurface::line(double x1, double y1, double x2, double y2, Color color) {
    lines_.push_back({x1, y1, x2, y2, color, drawWidth_, drawStyle_});
}

void RecordingSurface::setFont(const std::string& name, double points) {
    fontName_ = name;
    fontPoints_ = points;
}

double RecordingSurface::textWidth(const std::string& text) const {
    std::size_t glyphs = 0;
    for (unsigned char ch : text)
        if ((ch & 0xC0) != 0x80) ++glyphs; // count UTF-8 code points
    const double pixels = static_cast<double>(glyphs) * fontPoints_ * kPixelsPerPoint * kAverageGlyphWidth;
    return pixels * std::abs(right_ - left_) / widthPx_;
}

double RecordingSurface::textHeight(const std::string&) const {
    const double pixels = fontPoints_ * kPixelsPerPoint * kLineHeight;
    return pixels * std::abs(top_ - bottom_) / heightPx_;
}

void RecordingSurface::print(double x, double y, const std::string& text, Color color) {
    texts_.push_back({x, y, text, fontName_, fontPoints_, color});
}

std::size_t RecordingSurface::countLines(std::optional<Color> color) const {
    if (!color) return lines_.size();
    return static_cast<std::size_t>(std::count_if(lines_.begin(), lines_.end(),
                                                  [&](const RecordedLine& l) { return l.color == *color; }));
}

namespace {
template <class Pick, class Better>
std::optional<double> extreme(const std::vector<RecordedLine>& lines, Color c, Pick pick, Better better) {
    std::optional<double> best;
    for (const auto& l : lines) {
        if (l.color != c) continue;
        for (double v : {pick(l, true), pick(l, false)})
            if (!best || better(v, *best)) best = v;
    }
    return best;
}
} // namespace

std::optional<double> RecordingSurface::minX(Color c) const {
    return extreme(
        lines_, c, [](const RecordedLine& l, bool a) { return a ? l.x1 : l.x2; }, std::less<>());
}
std::optional<double> RecordingSurface::maxX(Color c) const {
    return extreme(
        lines_, c, [](const RecordedLine& l, bool a) { return a ? l.x1 : l.x2; }, std::greater<>());
}
std::optional<double> RecordingSurface::minY(Color c) const {
    return extreme(
        lines_, c, [](const RecordedLine& l, bool a) { return a ? l.y1 : l.y2; }, std::less<>());
}
std::optional<double> RecordingSurface::maxY(Color c) const {
    return extreme(
        lines_, c, [](const RecordedLine& l, bool a) { return a ? l.y1 : l.y2; }, std::greater<>());
}

std::optional<double> RecordingSurface::yAt(Color c, double x) const {
    for (const auto& l : lines_) {
        if (l.color != c) continue;
        const double lo = std::min(l.x1, l.x2), hi = std::max(l.x1, l.x2);
        if (x < lo || x > hi) continue;
        if (l.x2 == l.x1) return l.y2; // a vertical edge: its upper end is where the trace goes on
        return l.y1 + (l.y2 - l.y1) * (x - l.x1) / (l.x2 - l.x1);
    }
    return std::nullopt;
}

std::string RecordingSurface::joinedTexts() const {
    std::string out;
    for (std::size_t i = 0; i < texts_.size(); ++i) {
        if (i) out += '|';
        out += texts_[i].text;
    }
    return out;
}

std::string RecordingSurface::toSvg() const {
    std::ostringstream svg;
    const double w = right_ - left_, h = bottom_ - top_; // h < 0 when y points up
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << widthPx_ << "\" height=\"" << heightPx_
        << "\" viewBox=\"0 0 " << widthPx_ << ' ' << heightPx_ << "\">\n";
    const Color back = hasBackground_ ? backgroundColor_ : backColor_;
    svg << "<rect width=\"100%\" height=\"100%\" fill=\"" << svgColor(back) << "\"/>\n";
    auto px = [&](double x) { return (x - left_) / w * widthPx_; };
    auto py = [&](double y) { return (y - top_) / h * heightPx_; };
    auto emit = [&](const RecordedLine& l) {
        svg << "<line x1=\"" << px(l.x1) << "\" y1=\"" << py(l.y1) << "\" x2=\"" << px(l.x2) << "\" y2=\""
            << py(l.y2) << "\" stroke=\"" << svgColor(l.color) << "\" stroke-width=\"" << l.width << '"';
        if (l.style == LineStyle::Dot)
            svg << " stroke-dasharray=\"1,2\"";
        else if (l.style != LineStyle::Solid)
            svg << " stroke-dasharray=\"6,3\"";
        svg << "/>\n";
    };
    for (const auto& l : background_)
        emit(l);
    for (const auto& l : lines_)
        emit(l);
    for (const auto& t : texts_) {
        svg << "<text x=\"" << px(t.x) << "\" y=\"" << py(t.y) << "\" font-family=\"" << xmlEscape(t.font)
            << "\" font-size=\"" << t.points * kPixelsPerPoint << "\" dominant-baseline=\"hanging\" fill=\""
            << svgColor(t.color) << "\">" << xmlEscape(t.text) << "</text>\n";
    }
    svg << "</svg>\n";
    return svg.str();
}

} // namespace ondivel
