#include "core/text_wrap.h"

namespace ondivel {

namespace {

constexpr const char* kEllipsis = "…";

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Bytes of the UTF-8 character that starts at text[i].
std::size_t characterLength(std::string_view text, std::size_t i) {
    std::size_t n = 1;
    while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80)
        ++n;
    return n;
}

std::vector<std::string> words(std::string_view text) {
    std::vector<std::string> result;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isBlank(text[i]))
            ++i;
        const std::size_t start = i;
        while (i < text.size() && !isBlank(text[i]))
            ++i;
        if (i > start) result.emplace_back(text.substr(start, i - start));
    }
    return result;
}

} // namespace

std::vector<std::string> WrapText(std::string_view text, double width,
                                  const std::function<double(const std::string&)>& measure, int maxLines) {
    std::vector<std::string> lines;
    std::string line;
    const auto fits = [&](const std::string& candidate) { return measure(candidate) <= width; };
    for (std::string word : words(text)) {
        const std::string joined = line.empty() ? word : line + " " + word;
        if (fits(joined)) {
            line = joined;
            continue;
        }
        if (!line.empty()) lines.push_back(line);
        line.clear();
        // A word wider than a line: as many characters as fit on each line.
        while (!fits(word)) {
            std::size_t cut = 0;
            while (cut < word.size()) {
                const std::size_t next = cut + characterLength(word, cut);
                if (cut > 0 && !fits(word.substr(0, next))) break;
                cut = next;
            }
            if (cut >= word.size()) break;
            lines.push_back(word.substr(0, cut));
            word.erase(0, cut);
        }
        line = word;
    }
    if (!line.empty()) lines.push_back(line);

    if (maxLines <= 0 || static_cast<int>(lines.size()) <= maxLines) return lines;
    lines.resize(static_cast<std::size_t>(maxLines));
    std::string& last = lines.back();
    // Characters off the end until the ellipsis fits too.
    while (!last.empty() && !fits(last + kEllipsis)) {
        std::size_t start = last.size() - 1;
        while (start > 0 && (static_cast<unsigned char>(last[start]) & 0xC0) == 0x80)
            --start;
        last.erase(start);
    }
    while (!last.empty() && isBlank(last.back()))
        last.pop_back();
    last += kEllipsis;
    return lines;
}

} // namespace ondivel
