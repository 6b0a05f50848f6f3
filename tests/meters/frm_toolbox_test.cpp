#include <gtest/gtest.h>

#include "core/user_input.h"
#include "sources/bench_setup.h"
#include "sources/frm_harmonique.h"

namespace ondivel {
namespace {

class ToolBox : public testing::BenchTest {
protected:
    void SetUp() override { startBench(); }
};

TEST_F(ToolBox, ChoosingTheGeneratorForCh1OpensItAndLeavesCh2Alone) {
    g.SignalB = "Cc";
    g.AmplitudeB = 1.5;
    user::click(toolbox.optConnexion[FrmToolBox::kGbfA]);
    EXPECT_TRUE(gbfA.loaded());
    EXPECT_TRUE(gbfA.Visible);
    EXPECT_EQ(app.activeForm(), &gbfA);
    EXPECT_EQ(g.SignalA, "Sinus");
    EXPECT_FALSE(gbfB.loaded());
    EXPECT_TRUE(toolbox.optConnexion[FrmToolBox::kNoneB].isOn());
    EXPECT_DOUBLE_EQ(g.AmplitudeB, 1.5);
}

TEST_F(ToolBox, NoSupplyOnCh2ClosesEverySideBPanelAndZeroesSideB) {
    FrmGBF& a = openGbf(SideA);
    switchOnAndPlug(a);
    FrmGBF& b = openGbf(SideB, 0.9, 0.9);
    switchOnAndPlug(b);
    app.frmHarmoniqueB().Show();
    ASSERT_TRUE(g.SourceBrancheeB);

    user::click(toolbox.optConnexion[FrmToolBox::kNoneB]);
    EXPECT_FALSE(b.loaded());
    EXPECT_FALSE(app.frmHarmoniqueB().loaded());
    EXPECT_EQ(g.SignalB, "Cc");
    EXPECT_DOUBLE_EQ(g.AmplitudeB, 0);
    EXPECT_DOUBLE_EQ(g.FrequenceB, 0);
    EXPECT_FALSE(g.SourceBrancheeB);

    EXPECT_TRUE(a.loaded());
    EXPECT_TRUE(g.SourceBrancheeA);
    EXPECT_DOUBLE_EQ(g.FrequenceA, 650);
    EXPECT_TRUE(toolbox.optConnexion[FrmToolBox::kGbfA].isOn());
}

TEST_F(ToolBox, EveryChoiceSetsTheKeywordOfItsOwnChannelOnly) {
    struct Case {
        int index;
        int side;
        const char* keyword;
    };
    // clang-format off
    const Case cases[] = {
        {2, SideA, "Cc"},  {3, SideA, "Cc"},  {4, SideA, "Cc"},  {5, SideA, "Cc"},
        {12, SideA, "Sinus"}, {14, SideA, "Dyn"}, {16, SideA, "harmo"},
        {9, SideB, "Cc"},  {8, SideB, "Cc"},  {7, SideB, "Cc"},  {6, SideB, "Cc"},
        {13, SideB, "Sinus"}, {15, SideB, "Dyn"}, {17, SideB, "harmo"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        g.SignalA = "before A";
        g.SignalB = "before B";
        // These panels come later, so the program selects them, not the user.
        toolbox.optConnexion[c.index].setValue(1);
        EXPECT_EQ(c.side == SideA ? g.SignalA : g.SignalB, c.keyword);
        EXPECT_EQ(c.side == SideA ? g.SignalB : g.SignalA, c.side == SideA ? "before B" : "before A");
        // The other channel keeps its selection.
        EXPECT_TRUE(toolbox.optConnexion[c.side == SideA ? FrmToolBox::kNoneB : 16].isOn());
    }
}

TEST_F(ToolBox, AnotherSourceForCh1ClosesTheSideAPanels) {
    FrmGBF& a = openGbf(SideA);
    switchOnAndPlug(a);
    FrmGBF& b = openGbf(SideB);
    toolbox.optConnexion[4].setValue(1); // "Pile 4,5 V"
    EXPECT_FALSE(a.loaded());
    EXPECT_FALSE(g.SourceBrancheeA);
    EXPECT_EQ(g.SignalA, "Cc");
    EXPECT_TRUE(toolbox.optConnexion[4].isOn()) << "the closing generator must not take CH1 back";
    EXPECT_TRUE(b.loaded());

    toolbox.optConnexion[FrmToolBox::kHarmonicA].setValue(1);
    EXPECT_TRUE(app.frmHarmoniqueA().Visible);
    user::click(toolbox.optConnexion[FrmToolBox::kGbfA]);
    EXPECT_FALSE(app.frmHarmoniqueA().loaded());
    EXPECT_TRUE(a.loaded());
    EXPECT_EQ(g.SignalA, "Sinus");
}

TEST_F(ToolBox, OnlyTheBuiltSourcesCanBeChosenByHand) {
    for (int i = 0; i < 18; ++i) {
        const bool built = i == 0 || i == 1 || i == 10 || i == 11;
        EXPECT_EQ(toolbox.optConnexion[i].Enabled, built) << i;
    }
    EXPECT_FALSE(user::click(toolbox.optConnexion[3]));
    EXPECT_TRUE(toolbox.optConnexion[FrmToolBox::kNoneA].isOn());
    EXPECT_EQ(toolbox.optConnexion[16].ToolTipText, "Générateur harmoniques");
    EXPECT_EQ(toolbox.optConnexion[8].ToolTipText, "Pile 1,5 V");
    EXPECT_EQ(toolbox.chkClock.Caption, "Chronomètre");
    EXPECT_EQ(toolbox.chkCalc.Caption, "Calculatrice Windows");
}

TEST_F(ToolBox, LoadsAtTheTopLeftWithTheTraceColoursAndAnswersF1) {
    toolbox.Left = 3000;
    toolbox.Top = 1200;
    user::close(toolbox);
    g.CouleurA = 255;
    toolbox.Show();
    EXPECT_DOUBLE_EQ(toolbox.Left, 0);
    EXPECT_DOUBLE_EQ(toolbox.Top, 0);
    EXPECT_EQ(toolbox.fraAlim[0].BackColor, 255u);
    EXPECT_EQ(toolbox.fraAlim[1].BackColor, 4227072u);
    EXPECT_GT(toolbox.Width, 0);

    user::key(toolbox, 112);
    ASSERT_EQ(platform.helpRequests.size(), 1u);
    EXPECT_EQ(platform.helpRequests.back(), "ondivel.chm#3400");
}

TEST_F(ToolBox, InstrumentBoxesKeepTheMenuChecksInStep) {
    MDIOndivel& mdi = app.mdi();
    toolbox.chkCalc.setValue(kChecked);
    EXPECT_TRUE(mdi.Mnu_Calc.Checked);
    ASSERT_EQ(platform.launched.size(), 1u);
    EXPECT_EQ(platform.launched.back(), "Calc.exe");

    platform.openWindows.push_back("Calculatrice");
    toolbox.chkCalc.setValue(kUnchecked);
    EXPECT_FALSE(mdi.Mnu_Calc.Checked);
    EXPECT_FALSE(platform.windowExists("Calculatrice"));

    toolbox.chkClock.setValue(kChecked);
    toolbox.chkMulti.setValue(kChecked);
    EXPECT_TRUE(mdi.Mnu_Chrono.Checked && mdi.Mnu_Volt.Checked);
    toolbox.chkClock.setValue(kUnchecked);
    toolbox.chkMulti.setValue(kUnchecked);
    EXPECT_FALSE(mdi.Mnu_Chrono.Checked || mdi.Mnu_Volt.Checked);
}

} // namespace
} // namespace ondivel
