#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "bench/main/frm_option.h"
#include "bench/scope/frm_ondivel.h"
#include "core/recording_surface.h"
#include "core/user_input.h"
#include "support/app_fixture.h"

namespace ondivel {
namespace {

using testing::AppFixture;

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
};

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

TEST_F(OptionsDialog, TurningOffTheSensitivitiesCopyRedrawsTheScreenWithoutThem) {
    user::click(app.frmOndivel().chkOn);
    EXPECT_NE(screenTexts().find("CH1"), std::string::npos);
    open(0, [&] {
        user::click(f.chkCopySensibility);
        user::click(f.cmdOK);
    });
    EXPECT_EQ(ini("Options", "Copy Sensibility"), "0");
    EXPECT_EQ(screenTexts().find("CH1"), std::string::npos);
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
