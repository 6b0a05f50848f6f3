#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "bench/evaluation/frm_exo.h"
#include "bench/main/window_layout.h"
#include "bench/meters/frm_chrono.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/sources/frm_gbf.h"
#include "bench/sources/frm_harmonique.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/user_input.h"
#include "support/app_fixture.h"

namespace ondivel {
namespace {

using testing::AppFixture;

// The oscilloscope panel is 10500 × 7800 twips: at left 720 its right edge is at 11220.
constexpr double kRightEdge = 11220;

struct Placement {
    std::string window;
    double left, top;
};

// One arrangement of the bench: the toolbox choice of each channel, the meter ("" none,
// "0" the TRMS multimeter, "1" the school voltmeter), the chronometer, and where each open
// window must end up.
struct Bench {
    const char* name;
    int ch1, ch2;
    const char* meter;
    bool chrono;
    std::vector<Placement> expected;
};

// Generator, battery, multimeter and chronometer together are the poswin_full_bench scenario's.
// The chronometer (3600 twips square) is centred in the 4125-twip column, (4125 - 3600) / 2 =
// 262.5 to the right of the edge, its bottom level with the oscilloscope's (7800 - 3600 = 4200).
// clang-format off
const Bench kBenches[] = {
    {"GeneratorsOnBothSides",   1, 10, "",  false, {{"frmOndivel", 720, 0}, {"frmGBFA", kRightEdge, 0},
                                                    {"frmGBFB", kRightEdge, 4935}}},
    {"SupplyAndBattery",        2, 8,  "",  false, {{"frmAlimA", kRightEdge, 0}, {"frmPileB", kRightEdge, 4935}}},
    {"MainsAndAlternator",      12, 15, "", false, {{"frmEDFA", kRightEdge, 0}, {"frmDynB", kRightEdge, 4935}}},
    {"HarmonicsOnBSideOnly",    0, 17, "",  false, {{"frmHarmoniqueB", kRightEdge, 4935}}},
    {"SchoolVoltmeterAndClock", 16, 6, "1", true,  {{"frmHarmoniqueA", kRightEdge, 0},
                                                    {"frmPileB", kRightEdge, 4935},
                                                    {"frmVolt", 720, 7800},
                                                    {"frmChrono", kRightEdge + 262.5, 4200}}},
};
// clang-format on

class DefaultLayout : public AppFixture, public ::testing::WithParamInterface<Bench> {};

TEST_P(DefaultLayout, EveryOpenWindowGoesToItsPlace) {
    const Bench& bench = GetParam();
    if (*bench.meter) preset("Options", "Multimetre college", bench.meter);
    start();
    FrmToolBox& toolbox = app.frmToolBox();
    user::click(toolbox.optConnexion[bench.ch1]);
    user::click(toolbox.optConnexion[bench.ch2]);
    if (*bench.meter) user::click(toolbox.chkMulti);
    if (bench.chrono) user::click(toolbox.chkClock);
    // The user dragged every window somewhere else.
    for (Form* form : app.forms())
        if (form->loaded() && form != &app.mdi()) form->Left = form->Top = 123;

    user::click(app.mdi().Mnu_PosWin);

    for (const Placement& p : bench.expected) {
        const Form* form = app.form(p.window);
        ASSERT_TRUE(form && form->loaded()) << p.window;
        EXPECT_EQ(form->Left, p.left) << p.window;
        EXPECT_EQ(form->Top, p.top) << p.window;
    }
    // The toolbox keeps its place: it is not part of the arrangement.
    EXPECT_EQ(toolbox.Left, 123);
}

INSTANTIATE_TEST_SUITE_P(Benches, DefaultLayout, ::testing::ValuesIn(kBenches),
                         [](const auto& p) { return std::string(p.param.name); });

using DefaultLayoutWindows = AppFixture;

TEST_F(DefaultLayoutWindows, ClosedPanelsAreLeftAlone) {
    start();
    app.frmGBFA().Left = 50; // not open: its next opening reads its saved place
    app.frmChrono().Left = 70;
    DefaultWindowLayout(app);
    EXPECT_EQ(app.frmGBFA().Left, 50);
    EXPECT_EQ(app.frmChrono().Left, 70);
}

TEST_F(DefaultLayoutWindows, AHarmonicGeneratorOpenedFromTheMenuJoinsItsSide) {
    start();
    user::click(app.frmToolBox().optConnexion[1]); // GBF A selected …
    user::click(app.mdi().Mnu_Harmo);              // … and the harmonic generator A beside it
    app.frmHarmoniqueA().Left = app.frmGBFA().Left = 999;
    DefaultWindowLayout(app);
    EXPECT_EQ(app.frmGBFA().Left, kRightEdge);
    EXPECT_EQ(app.frmHarmoniqueA().Left, kRightEdge);
    EXPECT_EQ(app.frmHarmoniqueA().Top, 0);
}

// Its place during an evaluation is the poswin_evaluation scenario's.
TEST_F(DefaultLayoutWindows, AnAnswerWindowStillOpenInFreeModeStaysPut) {
    start();
    FrmExo& exo = app.frmExo();
    exo.Show();
    exo.Left = 500;
    DefaultWindowLayout(app);
    EXPECT_EQ(exo.Left, 500);
}

TEST_F(DefaultLayoutWindows, TheEdgeFollowsTheOscilloscopeWidth) {
    start();
    user::click(app.frmToolBox().optConnexion[1]);
    app.frmOndivel().Width = 9000; // a narrower panel
    DefaultWindowLayout(app);
    EXPECT_EQ(app.frmGBFA().Left, 720 + 9000);
}

} // namespace
} // namespace ondivel
