// The teacher's menu entries of the main window: exercise files (create, modify, delete), the
// results files (view, empty) and the password. All but the password change pass the teacher
// gate first.
#include <filesystem>

#include "bench/evaluation/evaluation.h"
#include "bench/evaluation/frm_corbeille.h"
#include "bench/evaluation/frm_create_file.h"
#include "bench/evaluation/frm_pass.h"
#include "bench/evaluation/frm_pass_word.h"
#include "bench/evaluation/frm_tableau.h"
#include "bench/main/mdi_ondivel.h"
#include "bench/main/program_info.h"
#include "bench/ondivel.h"
#include "core/platform.h"
#include "files/durable_append.h"
#include "files/exercise_writer.h"
#include "files/text_file.h"

namespace ondivel {

namespace {

constexpr const char* kLineBreak = "\r\n";

// A window left open by an earlier use starts again from its design.
bool closeForReuse(Form& window) {
    return !window.loaded() || window.Unload();
}

std::string fileNameOf(const std::string& path) {
    const std::u8string name = PathFromUtf8(path).filename().u8string();
    return std::string(name.begin(), name.end());
}

// A pupil may have put a link, a folder or a pipe where the results file was.
std::string notAPlainFile(const std::string& what, const std::string& path) {
    return "Le fichier suivant n'a pas été " + what +
           " : ce n'est pas un fichier ordinaire (lien symbolique, dossier ou périphérique)." + kLineBreak +
           path;
}

std::string folderOf(const std::string& path) {
    const std::u8string folder = PathFromUtf8(path).parent_path().u8string();
    return std::string(folder.begin(), folder.end());
}

} // namespace

void MDIOndivel::Mnu_Create_Click() {
    if (!TeacherGate()) return;
    FrmCreateFile& editor = app().frmCreateFile();
    if (!closeForReuse(editor)) return;
    editor.ShowModal();
}

void MDIOndivel::Mnu_Modif_Click() {
    if (!TeacherGate()) return;
    Platform& platform = app().platform();
    FileDialogRequest request;
    request.title = "Modifier un fichier Ondivel";
    request.initialFolder = app().g.DossierPartage;
    request.filter = "Fichiers Ondivel (*.ond)|*.ond";
    request.mustExist = true;
    const std::optional<std::string> chosen = platform.openFileDialog(request);
    if (!chosen) return;
    const std::optional<std::vector<std::string>> lines = LoadExerciseFile(*chosen);
    if (!lines) {
        platform.messageBox("Le fichier suivant ne peut pas être lu :" + std::string(kLineBreak) + *chosen,
                            vbCritical, "Ondivel - Erreur");
        return;
    }
    FrmCreateFile& editor = app().frmCreateFile();
    if (!closeForReuse(editor)) return;
    editor.Load();
    editor.loadFile(*lines, *chosen);
    editor.ShowModal();
}

void MDIOndivel::Mnu_Kill_Click() {
    if (!TeacherGate()) return;
    FrmCorbeille& trash = app().frmCorbeille();
    if (!closeForReuse(trash)) return;
    trash.ShowModal();
}

std::optional<std::string> MDIOndivel::chooseResultsFile() {
    if (!ModeReseau) return app().g.DossierPartage + "Resultat.txt";
    FileDialogRequest request;
    request.title = "Fichier des réponses élèves";
    request.initialFolder = folderOf(FichierResultat);
    request.filter = "Fichier texte (*.txt)|*.txt";
    request.mustExist = true;
    return app().platform().openFileDialog(request);
}

void MDIOndivel::Mnu_View_Click() {
    if (!TeacherGate()) return;
    const std::optional<std::string> file = chooseResultsFile();
    if (!file) return;
    CloseOpenFiles(app());
    Platform& platform = app().platform();
    // No evaluation may have run yet: the editor opens an empty file rather than refusing.
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::symlink_status(PathFromUtf8(*file), ec);
    if (!std::filesystem::exists(status))
        platform.appendDurably(*file, "");
    else if (!std::filesystem::is_regular_file(status)) {
        platform.messageBox(notAPlainFile("ouvert", *file), vbCritical, kProgramName);
        return;
    }
    if (!platform.openTextFile(*file))
        platform.messageBox("Aucun éditeur de texte n'a pu ouvrir le fichier :" + std::string(kLineBreak) +
                                *file,
                            vbCritical, "Erreur sur le chemin d'accés");
}

void MDIOndivel::Mnu_Tableau_Click() {
    if (!ModeLibre || !TeacherGate()) return;
    FrmTableau& table = app().frmTableau();
    if (!closeForReuse(table)) return;
    table.ShowModal();
}

void MDIOndivel::Mnu_Clean_Click() {
    if (!TeacherGate()) return;
    Platform& platform = app().platform();
    if (platform.messageBox("Voulez-vous vraiment vider le fichier des réponses-élèves ?",
                            vbYesNo | vbCritical, kProgramName) != vbYes)
        return;
    const std::optional<std::string> file = chooseResultsFile();
    if (!file) return;
    CloseOpenFiles(app());
    // A shared folder lets pupils replace the file: a link to a teacher's file is never followed.
    const EmptyFileResult emptied = emptyPlainFile(*file);
    if (emptied == EmptyFileResult::NotAPlainFile) {
        platform.messageBox(notAPlainFile("vidé", *file), vbCritical, kProgramName);
        return;
    }
    if (emptied == EmptyFileResult::Failed) return;
    platform.messageBox(ModeReseau ? "Fichier " + fileNameOf(*file) + " vidé."
                                   : std::string("Le fichier des réponses-élèves a été vidé."),
                        vbInformation, kProgramName);
}

void MDIOndivel::Mnu_PassWord_Click() {
    if (TeacherPasswordFixedByAdministrator(app())) return TellPasswordFixedByAdministrator(app());
    FrmPassWord& window = app().frmPassWord();
    if (!closeForReuse(window)) return;
    window.ShowModal();
}

} // namespace ondivel
