// Set-ups on the bench: the ranges the file brings values into are the controls' own, each shipped
// example comes onto the bench whole (what the bench shows afterwards is the example again), and a
// file named on the command line opens only when it is a set-up.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "bench/main/mdi_ondivel.h"
#include "bench/main/montage.h"
#include "bench/scope/frm_curseurs.h"
#include "bench/sources/frm_harmonique.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/control.h"
#include "core/form.h"
#include "core/user_input.h"
#include "files/montage_file.h"
#include "support/app_fixture.h"

namespace ondivel {
namespace {

namespace fs = std::filesystem;

class MontageTest : public testing::AppFixture {
  protected:
    void SetUp() override {
        preset("Options", "Show Tips at Startup", "0");
        start();
    }

    static fs::path examples() {
        const char* source = std::getenv("ONDIVEL_SOURCE_DIR");
        return fs::path(source ? source : ".") / "resources" / "montages";
    }
};

// "Potentio(3)" names control Potentio, element 3; "sldX0" a single control.
Control* controlOf(Form& form, const std::string& key) {
    const std::size_t open = key.find('(');
    if (open == std::string::npos) return form.findControl(key);
    return form.findControl(key.substr(0, open), std::stoi(key.substr(open + 1)));
}

TEST_F(MontageTest, KnobsAndSlidersAreKeptWithinTheirControlsRanges) {
    // Every source panel of both sides, loaded as the toolbox loads them, one after the other.
    FrmToolBox& toolbox = app.frmToolBox();
    user::click(toolbox.chkClock);
    int checked = 0;
    for (int option : {1, 10, 16, 17, 2, 9, 14, 15}) {
        user::click(toolbox.optConnexion[option]);
        for (const MontageKey& k : MontageKeys()) {
            const bool ranged = k.key.starts_with("Potentio") || k.key.starts_with("sld");
            if (!k.number || !ranged) continue;
            Form* form = app.form(k.section);
            ASSERT_NE(form, nullptr) << k.section;
            if (!form->loaded()) continue;
            const Control* c = controlOf(*form, k.key);
            ASSERT_NE(c, nullptr) << k.section << " " << k.key;
            EXPECT_EQ(k.min, c->Min) << k.section << " " << k.key;
            EXPECT_EQ(k.max, c->Max) << k.section << " " << k.key;
            ++checked;
        }
    }
    EXPECT_GT(checked, 100);
}

// The places a file leaves out are wherever the panels open, and the sliders of a ready-made
// spectrum are the preset's: not compared.
void keepPlacesOf(const Montage& file, Montage& shown) {
    for (int side = 0; side < 2; ++side) {
        if (file.side[side].harmo.slidersGiven) continue;
        MontageHarmo& h = shown.side[side].harmo;
        std::copy(std::begin(file.side[side].harmo.ampli), std::end(file.side[side].harmo.ampli), h.ampli);
        std::copy(std::begin(file.side[side].harmo.phase), std::end(file.side[side].harmo.phase), h.phase);
        h.mean = file.side[side].harmo.mean;
    }
    const auto keep = [](const MontagePlace& from, MontagePlace& to) {
        if (from.left < 0) to.left = -1;
        if (from.top < 0) to.top = -1;
    };
    keep(file.scope.place, shown.scope.place);
    keep(file.toolbox, shown.toolbox);
    for (int side = 0; side < 2; ++side) {
        keep(file.side[side].gbf.place, shown.side[side].gbf.place);
        keep(file.side[side].harmo.place, shown.side[side].harmo.place);
        keep(file.side[side].alim.place, shown.side[side].alim.place);
        keep(file.side[side].dyn.place, shown.side[side].dyn.place);
        keep(file.side[side].edf.place, shown.side[side].edf.place);
        keep(file.side[side].pile.place, shown.side[side].pile.place);
    }
    keep(file.meter.place, shown.meter.place);
    keep(file.chrono.place, shown.chrono.place);
    keep(file.mesures.place, shown.mesures.place);
    keep(file.curseurs.place, shown.curseurs.place);
}

TEST_F(MontageTest, EachExampleComesOntoTheBenchWhole) {
    int opened = 0;
    for (const ExampleMontage& example : kExampleMontageList) {
        const fs::path path = examples() / example.file;
        std::ifstream in(path, std::ios::binary);
        ASSERT_TRUE(in) << path;
        std::stringstream bytes;
        bytes << in.rdbuf();
        const MontageReading file = ReadMontage(bytes.str(), example.file);
        ASSERT_TRUE(file.ok) << example.file;
        EXPECT_TRUE(file.ignored.empty() && file.corrected.empty()) << example.file;
        EXPECT_EQ(file.montage.title, example.title) << "the menu names each example by its title";

        platform.messages.clear();
        ASSERT_TRUE(OpenMontageFile(app, path.string())) << example.file;
        EXPECT_TRUE(platform.messages.empty()) << example.file;
        Montage shown = CaptureMontage(app);
        keepPlacesOf(file.montage, shown);
        EXPECT_EQ(MontageBytes(shown), MontageBytes(file.montage)) << example.file;
        ++opened;
    }
    EXPECT_EQ(opened, kExampleMontages);
}

// The harmonic generator the menu opens beside another source is on the bench like any panel:
// saved with its sliders, opened again unwired, gone when a set-up does not have it.
TEST_F(MontageTest, AHarmonicGeneratorOpenFromTheMenuIsKeptUnwired) {
    FrmToolBox& toolbox = app.frmToolBox();
    user::click(toolbox.optConnexion[1]); // CH1 on the function generator
    user::click(app.mdi().Mnu_Harmo);
    FrmHarmonique& harmo = app.frmHarmoniqueA();
    ASSERT_TRUE(harmo.loaded());
    user::slide(harmo.sldAmpli[2], -400);
    const std::string saved = MontageBytes(CaptureMontage(app));
    EXPECT_NE(saved.find("[frmHarmoniqueA]"), std::string::npos);

    user::close(harmo);
    const MontageReading file = ReadMontage(saved, "banc.ondm");
    ASSERT_TRUE(file.ok);
    EXPECT_TRUE(file.ignored.empty()) << file.ignored.front();
    ApplyMontage(app, file.montage);
    EXPECT_TRUE(toolbox.optConnexion[1].isOn());
    ASSERT_TRUE(harmo.loaded());
    EXPECT_EQ(harmo.sldAmpli[2].Value, -400);
    EXPECT_EQ(MontageBytes(CaptureMontage(app)), saved);

    // A set-up without it closes it; CH2's own section means nothing while CH2 is not wired to it.
    const MontageReading other = ReadMontage("[Montage]\r\nVersion=1\r\n[frmToolBox]\r\nSource CH1=GBF\r\n"
                                             "[frmHarmoniqueB]\r\nchkOn=1\r\n",
                                             "autre.ondm");
    ASSERT_TRUE(other.ok);
    EXPECT_EQ(other.ignored.size(), 1U);
    ApplyMontage(app, other.montage);
    EXPECT_FALSE(harmo.loaded());
    EXPECT_FALSE(app.frmHarmoniqueB().loaded());
}

TEST_F(MontageTest, TheMeasurementCursorsComeBackWhereTheyWere) {
    user::click(app.mdi().Mnu_Curseurs);
    FrmCurseurs& cursors = app.frmCurseurs();
    cursors.DragCursor(FrmCurseurs::T2, 345);
    cursors.DragCursor(FrmCurseurs::V1, -123.5);
    const std::string saved = MontageBytes(CaptureMontage(app));
    user::click(app.mdi().Mnu_Curseurs);
    ASSERT_FALSE(cursors.loaded());

    const MontageReading file = ReadMontage(saved, "curseurs.ondm");
    ASSERT_TRUE(file.ok);
    ApplyMontage(app, file.montage);
    ASSERT_TRUE(cursors.loaded());
    EXPECT_EQ(cursors.position(FrmCurseurs::T1), -200);
    EXPECT_EQ(cursors.position(FrmCurseurs::T2), 345);
    EXPECT_EQ(cursors.position(FrmCurseurs::V1), -123.5);
    EXPECT_EQ(cursors.selected(), FrmCurseurs::T1) << "the arrows move t1, as when the panel opens";
    EXPECT_EQ(MontageBytes(CaptureMontage(app)), saved);

    // Beyond the screen: brought to its edge and said so.
    const MontageReading far =
        ReadMontage("[Montage]\r\nVersion=1\r\n[frmCurseurs]\r\nt1=900\r\nV2=-450\r\n", "loin.ondm");
    ASSERT_TRUE(far.ok);
    EXPECT_EQ(far.corrected.size(), 2U);
    EXPECT_EQ(far.montage.cursor[FrmCurseurs::T1], 500);
    EXPECT_EQ(far.montage.cursor[FrmCurseurs::V2], -400);
}

TEST_F(MontageTest, TheCommandLineOpensASetUpAndLeavesOtherFilesAside) {
    const fs::path exercise = tmp / "lecon.ond";
    std::ofstream(exercise) << "sinus/3/100/CC/0/\r\n";
    OpenCommandLineFile(app, exercise.string());
    ASSERT_EQ(platform.messages.size(), 1U);
    EXPECT_EQ(platform.messages[0].text,
              "« lecon.ond » n'est pas un montage (fichier .ondm) : Ondivel ne l'ouvre pas "
              "au démarrage. Un exercice se fait par « Fichier > Mode évalué ».");
    EXPECT_TRUE(app.mdi().ModeLibre);
    EXPECT_TRUE(app.frmToolBox().optConnexion[0].isOn());

    const fs::path setUp = tmp / "Pile.ONDM";
    std::ofstream(setUp) << "[Montage]\r\nVersion=1\r\n[frmToolBox]\r\nSource CH1=Pile 9 V\r\n";
    OpenCommandLineFile(app, setUp.string());
    EXPECT_EQ(platform.messages.size(), 1U);
    EXPECT_TRUE(app.frmToolBox().optConnexion[5].isOn());
    EXPECT_EQ(app.g.AmplitudeA, 9);
}

} // namespace
} // namespace ondivel
