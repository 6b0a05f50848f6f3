#include "bench/evaluation/worksheet.h"

#include <algorithm>
#include <cmath>

#include "bench/evaluation/worksheet_pages.h"
#include "bench/main/screen_export.h"
#include "bench/ondivel.h"
#include "bench/scope/auto_settings.h"
#include "core/format.h"
#include "core/keywords.h"
#include "core/platform.h"
#include "files/exercise_line.h"
#include "physics/scoring.h"

namespace ondivel {

namespace {

// A peak within three and a half of the four divisions above the centre, never on the screen's
// edge where the frame hides it; one period spans the ten horizontal divisions.
constexpr double kDivisionsPerPeak = 3.5;
constexpr double kDivisionsPerPeriod = 10;
// A screen of continuous voltages only: the time base the front panel starts with.
constexpr int kDefaultTimeBase = 8; // 1 ms/div
// A channel at 0 V everywhere takes the other's calibre, or this one.
constexpr int kDefaultSensitivity = 6; // 1 V/div

std::string fileNamePart(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The peak height the screen shows: a continuous level as written, the alternator's curve half
// as high again as the amplitude it is drawn with.
double shownPeak(const ExerciseChannel& c) {
    const double peak =
        WaveformOf(c.signal) == Waveform::Alternator ? c.amplitude * kAlternatorPeakRatio : c.amplitude;
    return std::fabs(peak);
}

bool periodic(const ExerciseChannel& c) {
    return WaveformOf(c.signal) != Waveform::Dc && c.frequency > 0;
}

// "2,5", "1000", "20 000": a decimal comma, and from five digits on the thousands set apart by
// no-break spaces, as French texts write large numbers.
std::string decimalComma(double value) {
    std::string text = NumberText(value);
    Remplacer(text, ".", ",");
    const std::size_t first = text.starts_with('-') ? 1 : 0;
    const std::size_t end = std::min(text.find(','), text.size());
    if (end - first >= 5 && text.find('e') == std::string::npos)
        for (std::size_t at = end; at > first + 3; at -= 3)
            text.insert(at - 3, "\u00A0");
    return text;
}

} // namespace

std::optional<Worksheet> WorksheetFromLines(const std::vector<std::string>& lines,
                                            const std::string& fileName, std::string& problem) {
    ExerciseReader reader;
    reader.openLines(lines, fileName);
    if (const auto bad = reader.check()) {
        problem = *bad;
        return std::nullopt;
    }
    Worksheet sheet;
    sheet.title = reader.exerciseTitle();
    sheet.fileName = fileName;
    // The title is printed once at the top, not again as the instruction of an oscillogram that
    // follows it at once.
    int titleLine = 0; // from 1
    for (std::size_t i = 0; i < lines.size() && titleLine == 0; ++i)
        if (ClassifyExerciseLine(lines[i]) == ExerciseLineKind::Comment) titleLine = static_cast<int>(i) + 1;
    while (std::optional<ExerciseOscillogram> o = reader.next()) {
        if (o->lineNumber - 1 == titleLine) o->instruction.clear();
        sheet.oscillograms.push_back(std::move(*o));
    }
    if (sheet.oscillograms.empty()) {
        problem = (fileName.empty() ? std::string("L'exercice") : "L'exercice « " + fileName + " »") +
                  " ne contient aucun oscillogramme : la fiche élève n'aurait rien à montrer.";
        return std::nullopt;
    }
    // The comments before the first oscillogram's own instruction, the title aside.
    const int firstInstruction = sheet.oscillograms.front().lineNumber - 2; // index, from 0
    bool titleSeen = false;
    for (int i = 0; i < firstInstruction; ++i) {
        const std::string& line = lines[static_cast<std::size_t>(i)];
        if (ClassifyExerciseLine(line) != ExerciseLineKind::Comment) continue;
        if (!titleSeen) {
            titleSeen = true;
            continue;
        }
        if (std::string text = CommentText(line); !text.empty()) sheet.introduction.push_back(text);
    }
    return sheet;
}

std::optional<Worksheet> WorksheetFromFile(const std::string& path, std::string& problem) {
    const std::string name = fileNamePart(path);
    ExerciseReader reader;
    if (!reader.open(path, name)) {
        problem = reader.problem();
        return std::nullopt;
    }
    return WorksheetFromLines(reader.lines(), name, problem);
}

WorksheetCalibres CalibresFor(const ExerciseOscillogram& o) {
    WorksheetCalibres c{};
    for (int ch = 0; ch < 2; ++ch) {
        const double peak = shownPeak(o.channel[ch]);
        c.sensitivity[ch] = peak > 0 ? SensitivityKnobFor(peak / kDivisionsPerPeak) : -1;
    }
    for (int ch = 0; ch < 2; ++ch)
        if (c.sensitivity[ch] < 0)
            c.sensitivity[ch] = c.sensitivity[1 - ch] >= 0 ? c.sensitivity[1 - ch] : kDefaultSensitivity;

    double period = 0;
    for (const ExerciseChannel& ch : o.channel)
        if (periodic(ch)) period = std::max(period, 1 / ch.frequency);
    c.timeBase = period > 0 ? TimeBaseKnobFor(period / kDivisionsPerPeriod) : kDefaultTimeBase;
    return c;
}

std::string ExpectedTypeText(const ExerciseChannel& channel) {
    if (WaveformOf(channel.signal) == Waveform::Dc) return "continue";
    return LowerKeyword(ShapeCaption(channel.signal));
}

std::string ExpectedPeakText(const ExerciseChannel& channel) {
    const double peak = WaveformOf(channel.signal) == Waveform::Alternator
                            ? channel.amplitude * kAlternatorPeakRatio
                            : channel.amplitude;
    return decimalComma(peak) + " V";
}

std::string ExpectedFrequencyText(const ExerciseChannel& channel) {
    if (WaveformOf(channel.signal) == Waveform::Dc) return "—";
    return decimalComma(channel.frequency) + " Hz";
}

int OscillogramPageCount(const Worksheet& sheet) {
    const int n = static_cast<int>(sheet.oscillograms.size());
    return (n + kOscillogramsPerPage - 1) / kOscillogramsPerPage;
}

int WorksheetPageCount(const Worksheet& sheet) {
    const int n = static_cast<int>(sheet.oscillograms.size());
    return OscillogramPageCount(sheet) + std::max(1, (n + kKeyRowsPerPage - 1) / kKeyRowsPerPage);
}

std::string WorksheetPdf(Platform& platform, const Worksheet& sheet) {
    Ondivel bench(platform);
    PrepareWorksheetBench(bench);
    const std::string name = sheet.title.empty() ? sheet.fileName : sheet.title;
    return platform.pdfDocumentBytes(
        WorksheetPageCount(sheet),
        [&bench, &sheet](Surface& page, int index) { DrawWorksheetPage(bench, sheet, index, page); },
        std::string(kWorksheetTitle) + " - " + name, false);
}

std::optional<std::string> WriteWorksheet(Platform& platform, const Worksheet& sheet,
                                          const std::string& path) {
    if (auto refusal = ExportFolderRefusal(path)) return refusal;
    return WriteExport(path, WorksheetPdf(platform, sheet));
}

} // namespace ondivel
