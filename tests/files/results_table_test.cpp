// The class table without its window: filters, French sorting, shares right, and the CSV text
// a spreadsheet opens.
#include "files/results_table.h"

#include <gtest/gtest.h>

#include <array>

#include "files/results_csv.h"
#include "support/scored_oscillogram.h"

namespace ondivel {
namespace {

using testing::N;
using testing::R;
using testing::scored;
using testing::W;

RecordedEvaluation evaluation(std::string name, std::string firstName, std::string className,
                              std::string exercise, std::optional<std::int64_t> when,
                              std::optional<double> mark,
                              std::vector<RecordedOscillogram> oscillograms = {}) {
    RecordedEvaluation e;
    e.name = std::move(name);
    e.firstName = std::move(firstName);
    e.className = std::move(className);
    e.exerciseFile = std::move(exercise);
    e.when = when;
    e.mark = mark;
    e.interrompue = !mark;
    e.oscillograms = std::move(oscillograms);
    return e;
}

std::vector<std::string> namesOf(const std::vector<RecordedEvaluation>& all,
                                 const std::vector<std::size_t>& rows) {
    std::vector<std::string> names;
    for (std::size_t row : rows)
        names.push_back(all[row].name + " " + all[row].firstName);
    return names;
}

TEST(ResultsTable, FiltersByClassExerciseDateAndInterruption) {
    const std::vector<RecordedEvaluation> all = {
        evaluation("A", "", "2nde B", "C:\\Partage\\lecon.ond", 20261207090500, 18),
        evaluation("B", "", "2NDE B", "/home/prof/Lecon.ond", 20261208100000, 12),
        evaluation("C", "", "2nde A", "lecon.ond", 20261209100000, 15),
        evaluation("D", "", "2nde B", "autre.ond", 20261207100000, 10),
        evaluation("E", "", "2nde B", "lecon.ond", std::nullopt, std::nullopt),
    };
    // clang-format off
    const struct { const char* what; ResultsFilter filter; std::vector<std::string> kept; } cases[] = {
        {"everything",             {},                                                   {"A ", "B ", "C ", "D ", "E "}},
        {"class, any case",        {"2nde b", "", {}, {}, true},                         {"A ", "B ", "D ", "E "}},
        {"exercise by its name",   {"", "lecon.ond", {}, {}, true},                      {"A ", "B ", "C ", "E "}},
        {"both ends of the range", {"", "", 20261207090500, 20261208100000, true},       {"A ", "B ", "D "}},
        {"finished ones only",     {"2nde B", "", {}, {}, false},                        {"A ", "B ", "D "}},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(namesOf(all, FilterEvaluations(all, c.filter)), c.kept) << c.what;
}

TEST(ResultsTable, SortsNamesInFrenchOrderAndKeepsTiesInPlace) {
    const std::vector<RecordedEvaluation> all = {
        evaluation("Fabre", "Zoé", "", "", 20261207090500, 12),
        evaluation("Émond", "Luc", "", "", std::nullopt, 8),
        evaluation("dubois", "Léa", "", "", 20261201090500, std::nullopt),
        evaluation("Eymard", "Ana", "", "", 20261203090500, 15),
        evaluation("Dupont", "Åsa", "", "", 20261202090500, 12),
        evaluation("Dupont", "Zack", "", "", 20261204090500, 15),
    };
    const std::vector<std::size_t> start = {0, 1, 2, 3, 4, 5};
    // clang-format off
    const struct { ResultsColumn column; bool descending; std::vector<std::string> order; } cases[] = {
        {ResultsColumn::Name, false,      {"dubois Léa", "Dupont Åsa", "Dupont Zack", "Émond Luc", "Eymard Ana", "Fabre Zoé"}},
        {ResultsColumn::Name, true,       {"Fabre Zoé", "Eymard Ana", "Émond Luc", "Dupont Åsa", "Dupont Zack", "dubois Léa"}},
        {ResultsColumn::FirstName, false, {"Eymard Ana", "Dupont Åsa", "dubois Léa", "Émond Luc", "Dupont Zack", "Fabre Zoé"}},
        // Equal marks keep their order; no mark goes last both ways.
        {ResultsColumn::Mark, true,       {"Eymard Ana", "Dupont Zack", "Fabre Zoé", "Dupont Åsa", "Émond Luc", "dubois Léa"}},
        {ResultsColumn::Mark, false,      {"Émond Luc", "Fabre Zoé", "Dupont Åsa", "Eymard Ana", "Dupont Zack", "dubois Léa"}},
        {ResultsColumn::Date, false,      {"dubois Léa", "Dupont Åsa", "Eymard Ana", "Dupont Zack", "Fabre Zoé", "Émond Luc"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        std::vector<std::size_t> rows = start;
        SortEvaluations(all, rows, c.column, c.descending);
        EXPECT_EQ(namesOf(all, rows), c.order) << static_cast<int>(c.column) << " " << c.descending;
    }
    // Sorting by first name, then by name, lists brothers and sisters by first name.
    std::vector<std::size_t> rows = {5, 4, 3, 2, 1, 0};
    SortEvaluations(all, rows, ResultsColumn::FirstName);
    SortEvaluations(all, rows, ResultsColumn::Name);
    EXPECT_EQ(namesOf(all, rows)[1], "Dupont Åsa");
    EXPECT_EQ(FoldForSorting("Œdipe Ærø Straße Zoë ÇA"), "oedipe aero strasse zoe ca");
}

TEST(ResultsTable, SharesCountThePupilsWhoAnsweredEachPart) {
    const std::vector<RecordedEvaluation> all = {
        evaluation("A", "", "", "", {}, 20, {scored({R, R, R}, {R, R, N}), scored({R, R, R}, {R, R, R})}),
        evaluation("B", "", "", "", {}, 10, {scored({W, R, W}, {R, W, N}), scored({R, W, R}, {R, R, W})}),
        // Stopped after the first oscillogram: it counts, the second is not a wrong answer.
        evaluation("C", "", "", "", {}, std::nullopt, {scored({R, W, R}, {R, R, N})}),
        // A torn record counts for nothing.
        evaluation("D", "", "", "", {}, std::nullopt, {scored({W, W, W}, {W, W, W}, false)}),
    };
    const std::vector<OscillogramShares> s = ClassShares(all, {0, 1, 2, 3});
    ASSERT_EQ(s.size(), 2u);
    // clang-format off
    const struct { std::size_t osc; int channel; AnswerPart part; int right; int answered; } cases[] = {
        {0, 0, AnswerPart::Type, 2, 3}, {0, 0, AnswerPart::Peak, 2, 3}, {0, 0, AnswerPart::Frequency, 2, 3},
        {0, 1, AnswerPart::Peak, 2, 3}, {0, 1, AnswerPart::Frequency, 0, 0},
        {1, 0, AnswerPart::Peak, 1, 2}, {1, 1, AnswerPart::Frequency, 1, 2},
    };
    // clang-format on
    for (const auto& c : cases) {
        const PartShare& p = s[c.osc].part[c.channel][static_cast<int>(c.part)];
        EXPECT_EQ(p.right, c.right) << c.osc << c.channel << static_cast<int>(c.part);
        EXPECT_EQ(p.answered, c.answered) << c.osc << c.channel << static_cast<int>(c.part);
    }
    EXPECT_DOUBLE_EQ(*s[0].part[0][0].share(), 2.0 / 3);
    EXPECT_FALSE(s[0].part[1][2].share().has_value());
}

TEST(ResultsCsv, IsTheTextASpreadsheetOpensAsItIs) {
    std::vector<RecordedEvaluation> all = {
        evaluation("Dupont", "Léa", "2nde B", "C:\\P\\lecon.ond", {}, 18.2, {scored({R, R, W}, {R, R, N})}),
        evaluation("=1+1", "Jean \"JJ\"", "2nde;B", "lecon.ond", {}, std::nullopt),
    };
    all[0].dateTime = "07/12/2026 09:05:00";
    EXPECT_EQ(ResultsCsv(all, {0, 1}),
              "\xEF\xBB\xBF"
              "Nom;Prénom;Classe;Exercice;Date;Note;Interrompue;O1 CH1 forme;O1 CH1 tension;"
              "O1 CH1 fréquence;O1 CH2 forme;O1 CH2 tension;O1 CH2 fréquence\r\n"
              "Dupont;Léa;2nde B;lecon.ond;07/12/2026 09:05:00;18,2;;juste;juste;faux;juste;juste;\r\n"
              "'=1+1;\"Jean \"\"JJ\"\"\";\"2nde;B\";lecon.ond;;;oui;;;;;;\r\n");

    // clang-format off
    const struct { const char* text; const char* field; } fields[] = {
        {"Dupont", "Dupont"}, {"", ""}, {"-5", "'-5"}, {"+33 6", "'+33 6"}, {"@SUM(A1)", "'@SUM(A1)"},
        {"=a;b", "\"'=a;b\""}, {"\tx", "'\tx"}, {"a\r\nb", "\"a\r\nb\""}, {"l'élève", "l'élève"},
        {"a-b=c", "a-b=c"},
    };
    // clang-format on
    for (const auto& c : fields)
        EXPECT_EQ(CsvField(c.text), c.field) << c.text;
}

} // namespace
} // namespace ondivel
