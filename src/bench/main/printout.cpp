#include "bench/main/printout.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "bench/main/print_style.h"
#include "bench/main/program_info.h"
#include "bench/main/screen_legend.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/renderer.h"
#include "bench/scope/screen_clip.h"
#include "bench/scope/sum_trace.h"
#include "bench/scope/xy_display.h"
#include "bench/toolbox/channel_assembly.h"
#include "core/keywords.h"
#include "core/platform.h"
#include "core/surface.h"
#include "physics/grey_level.h"

namespace ondivel {

namespace {

constexpr double kSampleStep = 2;
// Markers every half division along a trace; trace B's fall between trace A's so that two
// traces drawn on top of each other still show both markers.
constexpr double kMarkerSpacing = 50;
constexpr double kLegendTop = -435;
constexpr double kLegendSpacing = 50;
constexpr double kLegendSampleLength = 100;
constexpr double kFooterBottom = -590;
constexpr const char* kLegendFont = "Arial";
constexpr double kLegendPoints = 10;
constexpr double kFooterPoints = 8;
constexpr int kXYFrameSpan = 2000;

struct Point {
    double x, y;
};

// One printed trace: its polyline in screen units, before clipping to the screen.
struct PrintedTrace {
    std::vector<Point> points;
    Color color;
    int styleOf; // 0: trace A's print style, 1: trace B's
    std::string legend;
    double markerPhase; // abscissa of the first marker from the start of the trace
};

bool onScreen(Point p) {
    return p.x >= kScreenLeft && p.x <= kScreenRight && p.y >= kScreenBottom && p.y <= kScreenTop;
}

std::string channelSignal(const Ondivel& app, int channel) {
    if (app.frmOndivel().couplingLit(channel, Coupling::GND)) return "masse (GND)";
    return SignalTypeName(channel == 0 ? app.g.SignalCH1 : app.g.SignalCH2);
}

// The height a channel's trace takes at time t, as the screen draws it alone: the sum's
// per-channel height, less the mean of an asymmetric square wave in AC coupling.
double channelHeight(const Ondivel& app, int channel, double t) {
    const Globals& g = app.g;
    double h = SumChannelHeight(app, channel, t);
    const std::string& keyword = channel == 0 ? g.SignalCH1 : g.SignalCH2;
    const FrmOndivel& scope = app.frmOndivel();
    if (WaveformOf(keyword) == Waveform::Square && scope.couplingLit(channel, Coupling::AC) &&
        !scope.couplingLit(channel, Coupling::GND)) {
        const double A = channel == 0 ? g.AmplitudeCH1 : g.AmplitudeCH2;
        const double d = channel == 0 ? g.RapportCycliqueCH1 : g.RapportCycliqueCH2;
        const double S = channel == 0 ? g.SensibiliteCH1 : g.SensibiliteCH2;
        const double mean = 100 * (2 * d - 1) * A / S;
        h -= channel == 1 && scope.lit(scope.shpVoie[kInvertLight]) ? -mean : mean;
    }
    return h;
}

// A time trace over the ten divisions, the time origin on the left edge as on the screen.
template <typename HeightAt> std::vector<Point> timeTrace(const Ondivel& app, HeightAt heightAt) {
    std::vector<Point> points;
    for (double x = -500; x <= 500; x += kSampleStep) {
        const double t = (x + 500) * app.g.BaseTemps / 100;
        points.push_back({app.g.PositionH + x, heightAt(t)});
    }
    return points;
}

std::vector<PrintedTrace> tracesInUse(const Ondivel& app) {
    const FrmOndivel& scope = app.frmOndivel();
    const Globals& g = app.g;
    std::vector<PrintedTrace> traces;
    if (scope.chkOn.Caption == "On") return traces; // switched off: the bare graticule
    const auto channelTrace = [&](int channel) {
        const double position = channel == 0 ? g.PositionCH1 : g.PositionCH2;
        PrintedTrace trace{
            timeTrace(app, [&](double t) { return position + channelHeight(app, channel, t); }),
            channel == 0 ? g.CouleurA : g.CouleurB, channel,
            std::string(channel == 0 ? "Voie CH1 : " : "Voie CH2 : ") + channelSignal(app, channel),
            channel == 0 ? 0 : kMarkerSpacing / 2};
        traces.push_back(std::move(trace));
    };
    switch (scope.modeIndex()) {
    case ModeCH1:
        channelTrace(0);
        break;
    case ModeCH2:
        channelTrace(1);
        break;
    case ModeDUAL:
        channelTrace(0);
        channelTrace(1);
        break;
    case ModeADD:
        traces.push_back({timeTrace(app,
                                    [&](double t) {
                                        return g.PositionCH1 + SumChannelHeight(app, 0, t) +
                                               SumChannelHeight(app, 1, t) + g.PositionCH2;
                                    }),
                          g.CouleurA, 0,
                          "Voies CH1 + CH2 : " + channelSignal(app, 0) + " + " + channelSignal(app, 1), 0});
        break;
    case ModeXY: {
        // One frame from the current start, CH1 across and CH2 up, as the XY timer draws it.
        std::vector<Point> points;
        const double D = XYSampleRate(g.FrequenceCH1, g.FrequenceCH2);
        for (int i = 0; i <= kXYFrameSpan; i += static_cast<int>(kSampleStep)) {
            const double t = (scope.PhaseXY + i) / D;
            points.push_back(
                {g.PositionCH1 + SumChannelHeight(app, 0, t), g.PositionCH2 + SumChannelHeight(app, 1, t)});
        }
        traces.push_back({std::move(points), g.CouleurA, 0,
                          "XY, CH1 en X : " + channelSignal(app, 0) + ", CH2 en Y : " + channelSignal(app, 1),
                          0});
        break;
    }
    default:
        break;
    }
    return traces;
}

// A glyph of the marker font centred on (x, y).
void drawMarker(Surface& page, const PrintStyle& style, double x, double y, Color color) {
    page.setFont(kMarkerFont, style.points);
    const double w = page.textWidth(style.glyph);
    const double h = page.textHeight(style.glyph);
    page.print(x - w / 2, y + h / 2, style.glyph, color);
}

void drawTrace(Surface& page, const PrintedTrace& trace, const PrintStyle& style) {
    page.setDrawWidth(1);
    page.setDrawStyle(style.line);
    for (std::size_t i = 1; i < trace.points.size(); ++i)
        if (double x1 = trace.points[i - 1].x, y1 = trace.points[i - 1].y, x2 = trace.points[i].x,
            y2 = trace.points[i].y;
            ClipToScreen(x1, y1, x2, y2))
            page.line(x1, y1, x2, y2, trace.color);
    page.setDrawStyle(LineStyle::Solid);
    if (!style.marker || trace.points.empty()) return;
    // Time traces: one marker each spacing along the abscissae; XY figures: every 25th sample.
    const std::size_t every = static_cast<std::size_t>(kMarkerSpacing / kSampleStep);
    const auto first = static_cast<std::size_t>(std::lround(trace.markerPhase / kSampleStep));
    for (std::size_t i = first; i < trace.points.size(); i += every)
        if (onScreen(trace.points[i]))
            drawMarker(page, style, trace.points[i].x, trace.points[i].y, trace.color);
}

void drawLegend(Surface& page, const PrintedTrace& trace, const PrintStyle& style, int row) {
    const double y = kLegendTop - row * kLegendSpacing;
    page.setDrawWidth(1);
    page.setDrawStyle(style.line);
    page.line(kScreenLeft, y, kScreenLeft + kLegendSampleLength, y, trace.color);
    page.setDrawStyle(LineStyle::Solid);
    if (style.marker) drawMarker(page, style, kScreenLeft + kLegendSampleLength / 2, y, trace.color);

    page.setFont(kLegendFont, kLegendPoints);
    const std::string text = trace.legend + (style.marker ? " - Marque : " : "");
    const double x = kScreenLeft + kLegendSampleLength + 20;
    const double h = page.textHeight(text);
    page.print(x, y + h / 2, text, kBlack);
    if (!style.marker) return;
    const double after = x + page.textWidth(text);
    page.setFont(kMarkerFont, style.points);
    page.print(after, y + page.textHeight(style.glyph) / 2, style.glyph, trace.color);
}

} // namespace

std::string ProgramSignature() {
    return std::string(kProgramName) + " v." + std::to_string(Ondivel::versionMajor()) + "." +
           std::to_string(Ondivel::versionMinor());
}

std::string SignalTypeName(std::string_view keyword) {
    switch (WaveformOf(keyword)) {
    case Waveform::Dc:
        return "tension continue";
    case Waveform::Sine:
        return "tension sinusoïdale";
    case Waveform::Square:
        return "tension carrée";
    case Waveform::Triangle:
        return "tension triangulaire";
    case Waveform::Alternator:
        return "tension d'alternateur";
    case Waveform::Harmonic:
        return "somme d'harmoniques";
    case Waveform::None:
        break;
    }
    return "aucun signal";
}

void DrawPrintout(Ondivel& app, Surface& page) {
    AssembleChannels(app); // the working set of both channels from the sources or the exercise
    const Globals& g = app.g;
    page.setScale(kPageLeft, kPageTop, kPageRight, kPageBottom);
    DrawGraticule(page, g.CouleurGrille, g.CouleurCadre);

    std::vector<PrintedTrace> traces = tracesInUse(app);
    for (PrintedTrace& trace : traces)
        trace.color = InkOnPaper(trace.color);
    const PrintStyle styles[2] = {ReadPrintStyle(app, 0), ReadPrintStyle(app, 1)};
    for (const PrintedTrace& trace : traces)
        drawTrace(page, trace, styles[trace.styleOf]);
    int row = 0;
    for (const PrintedTrace& trace : traces)
        drawLegend(page, trace, styles[trace.styleOf], row++);
    // The calibres of the traces under the legend's two rows, whatever their number, clear of the
    // signature.
    if (!traces.empty()) {
        page.setFont(kLegendFont, kLegendPoints);
        const std::string calibres = ScreenCalibreLine(app);
        page.print(kScreenLeft, kLegendTop - 2 * kLegendSpacing + page.textHeight(calibres) / 2, calibres,
                   kBlack);
    }

    page.setFont(kLegendFont, kFooterPoints);
    const std::string footer = "Imprimé avec " + ProgramSignature() + " le " +
                               app.platform().dateTimeText(app.platform().localDateTime());
    page.print(kScreenRight - page.textWidth(footer), kFooterBottom + page.textHeight(footer), footer,
               kBlack);
}

void PrintScreen(Ondivel& app) {
    FrmOndivel& scope = app.frmOndivel();
    // The screen shows the frame that is printed.
    if (scope.modeIndex() == ModeXY) DrawXY(app, scope.PhaseXY);
    app.renderer().DrawGrid(scope);
    const bool printed = app.platform().printPage([&app](Surface& page) { DrawPrintout(app, page); });
    if (!printed)
        app.platform().messageBox("L'impression n'a pas pu se faire : aucune imprimante n'est disponible.",
                                  vbExclamation, std::string(kProgramName) + " - Erreur");
}

} // namespace ondivel
