#include "core/platform.h"

#include <cstdio>

namespace ondivel {

std::string Platform::dateTimeText(const LocalDateTime& t) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d:%02d", t.day, t.month, t.year, t.hour,
                  t.minute, t.second);
    return text;
}

std::string Platform::csvBytes(const std::string& text) {
    return "\xEF\xBB\xBF" + text;
}

} // namespace ondivel
