#include "bench/evaluation/frm_corbeille.h"

#include <algorithm>
#include <filesystem>

#include "bench/evaluation/dialog_kit.h"
#include "bench/main/program_info.h"
#include "bench/ondivel.h"
#include "core/platform.h"
#include "files/text_file.h"

namespace ondivel {

namespace {

constexpr int kHelpTopic = 4000;

bool isExerciseFile(const std::filesystem::path& p) {
    std::string ext = p.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".ond";
}

std::string utf8Of(const std::filesystem::path& p) {
    const std::u8string s = p.u8string();
    return std::string(s.begin(), s.end());
}

} // namespace

FrmCorbeille::FrmCorbeille(Ondivel& app) : BenchForm(app, "frmCorbeille") {
    Caption = "Supprimer un fichier";
    HelpTopic = kHelpTopic;
    KeyPreview = true;
    lblInfo.Caption =
        "Cliquez dans la liste ci-contre sur tous les fichiers Ondivel  que vous voulez supprimer.";
    lblNota.Caption = "Nota : Les fichiers supprimés seront jetés dans la corbeille. Il sera donc toujours "
                      "possible d'aller les récupérer à partir de l'Explorateur Windows.";
    cmdKill.Caption = "Supprimer";
    cmdCancel.Caption = "Annuler";
    defaultButton = &cmdKill;
    cancelButton = &cmdCancel;

    Width = 6960, Height = 4560;
    dialog::place(lblInfo, 120, 120, 2760, 1455);
    dialog::place(flbOND, 3000, 120, 3720, 3000);
    dialog::place(lblNota, 120, 1800, 2760, 1335);
    dialog::place(cmdKill, 4080, 3360, 1215, 375);
    dialog::place(cmdCancel, 5505, 3360, 1215, 375);

    cmdKill.on.Click = [this] { cmdKill_Click(); };
    cmdCancel.on.Click = [this] { cmdCancel_Click(); };
}

void FrmCorbeille::Form_Load() {
    folder_ = app().g.DossierPartage;
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(PathFromUtf8(folder_), ec))
        if (entry.is_regular_file(ec) && isExerciseFile(entry.path()))
            names.push_back(utf8Of(entry.path().filename()));
    std::sort(names.begin(), names.end());
    for (const std::string& name : names)
        flbOND.addItem(name);
}

void FrmCorbeille::Form_KeyDown(int keyCode, int) {
    if (keyCode == kKeyF1) app().ShowHelpTopic(kHelpTopic);
}

void FrmCorbeille::cmdKill_Click() {
    std::vector<std::string> chosen;
    for (std::size_t i = 0; i < flbOND.List.size() && i < flbOND.Selected.size(); ++i)
        if (flbOND.Selected[i]) chosen.push_back(flbOND.List[i]);
    if (chosen.empty()) {
        app().platform().messageBox("Aucun fichier n'est sélectionné", vbInformation, kProgramName);
        return;
    }
    // A file the trash refuses stays where it is; the teacher sees it listed next time.
    for (const std::string& name : chosen)
        app().platform().moveToTrash(utf8Of(PathFromUtf8(folder_) / PathFromUtf8(name)));
    Unload();
}

void FrmCorbeille::cmdCancel_Click() {
    Unload();
}

} // namespace ondivel
