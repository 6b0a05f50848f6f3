#pragma once
// Where the main window hands over to parts of the program that are not built yet. Each function
// is called from its place in the documented sequence and does nothing until its part exists.
namespace ondivel {

class Ondivel;

// Registers the exercise-file type with the system. Nothing to do on Linux, where the MIME type
// and the desktop entry are installed with the program.
void RegisterFileType(Ondivel& app);
// Switches the multi-line tooltips on or off, with their size setting.
void ConfigureToolTips(Ondivel& app, bool enabled, int size);
void ReleaseToolTips(Ondivel& app);
// The tip-of-the-day window, shown modally.
void ShowTipOfTheDay(Ondivel& app);
void CloseHelpViewer(Ondivel& app);
// Closes the exercise and results files left open by an evaluation.
void CloseOpenFiles(Ondivel& app);
// Unloads the evaluation window frmExo.
void CloseEvaluationWindow(Ondivel& app);
void PrintScreen(Ondivel& app);
void RunAutomaticSensitivities(Ondivel& app);

} // namespace ondivel
