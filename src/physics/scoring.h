#pragma once
// Scoring one channel of an oscillogram: the pupil's answer against the exercise line, the points,
// the record line for the results file and the corrections the answer window shows.
#include <string>

namespace ondivel {

// What the pupil entered for a channel.
struct ChannelAnswer {
    bool continuous = true;    // "Tension continue" chosen
    int shape = 0;             // list position: 0 sine, 1 square, 2 triangle, 3 alternator
    double typedAmplitude = 0; // the peak value as typed
    double frequency = 0;      // ignored for a continuous voltage
};

// What the exercise line asks for (the evaluation state of the channel).
struct ChannelExpected {
    std::string signal;   // "Cc", "Sinusoïdale", "Dyn" …
    double amplitude = 0; // for "Dyn" already divided by 1.5
    double frequency = 0;
};

struct ChannelScore {
    // The answer as the source state keeps it: "Cc", "Sinus", "Carre", "Triangle" or "Dyn"; the
    // amplitude divided by 1.5 for "Dyn"; frequency 0 for "Cc".
    std::string type;
    double amplitude = 0;
    double frequency = 0;

    int points = 0;
    int available = 0; // 2 for a continuous expected voltage, 3 otherwise
    // "Voie A : Signal : Sinus ; Ua = 5,0 ; Fa = 50,0 (FAUX)"
    std::string record;
    // Corrections, empty when that part is right: the kind ("Tension continue" or "Tension
    // alternative"), the shape, the peak value ("5,00 V") and the frequency ("50 Hz").
    std::string kindCorrection, shapeCorrection, amplitudeCorrection, frequencyCorrection;
};

// The alternator's shown peak over the amplitude an exercise line gives it (its curve's value at a
// quarter period).
inline constexpr double kAlternatorPeakRatio = 1.5;

// channel: 0 for side A (CH1), 1 for side B (CH2). Numbers are written with a decimal comma.
ChannelScore ScoreChannel(int channel, const ChannelAnswer& answer, const ChannelExpected& expected);

// Whether two type words share their first three letters, case aside ("Sinus", "Sinusoïdale").
bool SameFirstLetters(const std::string& a, const std::string& b);
// The right answer for a non-zero expectation is within 5 % of it; for 0 only 0 is right.
bool CloseEnough(double answer, double expected);

// The list entry and the word of the answer window for an expected signal type.
std::string ShapeCaption(const std::string& signal);

} // namespace ondivel
