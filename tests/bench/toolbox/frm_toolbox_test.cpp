#include <gtest/gtest.h>

#include "bench/scope/bench_fixture.h"
#include "bench/sources/frm_harmonique.h"
#include "core/user_input.h"

namespace ondivel {
namespace {

// Wiring one channel without touching the other and the toolbox's look are the toolbox_*
// scenarios'.
class ToolBox : public testing::BenchTest {};

TEST_F(ToolBox, EveryChoiceSetsTheKeywordOfItsOwnChannelOnly) {
    struct Case {
        int index, side;
        const char* keyword;
    };
    // clang-format off
    const Case cases[] = {
        {2, SideA, "Cc"}, {3, SideA, "Cc"}, {4, SideA, "Cc"}, {5, SideA, "Cc"},
        {12, SideA, "Sinus"}, {14, SideA, "Dyn"}, {16, SideA, "harmo"},
        {9, SideB, "Cc"}, {8, SideB, "Cc"}, {7, SideB, "Cc"}, {6, SideB, "Cc"},
        {13, SideB, "Sinus"}, {15, SideB, "Dyn"}, {17, SideB, "harmo"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        g.SignalA = g.SignalB = "before";
        toolbox.optConnexion[c.index].setValue(1); // the program's choice: these are disabled for users
        EXPECT_EQ(c.side == SideA ? g.SignalA : g.SignalB, c.keyword);
        EXPECT_EQ(c.side == SideA ? g.SignalB : g.SignalA, "before");
        EXPECT_TRUE(toolbox.optConnexion[c.side == SideA ? FrmToolBox::kNoneB : 16].isOn());
    }
}

TEST_F(ToolBox, AnotherSourceClosesTheSidesPanelsHarmonicOnesIncludedAndKeepsItsChoice) {
    FrmGBF& a = openGbf(SideA);
    switchOnAndPlug(a);
    toolbox.optConnexion[4].setValue(1); // "Pile 4,5 V"
    EXPECT_FALSE(a.loaded());
    EXPECT_TRUE(g.SourceBrancheeA && g.AmplitudeA == 4.5) << "the battery delivers at once, without cables";
    EXPECT_TRUE(toolbox.optConnexion[4].isOn()) << "the closing generator took CH1 back";

    toolbox.optConnexion[FrmToolBox::kHarmonicA].setValue(1);
    EXPECT_TRUE(app.frmHarmoniqueA().Visible);
    user::click(toolbox.optConnexion[FrmToolBox::kGbfA]);
    EXPECT_FALSE(app.frmHarmoniqueA().loaded());
    EXPECT_EQ(app.activeForm(), &a);

    // Loading a harmonic panel takes its side's source away: open it before wiring the GBF.
    app.frmHarmoniqueB().Show();
    switchOnAndPlug(openGbf(SideB));
    user::click(toolbox.optConnexion[FrmToolBox::kNoneB]);
    EXPECT_FALSE(app.frmGBFB().loaded() || app.frmHarmoniqueB().loaded());
}

// The main window's menu item is set up with the program: each case needs a program of its own.
TEST_F(ToolBox, TheCalculatorBoxAndMenuStartAndCloseTheCalculator) {
    platform.calculator = true;
    Ondivel other(platform);
    FrmToolBox& box = other.frmToolBox();
    box.Show();
    box.chkCalc.setValue(kChecked);
    EXPECT_TRUE(other.mdi().Mnu_Calc.Checked);
    EXPECT_EQ(platform.launched, std::vector<std::string>{"Calc.exe"});
    platform.openWindows.push_back("Calculatrice");
    box.chkCalc.setValue(kUnchecked);
    EXPECT_FALSE(other.mdi().Mnu_Calc.Checked || platform.windowExists("Calculatrice"));

    ASSERT_TRUE(user::click(other.mdi().Mnu_Calc));
    EXPECT_EQ(box.chkCalc.Value, kChecked);
    EXPECT_EQ(platform.launched.size(), 2u);
}

TEST_F(ToolBox, TheCalculatorIsOfferedExactlyWhereTheDesktopHasOne) {
    for (const bool available : {false, true}) {
        platform.calculator = available;
        platform.launched.clear();
        Ondivel other(platform);
        FrmToolBox& box = other.frmToolBox();
        box.Show();
        EXPECT_EQ(box.chkCalc.Enabled, available);
        EXPECT_EQ(other.mdi().Mnu_Calc.Enabled, available);
        user::click(box.chkCalc);
        EXPECT_EQ(platform.launched.size(), available ? 1u : 0u);
        // The desktop may gain or lose its calculator between two sessions of the toolbox.
        user::close(box);
        platform.calculator = !available;
        box.Show();
        EXPECT_EQ(box.chkCalc.Enabled, !available);
    }
}

} // namespace
} // namespace ondivel
