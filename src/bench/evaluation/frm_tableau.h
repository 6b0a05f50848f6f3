#pragma once
// frmTableau, "Tableau de la classe" (teacher menu, free mode only): every evaluation of the
// results file (local mode) or of the deposit folder (network mode), or of a file the teacher
// chooses, one line each; filters by class, exercise and dates; sorting by any column; per
// oscillogram the share of the class that got each part right; the explanation of each wrong
// answer of the selected pupil; export to CSV for the gradebook or to PDF. It reads the files,
// never writes them.
//
// The table lists (lstTableau, lstReussite) give their column titles in Caption and their cells
// in each item, separated by tabs; the desktop view draws them as tables with clickable headers.
#include <string>
#include <vector>

#include "bench/bench_form.h"
#include "bench/evaluation/class_table_print.h"
#include "files/results_reader.h"
#include "files/results_table.h"

namespace ondivel {

inline constexpr const char* kAllClasses = "Toutes les classes";
inline constexpr const char* kAllExercises = "Tous les exercices";

class FrmTableau : public BenchForm {
  public:
    explicit FrmTableau(Ondivel& app);

    FormControl lblSource{*this, ControlKind::Label, "lblSource"};
    FormControl lblClasse{*this, ControlKind::Label, "lblClasse"};
    FormControl cboClasse{*this, ControlKind::ComboBox, "cboClasse"};
    FormControl lblExercice{*this, ControlKind::Label, "lblExercice"};
    FormControl cboExercice{*this, ControlKind::ComboBox, "cboExercice"};
    FormControl lblDu{*this, ControlKind::Label, "lblDu"};
    FormControl txtDu{*this, ControlKind::TextBox, "txtDu"};
    FormControl lblAu{*this, ControlKind::Label, "lblAu"};
    FormControl txtAu{*this, ControlKind::TextBox, "txtAu"};
    FormControl lblTri{*this, ControlKind::Label, "lblTri"};
    FormControl cboTri{*this, ControlKind::ComboBox, "cboTri"};
    FormControl chkDecroissant{*this, ControlKind::CheckBox, "chkDecroissant"};
    FormControl lstTableau{*this, ControlKind::ListBox, "lstTableau"};
    FormControl lblNombre{*this, ControlKind::Label, "lblNombre"};
    FormControl lblLegende{*this, ControlKind::Label, "lblLegende"};
    FormControl lblReussite{*this, ControlKind::Label, "lblReussite"};
    FormControl lstReussite{*this, ControlKind::ListBox, "lstReussite"};
    FormControl lblExplications{*this, ControlKind::Label, "lblExplications"};
    FormControl lstExplications{*this, ControlKind::ListBox, "lstExplications"};
    FormControl cmdFichier{*this, ControlKind::CommandButton, "cmdFichier"};
    FormControl cmdExporter{*this, ControlKind::CommandButton, "cmdExporter"};
    FormControl cmdFermer{*this, ControlKind::CommandButton, "cmdFermer"};

    void Form_Load() override;
    void Form_KeyDown(int keyCode, int shift) override;

    void cmdFichier_Click();
    void cmdExporter_Click();

    // What the window shows, for the print-out and the tests.
    const std::vector<RecordedEvaluation>& evaluations() const { return evaluations_; }
    const std::vector<std::size_t>& rows() const { return rows_; }
    TablePrint printed() const;

  private:
    // The results of this computer, or of the deposit folder in network mode.
    void loadDefault();
    // False, the table unchanged, when the file cannot be read.
    bool loadFile(const std::string& path);
    void loadFolder(const std::string& folder);
    // Takes a new reading: expected values from the exercises folder, filters reset.
    void take(ResultsReading reading, std::string source);
    void fillFilters();
    // Filters, sorts and fills the lists again, keeping the selected evaluation when it stays.
    void refresh();
    void showExplanations();
    ResultsFilter filter() const;
    std::string filtersText() const;

    std::vector<RecordedEvaluation> evaluations_;
    std::vector<bool> exerciseKnown_;
    std::vector<std::size_t> rows_;
    std::string source_; // the file or folder read
    bool filling_ = false;
};

} // namespace ondivel
