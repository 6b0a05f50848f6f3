#include "bench/main/screen_csv.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "bench/main/screen_legend.h"
#include "bench/ondivel.h"
#include "bench/scope/displayed_samples.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/xy_display.h"

namespace ondivel {

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr char kSeparator = ';';

// A cell as RFC 4180 quotes it: the calibre line holds the separator itself.
std::string field(const std::string& text) {
    if (text.find_first_of(";\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

void addRow(std::string& csv, const std::vector<std::string>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) csv += kSeparator;
        csv += cells[i];
    }
    csv += kLineEnd;
}

// The legend lines of the exported page, one cell each.
std::string legend(const Ondivel& app) {
    std::string csv;
    addRow(csv, {field(ExportSignature(app))});
    for (const LegendRow& row : ScreenLegend(app))
        addRow(csv, {field(row.text)});
    addRow(csv, {field(ScreenCalibreLine(app))});
    return csv;
}

// Rounded to the nanovolt, far below any calibre, so that the sine's zeros read 0 rather than
// 1,2e-15, and a crest that touches the screen's edge stays on it.
double nanovolts(double volts) {
    return std::round(volts * 1e9) / 1e9;
}

// A voltage as the screen shows it: empty beyond the screen's edges, where the trace is cut, as the
// automatic measurements read "?" there.
std::string voltageCell(double volts, bool shown) {
    if (!shown) return {};
    return CsvNumber(nanovolts(volts));
}

bool onScreen(double volts, double bottom, double top) {
    const double v = nanovolts(volts);
    return v >= nanovolts(bottom) && v <= nanovolts(top);
}

std::string columnName(const DisplayedTrace& trace) {
    const std::string name = trace.name == "ADD" ? "CH1 + CH2" : trace.name;
    // A band has no instants, only its edges: its cells alternate the lower and the upper one.
    return name + (trace.band ? " (V, bande)" : " (V)");
}

void timeBaseTable(const Ondivel& app, std::string& csv) {
    const std::vector<DisplayedTrace> traces = SampleDisplayedTraces(app, kCsvSamples);
    std::vector<std::string> names{"t (s)"};
    for (const DisplayedTrace& trace : traces)
        names.push_back(columnName(trace));
    addRow(csv, names);
    // Every sampled trace shares the horizontal span; a trace without samples leaves its column
    // empty, and when none has any there is no time to write.
    const DisplayedTrace* clock = nullptr;
    for (const DisplayedTrace& trace : traces)
        if (!trace.volts.empty()) clock = &trace;
    if (!clock) return;
    std::vector<std::string> cells;
    for (std::size_t i = 0; i < clock->volts.size(); ++i) {
        cells.assign(1, CsvNumber(clock->startTime + static_cast<double>(i) * clock->sampleInterval));
        // The position is no voltage: the samples are the signal's, wherever the knob put the
        // trace; only the screen's edges, which the position moves, decide what is shown.
        for (const DisplayedTrace& trace : traces) {
            if (trace.volts.empty()) {
                cells.emplace_back();
                continue;
            }
            const double v = trace.volts[i];
            cells.push_back(voltageCell(v, onScreen(v, trace.bottom, trace.top)));
        }
        addRow(csv, cells);
    }
}

void xyTable(const Ondivel& app, std::string& csv) {
    addRow(csv, {"t (s)", "X : CH1 (V)", "Y : CH2 (V)"});
    for (const XYPoint& p : XYFrameVolts(app, app.frmOndivel().PhaseXY))
        addRow(csv, {CsvNumber(p.t), voltageCell(p.x, p.xShown), voltageCell(p.y, p.yShown)});
}

} // namespace

std::string CsvNumber(double value) {
    if (!std::isfinite(value)) return {};
    if (value == 0) return "0"; // and not "-0"
    // Six significant digits by to_chars, which ignores the locale the desktop sets, then written
    // out without an exponent: "5e-06" would puzzle a pupil, and some spreadsheets with it.
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 5).ptr;
    const std::string scientific(text, end); // "-1.23457e-07"
    const std::size_t e = scientific.find('e');
    const bool negative = scientific.front() == '-';
    const std::size_t first = negative ? 1 : 0;
    std::string digits = scientific.substr(first, 1) + scientific.substr(first + 2, e - first - 2);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int point = std::stoi(scientific.substr(e + 1)) + 1; // digits before the decimal comma
    const int count = static_cast<int>(digits.size());
    std::string plain;
    if (point <= 0)
        plain = "0," + std::string(static_cast<std::size_t>(-point), '0') + digits;
    else if (point >= count)
        plain = digits + std::string(static_cast<std::size_t>(point - count), '0');
    else
        plain = digits.substr(0, static_cast<std::size_t>(point)) + "," +
                digits.substr(static_cast<std::size_t>(point));
    return negative ? "-" + plain : plain;
}

std::optional<std::string> ScreenCsv(const Ondivel& app) {
    const FrmOndivel& scope = app.frmOndivel();
    if (!scope.isOn() || scope.chkFFT.Value == kChecked) return std::nullopt;
    std::string csv = legend(app);
    if (scope.modeIndex() == ModeXY)
        xyTable(app, csv);
    else
        timeBaseTable(app, csv);
    return csv;
}

std::string CsvRefusal(const Ondivel& app) {
    if (!app.frmOndivel().isOn())
        return "L'oscilloscope est éteint : l'écran n'a aucune trace à exporter en CSV.";
    return "Le spectre ne s'exporte pas en CSV : exportez-le en PNG ou en PDF.";
}

} // namespace ondivel
