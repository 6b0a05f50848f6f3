#include <gtest/gtest.h>

#include "core/user_input.h"
#include "sources/bench_setup.h"
#include "sources/frm_harmonique.h"

namespace ondivel {
namespace {

class ToolBox : public testing::BenchTest {};

TEST_F(ToolBox, TheGeneratorForCh1OpensItsPanelAndNoSupplyForCh2ClosesSideB) {
    FrmGBF& b = openGbf(SideB, 0.9, 0.9);
    // Loading a harmonic panel takes its side's source away: open it before wiring the GBF.
    app.frmHarmoniqueB().Show();
    switchOnAndPlug(b);
    FrmGBF& a = openGbf(SideA);
    EXPECT_TRUE(a.Visible);
    EXPECT_EQ(app.activeForm(), &a);
    EXPECT_EQ(g.SignalA, "Sinus");
    EXPECT_TRUE(b.loaded() && g.SourceBrancheeB) << "CH2 untouched by a CH1 choice";

    switchOnAndPlug(a);
    user::click(toolbox.optConnexion[FrmToolBox::kNoneB]);
    EXPECT_FALSE(b.loaded() || app.frmHarmoniqueB().loaded());
    EXPECT_EQ(g.SignalB, "Cc");
    EXPECT_FALSE(g.AmplitudeB || g.FrequenceB || g.SourceBrancheeB);
    EXPECT_TRUE(a.loaded() && g.SourceBrancheeA && toolbox.optConnexion[FrmToolBox::kGbfA].isOn());
    EXPECT_DOUBLE_EQ(g.FrequenceA, 650);
}

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

TEST_F(ToolBox, AnotherSourceForCh1ClosesTheSideAPanelsAndKeepsItsChoice) {
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
    EXPECT_TRUE(a.loaded());
}

TEST_F(ToolBox, LoadsAtTheTopLeftWithTheTraceColours) {
    toolbox.Left = 3000;
    user::close(toolbox);
    g.CouleurA = 255;
    toolbox.Show();
    EXPECT_DOUBLE_EQ(toolbox.Left, 0);
    EXPECT_EQ(toolbox.fraAlim[0].BackColor, 255u);
}

TEST_F(ToolBox, TheCalculatorBoxStartsAndClosesTheCalculator) {
    toolbox.chkCalc.setValue(kChecked);
    EXPECT_TRUE(app.mdi().Mnu_Calc.Checked);
    EXPECT_EQ(platform.launched, std::vector<std::string>{"Calc.exe"});
    platform.openWindows.push_back("Calculatrice");
    toolbox.chkCalc.setValue(kUnchecked);
    EXPECT_FALSE(app.mdi().Mnu_Calc.Checked || platform.windowExists("Calculatrice"));
}

} // namespace
} // namespace ondivel
