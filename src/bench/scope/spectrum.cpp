#include "bench/scope/spectrum.h"

#include <cmath>
#include <numbers>

#include "bench/ondivel.h"
#include "bench/scope/dense_trace.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/renderer.h"
#include "bench/sources/frm_harmonique.h"
#include "core/format.h"
#include "core/keywords.h"
#include "core/surface.h"
#include "physics/round_decimals.h"

namespace ondivel {

namespace {
constexpr double pi = std::numbers::pi;
constexpr double kFirstDivision = -400;
constexpr double kMergeTolerance = 0.001;
// The alternator's harmonics 1, 3 and 5 weigh 1, −0.3 and +0.2: their magnitudes are shown.
constexpr double kAlternatorThird = 0.3;
constexpr double kAlternatorFifth = 0.2;
constexpr double kLabelPointsFullScreen = 12;
constexpr double kLabelPoints = 8;

struct Channel {
    bool connected = false;
    SpectrumSource source;
    double position = 0;
    Color color = 0;
};

bool isConnected(const Ondivel& app, int channel) {
    const Globals& g = app.g;
    return channel == 0 ? g.SourceBrancheeA && g.EntreeBrancheeCH1 : g.SourceBrancheeB && g.EntreeBrancheeCH2;
}

// The spectrum reads the sides' source values, so in evaluated mode it shows the sources.
Channel channelOf(const Ondivel& app, int channel) {
    const Globals& g = app.g;
    const bool ch1 = channel == 0;
    Channel c;
    c.connected = isConnected(app, channel);
    c.position = ch1 ? g.PositionCH1 : g.PositionCH2;
    c.color = ch1 ? g.CouleurA : g.CouleurB;
    SpectrumSource& s = c.source;
    s.keyword = ch1 ? g.SignalA : g.SignalB;
    s.amplitude = ch1 ? g.AmplitudeA : g.AmplitudeB;
    s.frequency = ch1 ? g.FrequenceA : g.FrequenceB;
    s.offset = ch1 ? g.OffsetCH1 : g.OffsetCH2;
    s.duty = ch1 ? g.RapportCycliqueCH1 : g.RapportCycliqueCH2;
    s.sensitivity = ch1 ? g.SensibiliteCH1 : g.SensibiliteCH2;
    const FrmOndivel& scope = app.frmOndivel();
    if (!ch1 && scope.lit(scope.shpVoie[kInvertLight])) s.amplitude = -s.amplitude;
    if (WaveformOf(s.keyword) == Waveform::Harmonic) {
        const FrmHarmonique& panel = app.frmHarmonique(ch1 ? SideA : SideB);
        for (int i = 0; i < kPanelHarmonics; ++i)
            s.percent[i] = Val(panel.lblAmpli[i].Caption);
    }
    return c;
}

double shiftOf(const Ondivel& app, int channel) {
    const Globals& g = app.g;
    const bool ch1 = channel == 0;
    return SpectrumShift(g.BaseTemps, ch1 ? g.FrequenceA : g.FrequenceB, ch1 ? g.FrequenceB : g.FrequenceA,
                         isConnected(app, ch1 ? 1 : 0));
}

// Draws the shown lines standing on y = base, the fundamental at x = origin; labels the DC line
// and the fundamental, `row` text heights under the base line so CH2's clear CH1's.
void drawLines(Ondivel& app, const SpectrumLines& lines, double origin, double base, Color color, int row) {
    Renderer& renderer = app.renderer();
    Surface& screen = renderer.targetScreen();
    const double unitsPerHertz = 100 * app.g.BaseTemps;
    const double f1 = lines.frequency[1];
    // A frequency or a voltage typed in a file may put a line anywhere: held to screen range.
    auto xOf = [&](int n) { return ScreenCoordinate(origin + unitsPerHertz * (lines.frequency[n] - f1)); };
    for (int n = 0; n < kSpectrumOrders; ++n) {
        if (!lines.shown[n]) continue;
        const double x = xOf(n);
        screen.line(x, base, x, ScreenCoordinate(base + lines.height[n]), color);
    }
    screen.setFont("Arial", renderer.fullScreen() ? kLabelPointsFullScreen : kLabelPoints);
    auto label = [&](int n, const std::string& text) {
        if (!lines.shown[n] || lines.height[n] == 0) return;
        const double h = screen.textHeight(text);
        screen.print(ScreenCoordinate(xOf(n) - screen.textWidth(text) / 2), base - row * h, text, color);
    };
    label(0, "0");
    label(1, FrequencyLabel(f1));
}
} // namespace

SpectrumLines BuildSpectrum(const SpectrumSource& src) {
    SpectrumLines l;
    l.shown.fill(true);
    const double A = src.amplitude, S = src.sensitivity, d = src.duty;
    const double y = 100 * A / S;
    auto& c = l.height;
    c[0] = 100 * std::abs(src.offset) / S;
    switch (WaveformOf(src.keyword)) {
    case Waveform::Dc:
        c[0] += 100 * std::abs(A) / S;
        break;
    case Waveform::Sine:
        c[1] = y;
        break;
    case Waveform::Square:
        for (int n = 1; n < kSpectrumOrders; ++n)
            c[n] = std::abs(4 * A * std::sin(n * pi * d) / (n * pi)) * 100 / S;
        break;
    case Waveform::Triangle:
        for (int n = 1; n < kSpectrumOrders; ++n) {
            // A duty of 0 or 1 is a sawtooth, whose series the general one cannot reach (0/0).
            const double a = d == 0 || d == 1
                                 ? 2 * A / (n * pi)
                                 : 2 * A * std::sin(n * pi * d) / (n * n * pi * pi * d * (1 - d));
            c[n] = std::abs(a) * 100 / S;
        }
        break;
    case Waveform::Alternator:
        c[1] = y;
        c[3] = kAlternatorThird * y;
        c[5] = kAlternatorFifth * y;
        break;
    case Waveform::Harmonic:
        for (int n = 1; n <= kPanelHarmonics; ++n)
            c[n] = std::abs(A * src.percent[n - 1] / S);
        break;
    case Waveform::None:
        break;
    }
    const double f = src.frequency;
    const double tenth = RoundDecimals(f, 1);
    l.frequency[1] = f < 10 ? tenth : RoundDecimals(f, 0);
    for (int n = 2; n < kSpectrumOrders; ++n)
        l.frequency[n] = n * tenth;
    return l;
}

void MergeSpectra(SpectrumLines& ch1, SpectrumLines& ch2) {
    for (int i = 0; i < kSpectrumOrders; ++i) {
        if (!ch1.shown[i]) continue;
        const double fi = ch1.frequency[i];
        for (int j = 0; j < kSpectrumOrders; ++j) {
            if (!ch2.shown[j]) continue;
            const double fj = ch2.frequency[j];
            if (fi == fj || (fi != 0 && std::abs(fi - fj) / fi < kMergeTolerance)) {
                ch1.height[i] += ch2.height[j];
                ch2.shown[j] = false;
            }
        }
    }
}

double SpectrumShift(double timeBase, double frequency, double otherFrequency, bool otherConnected) {
    if (otherConnected && frequency > otherFrequency)
        return 100 * timeBase * (frequency - otherFrequency) + kFirstDivision;
    return kFirstDivision;
}

std::string FrequencyLabel(double fundamental) {
    // The trimmed decimal text already has its leading zero ("0.5", never ".5").
    return NumberText(fundamental);
}

void DrawSpectrum(Ondivel& app, int channel) {
    const Channel c = channelOf(app, channel);
    const double H = app.g.PositionH;
    Renderer& renderer = app.renderer();
    renderer.targetScreen().line(H - 500, c.position, H + 500, c.position, c.color);
    if (c.connected)
        drawLines(app, BuildSpectrum(c.source), H + shiftOf(app, channel), c.position, c.color, channel);
    // In DUAL the renderer draws CH2 next: the overlay waits for it, so it is printed once, on top.
    const FrmOndivel& scope = app.frmOndivel();
    if (channel == 0 && scope.modeIndex() == ModeDUAL) return;
    renderer.DrawSettingsOverlay();
}

void DrawSumSpectrum(Ondivel& app) {
    const Channel a = channelOf(app, 0);
    const Channel b = channelOf(app, 1);
    const Globals& g = app.g;
    const double H = g.PositionH, P = g.PositionCH1;
    Renderer& renderer = app.renderer();
    renderer.targetScreen().line(H - 500, P, H + 500, P, g.CouleurA);
    SpectrumLines linesA = BuildSpectrum(a.source);
    SpectrumLines linesB = BuildSpectrum(b.source);
    if (a.connected && b.connected) MergeSpectra(linesA, linesB);
    // The sum is one signal: all its lines in the CH1 colour, on the CH1 base line.
    if (a.connected) drawLines(app, linesA, H + shiftOf(app, 0), P, g.CouleurA, 0);
    if (b.connected) drawLines(app, linesB, H + shiftOf(app, 1), P, g.CouleurA, 1);
    renderer.DrawSettingsOverlay();
}

} // namespace ondivel
