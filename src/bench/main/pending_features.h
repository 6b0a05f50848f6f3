#pragma once
// Where the main window hands over to parts of the program that are not built yet. Each function
// is called from its place in the documented sequence and does nothing until its part exists.
namespace ondivel {

class Ondivel;

// Closes the exercise and results files left open by an evaluation.
void CloseOpenFiles(Ondivel& app);
// Before the program ends: true when no answer of the pupil is still waiting for the results
// file, or when the user chooses to quit all the same.
bool ConfirmQuitWithUnwrittenResults(Ondivel& app);
// Unloads the evaluation window frmExo.
void CloseEvaluationWindow(Ondivel& app);
void RunAutomaticSensitivities(Ondivel& app);

} // namespace ondivel
