#pragma once
// frmCreateFile, the exercise file editor: the teacher builds oscillogram and comment lines one
// at a time, orders them and saves them as a ".ond" file. Opened modally, empty from
// "Créer un fichier Ondivel" or filled from a file by "Modifier un fichier Ondivel".
#include <string>
#include <vector>

#include "bench/bench_form.h"
#include "files/exercise_writer.h"

namespace ondivel {

class FrmCreateFile : public BenchForm {
  public:
    explicit FrmCreateFile(Ondivel& app);

    // The file's lines, in file order; several may be selected (Selected) at once.
    FormControl lstListeData{*this, ControlKind::ListBox, "lstListeData"};
    FormControl cmdUp{*this, ControlKind::CommandButton, "cmdUp"};
    FormControl cmdDown{*this, ControlKind::CommandButton, "cmdDown"};
    FormControl fraCommentaire{*this, ControlKind::Frame, "fraCommentaire"};
    FormControl lblCommentaires{*this, ControlKind::Label, "lblCommentaires"};
    FormControl txtCommentaire{*this, ControlKind::TextBox, "txtCommentaire"};
    FormControl fraCH1{*this, ControlKind::Frame, "fraCH1"};
    FormControl fraCH2{*this, ControlKind::Frame, "fraCH2"};
    // 0 and 1: CH1 continuous and alternating; 2 and 3: the same for CH2.
    ControlArray optSignal{*this, ControlKind::OptionButton, "optSignal", 4};
    // The shape of CH1 (0) and CH2 (1).
    ControlArray cboAlternatif{*this, ControlKind::ComboBox, "cboAlternatif", 2};
    // 0 and 1: CH1 peak voltage and frequency; 2 and 3: the same for CH2.
    ControlArray lblData{*this, ControlKind::Label, "lblData", 4};
    ControlArray txtData{*this, ControlKind::TextBox, "txtData", 4};
    FormControl cmdAdd{*this, ControlKind::CommandButton, "cmdAdd"};
    FormControl cmdChange{*this, ControlKind::CommandButton, "cmdChange"};
    FormControl cmdRemove{*this, ControlKind::CommandButton, "cmdRemove"};
    FormControl cmdErase{*this, ControlKind::CommandButton, "cmdErase"};
    FormControl cmdSave{*this, ControlKind::CommandButton, "cmdSave"};
    FormControl cmdEnd{*this, ControlKind::CommandButton, "cmdEnd"};
    // The pupil's worksheet of the list, as a PDF (worksheet.h).
    FormControl cmdFiche{*this, ControlKind::CommandButton, "cmdFiche"};

    void Form_Load() override;
    void Form_KeyDown(int keyCode, int shift) override;
    void Form_QueryUnload(int& cancel) override;

    void optSignal_Click(int index);
    void lstListeData_Click();
    void cmdAdd_Click();
    void cmdChange_Click();
    void cmdRemove_Click();
    void cmdUp_Click();
    void cmdDown_Click();
    void cmdErase_Click();
    void cmdSave_Click();
    void cmdEnd_Click();
    void cmdFiche_Click();

    // Fills the list with a file's lines for modification; the save dialog then proposes the file.
    void loadFile(const std::vector<std::string>& lines, const std::string& path);
    // True while the list holds changes that were not saved.
    bool modified() const { return modified_; }

  protected:
    void resetMembers() override;

  private:
    void layOut();
    // Continuous (false) or alternating (true) for a channel, with the boxes that kind uses.
    void selectKind(int channel, bool alternating);
    void resetEntries();
    // Checks the enabled number boxes in order: a number, finite, and no negative frequency. An
    // empty box is reported only when asked.
    bool numbersValid(bool reportEmpty);
    // Whether the evaluation can read every oscillogram line of the list; the first one it could
    // not is reported ("… avant d'enregistrer", the `before` of the message) and selected.
    bool linesReadable(const char* before);
    ChannelEntry entry(int channel) const;
    std::vector<int> selectedLines() const;
    void selectOnly(int line);
    void swapLines(int line, int other);

    bool modified_ = false;
    std::string path_;
};

} // namespace ondivel
