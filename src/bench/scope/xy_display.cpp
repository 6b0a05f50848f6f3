#include "bench/scope/xy_display.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "bench/main/mdi_ondivel.h"
#include "bench/ondivel.h"
#include "bench/scope/dense_trace.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/renderer.h"
#include "bench/sources/harmonic_sum.h"
#include "bench/toolbox/channel_assembly.h"
#include "core/keywords.h"
#include "core/surface.h"
#include "physics/waveforms.h"

namespace ondivel {

namespace {
constexpr double kSamplesPerSlowPeriod = 500;
constexpr double kSampleRateFloor = 50000;
constexpr int kFrameSpan = 2000;
constexpr int kSampleStep = 2;

// What one channel needs to deflect the spot at a time t.
struct Deflector {
    const Ondivel& app;
    int channel; // 0 = CH1, 1 = CH2; also the side of the harmonic generator
    Waveform waveform;
    double A, f, O, S;
    float d;
    bool grounded;

    // Screen units away from the channel position.
    double at(double t) const {
        if (grounded) return 0;
        switch (waveform) {
        case Waveform::Dc:
            return 100 * A / S;
        case Waveform::Sine:
            return 100 * SineValue(t, f, A, 0, O) / S;
        case Waveform::Square:
            return 100 * SquareTriangleValue(t, 0, 0, f, A, d, O) / S;
        case Waveform::Triangle: {
            // With no frequency the rise time d/f does not exist: the offset alone.
            if (f == 0) return 100 * O / S;
            const double rise = static_cast<double>(d) / f;
            return 100 * SquareTriangleValue(t, rise, 1 / f - rise, f, A, 0, O) / S;
        }
        case Waveform::Alternator:
            return 100 * AlternatorValue(t, f, A) / S;
        case Waveform::Harmonic:
            return 100 * HarmonicSumValue(app, channel, t, f, A) / S;
        case Waveform::None:
            break;
        }
        return 0;
    }

