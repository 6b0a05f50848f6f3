#include "core/keywords.h"

namespace ondivel {

std::string LowerKeyword(std::string_view keyword) {
    std::string out(keyword);
    for (std::size_t i = 0; i < out.size(); ++i) {
        auto& ch = reinterpret_cast<unsigned char&>(out[i]);
        if (ch >= 'A' && ch <= 'Z') {
            ch = static_cast<unsigned char>(ch + 32);
        } else if (ch == 0xC3 && i + 1 < out.size()) {
            // Latin-1 capitals À…Þ (but not ×) are U+00C0…U+00DE, two bytes C3 80…C3 9E.
            auto& next = reinterpret_cast<unsigned char&>(out[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97) next = static_cast<unsigned char>(next + 0x20);
            ++i;
        }
    }
    return out;
}

Waveform WaveformOf(std::string_view keyword) {
    const std::string k = LowerKeyword(keyword);
    if (k == "cc") return Waveform::Dc;
    if (k == "sinus" || k == "sinusoïdale") return Waveform::Sine;
    if (k == "carre" || k == "carrée") return Waveform::Square;
    if (k == "triangle" || k == "triangulaire") return Waveform::Triangle;
    if (k == "dyn") return Waveform::Alternator;
    if (k == "harmo") return Waveform::Harmonic;
    return Waveform::None;
}

} // namespace ondivel
