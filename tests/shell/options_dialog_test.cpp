#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "app_fixture.h"
#include "core/recording_surface.h"
#include "core/user_input.h"
#include "scope/frm_ondivel.h"
#include "shell/frm_option.h"

namespace ondivel {
namespace {

using testing::AppFixture;

constexpr Color kGrey = 8421504;

// The options window opened from its menu by a teacher whose password was already accepted;
// `inside` is what the teacher does while it is on show.
class OptionsDialog : public AppFixture {
  protected:
    FrmOption& f = app.frmOption();
    int shown = 0;

    void SetUp() override { start(); }

    void open(int tab, const std::function<void()>& inside) {
        app.g.MotDePasseValide = true;
        platform.modalRunner = [this, inside](Form& form) {
            if (&form != &f) return;
            ++shown;
            inside();
        };
        user::click(app.mdi().Mnu_Pref[tab]);
    }
    void pickColour(int index, std::optional<Color> answer) {
        user::click(f.optColor[index]);
        platform.colorAnswers.push_back(answer);
        user::click(f.cmdChange);
    }
    std::string screenTexts() const {
        return dynamic_cast<const RecordingSurface&>(app.frmOndivel().screen()).joinedTexts();
    }
    std::array<int, 3> componentsA() const { return {app.g.RougeA, app.g.VertA, app.g.BleuA}; }
    const RecordingSurface& grid() const {
        return dynamic_cast<const RecordingSurface&>(app.frmOndivel().grid());
    }
};

TEST_F(OptionsDialog, EachMenuEntryOpensItsOwnTab) {
    for (int tab : {2, 0, 1}) {
        open(tab, [&] {
            EXPECT_EQ(f.sstOptions.ListIndex, tab);
            user::click(f.cmdCancel);
        });
    }
    EXPECT_EQ(shown, 3);
    EXPECT_FALSE(f.loaded());
}

TEST_F(OptionsDialog, TheColourDialogStartsFromTheSampleAndCancelKeepsIt) {
    open(1, [&] {
        pickColour(2, std::nullopt); // the grid, black
        EXPECT_EQ(f.shpColor[2].FillColor, 0u);
        pickColour(3, RGB(10, 20, 30)); // the screen
        user::click(f.cmdCancel);
    });
    ASSERT_EQ(platform.colorDialogStarts.size(), 2u);
    EXPECT_EQ(platform.colorDialogStarts[0], 0u);
    EXPECT_EQ(platform.colorDialogStarts[1], 10135975u);
}

TEST_F(OptionsDialog, AChosenColourReachesItsGlobalAtOnceButOnlyApplyingSavesIt) {
    open(1, [&] {
        pickColour(3, RGB(10, 20, 30));
        EXPECT_EQ(f.shpColor[3].FillColor, RGB(10, 20, 30));
        EXPECT_EQ(app.g.CouleurEcran, RGB(10, 20, 30));
        EXPECT_EQ((std::array<int, 3>{app.g.RougeEcran, app.g.VertEcran, app.g.BleuEcran}),
                  (std::array<int, 3>{10, 20, 30}));
        pickColour(0, RGB(255, 0, 0));
        EXPECT_EQ(componentsA(), (std::array<int, 3>{255, 0, 0}));
        EXPECT_EQ(ini("Options", "ColorScreen"), ""); // nothing saved yet
        user::click(f.cmdAppliq);
        EXPECT_EQ(ini("Options", "ColorScreen"), std::to_string(RGB(10, 20, 30)));
        EXPECT_EQ(ini("Options", "ColorYa"), "255");
        EXPECT_TRUE(f.Visible); // Apply leaves the window open
        EXPECT_EQ(grid().backColor(), RGB(10, 20, 30));
        user::click(f.cmdCancel);
    });
    // Cancelling after Apply keeps what was applied.
    EXPECT_EQ(app.g.CouleurEcran, RGB(10, 20, 30));
    EXPECT_EQ(componentsA(), (std::array<int, 3>{255, 0, 0}));
}

TEST_F(OptionsDialog, CancelPutsTheSavedColoursBack) {
    open(1, [&] {
        pickColour(0, RGB(255, 0, 0));
        user::click(f.cmdPrint);
        user::click(f.cmdCancel);
    });
    EXPECT_EQ(componentsA(), (std::array<int, 3>{255, 255, 0})); // yellow again
    EXPECT_EQ(app.g.CouleurEcran, 10135975u);
    EXPECT_EQ(app.g.RougeEcran, 167);
    EXPECT_EQ(ini("Options", "ColorYa"), "");
    // The window reopens on the saved colours.
    open(1, [&] {
        EXPECT_EQ(f.shpColor[0].FillColor, 65535u);
        user::click(f.cmdCancel);
    });
}

TEST_F(OptionsDialog, PrintColoursThenOkStoreBlackTracesOnWhiteAndRedrawTheGraticule) {
    open(1, [&] {
        user::click(f.cmdPrint);
        // The samples and the components change at once, the globals only when applied.
        EXPECT_EQ(f.shpColor[3].FillColor, kWhite);
        EXPECT_EQ(app.g.RougeEcran, 255);
        EXPECT_EQ(app.g.CouleurGrille, 0u);
        user::click(f.cmdOK);
    });
    EXPECT_FALSE(f.loaded());
    EXPECT_EQ(ini("Options", "ColorYa"), "0");
    EXPECT_EQ(ini("Options", "ColorYb"), "0");
    EXPECT_EQ(ini("Options", "ColorGrille"), "8421504");
    EXPECT_EQ(ini("Options", "ColorScreen"), "16777215");
    EXPECT_EQ(ini("Options", "ColorCadre"), "8421504");
    EXPECT_EQ(app.g.CouleurGrille, kGrey);
    EXPECT_EQ(app.g.CouleurEcran, kWhite);
    EXPECT_EQ(componentsA(), (std::array<int, 3>{0, 0, 0}));
    // Every graticule line is grey now, on white.
    EXPECT_EQ(grid().backColor(), kWhite);
    EXPECT_GT(grid().countLines(kGrey), 0u);
    EXPECT_EQ(grid().countLines(kGrey), grid().countLines());
}

TEST_F(OptionsDialog, DefaultColoursUndoCustomOnes) {
    preset("Options", "ColorYb", "255");
    preset("Options", "ColorCadre", "65280");
    app.mdi().Unload(); // a new start with those settings
    FakePlatform p(tmp.path().string());
    Ondivel next(p);
    next.mdi().Show();
    next.g.MotDePasseValide = true;
    FrmOption& o = next.frmOption();
    p.modalRunner = [&](Form& form) {
        if (&form != &o) return;
        EXPECT_EQ(o.shpColor[1].FillColor, 255u);
        user::click(o.cmdDefault);
        user::click(o.cmdOK);
    };
    user::click(next.mdi().Mnu_Pref[1]);
    EXPECT_EQ(ReadIniValue(next.g.FichierConfig, "Options", "ColorYb", ""), "4227072");
    EXPECT_EQ(ReadIniValue(next.g.FichierConfig, "Options", "ColorCadre", ""), "0");
    EXPECT_EQ(next.g.RougeB, 0);
    EXPECT_EQ(next.g.VertB, 128);
}

TEST_F(OptionsDialog, TheBackgroundSampleTakesAColourAndADoubleClickMakesItWhite) {
    open(0, [&] {
        platform.colorAnswers.push_back(RGB(0, 0, 128));
        user::click(f.cmdColor_Fond);
        EXPECT_EQ(f.picColor_Fond.BackColor, RGB(0, 0, 128));
        user::click(f.cmdAppliq);
        EXPECT_EQ(ini("Options", "Couleur fond"), std::to_string(RGB(0, 0, 128)));
        platform.colorAnswers.push_back(std::nullopt);
        user::click(f.cmdColor_Fond);
        EXPECT_EQ(f.picColor_Fond.BackColor, RGB(0, 0, 128));
        user::dblClick(f.picColor_Fond);
        EXPECT_EQ(f.picColor_Fond.BackColor, kWhite);
        EXPECT_EQ(f.picColor_Fond.ToolTipText, "Double-cliquer pour retrouver la couleur par défaut.");
        user::click(f.cmdOK);
    });
    EXPECT_EQ(ini("Options", "Couleur fond"), "16777215");
}

TEST_F(OptionsDialog, NoMarkerGreysTheGlyphAndSizeListsAgainAfterReopening) {
    open(2, [&] {
        user::click(f.optMarqueA[0]);
        EXPECT_FALSE(f.cbxMarque[0].Enabled);
        EXPECT_FALSE(f.lblMarque[0].Enabled);
        user::select(f.cbxStyle[1], 4);
        user::select(f.cbxWidth[1], 2);
        user::click(f.cmdOK);
    });
    EXPECT_EQ(ini("Impression", "Marque Voie A"), "0");
    EXPECT_EQ(ini("Impression", "Style Ligne Voie B"), "4");
    EXPECT_EQ(ini("Impression", "Taille Marque Voie B"), "2");
    open(2, [&] {
        EXPECT_TRUE(f.optMarqueA[0].isOn());
        EXPECT_FALSE(f.cbxMarque[0].Enabled);
        EXPECT_FALSE(f.cbxWidth[0].Enabled);
        EXPECT_FALSE(f.lblWidth[0].Enabled);
        EXPECT_TRUE(f.cbxMarque[1].Enabled);
        EXPECT_EQ(f.cbxWidth[1].ListIndex, 2);
        user::click(f.optMarqueA[1]); // "Personnalisée" gives them back
        EXPECT_TRUE(f.cbxMarque[0].Enabled);
        EXPECT_TRUE(f.lblWidth[0].Enabled);
        user::click(f.cmdCancel);
    });
    EXPECT_EQ(ini("Impression", "Marque Voie A"), "0");
}

TEST_F(OptionsDialog, InterfaceChecksReachTheirKeysAndTheMenu) {
    user::click(app.frmOndivel().chkOn);
    EXPECT_NE(screenTexts().find("CH1"), std::string::npos);
    open(0, [&] {
        user::click(f.chkLoadTipsAtStartup);
        user::click(f.chkToolTip);
        user::click(f.chkCopySensibility);
        user::click(f.chkReglage);
        user::click(f.chkMultimetre);
        user::click(f.cmdOK);
    });
    EXPECT_EQ(ini("Options", "Show Tips at Startup"), "0");
    EXPECT_EQ(ini("Options", "ShowToolTip"), "0");
    EXPECT_EQ(ini("Options", "Copy Sensibility"), "0");
    EXPECT_EQ(ini("Options", "Reglage auto"), "1");
    EXPECT_EQ(ini("Options", "Multimetre college"), "1");
    EXPECT_TRUE(app.mdi().Mnu_Reglages.Enabled);
    // The screen, redrawn at once, no longer carries the sensitivities.
    EXPECT_EQ(screenTexts().find("CH1"), std::string::npos);
}

TEST_F(OptionsDialog, DuringAnEvaluationTheSensitivitiesChoiceIsLockedAndKept) {
    preset("Options", "Reglage auto", "1");
    app.mdi().SetFreeMode(false);
    f.Unload(); // reloaded by the menu, in evaluated mode
    open(0, [&] {
        EXPECT_FALSE(f.chkReglage.Enabled);
        f.chkReglage.setValue(kUnchecked);
        user::click(f.cmdOK);
    });
    EXPECT_EQ(ini("Options", "Reglage auto"), "1");
}

TEST_F(OptionsDialog, F1OpensItsHelpTopic) {
    open(0, [&] {
        user::key(f, kKeyF1);
        user::click(f.cmdCancel);
    });
    ASSERT_EQ(platform.helpRequests.size(), 1u);
    EXPECT_TRUE(platform.helpRequests.back().ends_with("#4200"));
}

// Every preference written with a value of its own, so that two keys read into or saved from
// each other's control would show.
struct StoredKey {
    const char* section;
    const char* key;
    const char* value;
};
// clang-format off
const StoredKey kEveryPreference[] = {
    {"Options", "Couleur fond", "255"},          {"Options", "Show Tips at Startup", "0"},
    {"Options", "ShowToolTip", "0"},             {"Options", "Copy Sensibility", "0"},
    {"Options", "Reglage auto", "1"},            {"Options", "ColorYa", "1"},
    {"Options", "ColorYb", "2"},                 {"Options", "ColorGrille", "3"},
    {"Options", "ColorScreen", "4"},             {"Options", "ColorCadre", "5"},
    {"Options", "Multimetre college", "1"},
    {"Impression", "Style Ligne Voie A", "1"},   {"Impression", "Style Ligne Voie B", "2"},
    {"Impression", "Marque Voie A", "0"},        {"Impression", "Marque Voie B", "1"},
    {"Impression", "Motif Marque Voie A", "3"},  {"Impression", "Motif Marque Voie B", "4"},
    {"Impression", "Taille Marque Voie A", "2"}, {"Impression", "Taille Marque Voie B", "1"},
};
// clang-format on

using StoredPreferences = AppFixture;

TEST_F(StoredPreferences, EveryKeyComesBackUnchangedThroughTheWindow) {
    for (const StoredKey& k : kEveryPreference)
        preset(k.section, k.key, k.value);
    start();
    app.g.MotDePasseValide = true;
    platform.modalRunner = [this](Form& form) {
        if (&form == &app.frmOption()) user::click(app.frmOption().cmdOK);
    };
    // Wiped first, so that only what the window saves is there to read.
    for (const StoredKey& k : kEveryPreference)
        WriteIniValue(app.g.FichierConfig, k.section, k.key, "");
    user::click(app.mdi().Mnu_Pref[0]);
    for (const StoredKey& k : kEveryPreference)
        EXPECT_EQ(ini(k.section, k.key), k.value) << k.section << " / " << k.key;
}

} // namespace
} // namespace ondivel
