#include "bench/evaluation/results_location.h"

#include <filesystem>
#include <vector>

#include "bench/evaluation/frm_depot.h"
#include "bench/main/mdi_ondivel.h"
#include "bench/ondivel.h"
#include "files/exercise_line.h"
#include "files/ini_document.h"
#include "files/safe_file_name.h"
#include "files/settings_location.h"
#include "files/startup_folders.h"
#include "files/text_file.h"

namespace ondivel {

namespace fs = std::filesystem;

namespace {

constexpr const char* kResultsFile = "Resultat.txt";
constexpr const char* kLineBreak = "\r\n";

std::string utf8Of(const fs::path& p) {
    const std::u8string s = p.u8string();
    return std::string(s.begin(), s.end());
}

std::string withoutTrailingSeparator(std::string folder) {
    while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\'))
        folder.pop_back();
    return folder;
}

bool isNetworkPath(const std::string& folder) {
    return folder.starts_with("\\\\") || folder.starts_with("//");
}

// The folder that contains a folder, by its last separator, so that "\\server\share\prog" works
// on every system.
std::string parentFolder(const std::string& folder) {
    const std::string f = withoutTrailingSeparator(folder);
    const std::size_t cut = f.find_last_of("/\\");
    return cut == std::string::npos || cut == 0 ? f : f.substr(0, cut);
}

std::string documentsFolder(Ondivel& app) {
    Platform& platform = app.platform();
    std::string documents = platform.specialFolder(SpecialFolder::CommonDocuments);
    const std::string expected =
        "\\Documents and Settings\\All Users\\Documents partagés\\Marvane\\Ondivel\\";
    while (TrimBlanks(documents).empty()) {
        platform.messageBox(std::string("Le fichier suivant est introuvable :") + kLineBreak + expected +
                                kResultsFile + kLineBreak + "Veuillez le localiser.",
                            vbCritical, "Ondivel - Gestion erreurs");
        FileDialogRequest request;
        request.initialFolder = expected;
        request.filter = "Fichier texte (*.txt)|*.txt";
        request.fileName = kResultsFile;
        request.mustExist = true;
        const std::optional<std::string> chosen = platform.openFileDialog(request);
        // Asking again after a cancel would hold the user for ever: the program folder serves.
        documents = chosen ? FolderBeforeResultsFile(*chosen) : app.programFolder();
    }
    return TrimBlanks(documents);
}

std::string depositFolder(Ondivel& app) {
    std::string name = app.ReadIni("Réseau", "Dossier Dépôt", "");
    if (TrimBlanks(name).empty()) {
        FrmDepot& window = app.frmDepot();
        window.ShowModal();
        if (window.loaded()) window.Unload();
        name = app.g.DossierDepot;
        if (TrimBlanks(name).empty()) name = kDefaultDepositFolder;
        app.WriteIni("Réseau", "Dossier Dépôt", name);
    }
    return name;
}

} // namespace

ResultsRoot NetworkResultsRoot(const std::string& programFolder, const std::string& networkName) {
    ResultsRoot root;
    root.network = !networkName.empty() || isNetworkPath(programFolder);
    // The local path of a mounted share reaches the same folder as its network name, and this
    // system can open it.
    if (root.network) root.folder = parentFolder(programFolder);
    return root;
}

std::string LocalResultsRoot(const std::string& commonDocuments) {
    return utf8Of(PathFromUtf8(WithTrailingSeparator(commonDocuments)) / kAuthorFolder / kProgramFolder);
}

std::string NetworkResultsFileName(const std::string& user, const LocalDateTime& t) {
    return "OND_" + SafeFileNamePart(user) + "_" + std::to_string(t.day) + "_" + std::to_string(t.month) +
           "_" + std::to_string(t.year) + "_" + std::to_string(t.hour) + "_" + std::to_string(t.minute) +
           ".txt";
}

std::string FolderBeforeResultsFile(const std::string& chosenFile) {
    const fs::path chosen = PathFromUtf8(chosenFile);
    std::vector<fs::path> parts(chosen.begin(), chosen.end());
    const char* ending[] = {kAuthorFolder, kProgramFolder, kResultsFile};
    bool endsSo = parts.size() >= 3;
    for (std::size_t i = 0; endsSo && i < 3; ++i)
        endsSo = IniDocument::sameName(utf8Of(parts[parts.size() - 3 + i]), ending[i]);
    const fs::path folder = endsSo ? chosen.parent_path().parent_path().parent_path() : chosen.parent_path();
    return utf8Of(folder);
}

void LocateResultsFile(Ondivel& app) {
    Platform& platform = app.platform();
    MDIOndivel& mdi = app.mdi();
    Globals& g = app.g;
    const std::string program = app.programFolder();
    const ResultsRoot network = NetworkResultsRoot(program, platform.networkNameOf(program));
    mdi.ModeReseau = network.network;
    if (!network.network) {
        g.DossierDocumentsCommuns = WithTrailingSeparator(documentsFolder(app));
        mdi.FichierResultat =
            utf8Of(PathFromUtf8(LocalResultsRoot(g.DossierDocumentsCommuns)) / kResultsFile);
        return;
    }
    g.DossierDepot = depositFolder(app);
    const fs::path deposit = PathFromUtf8(network.folder) / PathFromUtf8(TrimBlanks(g.DossierDepot));
    mdi.FichierResultat =
        utf8Of(deposit / NetworkResultsFileName(g.NomUtilisateur, platform.localDateTime()));
    // Nothing reads it, but the deposit folder is expected to hold it. A deposit folder that is
    // not there yet is no start-up error: the first evaluation reports it.
    const fs::path marker = deposit / "MotDePasse.txt";
    std::error_code ec;
    if (!fs::exists(marker, ec)) platform.appendDurably(utf8Of(marker), "");
}

} // namespace ondivel
