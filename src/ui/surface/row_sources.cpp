#include "ui/surface/row_sources.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <unordered_map>

namespace ondivel {

std::vector<int> FirstEqualRows(const QImage& picture) {
    const int height = picture.height();
    std::vector<int> source(static_cast<std::size_t>(std::max(0, height)));
    const auto bytes =
        static_cast<std::size_t>(picture.width()) * static_cast<std::size_t>(picture.depth()) / 8;
    // Rows by the hash of their pixels; equal hashes are compared before a row is taken as a copy.
    std::unordered_multimap<std::uint64_t, int> firsts;
    for (int y = 0; y < height; ++y) {
        const uchar* row = picture.constScanLine(y);
        std::uint64_t h = 0xCBF29CE484222325ull;
        std::size_t i = 0;
        for (; i + 8 <= bytes; i += 8) {
            std::uint64_t word;
            std::memcpy(&word, row + i, 8);
            h = (h ^ word) * 0x100000001B3ull;
        }
        for (; i < bytes; ++i)
            h = (h ^ row[i]) * 0x100000001B3ull;
        source[static_cast<std::size_t>(y)] = y;
        const auto [first, last] = firsts.equal_range(h);
        bool found = false;
        for (auto it = first; it != last && !found; ++it)
            if (std::memcmp(picture.constScanLine(it->second), row, bytes) == 0) {
                source[static_cast<std::size_t>(y)] = it->second;
                found = true;
            }
        if (!found) firsts.emplace(h, y);
    }
    return source;
}

} // namespace ondivel
