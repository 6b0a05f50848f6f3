// The pupil's worksheet: the calibres chosen for each screen, the answer key's cells, the pages
// and what is drawn on them (recorded by the fake platform), and the refusals.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "bench/evaluation/worksheet.h"
#include "bench/evaluation/worksheet_pages.h"
#include "bench/scope/scales.h"
#include "files/testing/fake_platform.h"
#include "support/temp_folder.h"

namespace ondivel {
namespace {

using testing::TempFolder;

ExerciseOscillogram parsed(const std::string& line) {
    return *ParseOscillogramLine(line, 1).value;
}

Worksheet sheetOf(const std::vector<std::string>& lines) {
    std::string problem;
    const std::optional<Worksheet> sheet = WorksheetFromLines(lines, "tp.ond", problem);
    EXPECT_TRUE(sheet) << problem;
    return sheet.value_or(Worksheet{});
}

struct CalibreCase {
    const char* line;
    const char* ch1;
    const char* ch2;
    const char* timeBase;
};

// clang-format off
const CalibreCase kCalibreCases[] = {
    // 5 V peak: 5 / 3.5 = 1.4 V a division needed, 2 V/div; 1/50 s over ten divisions, 2 ms/div.
    // A 0 V channel reads on the other's calibre.
    {"sinusoïdale/5/50/CC/0/",            "2 V/div",   "2 V/div",   "2 ms/div"},
    // The alternator's written peak (6 V) is what must fit: 1.7 V a division, 2 V/div; 40 Hz wants
    // 2.5 ms a division, 5 ms/div.
    {"dyn/6/40/CC/0/",                    "2 V/div",   "2 V/div",   "5 ms/div"},
    // Continuous levels by their size, a negative one too; no period: 1 ms/div.
    {"CC/1.5//CC/-9/",                    "0.5 V/div", "5 V/div",   "1 ms/div"},
    // The slower signal sets the time base: 100 Hz, 1 ms/div. 4 V would lie on the screen's edge
    // at 1 V/div.
    {"carrée/0.2/1000/triangulaire/4/100", "0.1 V/div", "2 V/div",  "1 ms/div"},
    // Nothing at all to show: 1 V/div.
    {"CC/0//CC/0/",                       "1 V/div",   "1 V/div",   "1 ms/div"},
    // A boundary value takes the finer scale: 3.5 V needs exactly 1 V/div; 1 kHz exactly 0.1 ms/div.
    {"sinus/3.5/1000/CC/2/",              "1 V/div",   "1 V/div",   "0.1 ms/div"},
};
// clang-format on

class WorksheetCalibres : public ::testing::TestWithParam<CalibreCase> {};

TEST_P(WorksheetCalibres, PeakWithinFourDivisionsAndAboutOnePeriodAcross) {
    const CalibreCase& c = GetParam();
    const auto calibres = CalibresFor(parsed(c.line));
    EXPECT_STREQ(kSensitivities[static_cast<std::size_t>(calibres.sensitivity[0])].label, c.ch1);
    EXPECT_STREQ(kSensitivities[static_cast<std::size_t>(calibres.sensitivity[1])].label, c.ch2);
    EXPECT_STREQ(kTimeBases[static_cast<std::size_t>(calibres.timeBase)].label, c.timeBase);
}

INSTANTIATE_TEST_SUITE_P(Lines, WorksheetCalibres, ::testing::ValuesIn(kCalibreCases));

TEST(WorksheetKey, CellsSayWhatThePupilShouldAnswer) {
    const ExerciseOscillogram o = parsed("sinus/2,5/50/CC/-2/");
    EXPECT_EQ(ExpectedTypeText(o.channel[0]), "sinusoïdale");
    EXPECT_EQ(ExpectedPeakText(o.channel[0]), "2,5 V");
    EXPECT_EQ(ExpectedFrequencyText(o.channel[0]), "50 Hz");
    EXPECT_EQ(ExpectedTypeText(o.channel[1]), "continue");
    EXPECT_EQ(ExpectedPeakText(o.channel[1]), "-2 V");
    EXPECT_EQ(ExpectedFrequencyText(o.channel[1]), "—");
    // The peak the screen shows, not the amplitude the alternator is drawn with.
    const ExerciseOscillogram dyn = parsed("dyn/6/40/CARRÉE/3/1000");
    EXPECT_EQ(ExpectedTypeText(dyn.channel[0]), "alternateur vélo");
    EXPECT_EQ(ExpectedPeakText(dyn.channel[0]), "6 V");
    EXPECT_EQ(ExpectedTypeText(dyn.channel[1]), "carrée");
    // Large numbers by groups of three digits, as French writes them; four digits stay whole.
    EXPECT_EQ(ExpectedFrequencyText(dyn.channel[1]), "1000 Hz");
    EXPECT_EQ(ExpectedFrequencyText(parsed("sinus/1/20000.5/CC/-12345/").channel[0]), "20\u00A0000,5 Hz");
    EXPECT_EQ(ExpectedPeakText(parsed("sinus/1/1e6/CC/-12345/").channel[1]), "-12\u00A0345 V");
    EXPECT_EQ(ExpectedFrequencyText(parsed("sinus/1/1e6/CC/0/").channel[0]), "1\u00A0000\u00A0000 Hz");
}

TEST(WorksheetReading, TitleIntroductionAndInstructionsComeFromTheComments) {
    const Worksheet sheet =
        sheetOf({"'Séance 3", "'Réglez d'abord les sensibilités.", "", "'Lisez la période.", "'1. Une pile",
                 "CC/4.5//CC/0/", "sinus/5/50/CC/0/"});
    EXPECT_EQ(sheet.title, "Séance 3");
    // The comment just before the first oscillogram is its own instruction, not the introduction.
    EXPECT_EQ(sheet.introduction,
              (std::vector<std::string>{"Réglez d'abord les sensibilités.", "Lisez la période."}));
    ASSERT_EQ(sheet.oscillograms.size(), 2U);
    EXPECT_EQ(sheet.oscillograms[0].instruction, "1. Une pile");
    EXPECT_EQ(sheet.oscillograms[1].instruction, "");

    const Worksheet bare = sheetOf({"sinus/5/50/CC/0/"}); // an oscillogram on the first line
    EXPECT_EQ(bare.title, "");
    EXPECT_TRUE(bare.introduction.empty());
    // The title is not the instruction of the oscillogram just under it.
    const Worksheet titled = sheetOf({"'Séance 4", "sinus/5/50/CC/0/", "'Consigne", "sinus/5/50/CC/0/"});
    EXPECT_EQ(titled.title, "Séance 4");
    EXPECT_EQ(titled.oscillograms[0].instruction, "");
    EXPECT_EQ(titled.oscillograms[1].instruction, "Consigne");
}

TEST(WorksheetReading, RefusesWhatTheEvaluationWouldRefuseAndAnEmptyExercise) {
    std::string problem;
    EXPECT_FALSE(WorksheetFromLines({"'Titre", "sinus/abc/50/CC/0/"}, "tp.ond", problem));
    EXPECT_EQ(problem,
              "Le fichier « tp.ond », ligne 2 : la tension « abc » de la voie CH1 n'est pas un nombre.");
    EXPECT_FALSE(WorksheetFromLines({"'Titre", "'rien d'autre"}, "tp.ond", problem));
    EXPECT_EQ(problem,
              "L'exercice « tp.ond » ne contient aucun oscillogramme : la fiche élève n'aurait rien à "
              "montrer.");
    EXPECT_FALSE(WorksheetFromFile("/nonexistent/tp.ond", problem));
    EXPECT_EQ(problem, "Le fichier « tp.ond » est introuvable ou ne peut pas être lu.");
}

TEST(WorksheetPages, FourOscillogramsAPageThenTheKey) {
    const auto pages = [](int oscillograms) {
        Worksheet sheet;
        sheet.oscillograms.resize(static_cast<std::size_t>(oscillograms));
        return WorksheetPageCount(sheet);
    };
    EXPECT_EQ(pages(1), 2);
    EXPECT_EQ(pages(4), 2);
    EXPECT_EQ(pages(5), 3);
    EXPECT_EQ(pages(40), 11);
    // The key goes on past forty rows.
    EXPECT_EQ(pages(41), 11 + 2);
    EXPECT_EQ(pages(50), 13 + 2);
}

// The recorded pages of a worksheet made through the fake platform.
class WorksheetDrawing : public ::testing::Test {
  protected:
    TempFolder tmp;
    FakePlatform platform{tmp.path().string()};

