#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "bench/evaluation/frm_depot.h"
#include "bench/evaluation/results_location.h"
#include "core/user_input.h"
#include "support/app_fixture.h"

namespace ondivel {
namespace {

namespace fs = std::filesystem;
using testing::AppFixture;

TEST(ResultsLocation, NetworkFileNamesHaveNoLeadingZerosAndASafeUserName) {
    EXPECT_EQ(NetworkResultsFileName("dozavi", {2026, 12, 3, 9, 5, 59}), "OND_dozavi_3_12_2026_9_5.txt");
    EXPECT_EQ(NetworkResultsFileName("Inconnu", {2027, 1, 25, 14, 30, 0}), "OND_Inconnu_25_1_2027_14_30.txt");
    EXPECT_EQ(NetworkResultsFileName("a/../../evil", {2026, 12, 3, 9, 5, 59}),
              "OND_a_______evil_3_12_2026_9_5.txt");
    // Same user, same minute: the same file, whatever the seconds.
    EXPECT_EQ(NetworkResultsFileName("a", {2026, 5, 6, 10, 0, 1}),
              NetworkResultsFileName("a", {2026, 5, 6, 10, 0, 58}));
}

TEST(ResultsLocation, ASharedProgramFolderPutsTheResultsNextToIt) {
    const ResultsRoot mounted = NetworkResultsRoot("/mnt/ecole/Ondivel", "//serveur/ecole/Ondivel");
    EXPECT_TRUE(mounted.network);
    EXPECT_EQ(mounted.folder, "/mnt/ecole");
    const ResultsRoot unc = NetworkResultsRoot("\\\\serveur\\ecole\\Ondivel\\", "");
    EXPECT_TRUE(unc.network);
    EXPECT_EQ(unc.folder, "\\\\serveur\\ecole");
    EXPECT_TRUE(NetworkResultsRoot("//serveur/ecole/Ondivel", "").network);
    EXPECT_FALSE(NetworkResultsRoot("/usr/share/ondivel", "").network);
}

TEST(ResultsLocation, APointedResultsFileGivesTheDocumentsFolderBeforeTheAuthorFolders) {
    const fs::path docs = fs::path("/srv") / "Documents";
    EXPECT_EQ(FolderBeforeResultsFile((docs / "marvane" / "ONDIVEL" / "resultat.TXT").string()),
              docs.string());
    EXPECT_EQ(FolderBeforeResultsFile((docs / "autre" / "Resultat.txt").string()), (docs / "autre").string());
}

using ResultsAtStartUp = AppFixture;

// The local results file in the shared folder is the eval_* scenarios'; a stored deposit folder is
// network_share_results's and the DepositFaults tests'.
TEST_F(ResultsAtStartUp, OnAShareTheDepositFolderIsAskedOnceAndEachPupilGetsAFile) {
    platform.networkNames[platform.programDir] = "//serveur/ecole/program";
    int asked = 0;
    platform.modalRunner = [&](Form& f) {
        if (&f != &app.frmDepot()) return;
        ++asked;
        FrmDepot& depot = app.frmDepot();
        EXPECT_EQ(depot.txtDepot.Text, "Dépôt");
        depot.txtDepot.Text = "  ";
        user::click(depot.cmdOK);
        EXPECT_EQ(platform.messages.back().text, "Veuillez saisir un nom valide");
        EXPECT_TRUE(depot.loaded());
        depot.txtDepot.Text = "Rendus";
        user::click(depot.cmdOK);
    };
    fs::create_directories(tmp.path() / "Rendus");
    start();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(ini("Réseau", "Dossier Dépôt"), "Rendus");
    EXPECT_EQ(fs::path(app.mdi().FichierResultat), tmp.path() / "Rendus" / "OND_eleve1_3_12_2026_9_5.txt");
}

} // namespace
} // namespace ondivel
