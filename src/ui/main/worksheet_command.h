#pragma once
// `ondivel --worksheet FILE.ond OUT.pdf`: the pupil's worksheet of an exercise file written as a
// PDF without a window, so that it also runs on a server or in a script with no display.

namespace ondivel {

// Runs the command on the program's arguments (argv[1] is "--worksheet"); creates its own
// application object on the offscreen platform. 0 when the PDF was written; otherwise a French
// message on the standard error and 1 (a bad exercise file), 2 (bad arguments) or 3 (the PDF could
// not be written).
int RunWorksheetCommand(int argc, char** argv);

} // namespace ondivel