    const std::vector<RecordingSurface>& draw(const Worksheet& sheet) {
        EXPECT_FALSE(WorksheetPdf(platform, sheet).empty());
        return platform.exportedPages;
    }

    // Extremes of the solid black lines two pixels wide inside the first screen: CH1's trace.
    static std::array<double, 4> ch1Extent(const RecordingSurface& page) {
        std::array<double, 4> e{1e9, -1e9, 1e9, -1e9}; // min x, max x, min y, max y
        for (const RecordedLine& l : page.lines())
            if (l.color == kBlack && l.width == 2 && l.style == LineStyle::Solid &&
                std::max(l.x1, l.x2) < 600 && std::max(l.y1, l.y2) < 1000) {
                e[0] = std::min({e[0], l.x1, l.x2});
                e[1] = std::max({e[1], l.x1, l.x2});
                e[2] = std::min({e[2], l.y1, l.y2});
                e[3] = std::max({e[3], l.y1, l.y2});
            }
        return e;
    }
};

// The first screen is 53 mm wide from the left edge, its top 41 mm down the page: a division is
// 530 / 10.05 tenths of a millimetre, and the centre line lies four divisions under the top.
constexpr double kDivision = 530 / 10.05;
constexpr double kCentre = 410 + 4 * kDivision;

TEST_F(WorksheetDrawing, ScreensShowTheTracesAtTheirCalibresWithTheTextsAPupilReads) {
    const Worksheet sheet =
        sheetOf({"'Séance 3", "'Lisez la période.", "sinus/5/50/CC/0/", "'2. Une pile", "CC/4.5//CC/0/"});
    const auto& pages = draw(sheet);
    ASSERT_EQ(pages.size(), 2U);
    EXPECT_EQ(platform.exports.back(), "pdf");

    // 5 V on 2 V/div: two and a half divisions above and below the centre, across the screen.
    const auto e = ch1Extent(pages[0]);
    EXPECT_NEAR(e[2], kCentre - 2.5 * kDivision, 0.5);
    EXPECT_NEAR(e[3], kCentre + 2.5 * kDivision, 0.5);
    EXPECT_NEAR(e[0], 0, 0.5);
    EXPECT_NEAR(e[1], 10 * kDivision, 0.5);

    const std::string page1 = pages[0].joinedTexts();
    for (const char* expected :
         {"Nom :", "Prénom :", "Classe :", "Date :", "Séance 3", "Lisez la période.", "Oscillogramme n° 1",
          "Voie CH1 : 2 V/div ; Voie CH2 : 2 V/div", "Base de temps : 2 ms/div", "2. Une pile",
          "Oscillogramme n° 2", "Voie CH1 : 2 V/div ; Voie CH2 : 2 V/div", "Base de temps : 1 ms/div",
          "Type de tension", "Tension maximale", "Fréquence", "Page 1 / 2"})
        EXPECT_NE(page1.find(expected), std::string::npos) << expected << " missing from " << page1;

    const std::string key = pages[1].joinedTexts();
    for (const char* expected :
         {"Corrigé", "sinusoïdale|5 V|50 Hz|continue|0 V|—", "continue|4,5 V|—", "Page 2 / 2"})
        EXPECT_NE(key.find(expected), std::string::npos) << expected << " missing from " << key;
}

TEST_F(WorksheetDrawing, APositiveVoltageLiesAboveTheCentreLine) {
    // The page's y grows downwards, the screen's upwards: a 3 V battery's line is above the centre.
    const auto e = ch1Extent(draw(sheetOf({"CC/3//CC/0/"}))[0]);
    EXPECT_LT(e[3], kCentre - kDivision);
    EXPECT_NEAR(e[0], 0, 0.5);
}

TEST_F(WorksheetDrawing, ASlowTimeBaseShowsTheSpotsWholePath) {
    // 5 Hz: 20 ms/div, where the screen only shows the spot's moving piece.
    const auto& pages = draw(sheetOf({"sinus/5/5/CC/0/"}));
    ASSERT_FALSE(pages.empty());
    EXPECT_NE(pages[0].joinedTexts().find("Base de temps : 20 ms/div"), std::string::npos);
    const auto e = ch1Extent(pages[0]);
    EXPECT_NEAR(e[0], 0, 1);
    EXPECT_NEAR(e[1], 10 * kDivision, 1);
    EXPECT_NEAR(e[2], kCentre - 2.5 * kDivision, 0.5);
}

TEST_F(WorksheetDrawing, AnUnwritablePlaceIsNamedAndLeavesNothingBehind) {
    const Worksheet sheet = sheetOf({"sinus/5/50/CC/0/"});
    const std::string missing = tmp / "absent/fiche.pdf";
    EXPECT_EQ(WriteWorksheet(platform, sheet, missing),
              "Impossible d'écrire le fichier « " + missing + " » : le dossier n'existe pas.");
    EXPECT_EQ(WriteWorksheet(platform, sheet, tmp.path().string()),
              "Impossible d'écrire le fichier « " + tmp.path().string() + " » : c'est un dossier.");
    const std::string written = tmp / "fiche.pdf";
    EXPECT_EQ(WriteWorksheet(platform, sheet, written), std::nullopt);
    EXPECT_TRUE(testing::readBytes(written).starts_with("%PDF"));
    int files = 0; // no temporary file left beside it
    for (const auto& entry : std::filesystem::directory_iterator(tmp.path()))
        files += entry.is_regular_file();
    EXPECT_EQ(files, 1);
}

} // namespace
} // namespace ondivel
