#pragma once
// The oscilloscope's scales: the time-base and sensitivity tables with their list labels, and
// ApplyKnob, which turns a front-panel knob position into the shared settings (trace width,
// intensity, positions, time base, sensitivities). Used by the front panel, the renderer's
// overlay, the automatic sensitivities and the colour preferences.
#include <array>
#include <string>

namespace ondivel {

class Ondivel;
struct Globals;

struct ScaleEntry {
    const char* label; // the list text exactly
    double value;      // s/div or V/div
};

inline constexpr int kTimeBaseCount = 18;
inline constexpr int kSensitivityCount = 14;

// From the slowest sweep (index 0) to the fastest, and from the largest V/div to the smallest.
extern const std::array<ScaleEntry, kTimeBaseCount> kTimeBases;
extern const std::array<ScaleEntry, kSensitivityCount> kSensitivities;

// s/div of a time-base index, 0 outside 0…17.
double TimeBaseFromIndex(int index);
// V/div of a sensitivity index, 0 outside 0…13.
double SensitivityFromIndex(int index);

// The eight knobs of the front panel.
enum ScopeKnob {
    KnobFocus = 0,
    KnobIntensity = 1,
    KnobPositionH = 2,
    KnobPositionCH1 = 3,
    KnobPositionCH2 = 4,
    KnobTimeBase = 5,
    KnobSensitivityCH1 = 6,
    KnobSensitivityCH2 = 7,
};
inline constexpr int kScopeKnobCount = 8;

// Applies the current Value of frmOndivel's knob `index`, then refreshes the display. Does
// nothing at all unless `button` is 1 (the left button alone).
void ApplyKnob(Ondivel& app, int button, int index);
// CouleurA and CouleurB from the full-brightness trace colours, blended towards the screen colour
// by FacteurIntensite.
void BlendTraceColours(Globals& g);

// Plays a wave file asynchronously; true when the sound could be started.
bool PlayClick(Ondivel& app, const std::string& waveFile);
// The click of the scale lists: "Button Click.wav" of the application folder.
std::string ClickSoundPath(const Ondivel& app);

} // namespace ondivel
