// The screen export: the format from the chosen name, the French reasons of a failed write, the
// calibre line of each display mode, the sweep's picture taken without moving the spot, and a
// failed write that leaves nothing behind.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "bench/main/screen_export.h"
#include "bench/main/screen_legend.h"
#include "bench/scope/bench_fixture.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/scope/scales.h"
#include "bench/scope/sweep.h"
#include "core/user_input.h"

namespace ondivel {
namespace {

namespace fs = std::filesystem;

TEST(ScreenExport, TheExtensionPicksTheFormatAndAnyOtherNameBecomesAPng) {
    struct Case {
        const char* chosen;
        const char* path;
        ExportFormat format;
    };
    // clang-format off
    const Case cases[] = {
        {"/tp/ecran.png",      "/tp/ecran.png",          ExportFormat::Png},
        {"/tp/Rapport.PDF",    "/tp/Rapport.PDF",        ExportFormat::Pdf},
        {"/tp/figure.Png",     "/tp/figure.Png",         ExportFormat::Png},
        {"/tp/mesures.Csv",    "/tp/mesures.Csv",        ExportFormat::Csv},
        {"/tp/mesures.csv.bak","/tp/mesures.csv.bak.png",ExportFormat::Png},
        {"/tp/mesure",         "/tp/mesure.png",         ExportFormat::Png},
        {"/tp/TP1.2",          "/tp/TP1.2.png",          ExportFormat::Png},
        {"/tp/notes.txt",      "/tp/notes.txt.png",      ExportFormat::Png},
        {"/tp/rapport.pdf.old","/tp/rapport.pdf.old.png",ExportFormat::Png},
        {"/tp/pdf",            "/tp/pdf.png",            ExportFormat::Png},
    };
    // clang-format on
    for (const Case& c : cases) {
        const ExportTarget target = ExportTargetFor(c.chosen);
        EXPECT_EQ(target.path, c.path) << c.chosen;
        EXPECT_EQ(target.format, c.format) << c.chosen;
    }
}

TEST(ScreenExport, AFailedWriteIsExplainedInFrench) {
    struct Case {
        std::errc why;
        const char* reason;
    };
    // clang-format off
    const Case cases[] = {
        {std::errc::no_such_file_or_directory, "le dossier n'existe pas"},
        {std::errc::not_a_directory,           "le dossier n'existe pas"},
        {std::errc::is_a_directory,            "c'est un dossier"},
        {std::errc::permission_denied,         "l'écriture n'est pas permise dans ce dossier"},
        {std::errc::read_only_file_system,     "l'écriture n'est pas permise dans ce dossier"},
        {std::errc::no_space_on_device,        "le disque est plein"},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(ExportErrorMessage("/tp/a.png", std::make_error_code(c.why)),
                  std::string("Impossible d'écrire le fichier « /tp/a.png » : ") + c.reason + ".");
}

class Export : public testing::Bench {
  protected:
    void SetUp() override { showSineAndSquare(); }
    // Previous-mode clicks from DUAL (CH2, then CH1) or next-mode clicks (ADD, then XY).
    void mode(int steps) {
        for (int i = 0; i < std::abs(steps); ++i)
            user::click(scope().cmdVoie[steps < 0 ? 0 : 1]);
    }
};

TEST_F(Export, TheCalibresAreThoseOfTheChannelsTheModeShows) {
    struct Case {
        int steps;
        bool spectrum;
        const char* line;
    };
    // clang-format off
    const Case cases[] = {
        {0,  false, "Voie CH1 : 2 V/div ; Voie CH2 : 2 V/div ; Base de temps : 1 ms/div"},
        {-1, false, "Voie CH2 : 2 V/div ; Base de temps : 1 ms/div"},
        {-2, false, "Voie CH1 : 2 V/div ; Base de temps : 1 ms/div"},
        {1,  false, "Voie CH1 : 2 V/div ; Voie CH2 : 2 V/div ; Base de temps : 1 ms/div"},
        {2,  false, "Voie CH1 (X) : 2 V/div ; Voie CH2 (Y) : 2 V/div"},
        {-2, true,  "Voie CH1 : 2 V/div ; Spectre : 1 kHz/div"},
    };
    // clang-format on
    for (const Case& c : cases) {
        while (scope().modeIndex() != ModeDUAL)
            user::click(scope().cmdVoie[1]);
        mode(c.steps);
        if (c.spectrum != (scope().chkFFT.Value == kChecked)) user::click(scope().chkFFT);
        EXPECT_EQ(ScreenCalibreLine(app), c.line) << c.steps;
    }
}

TEST_F(Export, TheSweepIsPicturedWhereItIsWithoutMovingTheSpot) {
    user::drag(scope().Potentio[KnobTimeBase], 10); // a slow time base: the spot sweeps
    platform.advanceSeconds(0.05);
    SweepTick(app);
    SweepTick(app); // no time went by: the piece on the screen starts at the spot
    const double spot = app.g.PositionSpot;
    ASSERT_GT(screen().lines().size(), 0u);
    ScreenPicturePng(app);
    ASSERT_TRUE(platform.exported);
    EXPECT_EQ(app.g.PositionSpot, spot);
    for (Color c : {app.g.CouleurA, app.g.CouleurB}) {
        EXPECT_EQ(platform.exported->minX(c), screen().minX(c));
        EXPECT_EQ(platform.exported->maxX(c), screen().maxX(c));
    }
}

TEST_F(Export, AFailedWriteLeavesNothingBehind) {
    const fs::path folder = tmp / "rapports";
    // A folder has the name the file takes: the rename over it fails after the temporary file
    // was written.
    fs::create_directories(folder / "ecran.png");
    platform.fileAnswers.push_back((folder / "ecran").string());
    ExportScreen(app);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages.back().text.find("c'est un dossier"), std::string::npos);
    std::vector<fs::path> left;
    for (const auto& entry : fs::directory_iterator(folder))
        left.push_back(entry.path().filename());
    EXPECT_EQ(left, std::vector<fs::path>{"ecran.png"});
}

} // namespace
} // namespace ondivel
