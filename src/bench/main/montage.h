#pragma once
// Bench set-ups on the bench itself: what the panels show now as a Montage, and a Montage put
// back on the bench through the same clicks, drags and slides a user's hands would make, so that
// the settings file changes exactly as it would by hand. The file format is files/montage_file.h.
#include <string>

#include "files/montage_file.h"

namespace ondivel {

class Ondivel;

// The bench as the pupil sees it now, with the title and instruction of the set-up shown.
Montage CaptureMontage(Ondivel& app);

// Closes the optional panels, wires the channels, opens the panels and sets every control; then
// one refresh. Free mode only (the caller checks).
void ApplyMontage(Ondivel& app, const Montage& montage);

// The shipped examples, in the program folder's "montages" sub-folder.
struct ExampleMontage {
    const char* file;
    const char* title;
};
inline constexpr int kExampleMontages = 8;
extern const ExampleMontage kExampleMontageList[kExampleMontages];
std::string ExampleMontageFolder(const Ondivel& app);
std::string ExampleMontagePath(const Ondivel& app, int index);

// Reads, validates and applies a set-up file; says why when it is refused (and then the bench is
// untouched) and lists what was ignored or corrected. True when the set-up was applied.
bool OpenMontageFile(Ondivel& app, const std::string& path);

// A file named on the command line (`ondivel FILE.ondm`, as the desktop opens one): a set-up is
// opened, any other file is left aside with a word to the user.
void OpenCommandLineFile(Ondivel& app, const std::string& path);

// The menu commands of "Fichier".
void SaveMontageCommand(Ondivel& app);
void OpenMontageCommand(Ondivel& app);
void MontageInitialCommand(Ondivel& app);

} // namespace ondivel
