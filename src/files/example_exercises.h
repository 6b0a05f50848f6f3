#pragma once
// The example exercise files shipped in the program folder's "exercises" sub-folder, copied into
// the shared exercise folder at start-up while that folder holds no exercise file at all (a first
// start). A teacher who later deletes some of them does not see them come back.
#include <string>

namespace ondivel {

// Returns how many files were copied; any failure is silent (the examples are a convenience).
int InstallExampleExercises(const std::string& programFolder, const std::string& exerciseFolder);

} // namespace ondivel
