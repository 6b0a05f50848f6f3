#include "bench/evaluation/frm_create_file.h"

#include <algorithm>
#include <cmath>

#include "bench/evaluation/dialog_kit.h"
#include "bench/evaluation/worksheet.h"
#include "bench/main/program_info.h"
#include "bench/ondivel.h"
#include "core/format.h"
#include "core/platform.h"
#include "files/exercise_line.h"
#include "files/exercise_reader.h"
#include "files/numeric_entry.h"

namespace ondivel {

namespace {

constexpr const char* kShapes[] = {"sinusoïdale", "triangulaire", "carrée"};
// The first four letters of a type field that choose the shape, in the order of kShapes.
constexpr const char* kShapeKeys[] = {"sinu", "tria", "carr"};
constexpr const char* kLineBreak = "\r\n";
constexpr const char* kRemoveTitle = "Ondivel - Suppresion donnée";

std::string lowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

} // namespace

FrmCreateFile::FrmCreateFile(Ondivel& app) : BenchForm(app, "frmCreateFile") {
    HelpTopic = 4000; // the teacher's page, with the file format
    Caption = "Création / Modification de fichiers Ondivel";
    fraCommentaire.Caption = "Commentaires : ";
    lblCommentaires.Caption = "Ajouter un commentaire : ";
    fraCH1.Caption = "Données pour l'oscillogramme voie CH1 : ";
    fraCH2.Caption = "Données pour l'oscillogramme voie CH2 : ";
    for (int i = 0; i < optSignal.size(); ++i) {
        optSignal[i].Caption = i % 2 == 0 ? "Tension continue" : "Tension alternative";
        optSignal[i].setGroup(i < 2 ? "optSignalCH1" : "optSignalCH2");
        optSignal[i].on.Click = [this, i] { optSignal_Click(i); };
    }
    for (int ch = 0; ch < cboAlternatif.size(); ++ch)
        for (const char* shape : kShapes)
            cboAlternatif[ch].addItem(shape);
    for (int i = 0; i < lblData.size(); ++i)
        lblData[i].Caption = i % 2 == 0 ? "Tension maximale (en V) : " : "Fréquence (en Hz) : ";
    cmdAdd.Caption = "Ajouter à la liste";
    cmdChange.Caption = "Modiifier la donnée";
    cmdRemove.Caption = "Retirer de la liste";
    cmdUp.Caption = "▲";
    cmdUp.ToolTipText = "Monter la ligne sélectionnée";
    cmdDown.Caption = "▼";
    cmdDown.ToolTipText = "Descendre la ligne sélectionnée";
    cmdErase.Caption = "Tout effacer";
    cmdSave.Caption = "Enregistrer sous ...";
    cmdEnd.Caption = "Quitter";
    cmdEnd.ToolTipText = "Pour quitter sans enregistrer";
    cmdFiche.Caption = "Fiche élève (PDF)…";
    cmdFiche.ToolTipText =
        "Pour enregistrer en PDF une fiche des oscillogrammes de la liste, à imprimer pour les élèves";
    defaultButton = &cmdAdd;
    cancelButton = &cmdEnd;
    layOut();

    lstListeData.on.Click = [this] { lstListeData_Click(); };
    cmdAdd.on.Click = [this] { cmdAdd_Click(); };
    cmdChange.on.Click = [this] { cmdChange_Click(); };
    cmdRemove.on.Click = [this] { cmdRemove_Click(); };
    cmdUp.on.Click = [this] { cmdUp_Click(); };
    cmdDown.on.Click = [this] { cmdDown_Click(); };
    cmdErase.on.Click = [this] { cmdErase_Click(); };
    cmdSave.on.Click = [this] { cmdSave_Click(); };
    cmdEnd.on.Click = [this] { cmdEnd_Click(); };
    cmdFiche.on.Click = [this] { cmdFiche_Click(); };
}

void FrmCreateFile::layOut() {
    // The list on the left, the entry frames in a right-hand column wide enough for their captions.
    constexpr double kColumn = 6660, kColumnWidth = 4440, kInner = kColumn + 120;
    Width = kColumn + kColumnWidth + 240, Height = 7200;
    dialog::place(lstListeData, 120, 120, 5820, 5280);
    dialog::place(cmdUp, 6060, 2040, 480, 480);
    dialog::place(cmdDown, 6060, 2640, 480, 480);
    dialog::place(fraCommentaire, kColumn, 120, kColumnWidth, 1080);
    dialog::place(lblCommentaires, kInner, 360, kColumnWidth - 240, 255);
    dialog::place(txtCommentaire, kInner, 660, kColumnWidth - 240, 315);
    for (int ch = 0; ch < 2; ++ch) {
        const double top = 1320 + 2160 * ch;
        dialog::place(ch == 0 ? fraCH1 : fraCH2, kColumn, top, kColumnWidth, 2040);
        dialog::place(optSignal[2 * ch], kInner, top + 240, 2100, 255);
        dialog::place(optSignal[2 * ch + 1], kInner + 2160, top + 240, 2160, 255);
        dialog::place(cboAlternatif[ch], kInner, top + 600, kColumnWidth - 240, 315);
        for (int row = 0; row < 2; ++row) {
            dialog::place(lblData[2 * ch + row], kInner, top + 1080 + 420 * row, 2520, 255);
            dialog::place(txtData[2 * ch + row], kInner + 2640, top + 1050 + 420 * row, 1560, 315);
        }
    }
    dialog::place(cmdAdd, 120, 5520, 1860, 375);
    dialog::place(cmdChange, 2100, 5520, 1860, 375);
    dialog::place(cmdRemove, 4080, 5520, 1860, 375);
    dialog::place(cmdErase, kColumn + kColumnWidth - 2040, 5640, 2040, 375);
    dialog::place(cmdSave, kColumn, 6240, 2040, 375);
    dialog::place(cmdEnd, kColumn + kColumnWidth - 2040, 6240, 2040, 375);
    // Under the list's buttons, clear of the documents' controls.
    dialog::place(cmdFiche, 120, 6240, 2040, 375);
}

void FrmCreateFile::resetMembers() {
    modified_ = false;
    path_.clear();
}

void FrmCreateFile::Form_KeyDown(int keyCode, int) {
    if (keyCode == kKeyF1) app().ShowHelpTopic(HelpTopic);
}

void FrmCreateFile::Form_Load() {
    cmdChange.Enabled = false;
    resetEntries();
}

void FrmCreateFile::Form_QueryUnload(int& cancel) {
    // A stray key must not throw away a lesson being written.
    if (!modified_) return;
    const int answer =
        app().platform().messageBox(std::string("La liste a été modifiée depuis le dernier enregistrement.") +
                                        kLineBreak + "Voulez-vous quitter sans enregistrer ?",
                                    vbYesNo | vbQuestion, kProgramName);
    if (answer != vbYes) cancel = 1;
}

void FrmCreateFile::loadFile(const std::vector<std::string>& lines, const std::string& path) {
    for (const std::string& line : lines)
        lstListeData.addItem(line);
    path_ = path;
    modified_ = false;
}

void FrmCreateFile::selectKind(int channel, bool alternating) {
    optSignal[2 * channel + (alternating ? 1 : 0)].Value = 1;
    optSignal[2 * channel + (alternating ? 0 : 1)].Value = 0;
    cboAlternatif[channel].Enabled = alternating;
    txtData[2 * channel + 1].Enabled = alternating;
    lblData[2 * channel + 1].Enabled = alternating;
}

void FrmCreateFile::optSignal_Click(int index) {
    selectKind(index / 2, index % 2 == 1);
}

void FrmCreateFile::resetEntries() {
    txtCommentaire.Text.clear();
    for (int ch = 0; ch < 2; ++ch) {
        selectKind(ch, false);
        cboAlternatif[ch].ListIndex = 0;
    }
    for (int i = 0; i < txtData.size(); ++i)
        txtData[i].Text.clear();
}

ChannelEntry FrmCreateFile::entry(int channel) const {
    ChannelEntry e;
    e.alternating = optSignal[2 * channel + 1].isOn();
    e.shape = cboAlternatif[channel].listText();
    e.voltage = txtData[2 * channel].Text;
    e.frequency = txtData[2 * channel + 1].Text;
    return e;
}

bool FrmCreateFile::numbersValid(bool reportEmpty) {
    for (int i = 0; i < txtData.size(); ++i) {
        Control& box = txtData[i];
        if (!box.Enabled) continue;
        std::string text = box.Text;
        Remplacer(text, ".", ",");
        if (TrimBlanks(text).empty() && !reportEmpty) return false;
        // What the evaluation would refuse in the saved line is refused here, box by box.
        const char* fault = nullptr;
        if (!IsNumericEntry(text)) {
            fault = "n'est pas une valeur numérique.";
        } else {
            const double value = ParseExerciseNumber(text).value_or(0);
            if (!std::isfinite(value))
                fault = "est un nombre trop grand.";
            else if (i % 2 == 1 && value < 0)
                fault = "ne peut pas être négative.";
        }
        if (!fault) continue;
        app().platform().messageBox("La " + lblData[i].Caption + " pour la voie " + (i < 2 ? "CH1" : "CH2") +
                                        kLineBreak + fault + kLineBreak +
                                        "Veuillez faire la correction nécessaire.",
                                    vbInformation, "Ondivel - Erreur de saisie");
        box.SetFocus();
        return false;
    }
    return true;
}

bool FrmCreateFile::linesReadable(const char* before) {
    for (std::size_t i = 0; i < lstListeData.List.size(); ++i) {
        const std::string& line = lstListeData.List[i];
        if (ClassifyExerciseLine(line) != ExerciseLineKind::Oscillogram) continue;
        const ParsedOscillogram parsed = ParseOscillogramLine(line, static_cast<int>(i + 1));
        if (parsed.value) continue;
        app().platform().messageBox(
            "La ligne " + std::to_string(i + 1) +
                " de la liste ne pourrait pas être lue par l'évaluation :" + kLineBreak + parsed.problem +
                kLineBreak + "Veuillez la modifier ou la retirer " + before + ".",
            vbInformation, "Ondivel - Erreur de saisie");
        // Shown in the entry boxes, ready to be corrected with "Modiifier la donnée".
        selectOnly(static_cast<int>(i));
        lstListeData.setListIndex(static_cast<int>(i));
        return false;
    }
    return true;
}

void FrmCreateFile::cmdAdd_Click() {
    if (!numbersValid(false)) return;
    if (!TrimBlanks(txtCommentaire.Text).empty()) lstListeData.addItem(CommentLine(txtCommentaire.Text));
    lstListeData.addItem(OscillogramLine(entry(0), entry(1)));
    modified_ = true;
    resetEntries();
    txtData[0].SetFocus();
}

void FrmCreateFile::lstListeData_Click() {
    resetEntries();
    const int index = lstListeData.ListIndex;
    if (index < 0 || index >= static_cast<int>(lstListeData.List.size())) return;
    const std::string& line = lstListeData.List[static_cast<std::size_t>(index)];
    if (ClassifyExerciseLine(line) == ExerciseLineKind::Comment) {
        txtCommentaire.Text = line.substr(1);
        cmdChange.Enabled = false;
        return;
    }
    const OscillogramFields fields = SplitOscillogramLine(line);
    for (int ch = 0; ch < 2; ++ch) {
        const std::string type = lowerAscii(fields[static_cast<std::size_t>(3 * ch)]);
        // An empty type reads as a continuous channel, as it does in an evaluation.
        const bool alternating = !type.empty() && type != "cc";
        selectKind(ch, alternating);
        if (alternating)
            for (int shape = 0; shape < 3; ++shape)
                if (type.starts_with(kShapeKeys[shape])) cboAlternatif[ch].ListIndex = shape;
        txtData[2 * ch].Text = fields[static_cast<std::size_t>(3 * ch + 1)];
        txtData[2 * ch + 1].Text = fields[static_cast<std::size_t>(3 * ch + 2)];
    }
    cmdChange.Enabled = true;
}

void FrmCreateFile::cmdChange_Click() {
    const int index = lstListeData.ListIndex;
    if (index < 0 || index >= static_cast<int>(lstListeData.List.size())) return;
    if (!numbersValid(true)) return;
    lstListeData.List[static_cast<std::size_t>(index)] = OscillogramLine(entry(0), entry(1));
    modified_ = true;
    cmdChange.Enabled = false;
}

std::vector<int> FrmCreateFile::selectedLines() const {
    std::vector<int> lines;
    for (std::size_t i = 0; i < lstListeData.List.size() && i < lstListeData.Selected.size(); ++i)
        if (lstListeData.Selected[i]) lines.push_back(static_cast<int>(i));
    return lines;
}

void FrmCreateFile::selectOnly(int line) {
    lstListeData.Selected.assign(lstListeData.List.size(), false);
    if (line >= 0) lstListeData.Selected[static_cast<std::size_t>(line)] = true;
}

void FrmCreateFile::cmdRemove_Click() {
    Platform& platform = app().platform();
    const std::vector<int> lines = selectedLines();
    if (lines.empty()) {
        platform.messageBox("Pour supprimer une donnée, vous devez au préalable le sélectionner.",
                            vbInformation, kRemoveTitle);
        return;
    }
    if (platform.messageBox("Etes-vous sûr de vouloir supprimer cette donnée ?", vbYesNo | vbQuestion,
                            kRemoveTitle) != vbYes)
        return;
    for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
        lstListeData.List.erase(lstListeData.List.begin() + *it);
        lstListeData.Selected.erase(lstListeData.Selected.begin() + *it);
    }
    lstListeData.ListIndex = -1;
    cmdChange.Enabled = false;
    modified_ = true;
}

