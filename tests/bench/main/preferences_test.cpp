#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <string>

#include "bench/main/frm_option.h"
#include "bench/main/preferences.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/recording_surface.h"
#include "core/user_input.h"
#include "support/app_fixture.h"

namespace ondivel {
namespace {

using testing::AppFixture;
using testing::readBytes;
using testing::writeBytes;

class Preferences : public AppFixture {
  protected:
    FrmOption& options() { return app.frmOption(); }
    void load() {
        app.g.FichierConfig = iniPath();
        LoadPreferences(app);
    }
};

TEST_F(Preferences, SavingWritesEveryOptionAndPrintKeyInOrder) {
    load();
    SavePreferences(app);
    EXPECT_EQ(readBytes(iniPath()), "[Options]\r\n"
                                    "Couleur fond=16777215\r\n"
                                    "Show Tips at Startup=1\r\n"
                                    "ShowToolTip=1\r\n"
                                    "Copy Sensibility=1\r\n"
                                    "Reglage auto=0\r\n"
                                    "ColorYa=65535\r\n"
                                    "ColorYb=4227072\r\n"
                                    "ColorGrille=0\r\n"
                                    "ColorScreen=10135975\r\n"
                                    "ColorCadre=0\r\n"
                                    "Multimetre college=0\r\n"
                                    "Disposer fenetres=0\r\n"
                                    "[Impression]\r\n"
                                    "Style Ligne Voie A=0\r\n"
                                    "Marque Voie A=1\r\n"
                                    "Motif Marque Voie A=0\r\n"
                                    "Taille Marque Voie A=0\r\n"
                                    "Style Ligne Voie B=0\r\n"
                                    "Marque Voie B=1\r\n"
                                    "Motif Marque Voie B=0\r\n"
                                    "Taille Marque Voie B=0\r\n");
}

TEST_F(Preferences, TheSchoolMeterChoiceShowsOnTheToolboxButton) {
    writeBytes(iniPath(), "[Options]\r\nMultimetre college=1\r\n");
    load();
    EXPECT_EQ(app.frmToolBox().chkMulti.Picture, 5);
    options().chkMultimetre.Value = kUnchecked;
    SavePreferences(app);
    EXPECT_EQ(app.frmToolBox().chkMulti.Picture, 4);
}

// Every default of a first start is the settings_defaults scenario's; a file deleted after a save
// must bring back the same.
TEST_F(Preferences, ADeletedFileRestoresEveryDefault) {
    load();
    for (int i = 0; i < 5; ++i)
        options().shpColor[i].FillColor = 123;
    options().chkToolTip.Value = kUnchecked;
    options().chkReglage.Value = kChecked;
    options().cbxWidth[0].ListIndex = 4;
    options().optMarqueB[0].setValue(1);
    SavePreferences(app);
    std::filesystem::remove(iniPath());
    LoadPreferences(app);
    FrmOption& f = options();
    EXPECT_EQ(f.chkToolTip.Value, kChecked);
    EXPECT_EQ(f.chkReglage.Value, kUnchecked);
    EXPECT_EQ(f.cbxWidth[0].ListIndex, 0);
    EXPECT_TRUE(f.markerOptions(1)[1].isOn());
    EXPECT_TRUE(f.cbxMarque[1].Enabled);
    EXPECT_EQ((std::array<Color, 5>{f.shpColor[0].FillColor, f.shpColor[1].FillColor, app.g.CouleurGrille,
                                    app.g.CouleurEcran, app.g.CouleurCadre}),
              (std::array<Color, 5>{65535, 4227072, 0, 10135975, 0}));
    EXPECT_EQ((std::array<int, 3>{app.g.RougeB, app.g.VertB, app.g.BleuB}), (std::array<int, 3>{0, 128, 64}));
}

TEST_F(Preferences, OddValuesFallBackSafely) {
    writeBytes(iniPath(),
               "[Options]\r\nReglage auto=\r\nColorYa=-5\r\nColorYb=99999999\r\nColorScreen=abc\r\n"
               "Show Tips at Startup=2\r\nCopy Sensibility=0\r\n"
               "[Impression]\r\nStyle Ligne Voie A=9\r\nTaille Marque Voie B=-1\r\nMarque Voie B=0\r\n");
    load();
    EXPECT_EQ(options().chkReglage.Value, kUnchecked); // empty reads "0"
    EXPECT_EQ(options().shpColor[0].FillColor, 0u);
    EXPECT_EQ(options().shpColor[1].FillColor, 16777215u);
    EXPECT_EQ(app.g.CouleurEcran, 0u);
    EXPECT_EQ(options().chkLoadTipsAtStartup.Value, kUnchecked);
    EXPECT_EQ(options().chkCopySensibility.Value, kUnchecked);
    EXPECT_EQ(options().cbxStyle[0].ListIndex, 0);
    EXPECT_EQ(options().cbxWidth[1].ListIndex, 0);
    EXPECT_TRUE(options().optMarqueB[0].isOn());
}

TEST_F(Preferences, AutomaticSensitivitiesSettingIsTouchedOnlyInFreeMode) {
    writeBytes(iniPath(), "[Options]\r\nReglage auto=1\r\n");
    load();
    EXPECT_EQ(options().chkReglage.Value, kChecked);
    EXPECT_TRUE(options().chkReglage.Enabled);

    app.mdi().ModeLibre = false;
    options().chkReglage.Value = kUnchecked;
    LoadPreferences(app);
    EXPECT_FALSE(options().chkReglage.Enabled);
    EXPECT_EQ(options().chkReglage.Value, kUnchecked);
    SavePreferences(app);
    EXPECT_EQ(ini("Options", "Reglage auto"), "1");
}

// Greying for trace A is the options_markers scenario's.
TEST_F(Preferences, ChoosingAucuneGreysTheMarkerListsOfThatTraceOnly) {
    load();
    ASSERT_TRUE(user::click(options().optMarqueB[0]));
    EXPECT_FALSE(options().cbxWidth[1].Enabled);
    EXPECT_TRUE(options().cbxMarque[0].Enabled);
    EXPECT_TRUE(options().optMarqueA[1].isOn()); // the other trace's choice is its own
    user::click(options().optMarqueB[1]);
    EXPECT_TRUE(options().cbxWidth[1].Enabled);
}

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
        pickColour(2, std::nullopt);    // the grid, black; what a cancel keeps is options_colour_dialog's
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
    {"Options", "Multimetre college", "1"},      {"Options", "Disposer fenetres", "1"},
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
