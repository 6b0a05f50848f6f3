// The class table's texts: the marks of each cell, the sort by an oscillogram column, the shares,
// the explanations of one pupil's wrong answers, the date filter, and the sheets of its print-out.
#include "bench/evaluation/class_table.h"

#include <gtest/gtest.h>

#include <array>

#include "bench/evaluation/class_table_print.h"
#include "core/recording_surface.h"
#include "support/scored_oscillogram.h"

namespace ondivel {
namespace {

using testing::N;
using testing::R;
using testing::scored;
using testing::W;

RecordedEvaluation pupil(std::string name, std::vector<RecordedOscillogram> oscillograms,
                         bool finished = true) {
    RecordedEvaluation e;
    e.name = std::move(name);
    e.firstName = "Léa";
    e.className = "2nde B";
    e.exerciseFile = "C:\\Partage\\lecon.ond";
    e.dateTime = "03/12/2026 09:05:00";
    e.oscillograms = std::move(oscillograms);
    e.interrompue = !finished;
    if (finished) e.mark = 16;
    return e;
}

TEST(ClassTable, CellsMarkEachPartAndLeaveUnreachedOscillogramsEmpty) {
    // A DC channel has no frequency; the second oscillogram was never reached; a torn record is
    // not shown as answered.
    const RecordedEvaluation e = pupil("Curie", {scored({R, W, R}, {R, R, N})}, false);
    EXPECT_EQ(JoinCells(TableCells(e, 2)),
              "Curie\tLéa\t2nde B\tlecon.ond\t03/12/2026 09:05:00\t\toui\t✓ ✗ ✓\t✓ ✓ –\t\t");
    RecordedEvaluation torn = pupil("Torn", {scored({R, R, R}, {R, R, N}, false)});
    EXPECT_EQ(TableCells(torn, 1)[kFixedColumns], "");
    EXPECT_EQ(TableCells(torn, 1)[5], "16,0");
    // A tab in a name would shift every cell after it.
    EXPECT_EQ(JoinCells({"Du\tpont", "x"}), "Du pont\tx");
    EXPECT_EQ(TableColumnTitles(1).back(), "O1 CH2");
    EXPECT_EQ(TableColumnTitles(2).size(), static_cast<std::size_t>(kFixedColumns + 4));
}

TEST(ClassTable, AnOscillogramColumnSortsByRightPartsWithTheUnreachedLast) {
    const std::vector<RecordedEvaluation> all = {
        pupil("Deux", {scored({R, W, R}, {R, R, N})}),
        pupil("Absent", {}, false),
        pupil("Trois", {scored({R, R, R}, {W, W, N})}),
        pupil("Zero", {scored({W, W, W}, {R, R, N})}),
    };
    const auto names = [&](int column, bool descending) {
        std::vector<std::size_t> rows = {0, 1, 2, 3};
        SortByColumn(all, rows, column, descending);
        std::string out;
        for (std::size_t r : rows)
            out += all[r].name + " ";
        return out;
    };
    EXPECT_EQ(names(kFixedColumns, false), "Zero Deux Trois Absent ");
    EXPECT_EQ(names(kFixedColumns, true), "Trois Deux Zero Absent ");
    // CH2 of the first oscillogram: two ties keep their order.
    EXPECT_EQ(names(kFixedColumns + 1, false), "Trois Deux Zero Absent ");
    // A fixed column goes to the French sort: "Absent" < "Deux" < …
    EXPECT_EQ(names(0, false), "Absent Deux Trois Zero ");
}

TEST(ClassTable, SharesCountAndRoundThePercentage) {
    OscillogramShares s;
    s.part[0][0] = {2, 3};
    s.part[0][1] = {1, 3};
    s.part[0][2] = {0, 0};
    s.part[1][0] = {3, 3};
    const std::vector<std::vector<std::string>> cells = ShareCells({s});
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[0], (std::vector<std::string>{"1", "CH1", "2/3 (67 %)", "1/3 (33 %)", "–"}));
    EXPECT_EQ(cells[1][2], "3/3 (100 %)");
}

TEST(ClassTable, ExplanationsGiveTheAnswerTheExpectedValueAndTheLikelyMistake) {
    RecordedEvaluation e = pupil("Bernard", {scored({R, W, R}, {R, R, N}), scored({R, R, W}, {R, R, N}),
                                             scored({W, R, R}, {R, R, N})});
    // The exercise "sinusoïdale/5/50/CC/0/", "carrée/2/1000/CC/0/", "sinusoïdale/5/100/CC/0/" as
    // AttachExercise puts it beside the answers.
    e.oscillograms[0].channel[0].givenPeak = 10;
    e.oscillograms[0].channel[0].givenFrequency = 50;
    e.oscillograms[1].channel[0].givenPeak = 2;
    e.oscillograms[1].channel[0].givenFrequency = 0.001;
    e.oscillograms[2].channel[0].givenType = "Triangle";
    ASSERT_TRUE(
        AttachExercise(e, "sinusoïdale/5/50/CC/0/\r\ncarrée/2/1000/CC/0/\r\nsinusoïdale/5/100/CC/0/\r\n"));
    const std::vector<std::string> lines = ExplanationLines(e, true);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Oscillogramme 1, CH1, tension maximale : 10 V au lieu de 5 V — Valeur crête à crête "
                        "donnée au lieu de la valeur maximale (×2).");
    EXPECT_EQ(lines[1],
              "Oscillogramme 2, CH1, fréquence : 0,001 Hz au lieu de 1000 Hz — Période (en s) donnée "
              "au lieu de la fréquence : f = 1/T.");
    EXPECT_EQ(lines[2], "Oscillogramme 3, CH1, forme : Triangulaire au lieu de sinusoïdale.");