    // The deflection's extremes when the channel runs through many periods between two samples
    // of a frame D samples a second (the faster channel of a very unequal pair beyond the
    // generators' reach), in screen units; nullopt when the samples follow it.
    std::optional<Extremes> dense(double D) const {
        if (grounded || !IsDenseTrace(f, kSampleStep * 100 / D)) return std::nullopt;
        const std::optional<Extremes> volts = WaveformExtremes(app, channel, waveform, f, A, O);
        if (!volts) return std::nullopt;
        return Extremes{100 * volts->low / S, 100 * volts->high / S};
    }
};

Deflector deflectorOf(const Ondivel& app, int channel) {
    const Globals& g = app.g;
    const bool ch1 = channel == 0;
    return Deflector{app,
                     channel,
                     WaveformOf(ch1 ? g.SignalCH1 : g.SignalCH2),
                     ch1 ? g.AmplitudeCH1 : g.AmplitudeCH2,
                     ch1 ? g.FrequenceCH1 : g.FrequenceCH2,
                     ch1 ? g.OffsetCH1 : g.OffsetCH2,
                     ch1 ? g.SensibiliteCH1 : g.SensibiliteCH2,
                     ch1 ? g.RapportCycliqueCH1 : g.RapportCycliqueCH2,
                     app.frmOndivel().couplingLit(channel, Coupling::GND)};
}
// The figure of a frame where a channel is too fast for the samples: at each sample a stroke
// across that channel's extremes, alternately one way and the other, joined to the next: the area
// the spot fills.
void drawDenseFigure(Surface& screen, Color color, double startSample, double D, const Deflector& x1,
                     const Deflector& y2, std::optional<Extremes> denseX, std::optional<Extremes> denseY,
                     bool inverted, double originX, double originY) {
    if (denseY && inverted) denseY = Extremes{-denseY->high, -denseY->low};
    double previousX = 0, previousY = 0;
    for (int i = 0; i <= kFrameSpan; i += kSampleStep) {
        const double t = (startSample + i) / D;
        const double x = x1.at(t), y = inverted ? -y2.at(t) : y2.at(t);
        const Extremes ex = denseX.value_or(Extremes{x, x}), ey = denseY.value_or(Extremes{y, y});
        const bool forwards = (i / kSampleStep) % 2 == 0;
        const double fromX = ScreenCoordinate(originX + (forwards ? ex.low : ex.high));
        const double toX = ScreenCoordinate(originX + (forwards ? ex.high : ex.low));
        const double fromY = ScreenCoordinate(originY + (forwards ? ey.low : ey.high));
        const double toY = ScreenCoordinate(originY + (forwards ? ey.high : ey.low));
        if (i > 0) screen.line(previousX, previousY, fromX, fromY, color);
        screen.line(fromX, fromY, toX, toY, color);
        previousX = toX;
        previousY = toY;
    }
}
// What a frame is drawn from: the sample rate, both deflections, "-CH2", and the origin of each
// axis. The offsets are already inside the deflections; adding them again, unscaled, is how the
// instrument behaves.
struct XYFrame {
    double D;
    Deflector x1, y2;
    bool inverted;
    double originX, originY;
};
XYFrame xyFrameOf(const Ondivel& app) {
    const Globals& g = app.g;
    const FrmOndivel& scope = app.frmOndivel();
    return {XYSampleRate(g.FrequenceCH1, g.FrequenceCH2),
            deflectorOf(app, 0),
            deflectorOf(app, 1),
            scope.lit(scope.shpVoie[kInvertLight]),
            g.PositionCH1 + g.OffsetCH1,
            g.PositionCH2 + g.OffsetCH2};
}
} // namespace

double XYSampleRate(double frequencyCH1, double frequencyCH2) {
    return std::max(kSamplesPerSlowPeriod * std::min(frequencyCH1, frequencyCH2), kSampleRateFloor);
}

void DrawXY(Ondivel& app, double startSample) {
    Renderer& renderer = app.renderer();
    renderer.PrepareTarget(true);
    const FrmOndivel& scope = app.frmOndivel();
    // A switched-off screen stays a bare graticule, as the renderer leaves it.
    if (scope.chkOn.Caption == "On") return;

    Globals& g = app.g;
    if (app.mdi().ModeLibre) {
        g.FrequenceCH1 = g.FrequenceA;
        g.FrequenceCH2 = g.FrequenceB;
        ApplyGeneratorSettings(app, 0);
        ApplyGeneratorSettings(app, 1);
    }
    const auto [D, x1, y2, inverted, originX, originY] = xyFrameOf(app);

    Surface& screen = renderer.targetScreen();
    const Color color = g.CouleurA;
    const std::optional<Extremes> denseX = x1.dense(D), denseY = y2.dense(D);
    if (denseX || denseY) {
        drawDenseFigure(screen, color, startSample, D, x1, y2, denseX, denseY, inverted, originX, originY);
        renderer.DrawSettingsOverlay();
        return;
    }
    bool hasPrevious = false;
    double previousX = 0, previousY = 0;
    for (int i = 0; i <= kFrameSpan; i += kSampleStep) {
        const double t = (startSample + i) / D;
        const double dy = y2.at(t);
        const double X = ScreenCoordinate(originX + x1.at(t));
        const double Y = ScreenCoordinate(originY + (inverted ? -dy : dy));
        if (hasPrevious) screen.line(previousX, previousY, X, Y, color);
        previousX = X;
        previousY = Y;
        hasPrevious = true;
    }
    renderer.DrawSettingsOverlay();
}

std::vector<XYPoint> XYFrameVolts(const Ondivel& app, double startSample) {
    const auto [D, x1, y2, inverted, originX, originY] = xyFrameOf(app);
    std::optional<Extremes> denseX = x1.dense(D), denseY = y2.dense(D);
    if (denseY && inverted) denseY = Extremes{-denseY->high, -denseY->low};
    std::vector<XYPoint> points;
    for (int i = 0; i <= kFrameSpan; i += kSampleStep) {
        const double t = (startSample + i) / D;
        const bool high = (i / kSampleStep) % 2 == 1;
        double dx = x1.at(t), dy = inverted ? -y2.at(t) : y2.at(t);
        if (denseX) dx = high ? denseX->high : denseX->low;
        if (denseY) dy = high ? denseY->high : denseY->low;
        XYPoint p;
        p.t = t;
        p.x = dx * x1.S / 100;
        p.y = dy * y2.S / 100;
        p.xShown = std::abs(originX + dx) <= 500;
        p.yShown = std::abs(originY + dy) <= 400;
        points.push_back(p);
    }
    return points;
}

} // namespace ondivel
