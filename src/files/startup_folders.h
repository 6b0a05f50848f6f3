#pragma once
// Folder names worked out at start-up by the main window: the shared folder of exercise and
// results files, and the folder the user points at when the settings folder cannot be found.
#include <string>

namespace ondivel {

// The folder with the native separator at its end ("" stays "", which has no end).
std::string WithTrailingSeparator(const std::string& folder);

// The common documents folder (blanks around it dropped) followed by the author's sub-folder,
// ending with a separator. An empty documents folder leaves the root folder's sub-folder.
std::string SharedFolderPath(const std::string& commonDocuments);

// The author's sub-folder "Marvane" + separator + "Ondivel".
std::string AuthorSubFolder();

// The common application-data folder that holds a settings file the user chose: the part before
// "Marvane/Ondivel/Conf_OND.ini" (names compared without regard to case), or the chosen file's
// own folder when the path does not end that way.
std::string FolderBeforeSettingsFile(const std::string& chosenFile);

} // namespace ondivel
