#include "core/repeated_lines.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

namespace ondivel {

namespace {

using Key = std::array<std::int32_t, 4>;

constexpr double kSteps = 256;       // per pixel
constexpr double kLargest = 1 << 22; // pixels: times kSteps still fits an int32

std::optional<std::int32_t> quantize(double v) {
    if (!(std::abs(v) < kLargest)) return std::nullopt; // also NaN
    return static_cast<std::int32_t>(std::lround(v * kSteps));
}

// The same key for a line and its reverse.
std::optional<Key> keyOf(const DeviceLine& l) {
    const auto x1 = quantize(l.x1), y1 = quantize(l.y1), x2 = quantize(l.x2), y2 = quantize(l.y2);
    if (!x1 || !y1 || !x2 || !y2) return std::nullopt;
    Key a{*x1, *y1, *x2, *y2}, b{*x2, *y2, *x1, *y1};
    return a < b ? a : b;
}

std::uint64_t hashOf(const Key& k) {
    std::uint64_t h = 0x9E3779B97F4A7C15ull;
    for (std::int32_t v : k)
        h = (h ^ static_cast<std::uint32_t>(v)) * 0xBF58476D1CE4E5B9ull;
    return h ^ (h >> 31);
}

} // namespace

void DropRepeatedLines(std::vector<DeviceLine>& lines) {
    if (lines.size() < 2) return;
    // Open addressing, at most half full: a frame's thousand lines cost a few microseconds.
    const std::size_t slots = std::bit_ceil(lines.size() * 2);
    std::vector<Key> table(slots);
    std::vector<bool> used(slots, false);
    std::size_t kept = 0;
    for (const DeviceLine& line : lines) {
        bool repeated = false;
        if (const auto key = keyOf(line)) {
            for (std::size_t at = hashOf(*key) & (slots - 1);; at = (at + 1) & (slots - 1)) {
                if (!used[at]) {
                    used[at] = true;
                    table[at] = *key;
                    break;
                }
                if (table[at] == *key) {
                    repeated = true;
                    break;
                }
            }
        }
        if (!repeated) lines[kept++] = line;
    }
    lines.resize(kept);
}

} // namespace ondivel
