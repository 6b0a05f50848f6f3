#include "bench/main/screen_export.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <optional>

#include "bench/main/mdi_ondivel.h"
#include "bench/main/printout.h"
#include "bench/main/program_info.h"
#include "bench/main/screen_csv.h"
#include "bench/main/screen_legend.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/renderer.h"
#include "bench/scope/screen_on_paper.h"
#include "bench/scope/sweep.h"
#include "bench/scope/xy_display.h"
#include "core/platform.h"
#include "core/surface.h"
#include "files/durable_replace.h"
#include "files/text_file.h"
#include "physics/grey_level.h"

namespace ondivel {

namespace fs = std::filesystem;

namespace {

// The page in the printout's user scale, an upright A4 sheet: the screen keeps its units at the
// top, the legend rows, the calibres and the signature go under it.
constexpr double kSheetBottom = -760;
constexpr double kFirstRow = -450;
constexpr double kRowSpacing = 45;
constexpr double kSampleLength = 100;
constexpr const char* kTextFont = "Arial";
constexpr double kTextPoints = 10;
constexpr double kSignaturePoints = 8;
constexpr int kPaperTraceWidth = 2;

// What the screen shows now, drawn again on the renderer's target over its graticule: the XY
// frame of the current phase, the sweep's glowing piece without moving the spot, or a complete
// drawing.
void redrawShownScreen(Ondivel& app) {
    Renderer& renderer = app.renderer();
    FrmOndivel& scope = app.frmOndivel();
    if (scope.modeIndex() == ModeXY) {
        DrawXY(app, scope.PhaseXY);
    } else if (scope.isOn() && app.g.BaseTemps >= kSweepTimeBase && scope.chkFFT.Value != kChecked) {
        DrawSweepPicture(app);
    } else {
        renderer.DrawOscillogram();
    }
}

std::string reasonFor(std::error_code why) {
    const std::error_condition c = why.default_error_condition();
    if (c == std::errc::no_such_file_or_directory || c == std::errc::not_a_directory)
        return "le dossier n'existe pas";
    if (c == std::errc::is_a_directory) return "c'est un dossier";
    if (c == std::errc::permission_denied || c == std::errc::operation_not_permitted ||
        c == std::errc::read_only_file_system)
        return "l'écriture n'est pas permise dans ce dossier";
    if (c == std::errc::no_space_on_device) return "le disque est plein";
    if (c == std::errc::filename_too_long) return "le nom est trop long";
    if (c == std::errc::io_error) return "l'image n'a pas pu être dessinée";
    return "erreur système n° " + std::to_string(why.value());
}

bool endsWithNoCase(const std::string& text, const std::string& suffix) {
    if (text.size() < suffix.size()) return false;
    return std::equal(suffix.rbegin(), suffix.rend(), text.rbegin(),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

} // namespace

ExportTarget ExportTargetFor(const std::string& chosen) {
    if (endsWithNoCase(chosen, ".pdf")) return {chosen, ExportFormat::Pdf};
    if (endsWithNoCase(chosen, ".csv")) return {chosen, ExportFormat::Csv};
    if (endsWithNoCase(chosen, ".png")) return {chosen, ExportFormat::Png};
    return {chosen + ".png", ExportFormat::Png};
}

std::string ExportErrorMessage(const std::string& path, std::error_code why) {
    return "Impossible d'écrire le fichier « " + path + " » : " + reasonFor(why) + ".";
}

std::optional<std::string> ExportFolderRefusal(const std::string& path) {
    std::error_code ec;
    if (!fs::is_directory(PathFromUtf8(path), ec)) return std::nullopt;
    return ExportErrorMessage(path, std::make_error_code(std::errc::is_a_directory));
}

void ShowExportRefusal(Platform& platform, const std::string& message) {
    platform.messageBox(message, vbExclamation, std::string(kProgramName) + " - Erreur");
}

std::optional<std::string> WriteExport(const std::string& path, const std::string& bytes) {
    if (bytes.empty()) return ExportErrorMessage(path, std::make_error_code(std::errc::io_error));
    errno = 0;
    if (ReplaceFileDurably(PathFromUtf8(path), bytes)) return std::nullopt;
    return ExportErrorMessage(path, std::error_code(errno, std::generic_category()));
}

void DrawExportPage(Ondivel& app, Surface& page) {
    page.setScale(kPageLeft, kPageTop, kPageRight, kSheetBottom);
    {
        ScreenOnPaper screen(page, InkOnPaper); // light traces darkened, as the printout does
        Renderer::Redirect redirect(app.renderer(), screen, screen);
        app.renderer().DrawGridOn(screen);
        // A hairline trace hardly shows once printed: at least two pixels' width on paper.
        screen.setDrawWidth(std::max<int>(app.g.EpaisseurTrace, kPaperTraceWidth));
        redrawShownScreen(app);
    }
    page.setDrawStyle(LineStyle::Solid);
    page.setDrawWidth(kPaperTraceWidth); // the legend's samples as wide as the traces
    page.setFont(kTextFont, kTextPoints);
    double y = kFirstRow;
    const auto row = [&page, &y](double x, const std::string& text) {
        page.print(x, y + page.textHeight(text) / 2, text, kBlack);
        y -= kRowSpacing;
    };
    for (const LegendRow& legend : ScreenLegend(app)) {
        page.line(kScreenLeft, y, kScreenLeft + kSampleLength, y, InkOnPaper(legend.color));
        row(kScreenLeft + kSampleLength + 20, legend.text);
    }
    if (app.frmOndivel().isOn()) row(kScreenLeft, ScreenCalibreLine(app));
    page.setFont(kTextFont, kSignaturePoints);
    row(kScreenLeft, ExportSignature(app));
}

std::string ScreenPicturePng(Ondivel& app) {
    Platform& platform = app.platform();
    const Surface& shown = app.frmOndivel().screen();
    std::unique_ptr<Surface> grid = platform.createSharperSurface(shown, kExportMinWidthPixels);
    std::unique_ptr<Surface> screen = platform.createSharperSurface(shown, kExportMinWidthPixels);
    {
        Renderer::Redirect redirect(app.renderer(), *screen, *grid);
        app.renderer().DrawGridOn(*grid);
        screen->setDrawWidth(app.g.EpaisseurTrace);
        redrawShownScreen(app);
    }
    return platform.pngBytes(*screen);
}

void ExportScreen(Ondivel& app) {
    if (!app.mdi().ModeLibre) return;
    Platform& platform = app.platform();
    FileDialogRequest request;
    request.title = kExportTitle;
    request.initialFolder = app.g.DossierPartage;
    request.filter = kExportFilter;
    const std::optional<std::string> chosen = platform.saveFileDialog(request);
    if (!chosen || chosen->empty()) return;
    if (const auto refusal = ExportFolderRefusal(*chosen)) return ShowExportRefusal(platform, *refusal);
    const ExportTarget target = ExportTargetFor(*chosen);
    std::string bytes;
    switch (target.format) {
    case ExportFormat::Pdf:
        bytes = platform.pdfBytes([&app](Surface& page) { DrawExportPage(app, page); }, "Oscillogrammes");
        break;
    case ExportFormat::Png:
        bytes = ScreenPicturePng(app);
        break;
    case ExportFormat::Csv: {
        const std::optional<std::string> table = ScreenCsv(app);
        if (!table) {
            platform.messageBox(CsvRefusal(app), vbExclamation, kProgramName);
            return;
        }
        bytes = platform.csvBytes(*table);
        break;
    }
    }
    if (const auto refusal = WriteExport(target.path, bytes)) ShowExportRefusal(platform, *refusal);
}

} // namespace ondivel
