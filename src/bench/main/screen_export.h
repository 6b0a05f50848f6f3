#pragma once
// "Fichier > Exporter l'écran…" (free mode only: during an evaluated test the picture would give
// the answers away). One save dialog; the chosen name's extension picks the format:
// - PNG: the screen as shown (graticule, traces, settings overlay), painted again by the renderer
//   on a picture at least kExportMinWidthPixels wide;
// - PDF: one vector page for a lab report, the same drawing calls on paper colours, with a
//   legend, the calibres and the date;
// - CSV: the samples behind the traces, for a spreadsheet (screen_csv.h).
// The file is written whole or not at all (temporary file beside it, then renamed).
#include <optional>
#include <string>
#include <system_error>

namespace ondivel {

class Ondivel;
class Platform;
class Surface;

inline constexpr const char* kExportTitle = "Exporter l'écran";
inline constexpr const char* kExportFilter =
    "Image PNG (*.png)|*.png|Document PDF (*.pdf)|*.pdf|Tableau CSV (*.csv)|*.csv";
inline constexpr int kExportMinWidthPixels = 1600;

enum class ExportFormat { Png, Pdf, Csv };

struct ExportTarget {
    std::string path;
    ExportFormat format;
};

// The file and its format from the dialog's answer: ".png", ".pdf" or ".csv" in any case; any other
// name (no extension, another one) gets ".png" appended.
ExportTarget ExportTargetFor(const std::string& chosen);

// "Impossible d'écrire le fichier « PATH » : le dossier n'existe pas." and the like.
std::string ExportErrorMessage(const std::string& path, std::error_code why);

// The French message for a chosen place that is a folder, or nullopt: asked before the export is
// made, so that nothing is worked out for nothing.
std::optional<std::string> ExportFolderRefusal(const std::string& path);

// Puts `bytes` in place of the file at `path` (UTF-8) through a temporary file and a rename;
// nullopt when written, else the French message that says why not (no bytes: the export could
// not be made).
std::optional<std::string> WriteExport(const std::string& path, const std::string& bytes);

// Shows such a message in the program's error box.
void ShowExportRefusal(Platform& platform, const std::string& message);

// Draws the PDF page on `page`, which the call gives its scale: the screen's graticule and traces
// through the renderer, in ink that shows on white paper, then the legend, the calibres and the
// program's signature with the date.
void DrawExportPage(Ondivel& app, Surface& page);

// The screen as shown, painted again at least kExportMinWidthPixels wide, as PNG bytes.
std::string ScreenPicturePng(Ondivel& app);

// The menu command: asks for the file, draws, writes; tells the user when the file cannot be
// written.
void ExportScreen(Ondivel& app);

} // namespace ondivel
