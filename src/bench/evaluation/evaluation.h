#pragma once
// The evaluated mode's flow: from the menu "Mode évalué" through the pupil's identity and the
// choice of an exercise file to each oscillogram on show, the records, the mark and what comes
// after it. The exercise file is read whole when the evaluation starts and checked, so that a
// hand-edited file with a bad line (a number that is not one, an unknown type word …) stops the
// start with a message naming its line.
#include <string>
#include <vector>

#include "bench/evaluation/answer_review.h"

#include "files/exercise_reader.h"
#include "files/results_file.h"

namespace ondivel {

class Ondivel;

class Evaluation {
  public:
    explicit Evaluation(Ondivel& app);

    // Mnu_Pilote: identity when none is known yet, an exercise file, the identity block, start.
    void Begin();
    // Prepares the bench, writes the file's header block and shows its first oscillogram (or the
    // mark window for a file without any).
    void StartEvaluation();
    // The next oscillogram on the screen; at the end of the file the mark window. False when
    // there was no further oscillogram.
    bool ReadNextOscillogram();
    // The mark window's "Fichier": another exercise file for the same pupil.
    void NextFile();
    // Drops the exercise file (the results file has nothing open between writes).
    void CloseFiles();

    ResultsFile& results() { return results_; }
    // The oscillograms of the file on show, as each answer was scored: the mark window's
    // corrections. Emptied when a file starts.
    std::vector<ReviewedOscillogram>& reviewed() { return reviewed_; }

    // The results file of this run: FichierResultat, or "Resultat.txt" in the shared folder while
    // start-up has located none.
    std::string resultsPath() const;

  private:
    // The open dialog of exercise files; false when the user cancels.
    bool chooseExerciseFile();
    void prepareBench();
    // A file that cannot be read or has a bad line: a trace in the results, a message, and back
    // to free mode. The problem quotes no more than the start of a field (QuoteField).
    void interrupt(const std::string& problem);

    Ondivel& app_;
    ExerciseReader reader_;
    ResultsFile results_;
    std::vector<ReviewedOscillogram> reviewed_;
};

// The main window's calls when it returns to free mode or closes.
// Closes the exercise file left open by an evaluation.
void CloseOpenFiles(Ondivel& app);
// Before the program ends: true when no answer of the pupil is still waiting for the results
// file, or when the user chooses to quit all the same.
bool ConfirmQuitWithUnwrittenResults(Ondivel& app);
// Unloads the evaluation window frmExo.
void CloseEvaluationWindow(Ondivel& app);

} // namespace ondivel
