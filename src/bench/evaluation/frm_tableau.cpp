#include "bench/evaluation/frm_tableau.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "bench/evaluation/class_table.h"
#include "bench/evaluation/dialog_kit.h"
#include "bench/main/mdi_ondivel.h"
#include "bench/main/program_info.h"
#include "bench/main/screen_export.h"
#include "bench/ondivel.h"
#include "core/platform.h"
#include "files/exercise_reader.h"
#include "files/results_csv.h"
#include "files/text_file.h"

namespace ondivel {

namespace fs = std::filesystem;

namespace {

constexpr int kHelpTopic = 4400;
constexpr const char* kLineBreak = "\r\n";
constexpr const char* kTableExportFilter = "Tableau CSV (*.csv)|*.csv|Document PDF (*.pdf)|*.pdf";

// Design in twips: a wide window, the table across, the shares and explanations under it.
constexpr double kClientWidth = 21000;
constexpr double kFilterTop = 780;
constexpr double kTableTop = 1260;
constexpr double kTableHeight = 6000;
constexpr double kLowerTop = 7740;
constexpr double kLowerListHeight = 2700;
constexpr double kSharesWidth = 9000;

std::string utf8Of(const fs::path& p) {
    const std::u8string s = p.u8string();
    return std::string(s.begin(), s.end());
}

bool endsWithNoCase(const std::string& text, const std::string& suffix) {
    if (text.size() < suffix.size()) return false;
    return std::equal(suffix.rbegin(), suffix.rend(), text.rbegin(),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

// A deposit file: "OND_…" in any case, as the start-up names them.
bool isDepositFile(const fs::path& p) {
    const std::string name = utf8Of(p.filename());
    return name.size() > 4 && (name[0] == 'O' || name[0] == 'o') && (name[1] == 'N' || name[1] == 'n') &&
           (name[2] == 'D' || name[2] == 'd') && name[3] == '_';
}

std::string plural(std::size_t n, const std::string& word) {
    return std::to_string(n) + " " + word + (n > 1 ? "s" : "");
}

void setTitles(Control& list, const std::vector<std::string>& titles) {
    list.Caption = JoinCells(titles);
}

} // namespace

FrmTableau::FrmTableau(Ondivel& app) : BenchForm(app, "frmTableau") {
    using namespace dialog;
    Caption = "Tableau de la classe";
    HelpTopic = kHelpTopic;
    KeyPreview = true;

    place(lblSource, kMargin, kMargin + 60, kClientWidth - 3 * kMargin - 2340, kLabelHeight);
    place(cmdFichier, kClientWidth - kMargin - 2340, kMargin, 2340, kButtonHeight);
    cmdFichier.Caption = "&Autre fichier…";
    cmdFichier.ToolTipText = "Ouvrir un autre fichier de résultats";

    const double labelTop = kFilterTop + kLabelDrop;
    place(lblClasse, kMargin, labelTop, 750, kLabelHeight);
    // Wide enough for "Toutes les classes" and the arrow at every zoom.
    place(cboClasse, 1020, kFilterTop, 2500, kBoxHeight);
    place(lblExercice, 3760, labelTop, 1000, kLabelHeight);
    place(cboExercice, 4780, kFilterTop, 2700, kBoxHeight);
    place(lblDu, 7720, labelTop, 450, kLabelHeight);
    place(txtDu, 8200, kFilterTop, 1350, kBoxHeight);
    place(lblAu, 9730, labelTop, 380, kLabelHeight);
    place(txtAu, 10140, kFilterTop, 1350, kBoxHeight);
    place(lblTri, 11800, labelTop, 1050, kLabelHeight);
    place(cboTri, 12880, kFilterTop, 1900, kBoxHeight);
    place(chkDecroissant, 14980, kFilterTop, 2880, kBoxHeight);
    lblClasse.Caption = "&Classe :";
    lblExercice.Caption = "E&xercice :";
    lblDu.Caption = "&Du :";
    lblAu.Caption = "a&u :";
    lblTri.Caption = "&Trier par :";
    chkDecroissant.Caption = "Ordre décr&oissant";
    txtDu.ToolTipText = "Première date gardée, jj/mm/aaaa (vide : depuis le début)";
    txtAu.ToolTipText = "Dernière date gardée, jj/mm/aaaa (vide : jusqu'à aujourd'hui)";
    cboTri.ToolTipText = "Colonne qui range les élèves (ou cliquer sur son titre)";

    place(lstTableau, kMargin, kTableTop, kClientWidth - 2 * kMargin, kTableHeight);
    const double underTable = kTableTop + kTableHeight + 60;
    place(lblNombre, kMargin, underTable, 3600, kLabelHeight);
    place(lblLegende, 4080, underTable, kClientWidth - kMargin - 4080, kLabelHeight);
    lblLegende.Caption =
        "Colonnes O1 CH1, O1 CH2… : forme, tension maximale, fréquence (✓ juste, ✗ faux, – non "
        "demandé)";

    place(lblReussite, kMargin, kLowerTop, kSharesWidth, kLabelHeight);
    place(lstReussite, kMargin, kLowerTop + 300, kSharesWidth, kLowerListHeight);
    lblReussite.Caption = "&Réussite de la classe par oscillogramme :";
    setTitles(lstReussite, ShareColumnTitles());
    const double explanationsLeft = kMargin + kSharesWidth + kMargin;
    place(lblExplications, explanationsLeft, kLowerTop, kClientWidth - kMargin - explanationsLeft,
          kLabelHeight);
    place(lstExplications, explanationsLeft, kLowerTop + 300, kClientWidth - kMargin - explanationsLeft,
          kLowerListHeight);
    lblExplications.Caption = "Réponses fausses de l'élève &sélectionné :";

    const double buttonTop = kLowerTop + 300 + kLowerListHeight + kMargin;
    placeButtonsRight({&cmdExporter, &cmdFermer}, kClientWidth, buttonTop, 1500);
    cmdExporter.Caption = "&Exporter…";
    cmdExporter.ToolTipText = "Enregistrer le tableau pour le carnet de notes (CSV) ou l'imprimer (PDF)";
    cmdFermer.Caption = "&Fermer";
    setClientSize(*this, kClientWidth, buttonTop + kButtonHeight + kMargin);
    cancelButton = &cmdFermer;

    const auto refilter = [this] {
        if (!filling_) refresh();
    };
    cboClasse.on.Click = refilter;
    cboExercice.on.Click = refilter;
    txtDu.on.Change = refilter;
    txtAu.on.Change = refilter;
    cboTri.on.Click = refilter;
    chkDecroissant.on.Click = refilter;
    txtDu.on.GotFocus = [this] { dialog::SelectWholeText(txtDu); };
    txtAu.on.GotFocus = [this] { dialog::SelectWholeText(txtAu); };
    lstTableau.on.Click = [this] { showExplanations(); };
    cmdFichier.on.Click = [this] { cmdFichier_Click(); };
    cmdExporter.on.Click = [this] { cmdExporter_Click(); };
    cmdFermer.on.Click = [this] { Unload(); };
}

void FrmTableau::Form_Load() {
    loadDefault();
}

void FrmTableau::Form_KeyDown(int keyCode, int) {
    if (keyCode == kKeyF1) app().ShowHelpTopic(kHelpTopic);
}

void FrmTableau::loadDefault() {
    const MDIOndivel& mdi = app().mdi();
    if (mdi.ModeReseau) {
        loadFolder(utf8Of(PathFromUtf8(mdi.FichierResultat).parent_path()));
        return;
    }
    const std::string file = mdi.FichierResultat;
    std::error_code ec;
    if (!fs::exists(PathFromUtf8(file), ec)) {
        take({}, file);
        lblSource.Caption = "Aucune évaluation : le fichier " + file + " n'existe pas encore.";
        return;
    }
    if (!loadFile(file)) {
        take({}, file);
        lblSource.Caption = "Le fichier " + file + " ne peut pas être lu.";
    }
}

bool FrmTableau::loadFile(const std::string& path) {
    const std::optional<std::string> bytes = ReadResultsFileBytes(PathFromUtf8(path));
    if (!bytes) {
        app().platform().messageBox("Le fichier suivant ne peut pas être lu :" + std::string(kLineBreak) +
                                        path,
                                    vbCritical, std::string(kProgramName) + " - Erreur");
        return false;
    }
    ResultsReading reading = ReadResults(*bytes, utf8Of(PathFromUtf8(path).filename()));
    const std::size_t count = reading.evaluations.size();
    take(std::move(reading), path);
    lblSource.Caption = "Résultats : " + path + " (" + plural(count, "évaluation") + ")";
    return true;
}

void FrmTableau::loadFolder(const std::string& folder) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(PathFromUtf8(folder), ec))
        if (entry.is_regular_file(ec) && isDepositFile(entry.path())) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::vector<std::string> bytes;
    std::vector<std::string> names;
    for (const fs::path& file : files)
        if (std::optional<std::string> b = ReadResultsFileBytes(file)) {
            bytes.push_back(std::move(*b));
            names.push_back(utf8Of(file.filename()));
        }
    std::vector<ResultsSource> sources;
    for (std::size_t i = 0; i < bytes.size(); ++i)
        sources.push_back({names[i], bytes[i]});
    ResultsReading reading = ReadResultsFolder(sources);
    const std::size_t count = reading.evaluations.size();
    take(std::move(reading), folder);
    lblSource.Caption = "Dossier de dépôt : " + folder + " (" + plural(names.size(), "fichier") + ", " +
                        plural(count, "évaluation") + ")";
}

void FrmTableau::take(ResultsReading reading, std::string source) {
    evaluations_ = std::move(reading.evaluations);
    source_ = std::move(source);
    // The expected values come from the exercise, found by its name in the exercises folder: the
    // results file holds the path on the pupil's computer.
    std::map<std::string, std::optional<std::string>> exercises;
    exerciseKnown_.assign(evaluations_.size(), false);
    for (std::size_t i = 0; i < evaluations_.size(); ++i) {
        const std::string title = ExerciseTitle(evaluations_[i].exerciseFile);
        if (title.empty()) continue;
        auto [it, added] = exercises.try_emplace(title);
        if (added)
            if (const std::optional<std::string> bytes =
                    ReadFileBytes(PathFromUtf8(app().g.DossierPartage) / PathFromUtf8(title)))
                it->second = DecodeExerciseText(*bytes);
        if (it->second) exerciseKnown_[i] = AttachExercise(evaluations_[i], *it->second);
    }
    fillFilters();
    refresh();
}

void FrmTableau::fillFilters() {
    filling_ = true;
    cboClasse.List = {kAllClasses};
    for (std::string& c : DistinctClasses(evaluations_))
        cboClasse.List.push_back(std::move(c));
    cboClasse.ListIndex = 0;
    cboExercice.List = {kAllExercises};
    for (std::string& e : DistinctExercises(evaluations_))
        cboExercice.List.push_back(std::move(e));
    cboExercice.ListIndex = 0;
    filling_ = false;
}

ResultsFilter FrmTableau::filter() const {
    ResultsFilter f;
    if (cboClasse.ListIndex > 0) f.className = cboClasse.listText();
    if (cboExercice.ListIndex > 0) f.exercise = cboExercice.listText();
    // A date being typed keeps nothing out until it reads as one.
    if (const std::optional<std::int64_t> day = FilterDay(txtDu.Text)) f.from = *day * 1000000;
    if (const std::optional<std::int64_t> day = FilterDay(txtAu.Text)) f.to = *day * 1000000 + 235959;
    return f;
}

void FrmTableau::refresh() {
    const int selectedRow = lstTableau.ListIndex;
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    const std::size_t selected = selectedRow >= 0 && static_cast<std::size_t>(selectedRow) < rows_.size()
                                     ? rows_[static_cast<std::size_t>(selectedRow)]
                                     : kNone;

    rows_ = FilterEvaluations(evaluations_, filter());
    const std::size_t longest = LongestEvaluation(evaluations_, rows_);
    const std::vector<std::string> titles = TableColumnTitles(longest);

    filling_ = true;
    const int sortColumn = std::clamp(cboTri.ListIndex, 0, static_cast<int>(titles.size()) - 1);
    cboTri.List = titles;
    cboTri.ListIndex = sortColumn;
    filling_ = false;
    SortByColumn(evaluations_, rows_, sortColumn, chkDecroissant.Value == kChecked);

    setTitles(lstTableau, titles);
    lstTableau.List.clear();
    lstTableau.ListIndex = -1;
    for (std::size_t row : rows_)
        lstTableau.List.push_back(JoinCells(TableCells(evaluations_[row], longest)));
    lstTableau.Selected.assign(lstTableau.List.size(), false);
    if (selected != kNone)
        if (auto it = std::find(rows_.begin(), rows_.end(), selected); it != rows_.end()) {
            lstTableau.ListIndex = static_cast<int>(it - rows_.begin());
            lstTableau.Selected[static_cast<std::size_t>(lstTableau.ListIndex)] = true;
        }
    lblNombre.Caption = plural(rows_.size(), "évaluation") + " sur " + std::to_string(evaluations_.size());

    lstReussite.List.clear();
    bool severalExercises = false;
    for (std::size_t row : rows_)
        severalExercises |= FoldForSorting(ExerciseTitle(evaluations_[row].exerciseFile)) !=
                            FoldForSorting(ExerciseTitle(evaluations_[rows_.front()].exerciseFile));
    if (severalExercises) {
        // Oscillogram 2 of one exercise has nothing to do with oscillogram 2 of another.
        lstReussite.List.push_back("Plusieurs exercices : choisissez-en un pour voir la réussite.");
    } else {
        for (const std::vector<std::string>& cells : ShareCells(ClassShares(evaluations_, rows_)))
            lstReussite.List.push_back(JoinCells(cells));
    }
    lstReussite.Selected.assign(lstReussite.List.size(), false);
    lstReussite.ListIndex = -1;
    showExplanations();
}

void FrmTableau::showExplanations() {
    lstExplications.List.clear();
    lstExplications.ListIndex = -1;
    const int row = lstTableau.ListIndex;
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) {
        lstExplications.List.push_back(rows_.empty() ? "" : "Choisissez un élève dans le tableau.");
    } else {
        const std::size_t i = rows_[static_cast<std::size_t>(row)];
        const RecordedEvaluation& e = evaluations_[i];
        lstExplications.List.push_back(e.firstName + " " + e.name + ", " + ExerciseTitle(e.exerciseFile) +
                                       " :");
        for (std::string& line : ExplanationLines(e, exerciseKnown_[i]))
            lstExplications.List.push_back(std::move(line));
    }
    lstExplications.Selected.assign(lstExplications.List.size(), false);
}

