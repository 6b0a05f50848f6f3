#include "bench/scope/trace_drawers.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "bench/ondivel.h"
#include "bench/scope/dense_trace.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/renderer.h"
#include "bench/sources/harmonic_sum.h"
#include "core/surface.h"
#include "physics/waveforms.h"

namespace ondivel {

namespace {
constexpr int kLeftEdge = -500;
constexpr int kRightEdge = 500;
constexpr int kSampleStep = 2;
constexpr double kAutoShift = 2;
constexpr int kHourglass = 11;
constexpr int kDefaultPointer = 0;

// Draws v(t) sampled every two units across the screen, as a polyline.
template <class Voltage>
void drawSampled(Surface& screen, Color color, double positionH, double P, double B, double S, double shift,
                 Voltage v) {
    auto height = [&](int i) { return ScreenCoordinate(P + 100 * v((i + shift) * B / 100) / S); };
    int previousX = kLeftEdge;
    double previousY = height(kLeftEdge);
    for (int i = kLeftEdge; i <= kRightEdge; i += kSampleStep) {
        const double y = height(i);
        screen.line(positionH + previousX, previousY, positionH + i, y, color);
        previousX = i;
        previousY = y;
    }
}

// The band between two voltages across the screen, for a trace too dense to draw period by period.
void drawBand(Surface& screen, Color color, double positionH, double P, double S, Extremes volts) {
    const Extremes heights{P + 100 * volts.low / S, P + 100 * volts.high / S};
    DrawBand(screen, color, positionH, kLeftEdge, kRightEdge, [&](double) { return heights; });
}
} // namespace

std::optional<double> TriggeredStartShift(double triggerLevel, double S, double f, double A, double B) {
    const double k = A != 0 ? triggerLevel * S / 100 / A : 0;
    if (std::abs(k) > 1) return std::nullopt;
    const double t0 = f != 0 ? std::asin(k) / (2 * std::numbers::pi * f) : 0;
    return 500 + 100 * t0 / B;
}

double StartShift(const Ondivel& app, double S, double f, double A, double B) {
    if (app.frmOndivel().chkAuto.Value == kChecked) return kAutoShift;
    return TriggeredStartShift(app.g.NiveauDeclenchement, S, f, A, B).value_or(kAutoShift);
}

void DrawSineTrace(Ondivel& app, Color color, double positionH, double P, double B, double S, double f,
                   double A, double phase, float, double offset) {
    if (IsDenseTrace(f, B))
        return drawBand(app.renderer().targetScreen(), color, positionH, P, S,
                        *WaveformExtremes(app, 0, Waveform::Sine, f, A, offset));
    const double shift = StartShift(app, S, f, A, B);
    drawSampled(app.renderer().targetScreen(), color, positionH, P, B, S, shift,
                [&](double t) { return SineValue(t, f, A, phase, offset); });
}

void DrawHarmonicTrace(Ondivel& app, int side, Color color, double positionH, double P, double B, double S,
                       double f, double A, double, float, double) {
    Surface& screen = app.renderer().targetScreen();
    screen.setMousePointer(kHourglass);
    if (IsDenseTrace(f, B)) {
        drawBand(screen, color, positionH, P, S, *WaveformExtremes(app, side, Waveform::Harmonic, f, A, 0));
    } else {
        const double shift = StartShift(app, S, f, A, B);
        drawSampled(screen, color, positionH, P, B, S, shift,
                    [&](double t) { return HarmonicSumValue(app, side, t, f, A); });
    }
    screen.setMousePointer(kDefaultPointer);
}

void DrawAlternatorTrace(Ondivel& app, Color color, double positionH, double P, double B, double S, double f,
                         double A, double shift) {
    if (IsDenseTrace(f, B))
        return drawBand(app.renderer().targetScreen(), color, positionH, P, S,
                        *WaveformExtremes(app, 0, Waveform::Alternator, f, A, 0));
    drawSampled(app.renderer().targetScreen(), color, positionH, P, B, S, shift,
                [&](double t) { return AlternatorValue(t, f, A); });
}

void DrawSquareTriangleTrace(Ondivel& app, Color color, double positionH, double P, double B, double S,
                             double riseTime, double fallTime, double f, double A, float duty, double,
                             double offset, double meanShift) {
    if (f == 0) return;
    Surface& screen = app.renderer().targetScreen();
    const double period = 1 / f;
    const double high = static_cast<double>(duty) * period;
    const double durations[4] = {riseTime, high, fallTime, period - (riseTime + fallTime + high)};
    const double yHigh = 100 * A / S;
    const double base = P + 100 * offset / S - 100 * meanShift / S;
    const double top = ScreenCoordinate(base + yHigh), bottom = ScreenCoordinate(base - yHigh);
    if (IsDenseTrace(f, B)) {
        // Each period runs from one level to the other: the band between them.
        DrawBand(screen, color, positionH, kLeftEdge, kRightEdge, [&](double) {
            return Extremes{bottom, top};
        });
        return;
    }
    // Levels at the start and end of each segment: rise, high plateau, fall, low plateau.
    const double from[4] = {bottom, top, top, bottom};
    const double to[4] = {top, top, bottom, bottom};
    double x = kLeftEdge;
    while (x < kRightEdge) {
        const double periodStart = x;
        for (int k = 0; k < 4; ++k) {
            const double next = x + 100 * durations[k] / B;
            screen.line(positionH + x, from[k], positionH + next, to[k], color);
            x = next;
        }
        if (x <= periodStart) break; // a period that draws no width would never reach the right edge
    }
}

} // namespace ondivel
