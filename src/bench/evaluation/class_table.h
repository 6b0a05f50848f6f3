#pragma once
// The texts of the class table window (frmTableau) and of its printed copy: the column titles,
// one line per evaluation with its cells separated by tabs, the class's shares of right answers,
// the explanations of one pupil's wrong answers, and the sort by any column. Pure functions over
// what the results reader gave, so the window and the PDF page show the same words.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/results_reader.h"
#include "files/results_table.h"

namespace ondivel {

// Name, first name, class, exercise, date, mark, interrupted; then one column per oscillogram
// and channel.
inline constexpr int kFixedColumns = 7;
inline constexpr char kCellSeparator = '\t';

// The marks of one answer part in a cell.
namespace mark {
inline constexpr const char* kRight = "✓";
inline constexpr const char* kWrong = "✗";
inline constexpr const char* kNotAsked = "–";
} // namespace mark

// "Nom", "Prénom", "Classe", "Exercice", "Date", "Note /20", "Interrompue", "O1 CH1", "O1 CH2",
// "O2 CH1" … for `oscillograms` oscillograms.
std::vector<std::string> TableColumnTitles(std::size_t oscillograms);

// The cells of one evaluation. An oscillogram cell holds the marks of the type, the peak value
// and the frequency, blank-separated ("✓ ✗ –": right, wrong, not asked); it is empty for an
// oscillogram the pupil never reached or whose record was torn.
std::vector<std::string> TableCells(const RecordedEvaluation& evaluation, std::size_t oscillograms);
std::string JoinCells(const std::vector<std::string>& cells);

// The oscillograms the table needs columns for: the longest evaluation among the rows.
std::size_t LongestEvaluation(const std::vector<RecordedEvaluation>& evaluations,
                              const std::vector<std::size_t>& rows);

// Any column of TableColumnTitles. An oscillogram column sorts by the parts answered right
// (an oscillogram not reached after every reached one); ties keep their order.
void SortByColumn(const std::vector<RecordedEvaluation>& evaluations, std::vector<std::size_t>& rows,
                  int column, bool descending);

// "Oscillogramme", "Voie", "Forme", "Tension", "Fréquence".
std::vector<std::string> ShareColumnTitles();
// One line per oscillogram and channel: "1", "CH1", then per part "2/3 (67 %)", or "–" when
// nobody answered it.
std::vector<std::vector<std::string>> ShareCells(const std::vector<OscillogramShares>& shares);
std::string ShareText(const PartShare& share);

// Per wrong part of the evaluation: "O1 CH1, tension maximale : 10 V au lieu de 5 V.
// Valeur crête à crête donnée au lieu de la valeur maximale (×2)." The expected values and the
// likely mistake need the exercise (AttachExercise); without it the line says the answer was
// wrong. An evaluation without a wrong answer gives one line saying so.
std::vector<std::string> ExplanationLines(const RecordedEvaluation& evaluation, bool exerciseKnown);

// A day typed in a date filter ("7/12/2026", "07.12.26", "2026-12-07") as yyyymmdd; nullopt
// when it does not read as one. A time after it is ignored.
std::optional<std::int64_t> FilterDay(std::string_view text);

// The distinct values, in French order, "2nde b" and "2NDE B" counted once (the first one seen
// names them).
std::vector<std::string> DistinctClasses(const std::vector<RecordedEvaluation>& evaluations);
std::vector<std::string> DistinctExercises(const std::vector<RecordedEvaluation>& evaluations);

} // namespace ondivel
