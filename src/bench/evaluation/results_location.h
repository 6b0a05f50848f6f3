#pragma once
// Where evaluations leave their results: one shared "Resultat.txt" in the shared documents folder
// on a single computer, or one file per pupil and minute in a deposit folder next to the program
// folder when the program runs from a network share. Worked out once at start-up.
#include <string>

#include "core/platform.h"

namespace ondivel {

class Ondivel;

struct ResultsRoot {
    std::string folder; // no trailing separator
    bool network = false;
};

// Network mode when the program folder has a network name or is itself a network path
// ("\\server\share\…", "//server/share/…"); the root is then the folder holding the program's
// folder. An empty folder means local mode, whose root comes from the documents folder.
ResultsRoot NetworkResultsRoot(const std::string& programFolder, const std::string& networkName);

// The local root: the common documents folder + "Marvane/Ondivel".
std::string LocalResultsRoot(const std::string& commonDocuments);

// "OND_dozavi_3_12_2026_9_5.txt": plain numbers, no leading zeros, so that two evaluations of
// the same user in the same minute share a file. The user name is made safe for a file name
// first (SafeFileNamePart).
std::string NetworkResultsFileName(const std::string& user, const LocalDateTime& t);

// The documents folder holding a results file the user pointed at: the part before
// "Marvane/Ondivel/Resultat.txt" (names compared without regard to case), else the file's folder.
std::string FolderBeforeResultsFile(const std::string& chosenFile);

// The start-up step: sets ModeReseau, FichierResultat, DossierDocumentsCommuns and, in network
// mode, DossierDepot (asking for it with frmDepot when the settings hold none) and MotDePasse.txt.
void LocateResultsFile(Ondivel& app);

} // namespace ondivel
