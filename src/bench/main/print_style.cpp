#include "bench/main/print_style.h"

#include <cmath>
#include <iterator>

#include "bench/ondivel.h"
#include "core/format.h"

namespace ondivel {

namespace {
int indexIn(const std::string& text, int count) {
    const double i = std::floor(Val(text));
    return i >= 0 && i < count ? static_cast<int>(i) : 0;
}
} // namespace

PrintStyle ReadPrintStyle(const Ondivel& app, int trace) {
    const std::string voie = trace == 0 ? " Voie A" : " Voie B";
    PrintStyle s;
    s.line = static_cast<LineStyle>(indexIn(app.ReadIni("Impression", "Style Ligne" + voie, "0"), 5));
    s.marker = Val(app.ReadIni("Impression", "Marque" + voie, "1")) != 0;
    s.glyph = kMarkerGlyphs[indexIn(app.ReadIni("Impression", "Motif Marque" + voie, "0"),
                                    static_cast<int>(std::size(kMarkerGlyphs)))];
    s.points = kMarkerSizes[indexIn(app.ReadIni("Impression", "Taille Marque" + voie, "0"),
                                    static_cast<int>(std::size(kMarkerSizes)))];
    return s;
}

} // namespace ondivel
