// The main window's start-up sequence. Each step sets step_ first: the start-up error message
// reports it as the place of the failure.
#include <filesystem>
#include <system_error>

#include "bench/evaluation/results_location.h"
#include "bench/main/desktop_services.h"
#include "bench/main/frm_option.h"
#include "bench/main/frm_tip.h"
#include "bench/main/mdi_ondivel.h"
#include "bench/main/preferences.h"
#include "bench/main/program_info.h"
#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/format.h"
#include "core/platform.h"
#include "files/example_exercises.h"
#include "files/settings_location.h"
#include "files/startup_folders.h"
#include "files/text_file.h"
#include "files/version_notice.h"
#include "files/web_addresses.h"

namespace ondivel {

namespace {

constexpr int kMinimumScreenWidth = 1023;
constexpr const char* kLineBreak = "\r\n";

} // namespace

void MDIOndivel::Form_Load() {
    Mnu_Calc.Enabled = app().platform().calculatorAvailable();
    // The entry stays in its menu but opens nothing while the address is a build's placeholder.
    Mnu_Web.Enabled = IsRealWebAddress(WebSiteAddress(app().programFolder()));
    try {
        startUp();
    } catch (const PlatformInterrupt&) {
        throw;
    } catch (const std::system_error& e) {
        reportStartUpError(e.code().value(), e.what());
    } catch (const std::exception& e) {
        reportStartUpError(0, e.what());
    }
}

void MDIOndivel::startUp() {
    Globals& g = app().g;
    Platform& platform = app().platform();

    step_ = 1;
    checkScreenResolution();

    step_ = 2;
    Caption = titleFor(true);
    g.SousDossierAuteur = AuthorSubFolder();

    step_ = 20;
    locateSharedFolder();

    step_ = 3;
    noticeNewVersion();

    // There is no system folder on this platform: both name the program folder, so that paths
    // built on them stay well-formed.
    step_ = 4;
    DossierSysteme = WithTrailingSeparator(app().programFolder());
    step_ = 5;
    DossierWindows = WithTrailingSeparator(app().programFolder());

    step_ = 6;
    RegisterFileType(app());
    g.FrequenceCompteur = platform.counterFrequency();

    step_ = 7;
    const std::optional<std::string> logon = platform.logonName();
    g.NomUtilisateur = logon && !logon->empty() ? *logon : kUnknownUser;

    step_ = 8;
    locateSettingsFile();

    step_ = 12;
    LocateResultsFile(app());

    step_ = 13;
    ConfigureToolTips(app(), app().ReadIni("Options", "ShowToolTip", "1") == "1", kToolTipWidth);
    const std::string background = app().ReadIni("Options", "Couleur fond", "");
    BackColor = background.empty() ? kWhite : ColourFromSetting(background);

    step_ = 14;
    app().frmOption().Load();

    step_ = 15;
    LoadPreferences(app());
    int width = 0, height = 0;
    platform.workArea(width, height);
    HauteurZoneTravail = static_cast<double>(height) * platform.twipsPerPixel();
    LargeurZoneTravail = static_cast<double>(width) * platform.twipsPerPixel();

    step_ = 16;
    SetFreeMode(true);
    g.ExoNombreOscillogrammes = 0;
    g.ExoNumeroOscillogramme = 0;
    g.ExoPoints = 0;
    g.ExoPointsMax = 0;
    app().frmOndivel().Show();
    app().frmToolBox().Show();
    app().frmToolBox().optConnexion[0].setValue(1);  // "Aucune alimentation" on CH1
    app().frmToolBox().optConnexion[11].setValue(1); // and on CH2

    step_ = 17;
    const std::string tips = app().ReadIni("Options", "Show Tips at Startup", "");
    if (!tips.empty() && tips != "1") {
        app().WriteIni("Options", "Show Tips at Startup", "0");
    } else {
        app().WriteIni("Options", "Show Tips at Startup", "1");
        ShowTipOfTheDay(app());
    }

    step_ = 18;
    app().activate(app().frmOndivel());
}

void MDIOndivel::checkScreenResolution() {
    int width = 0, height = 0;
    app().platform().workArea(width, height);
    if (width >= kMinimumScreenWidth) return;
    const std::string text =
        "Votre résolution d'écran est de " + std::to_string(width) + " par " + std::to_string(height) +
        "pixels." + kLineBreak +
        "Le logiciel ONDIVEL est adapté pour une résolution d'écran de 1024 par 768 pixels." + kLineBreak +
        "Il est conseillé de modifiez ces paramètres." + kLineBreak +
        " Aller pour cela dans Affichage du Panneau de Configuration de Windows.";
    app().platform().messageBox(text, vbInformation, "Ondivel - résolution d'écran");
}

void MDIOndivel::locateSharedFolder() {
    commonDocuments_ = app().platform().specialFolder(SpecialFolder::CommonDocuments);
    step_ = 22;
    app().g.DossierPartage = SharedFolderPath(commonDocuments_);
    step_ = 24;
    // A folder that cannot be made now is reported by whatever later needs it.
    std::error_code ec;
    const std::filesystem::path shared = PathFromUtf8(app().g.DossierPartage);
    if (!commonDocuments_.empty() && !std::filesystem::exists(shared, ec))
        std::filesystem::create_directories(shared, ec);
    InstallExampleExercises(app().programFolder(), app().g.DossierPartage);
}

void MDIOndivel::noticeNewVersion() {
    Platform& platform = app().platform();
    const std::string copy = app().g.DossierPartage + kVersionFileName;
    if (!platform.download(VersionFileAddress(app().programFolder()), copy)) return;
    const std::optional<std::string> content = ReadTextFile(copy);
    if (!content) return;
    const std::string local =
        std::to_string(Ondivel::versionMajor()) + "." + std::to_string(Ondivel::versionMinor());
    if (const auto notice =
            NewVersionNotice(RemoteVersionFromFile(*content), local, WebSiteAddress(app().programFolder())))
        platform.messageBox(*notice, vbInformation, "Ondivel - Nouvelle version");
}

void MDIOndivel::locateSettingsFile() {
    Platform& platform = app().platform();
    std::string folder = platform.specialFolder(SpecialFolder::CommonAppData);
    step_ = 10;
    const std::string expected = "\\Documents and Settings\\All Users\\Application Data\\Marvane\\Ondivel\\";
    while (folder.find_first_not_of(" \t") == std::string::npos) {
        platform.messageBox(std::string("Le fichier suivant est introuvable :") + kLineBreak + expected +
                                "Conf_OND.ini" + kLineBreak + "Veuillez le localiser.",
                            vbCritical, "Ondivel - Gestion erreurs");
        FileDialogRequest request;
        request.initialFolder = expected;
        request.filter = "Fichier configuration (*.ini)|*.ini";
        request.fileName = "Conf_OND.ini";
        request.mustExist = true;
        const std::optional<std::string> chosen = platform.openFileDialog(request);
        if (!chosen) {
            // Asking again after a cancel would hold the user for ever: the program folder serves.
            folder = app().programFolder();
            break;
        }
        folder = FolderBeforeSettingsFile(*chosen);
    }
    step_ = 11;
    app().g.DossierDonneesCommunes = WithTrailingSeparator(folder);
    app().g.FichierConfig = SettingsFilePath(app().g.DossierDonneesCommunes, app().g.NomUtilisateur);
}

void MDIOndivel::reportStartUpError(int number, const std::string& description) {
    const std::string text = "Erreur dans le module MDIOndivel à la ligne " + std::to_string(step_) + "." +
                             kLineBreak + "Erreur n°" + std::to_string(number) + " : " + kLineBreak +
                             "Description : " + description + kLineBreak +
                             "Directory_Common_Document = " + commonDocuments_ + kLineBreak + kLineBreak +
                             "L'application va se fermer.";
    app().platform().messageBox(text, vbCritical, "Ondivel - Erreur");
    try {
        Unload();
    } catch (const PlatformInterrupt&) {
        throw;
    } catch (const std::exception&) {
    }
    ended_ = true;
}

} // namespace ondivel
