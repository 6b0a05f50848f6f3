#pragma once
// The class table for the gradebook: a CSV text a French spreadsheet opens as it is (UTF-8 with a
// byte-order mark, ";" between fields, decimal comma, CR LF). The caller writes it where the
// teacher chose through ReplaceFileDurably, as the screen export does.
#include <string>
#include <string_view>
#include <vector>

#include "files/results_reader.h"

namespace ondivel {

// One row per evaluation of `rows`, in that order, under a header row:
// Nom;Prénom;Classe;Exercice;Date;Note;Interrompue;O1 CH1 forme;O1 CH1 tension;O1 CH1 fréquence;
// O1 CH2 forme;… up to the longest evaluation. "Exercice" is the exercise's file name, "Date" the
// text the results file holds, "Note" the mark with a decimal comma (empty without one),
// "Interrompue" "oui" or empty, each part "juste", "faux" or empty (not asked, not reached, or a
// torn record).
// The first seven fields of an evaluation's row, shared with the class table's window: name, first
// name, class, exercise file name, date as the results file holds it, mark with a decimal comma
// (empty without one), "oui" when interrupted.
std::vector<std::string> EvaluationFields(const RecordedEvaluation& e);

std::string ResultsCsv(const std::vector<RecordedEvaluation>& evaluations,
                       const std::vector<std::size_t>& rows);

// One field as spreadsheets read it back: a text starting with "=", "+", "-", "@", a tab or a CR
// gets an apostrophe in front, so that a pupil's name is never taken for a formula; then a field
// holding ";", a double quote, a CR or a LF is put between double quotes, its quotes doubled.
std::string CsvField(std::string_view text);

} // namespace ondivel
