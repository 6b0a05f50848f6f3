#pragma once
// What the main window asks of the desktop around the program: the multi-line tooltips, the
// help window, the exercise-file type.
namespace ondivel {

class Ondivel;

// Width in pixels past which a tooltip wraps onto more lines.
inline constexpr int kToolTipWidth = 200;

void ConfigureToolTips(Ondivel& app, bool enabled, int width);
void ReleaseToolTips(Ondivel& app);
// Closes the help window when it is open.
void CloseHelpViewer(Ondivel& app);
// Associates "*.ond" files with a text editor, so that a double-click opens an exercise file.
void RegisterFileType(Ondivel& app);

} // namespace ondivel