    // Without the exercise the wrong answers are still listed, under a line that says why they
    // are not explained.
    RecordedEvaluation alone = pupil("Seul", {scored({R, W, R}, {R, R, N})});
    alone.oscillograms[0].channel[0].givenPeak = 10;
    const std::vector<std::string> bare = ExplanationLines(alone, false);
    ASSERT_EQ(bare.size(), 2u);
    EXPECT_EQ(bare[0],
              "Fichier d'exercice « lecon.ond » absent du dossier des exercices : pas d'explication.");
    EXPECT_EQ(bare[1], "Oscillogramme 1, CH1, tension maximale : 10 V.");
    EXPECT_EQ(ExplanationLines(pupil("Juste", {scored({R, R, R}, {R, R, N})}), true),
              std::vector<std::string>{"Aucune réponse fausse."});
}

TEST(ClassTable, FilterDaysAndDistinctValues) {
    EXPECT_EQ(FilterDay("7/12/2026"), 20261207);
    EXPECT_EQ(FilterDay("07.12.26"), 20261207);
    EXPECT_EQ(FilterDay("2026-12-07 17:31"), 20261207);
    EXPECT_EQ(FilterDay("07/12"), std::nullopt);
    EXPECT_EQ(FilterDay(""), std::nullopt);

    std::vector<RecordedEvaluation> all = {pupil("A", {}), pupil("B", {}), pupil("C", {}), pupil("D", {})};
    all[0].className = "Terminale";
    all[1].className = "2NDE B";
    all[2].className = "2nde b";
    all[3].className = "";
    EXPECT_EQ(DistinctClasses(all), (std::vector<std::string>{"2NDE B", "Terminale"}));
}

TEST(ClassTablePrint, SheetsRepeatTheTitlesAndNeverEndOnASectionTitle) {
    using K = PrintLine::Kind;
    // 10 rows, 4 share lines, 6 lines on the first sheet and 8 on the others.
    const auto pages = PaginateTable(10, 4, 6, 8);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0].size(), 6u);
    EXPECT_EQ(pages[1].front().kind, K::TableHeader);
    EXPECT_EQ(pages[1][1].kind, K::Row);
    EXPECT_EQ(pages[1][1].index, 5);
    // Sheet 2 holds the rows 5 to 9 and three free lines: too few for the gap, the title, the
    // titles of the columns and one share, which all go to sheet 3.
    EXPECT_EQ(pages[1].back().index, 9);
    EXPECT_EQ(pages[2].front().kind, K::SharesTitle);
    EXPECT_EQ(pages[2].size(), 6u);
    // An empty table still has its titles and its one sheet.
    EXPECT_EQ(PaginateTable(0, 0, 6, 8).size(), 1u);
}

TEST(ClassTablePrint, TheSheetHoldsTheTitleTheRowsTheSharesAndItsNumber) {
    TablePrint print;
    print.title = "Tableau de la classe";
    print.headerLines = {"Filtres : Classe : toutes"};
    print.columns = TableColumnTitles(1);
    print.rows = {TableCells(pupil("Curie", {scored({R, W, R}, {R, R, N})}), 1)};
    print.sharesTitle = "Réussite";
    print.shareColumns = ShareColumnTitles();
    print.shares = {{"1", "CH1", "1/1 (100 %)", "0/1 (0 %)", "1/1 (100 %)"}};
    ASSERT_EQ(TablePrintPages(print), 1);
    RecordingSurface page(1123, 794);
    DrawTablePrintPage(print, page, 0);
    std::string texts;
    for (const auto& t : page.texts())
        texts += t.text + "|";
    for (const char* shown : {"Tableau de la classe|", "Filtres : Classe : toutes|", "Curie|", "Note /20|",
                              "✗|", "0/1 (0 %)|", "Ondivel — page 1 sur 1|"})
        EXPECT_NE(texts.find(shown), std::string::npos) << shown;
}

} // namespace
} // namespace ondivel
