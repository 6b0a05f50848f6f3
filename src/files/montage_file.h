#pragma once
// A bench set-up file (".ondm"): the whole bench a pupil sees, saved by a teacher and opened in
// one step. The text is a private-profile file read and written with the settings file's codec:
// a [Montage] section with the format's version, the title and the instruction, then one section
// per open panel named after its window, with keys named after the panel's controls
// ("Potentio(1)=5000"). Positions are in twips.
//
// Reading validates the whole file before anything is applied: a file that is not a set-up, or
// one written by a newer program, is refused; unknown sections and keys are listed; values
// outside what a control allows are brought back into its range and listed. The cost depends on
// the file's size only (read at most kMontageMaxBytes), never on a number written in it.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ondivel {

inline constexpr int kMontageVersion = 1;
inline constexpr std::size_t kMontageMaxBytes = 256 * 1024;
// Title and instruction are cut there: they must fit the status line.
inline constexpr std::size_t kMontageTextMax = 240;
inline constexpr const char* kMontageExtension = ".ondm";
inline constexpr const char* kMontageFilter = "Montage Ondivel (*.ondm)|*.ondm";

// What the toolbox wires to a channel; the order of the toolbox's captions.
enum class MontageSource : int {
    None,
    Gbf,
    Supply,
    Battery15,
    Battery45,
    Battery9,
    Mains,
    Alternator,
    Harmonic
};
inline constexpr int kMontageSourceCount = 9;

// A panel's place in twips; negative when the file does not give it (the panel stays where it
// opens).
struct MontagePlace {
    double left = -1, top = -1;
};

// Every value is kept as a number: check boxes and plugs 0 or 1, option groups the index of the
// selected button, knobs and sliders their Value.
struct MontageScope {
    MontagePlace place;
    double on = 0;
    double mode = 2; // 0 CH1, 1 CH2, 2 DUAL, 3 ADD, 4 XY
    double invert = 0;
    double coupling[2] = {0, 0}; // 0 AC, 1 DC, 2 GND
    double fft = 0, freeRun = 0;
    double knob[8] = {12, 5, 900, 700, 700, 8, 5, 5};
    double plug[3] = {0, 0, 0};
};

struct MontageGbf {
    MontagePlace place;
    double on = 0, range = 2, waveform = 0;
    double knob[4] = {1000, 1000, 50, 100};
    double fine[4] = {0, 0, 0, 0};
    double plug[2] = {0, 0};
};

struct MontageHarmo {
    MontagePlace place;
    double on = 0, range = 2, knob = 1000, fine = 0;
    double preset = 0; // -1: the user's own spectrum
    double ampli[20] = {-1000};
    double phase[20] = {};
    double mean = 0, tab = 0;
    double amplitude = 1; // volts: the panel draws it at random and has no knob for it
    double plug[2] = {0, 0};
    // False when the file names a ready-made spectrum without its sliders: the preset sets them.
    bool slidersGiven = false;
};

struct MontageAlim {
    MontagePlace place;
    double on = 0;
    double knob[3] = {500, 10, 0};
    double plug[3] = {0, 0, 0}; // NEG, POS, COM
};

struct MontageDyn {
    MontagePlace place;
    double knob[2] = {1000, 100};
    double plug[2] = {0, 0};
};

struct MontageEdf {
    MontagePlace place;
    double world = 0;
    double plug[3] = {0, 0, 0}; // Neutre, Phase, Terre
};

struct MontagePile {
    MontagePlace place;
    double polarity = 0;
};

struct MontageSide {
    double wiring = 0; // a MontageSource
    MontageSource source() const { return static_cast<MontageSource>(static_cast<int>(wiring)); }
    MontageGbf gbf;
    MontageHarmo harmo;
    MontageAlim alim;
    MontageDyn dyn;
    MontageEdf edf;
    MontagePile pile;
};

struct MontageMeter {
    bool open = false;
    bool school = false; // frmVolt rather than frmMulti_RMS
    MontagePlace place;
    double position = 0; // selector position of that meter
    double channel = 0;
    double plug[4] = {0, 0, 0, 0}; // V, mA, 10A, COM
    double automatic = 1;          // TRMS only
    double range = 2;              // TRMS manual range: 600 mV, 6 V, 60 V, 600 V, 1000 V
    double memory = 0;             // TRMS MIN/MAX key: off, MAX, MIN
};

struct MontageChrono {
    bool open = false;
    MontagePlace place;
    double interval = 1, alarm = 0;
};

struct MontagePanel {
    bool open = false;
    MontagePlace place;
};

struct Montage {
    std::string title, instruction;
    MontageScope scope;
    MontagePlace toolbox;
    MontageSide side[2];
    MontageMeter meter;
    MontageChrono chrono;
    MontagePanel mesures, curseurs;
    // The measurement cursors t1, t2, V1, V2 in screen units (100 a division), where they open.
    double cursor[4] = {-200, 200, -200, 200};
    // The CH1 harmonic generator opened from the "Affichage" menu while CH1 is fed by another
    // source: its panel is on the bench all the same, described by side[0].harmo.
    bool harmonicUnwired = false;
};

// The outcome of reading a file: refused (nothing to apply, `refusal` says why in French), or a
// set-up with the remarks the user should see.
struct MontageReading {
    bool ok = false;
    std::string refusal;
    Montage montage;
    std::vector<std::string> ignored;   // "[frmFoo]", "[frmGBFA] Bidule"
    std::vector<std::string> corrected; // "[frmGBFA] Potentio(0) : 5000 ramené à 1200"
};

// `name` is how the messages call the file (its name without the folder).
MontageReading ReadMontage(std::string_view bytes, const std::string& name);

// The file's bytes: Windows-1252 text with CR LF line ends, every value of the set-up.
std::string MontageBytes(const Montage& montage);

// One message for the remarks of a reading, listing at most a dozen lines of each kind; empty
// when there is nothing to say.
std::string MontageRemarks(const MontageReading& reading, const std::string& name);

// The toolbox's captions, in MontageSource order ("Aucune alimentation", "GBF" …).
const char* MontageSourceCaption(MontageSource source);

// Every key a set-up can hold, for the tests that compare the ranges with the controls: the
// section, the key, and for numbers the range a value is brought into.
struct MontageKey {
    std::string section, key;
    bool number = false;
    double min = 0, max = 0;
};
std::vector<MontageKey> MontageKeys();

} // namespace ondivel
