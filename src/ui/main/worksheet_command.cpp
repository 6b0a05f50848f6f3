#include "ui/main/worksheet_command.h"

#include <QGuiApplication>
#include <cstdio>
#include <string>

#include "bench/evaluation/worksheet.h"
#include "ui/platform/qt_platform.h"

namespace ondivel {

int RunWorksheetCommand(int argc, char** argv) {
    if (argc != 4) {
        std::fputs("Usage : ondivel --worksheet EXERCICE.ond FICHE.pdf\n", stderr);
        return 2;
    }
    // No display needed: the pages are drawn for the PDF writer alone.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    const std::string exercise = argv[2], output = argv[3];

    std::string problem;
    const std::optional<Worksheet> sheet = WorksheetFromFile(exercise, problem);
    if (!sheet) {
        std::fprintf(stderr, "%s\nLa fiche élève n'a pas été écrite.\n", problem.c_str());
        return 1;
    }
    QtPlatform platform;
    if (const std::optional<std::string> error = WriteWorksheet(platform, *sheet, output)) {
        std::fprintf(stderr, "%s\n", error->c_str());
        return 3;
    }
    const auto count = static_cast<int>(sheet->oscillograms.size());
    std::printf("Fiche élève écrite : %s (%d oscillogramme%s, %d pages).\n", output.c_str(), count,
                count > 1 ? "s" : "", WorksheetPageCount(*sheet));
    return 0;
}

} // namespace ondivel
