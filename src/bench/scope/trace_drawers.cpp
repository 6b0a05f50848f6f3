#include "bench/scope/trace_drawers.h"

#include <cmath>
#include <numbers>

#include "core/surface.h"

namespace ondivel {

namespace {
constexpr int kLeftEdge = -500;
constexpr int kRightEdge = 500;
constexpr int kSampleStep = 2;
constexpr double kAutoShift = 2;
} // namespace

std::optional<double> TriggeredStartShift(double triggerLevel, double S, double f, double A, double B) {
    const double k = A != 0 ? triggerLevel * S / 100 / A : 0;
    if (std::abs(k) > 1) return std::nullopt;
    const double t0 = f != 0 ? std::asin(k) / (2 * std::numbers::pi * f) : 0;
    return 500 + 100 * t0 / B;
}

double StartShift(bool automatic, double triggerLevel, const TraceFrame& frame, double f, double A) {
    if (automatic) return kAutoShift;
    return TriggeredStartShift(triggerLevel, frame.S, f, A, frame.B).value_or(kAutoShift);
}

void DrawSampledTrace(Surface& screen, Color color, const TraceFrame& frame, double shift,
                      const std::function<double(double)>& voltageAt) {
    auto height = [&](int i) {
        return ScreenCoordinate(frame.P + 100 * voltageAt((i + shift) * frame.B / 100) / frame.S);
    };
    int previousX = kLeftEdge;
    double previousY = height(kLeftEdge);
    for (int i = kLeftEdge; i <= kRightEdge; i += kSampleStep) {
        const double y = height(i);
        screen.line(frame.positionH + previousX, previousY, frame.positionH + i, y, color);
        previousX = i;
        previousY = y;
    }
}

void DrawBandTrace(Surface& screen, Color color, const TraceFrame& frame, Extremes volts) {
    const Extremes heights{frame.P + 100 * volts.low / frame.S, frame.P + 100 * volts.high / frame.S};
    DrawBand(screen, color, frame.positionH, kLeftEdge, kRightEdge, [&](double) { return heights; });
}

void DrawSquareTriangleTrace(Surface& screen, Color color, const TraceFrame& frame,
                             const SquareTriangleWave& wave) {
    if (wave.f == 0) return;
    const double S = frame.S;
    const double period = 1 / wave.f;
    const double high = static_cast<double>(wave.duty) * period;
    const double durations[4] = {wave.riseTime, high, wave.fallTime,
                                 period - (wave.riseTime + wave.fallTime + high)};
    const double yHigh = 100 * wave.A / S;
    const double base = frame.P + 100 * wave.offset / S - 100 * wave.meanShift / S;
    const double top = ScreenCoordinate(base + yHigh), bottom = ScreenCoordinate(base - yHigh);
    if (IsDenseTrace(wave.f, frame.B)) {
        // Each period runs from one level to the other: the band between them.
        DrawBand(screen, color, frame.positionH, kLeftEdge, kRightEdge, [&](double) {
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
            const double next = x + 100 * durations[k] / frame.B;
            screen.line(frame.positionH + x, from[k], frame.positionH + next, to[k], color);
            x = next;
        }
        if (x <= periodStart) break; // a period that draws no width would never reach the right edge
    }
}

} // namespace ondivel
