// The program's own files going missing while it runs: the tips file, the shared folder the
// teacher's tips go to (a missing click sound is the Qt resource faults test's). Nothing stops;
// only the teacher, who can act, is told.
#include <gtest/gtest.h>

#include <filesystem>

#include "bench/main/frm_tip.h"
#include "bench/main/tips.h"
#include "core/user_input.h"
#include "support/app_fixture.h"

namespace ondivel {
namespace {

namespace fs = std::filesystem;

class ResourceFaults : public testing::AppFixture {
  protected:
    void SetUp() override {
        testing::writeBytes((fs::path(platform.programDir) / kTipsFileName).string(), "Un.\r\nDeux.\r\n");
        preset("Options", "Show Tips at Startup", "0");
        start();
        platform.messages.clear();
    }
    // DossierPartage without its trailing separator.
    fs::path shared() const { return fs::path(app.g.DossierPartage).parent_path(); }
};

TEST_F(ResourceFaults, ATipsFileDeletedWhileRunningLeavesAnEmptyTipWindow) {
    fs::remove(fs::path(platform.programDir) / kTipsFileName);
    user::click(app.mdi().Mnu_Tip);
    FrmTip& tip = app.frmTip();
    ASSERT_TRUE(tip.Visible);
    EXPECT_EQ(tip.lblTipText.Caption, "Aucune astuce n'est disponible.");
    EXPECT_FALSE(tip.cmdNextTip.Enabled);
    user::click(tip.cmdOK);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ResourceFaults, ASharedFolderRemovedSinceStartUpIsMadeAgainForTheTeachersTips) {
    fs::remove_all(shared());
    app.g.MotDePasseValide = true;
    user::click(app.mdi().Mnu_NewTip);
    EXPECT_TRUE(platform.messages.empty());
    ASSERT_EQ(platform.launched.size(), 1u);
    EXPECT_EQ(testing::readBytes(platform.launched.back()), "Un.\r\nDeux.\r\n");
}

TEST_F(ResourceFaults, ASharedFolderThatCannotBeMadeIsNamedToTheTeacher) {
    fs::remove_all(shared());
    testing::writeBytes(shared().string(), "a file in the way of the folder");
    app.g.MotDePasseValide = true;
    user::click(app.mdi().Mnu_NewTip);
    EXPECT_TRUE(platform.launched.empty());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Le fichier suivant ne peut pas être créé :\r\n" +
                                             app.g.DossierPartage + kTipsFileName +
                                             "\r\nVérifiez que le dossier partagé est accessible.");
    EXPECT_EQ(platform.messages[0].title, "Erreur sur le chemin d'accés");
}

} // namespace
} // namespace ondivel
