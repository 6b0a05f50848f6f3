#pragma once
// MDIOndivel, the main window: start-up sequence, title, free and evaluated modes, the whole menu
// bar, the teacher gate, and quitting. Other windows read its public state (ModeLibre …).
#include <optional>
#include <string>
#include <vector>

#include "bench/bench_form.h"
#include "files/montage_file.h"

namespace ondivel {

class MDIOndivel : public BenchForm {
  public:
    explicit MDIOndivel(Ondivel& app);

    // Menu bar, in display order. Separators have the caption "-".
    FormControl Mnu_File{*this, ControlKind::Menu, "Mnu_File"};
    FormControl Mnu_Libre{*this, ControlKind::Menu, "Mnu_Libre"};
    FormControl Mnu_Pilote{*this, ControlKind::Menu, "Mnu_Pilote"};
    // Bench set-ups (montage.h).
    FormControl Mnu_SeparMontage{*this, ControlKind::Menu, "Mnu_SeparMontage"};
    FormControl Mnu_OpenMontage{*this, ControlKind::Menu, "Mnu_OpenMontage"};
    FormControl Mnu_Exemples{*this, ControlKind::Menu, "Mnu_Exemples"};
    ControlArray Mnu_Exemple{*this, ControlKind::Menu, "Mnu_Exemple", 8};
    FormControl Mnu_SaveMontage{*this, ControlKind::Menu, "Mnu_SaveMontage"};
    FormControl Mnu_MontageInitial{*this, ControlKind::Menu, "Mnu_MontageInitial"};
    FormControl Mnu_Separ1{*this, ControlKind::Menu, "Mnu_Separ1"};
    FormControl Mnu_Create{*this, ControlKind::Menu, "Mnu_Create"};
    FormControl Mnu_Modif{*this, ControlKind::Menu, "Mnu_Modif"};
    FormControl Mnu_Kill{*this, ControlKind::Menu, "Mnu_Kill"};
    FormControl Mnu_Separ2{*this, ControlKind::Menu, "Mnu_Separ2"};
    FormControl Mnu_View{*this, ControlKind::Menu, "Mnu_View"};
    FormControl Mnu_Tableau{*this, ControlKind::Menu, "Mnu_Tableau"};
    FormControl Mnu_Clean{*this, ControlKind::Menu, "Mnu_Clean"};
    FormControl Mnu_Separ3{*this, ControlKind::Menu, "Mnu_Separ3"};
    FormControl Mnu_Print{*this, ControlKind::Menu, "Mnu_Print"};
    FormControl Mnu_ConfigPrint{*this, ControlKind::Menu, "Mnu_ConfigPrint"};
    FormControl Mnu_Exporter{*this, ControlKind::Menu, "Mnu_Exporter"};
    FormControl Mnu_Separ4{*this, ControlKind::Menu, "Mnu_Separ4"};
    FormControl Mnu_End{*this, ControlKind::Menu, "Mnu_End"};
    FormControl Mnu_Edition{*this, ControlKind::Menu, "Mnu_Edition"};
    FormControl Mnu_Copier{*this, ControlKind::Menu, "Mnu_Copier"};
    ControlArray Mnu_ClipBoard{*this, ControlKind::Menu, "Mnu_ClipBoard", 2};
    FormControl Mnu_Affichage{*this, ControlKind::Menu, "Mnu_Affichage"};
    FormControl Mnu_Harmo{*this, ControlKind::Menu, "Mnu_Harmo"};
    FormControl Mnu_Volt{*this, ControlKind::Menu, "Mnu_Volt"};
    FormControl Mnu_Chrono{*this, ControlKind::Menu, "Mnu_Chrono"};
    FormControl Mnu_Calc{*this, ControlKind::Menu, "Mnu_Calc"};
    FormControl Mnu_Mesures{*this, ControlKind::Menu, "Mnu_Mesures"};
    FormControl Mnu_Separ5{*this, ControlKind::Menu, "Mnu_Separ5"};
    FormControl Mnu_PosWin{*this, ControlKind::Menu, "Mnu_PosWin"};
    FormControl Mnu_Disposer{*this, ControlKind::Menu, "Mnu_Disposer"};
    FormControl Mnu_ViewFullScreen{*this, ControlKind::Menu, "Mnu_ViewFullScreen"};
    FormControl Mnu_Curseurs{*this, ControlKind::Menu, "Mnu_Curseurs"};
    FormControl Mnu_Option{*this, ControlKind::Menu, "Mnu_Option"};
    ControlArray Mnu_Pref{*this, ControlKind::Menu, "Mnu_Pref", 3};
    FormControl Mnu_Reglages{*this, ControlKind::Menu, "Mnu_Reglages"};
    FormControl Mnu_Help{*this, ControlKind::Menu, "Mnu_Help"};
    FormControl Mnu_Help_Contents{*this, ControlKind::Menu, "Mnu_Help_Contents"};
    FormControl Mnu_Help_Index{*this, ControlKind::Menu, "Mnu_Help_Index"};
    FormControl Mnu_Separ7{*this, ControlKind::Menu, "Mnu_Separ7"};
    FormControl Mnu_Tip{*this, ControlKind::Menu, "Mnu_Tip"};
    FormControl Mnu_NewTip{*this, ControlKind::Menu, "Mnu_NewTip"};
    FormControl Mnu_Separ8{*this, ControlKind::Menu, "Mnu_Separ8"};
    FormControl Mnu_PassWord{*this, ControlKind::Menu, "Mnu_PassWord"};
    FormControl Mnu_Web{*this, ControlKind::Menu, "Mnu_Web"};
    FormControl Mnu_About{*this, ControlKind::Menu, "Mnu_About"};
    // The status bar: why a trace in use is flat, when a plug or a switch is the cause.
    FormControl lblStatus{*this, ControlKind::Label, "lblStatus"};
    // The status line's other part: the title and the instruction of the set-up opened.
    FormControl lblMontage{*this, ControlKind::Label, "lblMontage"};

