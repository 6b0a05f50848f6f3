#pragma once
// Where the desktop program finds its own files and the shared folders: environment overrides
// first (tests and portable installs), then the installed data folder, then the source tree.
// Used by QtPlatform; pure functions so tests can give every input.
#include <QString>

namespace ondivel {

// The folder of the sound, the help pages and the tips: the override when set, else
// <exeDir>/../share/ondivel when it exists, else the resources folder of the source tree.
QString resolveProgramFolder(const QString& overrideDir, const QString& exeDir,
                             const QString& sourceResources);

// A shared folder: the override when set, else the standard location; never ends with a separator.
QString resolveSharedFolder(const QString& overrideDir, const QString& standardLocation);

// The resources folder of the source tree this library was built from.
QString sourceResourcesFolder();

} // namespace ondivel