void FrmCreateFile::swapLines(int line, int other) {
    std::swap(lstListeData.List[static_cast<std::size_t>(line)],
              lstListeData.List[static_cast<std::size_t>(other)]);
    modified_ = true;
    selectOnly(other);
    lstListeData.setListIndex(other);
}

void FrmCreateFile::cmdUp_Click() {
    const int index = lstListeData.ListIndex;
    if (index > 0 && index < static_cast<int>(lstListeData.List.size())) swapLines(index, index - 1);
}

void FrmCreateFile::cmdDown_Click() {
    const int index = lstListeData.ListIndex;
    if (index >= 0 && index + 1 < static_cast<int>(lstListeData.List.size())) swapLines(index, index + 1);
}

void FrmCreateFile::cmdErase_Click() {
    resetEntries();
    txtData[0].SetFocus();
    lstListeData.ListIndex = -1;
    selectOnly(-1);
    cmdChange.Enabled = false;
}

void FrmCreateFile::cmdSave_Click() {
    Platform& platform = app().platform();
    // A file that would stop the evaluation at its start is not written at all.
    if (!linesReadable("avant d'enregistrer")) return;
    FileDialogRequest request;
    request.title = "Enregistrer sous";
    request.initialFolder = app().g.DossierPartage;
    request.fileName = path_;
    request.filter = "Fichier Ondivel (*.ond)|*.ond";
    std::optional<std::string> chosen = platform.saveFileDialog(request);
    if (!chosen || chosen->empty()) return;
    // The desktop's save dialog may leave the extension to the user.
    const std::size_t slash = chosen->find_last_of("/\\");
    if (chosen->find('.', slash == std::string::npos ? 0 : slash + 1) == std::string::npos) *chosen += ".ond";
    if (!SaveExerciseFile(platform, *chosen, lstListeData.List)) {
        platform.messageBox("Impossible d'enregistrer le fichier :" + std::string(kLineBreak) + *chosen,
                            vbCritical, "Ondivel - Erreur");
        return;
    }
    path_ = *chosen;
    modified_ = false;
}

