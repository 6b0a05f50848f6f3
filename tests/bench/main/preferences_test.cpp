#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "bench/main/frm_option.h"
#include "bench/main/preferences.h"
#include "bench/toolbox/frm_toolbox.h"
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

} // namespace
} // namespace ondivel
