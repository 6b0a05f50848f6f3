#include "bench/evaluation/worksheet_pages.h"

#include <algorithm>

#include "bench/evaluation/worksheet.h"
#include "bench/main/mdi_ondivel.h"
#include "bench/main/printout.h"
#include "bench/main/screen_colours.h"
#include "bench/main/screen_legend.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/renderer.h"
#include "bench/scope/scales.h"
#include "bench/scope/screen_on_paper.h"
#include "bench/scope/sweep.h"
#include "bench/toolbox/channel_assembly.h"
#include "core/surface.h"
#include "core/text_wrap.h"

namespace ondivel {

namespace {

constexpr const char* kFont = "Arial";
constexpr Color kInk = kBlack;
constexpr Color kRule = RGB(150, 150, 150);
constexpr int kPaperTraceWidth = 2;

// Where the oscillograms go on every page, so that the screens stand at the same places on all.
constexpr double kRowsTop = 380;
constexpr double kRowHeight = 550;
constexpr double kScreenWidth = 530;
constexpr double kScreenTopInRow = 30;
constexpr double kColumnLeft = 610; // instruction and answers, right of the screen
constexpr double kColumnWidth = kSheetWidth - kColumnLeft;
constexpr int kInstructionLines = 4;
constexpr double kTitlePoints = 14;
constexpr double kSmallestTitlePoints = 11;
constexpr double kIntroductionPoints = 9;
constexpr double kFooterTop = 2610;

// The answer boxes, from the column's left edge.
struct BoxColumn {
    double left, right;
    const char* heading;
    const char* unit;
};
constexpr BoxColumn kBoxes[] = {
    {190, 570, "Type de tension", ""}, {610, 840, "Tension maximale", "V"}, {910, 1120, "Fréquence", "Hz"}};
constexpr double kBoxHeadingTop = 290;
constexpr double kBoxRowTop = 335;
constexpr double kBoxRowPitch = 80;
constexpr double kBoxHeight = 65;

// The answer key's columns: number, then type, peak and frequency of CH1 and of CH2.
constexpr double kKeyColumns[] = {0, 130, 520, 760, 1000, 1390, 1610, kSheetWidth};
constexpr double kKeyTableTop = 220;
constexpr double kKeyRowsTop = 330;
constexpr double kKeyRowHeight = 55;

double screenHeight() {
    return kScreenWidth * (kScreenTop - kScreenBottom) / (kScreenRight - kScreenLeft);
}

void text(Surface& page, double x, double y, const std::string& s, double points) {
    page.setFont(kFont, points);
    page.print(x, y, s, kInk);
}

void textRight(Surface& page, double right, double y, const std::string& s, double points) {
    page.setFont(kFont, points);
    page.print(right - page.textWidth(s), y, s, kInk);
}

void textCentred(Surface& page, double left, double right, double y, const std::string& s, double points) {
    page.setFont(kFont, points);
    page.print((left + right - page.textWidth(s)) / 2, y, s, kInk);
}

void rule(Surface& page, double left, double right, double y, Color color) {
    page.setDrawStyle(LineStyle::Solid);
    page.setDrawWidth(1);
    page.line(left, y, right, y, color);
}

void box(Surface& page, double left, double top, double right, double bottom) {
    page.setDrawStyle(LineStyle::Solid);
    page.setDrawWidth(1);
    page.line(left, top, right, top, kInk);
    page.line(right, top, right, bottom, kInk);
    page.line(right, bottom, left, bottom, kInk);
    page.line(left, bottom, left, top, kInk);
}

// "Nom : ......" up to `right`, the dots on the text's baseline for the pupil to write on.
void field(Surface& page, double left, double right, double y, const std::string& label) {
    constexpr double kPoints = 10;
    text(page, left, y, label, kPoints);
    const double h = page.textHeight(label);
    page.setDrawStyle(LineStyle::Dot);
    page.setDrawWidth(1);
    page.line(left + page.textWidth(label) + 15, y + 0.8 * h, right, y + 0.8 * h, kInk);
    page.setDrawStyle(LineStyle::Solid);
}

// Lines of a paragraph at `points`, at most maxLines, printed from (left, top); returns the
// height used.
double paragraph(Surface& page, double left, double top, double width, const std::string& s, double points,
                 int maxLines) {
    page.setFont(kFont, points);
    const auto lines = WrapText(
        s, width, [&page](const std::string& t) { return page.textWidth(t); }, maxLines);
    double y = top;
    for (const std::string& line : lines) {
        page.print(left, y, line, kInk);
        y += page.textHeight(line);
    }
    return y - top;
}

std::string shownTitle(const Worksheet& sheet) {
    if (!sheet.title.empty()) return sheet.title;
    std::string name = sheet.fileName;
    if (name.size() > 4 && name.ends_with(".ond")) name.resize(name.size() - 4);
    return name.empty() ? kWorksheetTitle : name;
}

std::string joined(const std::vector<std::string>& parts) {
    std::string s;
    for (const std::string& p : parts)
        s += (s.empty() ? "" : " ") + p;
    return s;
}

void drawFirstHeader(Surface& page, const Worksheet& sheet) {
    field(page, 0, 1000, 0, "Nom :");
    field(page, 1060, kSheetWidth, 0, "Prénom :");
    field(page, 0, 560, 90, "Classe :");
    field(page, 620, 1180, 90, "Date :");
    // The title on one line, set smaller when long, on two when even the smallest size is too wide.
    const std::string title = shownTitle(sheet);
    const auto width = [&page](const std::string& t) { return page.textWidth(t); };
    double points = kTitlePoints;
    page.setFont(kFont, points);
    while (points > kSmallestTitlePoints && width(title) > kSheetWidth)
        page.setFont(kFont, --points);
    double y = 175;
    for (const std::string& line : WrapText(title, kSheetWidth, width, 2)) {
        textCentred(page, 0, kSheetWidth, y, line, points);
        y += page.textHeight(line);
    }
    rule(page, 0, kSheetWidth, y + 10, kInk);
    // The introduction in what is left above the first oscillogram.
    page.setFont(kFont, kIntroductionPoints);
    const double lineHeight = page.textHeight(title);
    const int lines = static_cast<int>((kRowsTop - 25 - (y + 25)) / lineHeight);
    if (lines > 0)
        paragraph(page, 0, y + 25, kSheetWidth, joined(sheet.introduction), kIntroductionPoints, lines);
}

void drawRunningHeader(Surface& page, const Worksheet& sheet) {
    field(page, 0, 1000, 0, "Nom :");
    field(page, 1060, kSheetWidth, 0, "Classe :");
    paragraph(page, 0, 110, kSheetWidth, shownTitle(sheet) + " (suite)", 9, 1);
    rule(page, 0, kSheetWidth, 270, kInk);
}

void drawScreen(Ondivel& bench, Surface& page, double left, double top) {
    {
        ScreenOnPaper screen(page, left, top, kScreenWidth); // the calibres go under it instead of its texts
        Renderer& renderer = bench.renderer();
        Renderer::Redirect redirect(renderer, screen, screen);
        renderer.DrawGridOn(screen);
        screen.setDrawWidth(kPaperTraceWidth);
        if (bench.g.BaseTemps < kSweepTimeBase) {
            renderer.DrawOscillogram();
        } else {
            // The slow time bases show a moving spot on the screen; paper shows its whole path.
            AssembleChannels(bench);
            const double from = bench.g.PositionH - 500, to = bench.g.PositionH + 500;
            for (int channel : {0, 1})
                DrawSweepSegment(bench, screen, from, to, to, from, channel);
        }
    }
    page.setDrawStyle(LineStyle::Solid);
    page.setDrawWidth(1);
}

// "Voie CH1" with a sample of its trace's line, solid or dashed as on the screen.
void channelLabel(Surface& page, double left, double top, int channel, const Globals& g) {
    text(page, left, top + 5, channel == 0 ? "Voie CH1" : "Voie CH2", 9);
    page.setDrawWidth(kPaperTraceWidth);
    page.setDrawStyle(static_cast<LineStyle>(channel == 0 ? g.StyleTraceCH1 : g.StyleTraceCH2));
    page.line(left, top + kBoxHeight - 8, left + 150, top + kBoxHeight - 8,
              channel == 0 ? g.CouleurA : g.CouleurB);
    page.setDrawStyle(LineStyle::Solid);
    page.setDrawWidth(1);
}

void drawOscillogramRow(Ondivel& bench, Surface& page, const ExerciseOscillogram& o, int number, double top) {
    if (top > kRowsTop) rule(page, 0, kSheetWidth, top - 10, kRule);
    ShowWorksheetOscillogram(bench, o);
    const double screenTop = top + kScreenTopInRow;
    drawScreen(bench, page, 0, screenTop);
    double y = screenTop + screenHeight() + 8;
    page.setFont(kFont, 7.5);
    for (const std::string& line : WorksheetCalibreLines(bench)) {
        textCentred(page, 0, kScreenWidth, y, line, 7.5);
        y += page.textHeight(line);
    }

    text(page, kColumnLeft, screenTop, "Oscillogramme n° " + std::to_string(number), 11);
    paragraph(page, kColumnLeft, screenTop + 65, kColumnWidth, o.instruction, 9, kInstructionLines);
    for (const BoxColumn& c : kBoxes)
        text(page, kColumnLeft + c.left, top + kBoxHeadingTop, c.heading, 8);
    for (int channel = 0; channel < 2; ++channel) {
        const double rowTop = top + kBoxRowTop + channel * kBoxRowPitch;
        channelLabel(page, kColumnLeft, rowTop, channel, bench.g);
        for (const BoxColumn& c : kBoxes) {
            box(page, kColumnLeft + c.left, rowTop, kColumnLeft + c.right, rowTop + kBoxHeight);
            if (*c.unit) text(page, kColumnLeft + c.right + 12, rowTop + 12, c.unit, 9);
        }
    }
}

// A cell of the key from `left`, set smaller when its text would run into the next column.
void cell(Surface& page, double left, double right, double y, const std::string& s) {
    constexpr double kPoints = 9, kSmallest = 5, kPadding = 15;
    double points = kPoints;
    page.setFont(kFont, points);
    while (points > kSmallest && page.textWidth(s) > right - left - 2 * kPadding)
        page.setFont(kFont, --points);
    page.print(left + kPadding, y, s, kInk);
}

void drawKey(Surface& page, const Worksheet& sheet, int keyPage) {
    text(page, 0, 0, keyPage == 0 ? "Corrigé" : "Corrigé (suite)", 16);
    paragraph(page, 0, 85, kSheetWidth, shownTitle(sheet), 10, 1);
    paragraph(
        page, 0, 140, kSheetWidth,
        "Tension maximale : la valeur de crête de la tension ; une tension continue n'a pas de fréquence.", 8,
        1);
    const double* c = kKeyColumns;
    textCentred(page, c[1], c[4], kKeyTableTop, "Voie CH1 (trait plein)", 9);
    textCentred(page, c[4], c[7], kKeyTableTop, "Voie CH2 (tirets)", 9);
    rule(page, c[1] + 20, c[4] - 20, kKeyTableTop + 45, kRule);
    rule(page, c[4] + 20, c[7], kKeyTableTop + 45, kRule);
    const char* headings[] = {"N°", "Type", "Tension max.", "Fréquence", "Type", "Tension max.", "Fréquence"};
    for (int i = 0; i < 7; ++i)
        text(page, c[i] + 15, kKeyTableTop + 55, headings[i], 9);
    rule(page, 0, kSheetWidth, kKeyRowsTop - 5, kInk);

    const std::size_t first = static_cast<std::size_t>(keyPage) * kKeyRowsPerPage;
    const std::size_t last = std::min(sheet.oscillograms.size(), first + kKeyRowsPerPage);
    double y = kKeyRowsTop;
    for (std::size_t n = first; n < last; ++n, y += kKeyRowHeight) {
        const ExerciseOscillogram& o = sheet.oscillograms[n];
        cell(page, c[0], c[1], y + 8, std::to_string(n + 1));
        for (int channel = 0; channel < 2; ++channel) {
            const ExerciseChannel& ch = o.channel[channel];
            const double* col = c + 1 + 3 * channel;
            cell(page, col[0], col[1], y + 8, ExpectedTypeText(ch));
            cell(page, col[1], col[2], y + 8, ExpectedPeakText(ch));
            cell(page, col[2], col[3], y + 8, ExpectedFrequencyText(ch));
        }
        rule(page, 0, kSheetWidth, y + kKeyRowHeight, kRule);
    }
}

void drawFooter(Surface& page, const Worksheet& sheet, int index) {
    rule(page, 0, kSheetWidth, kFooterTop - 10, kRule);
    const std::string source = sheet.fileName.empty() ? "" : " - " + sheet.fileName;
    text(page, 0, kFooterTop, std::string(kWorksheetTitle) + " - " + ProgramSignature() + source, 8);
    textRight(page, kSheetWidth, kFooterTop,
              "Page " + std::to_string(index + 1) + " / " + std::to_string(WorksheetPageCount(sheet)), 8);
}

} // namespace

void PrepareWorksheetBench(Ondivel& bench) {
    Globals& g = bench.g;
    FrmOndivel& scope = bench.frmOndivel();
    bench.mdi().ModeLibre = false; // the channels take the exercise's values
    scope.chkOn.Value = kChecked;
    scope.chkOn.Caption = "Off";
    for (int i = 0; i < 6; ++i) {
        scope.shpVoie[i].FillColor = kLampOff;
        scope.shpACDC[i].FillColor = kLampOff;
    }
    scope.shpVoie[ModeDUAL].FillColor = kLampOn;
    for (int channel = 0; channel < 2; ++channel)
        scope.shpACDC[3 * channel + static_cast<int>(Coupling::DC)].FillColor = kLampOn;
    g.SourceBrancheeA = g.SourceBrancheeB = true;
    g.EntreeBrancheeCH1 = g.EntreeBrancheeCH2 = true;
    g.PositionH = g.PositionCH1 = g.PositionCH2 = 0;
    g.OffsetCH1 = g.OffsetCH2 = 0;
    g.NiveauDeclenchement = 0;
    g.CouleurA = kScreenColours[kColourTraceA].forPrinting;
    g.CouleurB = kScreenColours[kColourTraceB].forPrinting;
    g.CouleurGrille = kScreenColours[kColourGrid].forPrinting;
    g.CouleurEcran = kScreenColours[kColourScreen].forPrinting;
    g.CouleurCadre = kScreenColours[kColourFrame].forPrinting;
    g.StyleTraceCH1 = static_cast<std::int16_t>(LineStyle::Solid);
    g.StyleTraceCH2 = static_cast<std::int16_t>(LineStyle::Dash);
    g.EpaisseurTrace = kPaperTraceWidth;
}

void ShowWorksheetOscillogram(Ondivel& bench, const ExerciseOscillogram& o) {
    Globals& g = bench.g;
    const auto apply = [](const ExerciseChannel& c, std::string& signal, double& amplitude,
                          double& frequency) {
        signal = c.signal;
        amplitude = c.amplitude;
        frequency = c.frequency;
    };
    apply(o.channel[0], g.ExoSignalCH1, g.ExoAmplitudeCH1, g.ExoFrequenceCH1);
    apply(o.channel[1], g.ExoSignalCH2, g.ExoAmplitudeCH2, g.ExoFrequenceCH2);

    // The lists' choices as the knobs would leave them, without the click their Click plays.
    FrmOndivel& scope = bench.frmOndivel();
    const WorksheetCalibres c = CalibresFor(o);
    scope.cboSensibiliteVerticaleA.ListIndex = c.sensitivity[0];
    scope.cboSensibiliteVerticaleB.ListIndex = c.sensitivity[1];
    scope.cboBaseTemps.ListIndex = c.timeBase;
    scope.Potentio[KnobSensitivityCH1].Value = c.sensitivity[0];
    scope.Potentio[KnobSensitivityCH2].Value = c.sensitivity[1];
    scope.Potentio[KnobTimeBase].Value = c.timeBase;
    g.SensibiliteCH1 = SensitivityFromIndex(c.sensitivity[0]);
    g.SensibiliteCH2 = SensitivityFromIndex(c.sensitivity[1]);
    g.BaseTemps = TimeBaseFromIndex(c.timeBase);
}

std::vector<std::string> WorksheetCalibreLines(const Ondivel& bench) {
    const FrmOndivel& scope = bench.frmOndivel();
    return {CalibreLine({{"Voie CH1", scope.cboSensibiliteVerticaleA.listText()},
                         {"Voie CH2", scope.cboSensibiliteVerticaleB.listText()}},
                        "", ""),
            CalibreLine({}, "Base de temps", scope.cboBaseTemps.listText())};
}

void DrawWorksheetPage(Ondivel& bench, const Worksheet& sheet, int index, Surface& page) {
    page.setScale(0, 0, kSheetWidth, kSheetHeight);
    page.setDrawStyle(LineStyle::Solid);
    page.setDrawWidth(1);
    const int oscillogramPages = OscillogramPageCount(sheet);
    if (index < oscillogramPages) {
        if (index == 0)
            drawFirstHeader(page, sheet);
        else
            drawRunningHeader(page, sheet);
        for (int row = 0; row < kOscillogramsPerPage; ++row) {
            const std::size_t n = static_cast<std::size_t>(index * kOscillogramsPerPage + row);
            if (n >= sheet.oscillograms.size()) break;
            drawOscillogramRow(bench, page, sheet.oscillograms[n], static_cast<int>(n) + 1,
                               kRowsTop + row * kRowHeight);
        }
    } else {
        drawKey(page, sheet, index - oscillogramPages);
    }
    drawFooter(page, sheet, index);
}

} // namespace ondivel