void FrmCreateFile::cmdEnd_Click() {
    Unload();
}

void FrmCreateFile::cmdFiche_Click() {
    Platform& platform = app().platform();
    if (!linesReadable("avant de faire la fiche élève")) return;
    const std::size_t slash = path_.find_last_of("/\\");
    const std::string name = slash == std::string::npos ? path_ : path_.substr(slash + 1);
    std::string problem;
    const std::optional<Worksheet> sheet = WorksheetFromLines(lstListeData.List, name, problem);
    if (!sheet) {
        platform.messageBox(problem, vbInformation, std::string(kProgramName) + " - " + kWorksheetTitle);
        return;
    }
    FileDialogRequest request;
    request.title = std::string(kWorksheetTitle) + " (PDF)";
    request.initialFolder = app().g.DossierPartage;
    // Beside the exercise file, under its name.
    const std::size_t dot = path_.find_last_of('.');
    request.fileName = path_.empty() ? std::string(kWorksheetTitle) + ".pdf"
                       : dot != std::string::npos && (slash == std::string::npos || dot > slash)
                           ? path_.substr(0, dot) + ".pdf"
                           : path_ + ".pdf";
    request.filter = "Document PDF (*.pdf)|*.pdf";
    std::optional<std::string> chosen = platform.saveFileDialog(request);
    if (!chosen || chosen->empty()) return;
    if (!lowerAscii(*chosen).ends_with(".pdf")) *chosen += ".pdf";
    if (const std::optional<std::string> error = WriteWorksheet(platform, *sheet, *chosen))
        platform.messageBox(*error, vbExclamation, std::string(kProgramName) + " - Erreur");
}

} // namespace ondivel