void FrmTableau::cmdFichier_Click() {
    FileDialogRequest request;
    request.title = "Ouvrir un fichier de résultats";
    std::error_code ec;
    request.initialFolder =
        fs::is_directory(PathFromUtf8(source_), ec) ? source_ : utf8Of(PathFromUtf8(source_).parent_path());
    request.filter = "Fichier texte (*.txt)|*.txt";
    request.mustExist = true;
    const std::optional<std::string> chosen = app().platform().openFileDialog(request);
    if (!chosen || chosen->empty()) return;
    loadFile(*chosen);
}

std::string FrmTableau::filtersText() const {
    std::string text = "Classe : " + (cboClasse.ListIndex > 0 ? cboClasse.listText() : "toutes");
    text += " ; exercice : " + (cboExercice.ListIndex > 0 ? cboExercice.listText() : "tous");
    const ResultsFilter f = filter();
    if (f.from || f.to) {
        text += " ; dates :";
        if (f.from) text += " du " + txtDu.Text;
        if (f.to) text += " au " + txtAu.Text;
    }
    text += " ; tri : " + cboTri.listText() + (chkDecroissant.Value == kChecked ? " (décroissant)" : "");
    return text;
}

TablePrint FrmTableau::printed() const {
    TablePrint p;
    p.title = "Tableau de la classe";
    Platform& platform = app().platform();
    p.headerLines = {"Édité le " + platform.dateTimeText(platform.localDateTime()) + " avec " +
                         std::string(kProgramName),
                     "Source : " + source_, "Filtres : " + filtersText(), lblNombre.Caption};
    const std::size_t longest = LongestEvaluation(evaluations_, rows_);
    p.columns = TableColumnTitles(longest);
    for (std::size_t row : rows_)
        p.rows.push_back(TableCells(evaluations_[row], longest));
    p.sharesTitle = "Réussite de la classe par oscillogramme (forme, tension maximale, fréquence)";
    p.shareColumns = ShareColumnTitles();
    for (const std::string& line : lstReussite.List) {
        std::vector<std::string> cells;
        for (std::size_t from = 0;;) {
            const std::size_t tab = line.find(kCellSeparator, from);
            cells.push_back(line.substr(from, tab == std::string::npos ? std::string::npos : tab - from));
            if (tab == std::string::npos) break;
            from = tab + 1;
        }
        p.shares.push_back(std::move(cells));
    }
    return p;
}

void FrmTableau::cmdExporter_Click() {
    Platform& platform = app().platform();
    FileDialogRequest request;
    request.title = "Exporter le tableau de la classe";
    request.initialFolder = app().g.DossierPartage;
    request.fileName = "Tableau de la classe.csv";
    request.filter = kTableExportFilter;
    const std::optional<std::string> chosen = platform.saveFileDialog(request);
    if (!chosen || chosen->empty()) return;
    if (const auto refusal = ExportFolderRefusal(*chosen)) return ShowExportRefusal(platform, *refusal);
    const bool pdf = endsWithNoCase(*chosen, ".pdf");
    const std::string path = pdf || endsWithNoCase(*chosen, ".csv") ? *chosen : *chosen + ".csv";
    std::string bytes;
    if (pdf) {
        const TablePrint print = printed();
        bytes = platform.pdfDocumentBytes(
            TablePrintPages(print), [&print](Surface& page, int i) { DrawTablePrintPage(print, page, i); },
            "Tableau de la classe", true);
    } else {
        bytes = ResultsCsv(evaluations_, rows_);
    }
    if (const auto refusal = WriteExport(path, bytes)) ShowExportRefusal(platform, *refusal);
}

} // namespace ondivel
