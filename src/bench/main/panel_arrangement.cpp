#include "bench/main/panel_arrangement.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

namespace ondivel {

namespace {

struct Box {
    double left, top, right, bottom;
};

bool overlaps(const Box& a, const Box& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

} // namespace

double PanelOuterWidth(const PanelExtent& panel, double zoom) {
    return std::max(panel.minWidth, std::floor(panel.width * zoom + 0.5) + panel.frameWidth);
}

double PanelOuterHeight(const PanelExtent& panel, double zoom) {
    return std::floor(panel.height * zoom + 0.5) + panel.frameHeight;
}

namespace {

enum class Order { Largest, Tallest, Widest };

// One way of packing: the panels after the first in the given order, each at the free corner
// nearest the top (then the left) or nearest the left (then the top).
Arrangement pack(std::span<const PanelExtent> panels, double areaWidth, double areaHeight, double zoom,
                 Order by, bool topFirst) {
    Arrangement result;
    result.zoom = zoom;
    result.fits = true;
    result.places.resize(panels.size());

    const auto key = [&](std::size_t i) {
        const double w = PanelOuterWidth(panels[i], zoom), h = PanelOuterHeight(panels[i], zoom);
        return by == Order::Largest ? w * h : by == Order::Tallest ? h : w;
    };
    std::vector<std::size_t> order(panels.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (order.size() > 1)
        std::stable_sort(order.begin() + 1, order.end(),
                         [&](std::size_t a, std::size_t b) { return key(a) > key(b); });

    std::vector<Box> placed;
    std::vector<double> xs{0}, ys{0};
    double lowest = 0;
    for (std::size_t i : order) {
        const double width = PanelOuterWidth(panels[i], zoom), height = PanelOuterHeight(panels[i], zoom);
        // Candidate corners: against an edge of a placed panel or of the work area.
        std::vector<std::pair<double, double>> corners;
        for (double y : ys)
            for (double x : xs)
                corners.emplace_back(topFirst ? y : x, topFirst ? x : y);
        for (double y : ys)
            corners.emplace_back(topFirst ? y : areaWidth - width, topFirst ? areaWidth - width : y);
        for (double x : xs)
            corners.emplace_back(topFirst ? areaHeight - height : x, topFirst ? x : areaHeight - height);
        std::sort(corners.begin(), corners.end());
        bool found = false;
        Box box{};
        for (const auto& [first, second] : corners) {
            const double x = topFirst ? second : first, y = topFirst ? first : second;
            box = {x, y, x + width, y + height};
            if (x < 0 || y < 0 || box.right > areaWidth || box.bottom > areaHeight) continue;
            if (std::none_of(placed.begin(), placed.end(), [&](const Box& b) { return overlaps(box, b); })) {
                found = true;
                break;
            }
        }
        if (!found) {
            result.fits = false;
            box = {0, lowest, width, lowest + height};
        }
        placed.push_back(box);
        xs.push_back(box.right);
        ys.push_back(box.bottom);
        lowest = std::max(lowest, box.bottom);
        result.places[i] = {box.left, box.top};
    }
    return result;
}

} // namespace

Arrangement PackPanels(std::span<const PanelExtent> panels, double areaWidth, double areaHeight,
                       double zoom) {
    // Largest first along the top reads best; a tall narrow panel (the toolbox) may need the
    // others ordered by height or width, or packed in columns, to find room.
    const Arrangement first = pack(panels, areaWidth, areaHeight, zoom, Order::Largest, true);
    if (first.fits) return first;
    for (bool topFirst : {true, false})
        for (Order by : {Order::Largest, Order::Tallest, Order::Widest}) {
            Arrangement other = pack(panels, areaWidth, areaHeight, zoom, by, topFirst);
            if (other.fits) return other;
        }
    return first;
}

Arrangement ArrangePanels(std::span<const PanelExtent> panels, double areaWidth, double areaHeight,
                          std::span<const double> zooms) {
    for (auto it = zooms.rbegin(); it != zooms.rend(); ++it) {
        Arrangement packed = PackPanels(panels, areaWidth, areaHeight, *it);
        if (packed.fits || std::next(it) == zooms.rend()) return packed;
    }
    return PackPanels(panels, areaWidth, areaHeight, 1.0);
}

} // namespace ondivel
