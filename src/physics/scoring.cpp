#include "physics/scoring.h"

#include <cmath>

#include "core/format.h"
#include "core/keywords.h"

namespace ondivel {

namespace {

constexpr double kTolerance = 0.05;
constexpr const char* kWrong = " (FAUX)";

// The first n characters of UTF-8 text.
std::string firstCharacters(const std::string& text, int n) {
    std::size_t i = 0;
    for (int count = 0; i < text.size() && count < n; ++count) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            ++i;
    }
    return text.substr(0, i);
}

const char* answerType(const ChannelAnswer& answer) {
    if (answer.continuous) return "Cc";
    switch (answer.shape) {
    case 1:
        return "Carre";
    case 2:
        return "Triangle";
    case 3:
        return "Dyn";
    default:
        return "Sinus";
    }
}

} // namespace

bool SameFirstLetters(const std::string& a, const std::string& b) {
    return LowerKeyword(firstCharacters(a, 3)) == LowerKeyword(firstCharacters(b, 3));
}

bool CloseEnough(double answer, double expected) {
    if (expected == 0) return answer == 0;
    return std::fabs(answer - expected) / std::fabs(expected) < kTolerance;
}

std::string ShapeCaption(const std::string& signal) {
    switch (WaveformOf(signal)) {
    case Waveform::Sine:
        return "Sinusoïdale";
    case Waveform::Square:
        return "Carrée";
    case Waveform::Triangle:
        return "Triangulaire";
    case Waveform::Alternator:
        return "Alternateur vélo";
    default:
        return signal;
    }
}

ChannelScore ScoreChannel(int channel, const ChannelAnswer& answer, const ChannelExpected& expected) {
    ChannelScore s;
    s.type = answerType(answer);
    s.amplitude = s.type == "Dyn" ? answer.typedAmplitude / kAlternatorPeakRatio : answer.typedAmplitude;
    s.frequency = answer.continuous ? 0 : answer.frequency;
    const bool expectedDc = LowerKeyword(expected.signal) == "cc";
    s.available = expectedDc ? 2 : 3;
    const char side = channel == 0 ? 'a' : 'b';

    s.record = std::string("Voie ") + (channel == 0 ? "A" : "B") + " : Signal : " + s.type;
    if (SameFirstLetters(s.type, expected.signal)) {
        ++s.points;
    } else {
        s.kindCorrection = expectedDc ? "Tension continue" : "Tension alternative";
        if (!expectedDc) s.shapeCorrection = ShapeCaption(expected.signal);
        s.record += kWrong;
    }

    s.record += std::string(" ; U") + side + " = " + FormatComma(answer.typedAmplitude, "#0.0");
    if (CloseEnough(s.amplitude, expected.amplitude)) {
        ++s.points;
    } else {
        // The peak the screen shows: for the alternator, the value written in the file.
        const bool dyn = WaveformOf(expected.signal) == Waveform::Alternator;
        const double peak = dyn ? expected.amplitude * kAlternatorPeakRatio : expected.amplitude;
        s.amplitudeCorrection = FormatComma(peak, "#0.00") + " V";
        s.record += kWrong;
    }
    if (expectedDc) return s;

    const bool right = CloseEnough(s.frequency, expected.frequency);
    if (!(right && expected.frequency == 0))
        s.record += std::string(" ; F") + side + " = " + FormatComma(s.frequency, "####0.0");
    if (right) {
        ++s.points;
    } else {
        s.frequencyCorrection = FormatComma(expected.frequency, "#0") + " Hz";
        s.record += kWrong;
    }
    return s;
}

} // namespace ondivel