    // One entry of the menu tree: a top-level menu has level 0, its items level 1, the items of
    // a submenu level 2.
    struct MenuEntry {
        Control* item;
        int level;
    };
    const std::vector<MenuEntry>& menuTree() const { return menuTree_; }

    // Public state of the main window.
    bool ModeLibre = true;
    bool ModeReseau = false;
    std::string FichierResultat;
    std::string FichierExercice;
    std::string TitreFichierExercice;
    std::string DossierSysteme;
    std::string DossierWindows;
    // The set-up last opened: its file, its title and instruction, and what "Montage initial"
    // puts back.
    std::string FichierMontage;
    std::string TitreMontage;
    std::string ConsigneMontage;
    std::optional<Montage> montageInitial;
    double HauteurZoneTravail = 0;
    double LargeurZoneTravail = 0;

    void Form_Load() override; // the start-up sequence
    void Form_QueryUnload(int& cancel) override;
    void Form_Unload(int& cancel) override;
    void Form_MouseMove(int button, int shift, double x, double y) override;

    void SetFreeMode(bool isFree);
    // The status bar from the bench's wiring; run at every refresh of the display.
    void UpdateStatus();
    // Closes every source panel of both sides.
    void unloadSourcePanels();
    // Passes the teacher password gate; false when the user did not give the password.
    bool TeacherGate();
    // "Ondivel v.1.0 - Mode libre"
    std::string titleFor(bool freeMode) const;

    void Mnu_Libre_Click();
    void Mnu_Pilote_Click();
    void Mnu_End_Click();
    void Mnu_OpenMontage_Click();
    void Mnu_Exemple_Click(int index);
    void Mnu_SaveMontage_Click();
    void Mnu_MontageInitial_Click();
    void Mnu_Volt_Click();
    void Mnu_Chrono_Click();
    void Mnu_Calc_Click();
    // Opens or closes frmMesures; free mode only.
    void Mnu_Mesures_Click();
    void Mnu_Harmo_Click();
    void Mnu_Print_Click();
    void Mnu_ConfigPrint_Click();
    // The screen saved as a PNG picture or a PDF page (screen_export.h); free mode only.
    void Mnu_Exporter_Click();
    // 0: the screen as it is; 1: in grey levels.
    void Mnu_ClipBoard_Click(int index);
    void Mnu_PosWin_Click();
    // Panels side by side at the zoom that fits them: the desktop shell measures and moves the
    // windows, when it sees the request.
    void Mnu_Disposer_Click();
    void Mnu_ViewFullScreen_Click();
    // Shows or closes the measurement cursors and their read-out (frmCurseurs).
    void Mnu_Curseurs_Click();
    void Mnu_Pref_Click(int index);
    void Mnu_Reglages_Click();
    // The teacher's tools.
    void Mnu_Create_Click();
    void Mnu_Modif_Click();
    void Mnu_Kill_Click();
    void Mnu_View_Click();
    // The class table (frmTableau); free mode only.
    void Mnu_Tableau_Click();
    void Mnu_Clean_Click();
    void Mnu_PassWord_Click();
    // The Help menu.
    void Mnu_Help_Contents_Click();
    void Mnu_Help_Index_Click();
    void Mnu_Tip_Click();
    void Mnu_NewTip_Click();
    void Mnu_Web_Click();
    void Mnu_About_Click();

    // Enables or greys a menu item.
    void setMenuEnabled(Control& item, bool enabled);

    // True once the program should end (the main window was closed).
    bool ended() const { return ended_; }
    // How many times the panels were asked to go side by side.
    int arrangeRequests() const { return arrangeRequests_; }

  private:
    void addMenu(Control& item, const char* caption, int level, const char* shortcut = "");
    void startUp();
    void checkScreenResolution();
    void locateSharedFolder();
    void noticeNewVersion();
    void locateSettingsFile();
    void reportStartUpError(int number, const std::string& description);
    void closeCalculator();
    // The results file that viewing and emptying work on; nullopt when the teacher cancelled.
    std::optional<std::string> chooseResultsFile();

    std::vector<MenuEntry> menuTree_;
    bool ended_ = false;
    int arrangeRequests_ = 0;
    // The start-up step running, reported by the start-up error message.
    int step_ = 0;
    std::string commonDocuments_;
};

} // namespace ondivel
