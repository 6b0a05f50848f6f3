#pragma once
// Starts the real program as a child, on a fresh home and fresh data folders, and times it from
// before the fork to its first painted main window (which it reports when ONDIVEL_FIRST_PAINT_FILE
// asks); then reads the child's resident memory and ends it.
#include <filesystem>
#include <string>

#include "process_figures.h"

namespace ondivel::budget {

struct Launch {
    bool ok = false;
    double seconds = 0; // from before the fork to the end of the first paint
    Memory memory;      // the child's, a moment after its first paint
    std::string error;
};

// `scratch` must be an empty folder; the child's folders and its report go there. `platform` is
// the child's QT_QPA_PLATFORM.
Launch measureLaunch(const std::string& program, const std::string& platform,
                     const std::filesystem::path& scratch, double timeoutSeconds = 10);

} // namespace ondivel::budget
