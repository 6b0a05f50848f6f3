#include <gtest/gtest.h>

#include <set>

#include "core/user_input.h"
#include "sources/bench_setup.h"
#include "sources/frm_edf.h"

namespace ondivel {
namespace {

constexpr int kMainsA = 12, kMainsB = 13;
constexpr int kNeutre = 0, kPhase = 1, kTerre = 2;

class MainsPanel : public testing::BenchTest {
  protected:
    FrmEDF& open(int side) {
        user::click(toolbox.optConnexion[side == SideB ? kMainsB : kMainsA]);
        return app.frmEDF(side);
    }
    static std::set<int> plugsIn(const FrmEDF& edf) {
        std::set<int> in;
        for (int i = 0; i < 3; ++i)
            if (edf.imgFiche[i].Visible) in.insert(i);
        return in;
    }
};

TEST_F(MainsPanel, OpensDeadWithEuropeChosen) {
    FrmEDF& edf = open(SideA);
    EXPECT_EQ(edf.Caption, "Prise du secteur - Voie CH1");
    EXPECT_EQ(g.SignalA, "Sinus");
    EXPECT_TRUE(edf.optWorld[0].isOn());
    EXPECT_EQ(g.AmplitudeA, 0);
    EXPECT_EQ(g.FrequenceA, 50);
    EXPECT_FALSE(g.SourceBrancheeA);
    EXPECT_TRUE(plugsIn(edf).empty());
    EXPECT_EQ(edf.Width, 4550);
    EXPECT_EQ(edf.Height, 4035);
}

TEST_F(MainsPanel, NeutralToEarthIsConnectedAtZeroVolts) {
    FrmEDF& edf = open(SideA);
    user::click(edf.imgBorne[kNeutre]);
    user::click(edf.imgBorne[kTerre]);
    EXPECT_TRUE(g.SourceBrancheeA);
    EXPECT_EQ(g.AmplitudeA, 0);

    // The neutral plug moves to the phase: one plug alone is no circuit, then the full mains.
    user::click(edf.imgFiche[kNeutre]);
    EXPECT_FALSE(g.SourceBrancheeA);
    user::click(edf.imgBorne[kPhase]);
    EXPECT_TRUE(g.SourceBrancheeA);
    EXPECT_DOUBLE_EQ(g.AmplitudeA, 325.3); // 230 V r.m.s.
    EXPECT_EQ(g.FrequenceA, 50);
}

TEST_F(MainsPanel, EachRegionGivesItsPeakVoltageAndFrequency) {
    FrmEDF& edf = open(SideA);
    user::click(edf.imgBorne[kPhase]);
    user::click(edf.imgBorne[kNeutre]);
    struct Case {
        int index;
        double peak, frequency;
    };
    // Peaks of 120 V and 100 V r.m.s. (times the square root of two), then back to 230 V.
    for (const Case c : {Case{1, 169.7056, 60}, Case{2, 141.4214, 60}, Case{0, 325.3, 50}}) {
        SCOPED_TRACE(c.index);
        user::click(edf.optWorld[c.index]);
        EXPECT_DOUBLE_EQ(g.AmplitudeA, c.peak);
        EXPECT_EQ(g.FrequenceA, c.frequency);
        EXPECT_TRUE(g.SourceBrancheeA);
    }
}

TEST_F(MainsPanel, JapanWithOnePlugStoresTheValuesButStaysDisconnected) {
    FrmEDF& edf = open(SideA);
    user::click(edf.imgBorne[kPhase]);
    user::click(edf.optWorld[2]);
    EXPECT_DOUBLE_EQ(g.AmplitudeA, 141.4214);
    EXPECT_EQ(g.FrequenceA, 60);
    EXPECT_FALSE(g.SourceBrancheeA);
    // The second plug keeps the Japanese values.
    user::click(edf.imgBorne[kTerre]);
    EXPECT_TRUE(g.SourceBrancheeA);
    EXPECT_DOUBLE_EQ(g.AmplitudeA, 141.4214);
    EXPECT_EQ(g.FrequenceA, 60);
}

TEST_F(MainsPanel, ARegionChosenBetweenNeutralAndEarthStaysAtZero) {
    FrmEDF& edf = open(SideA);
    user::click(edf.imgBorne[kNeutre]);
    user::click(edf.imgBorne[kTerre]);
    user::click(edf.optWorld[1]);
    EXPECT_EQ(g.AmplitudeA, 0);
    EXPECT_EQ(g.FrequenceA, 60);
}

TEST_F(MainsPanel, AThirdPlugPullsThePrecedingOneInTheCycle) {
    struct Case {
        int first, second, third, pulled;
    };
    for (const Case c : {Case{1, 2, 0, 2}, Case{2, 0, 1, 0}, Case{0, 1, 2, 1}}) {
        SCOPED_TRACE(c.third);
        FrmEDF& edf = open(SideA);
        user::click(edf.imgBorne[c.first]);
        user::click(edf.imgBorne[c.second]);
        user::click(edf.imgBorne[c.third]);
        std::set<int> expected = {0, 1, 2};
        expected.erase(c.pulled);
        EXPECT_EQ(plugsIn(edf), expected);
        EXPECT_TRUE(g.SourceBrancheeA);
        user::click(toolbox.optConnexion[FrmToolBox::kNoneA]);
    }
}

TEST_F(MainsPanel, PlugsSitOnTheirTerminals) {
    FrmEDF& edf = open(SideA);
    for (int i = 0; i < 3; ++i) {
        user::click(edf.imgBorne[i]);
        EXPECT_EQ(edf.imgFiche[i].Left, edf.imgBorne[i].Left);
        EXPECT_EQ(edf.imgFiche[i].Top, edf.imgBorne[i].Top);
    }
    EXPECT_EQ(plugsIn(edf).size(), 2u);
}

TEST_F(MainsPanel, LogoBlinksEveryTimerTick) {
    FrmEDF& edf = open(SideA);
    ASSERT_TRUE(edf.Timer1.timerRunning());
    EXPECT_EQ(edf.Timer1.Interval, 400);
    const bool shown = edf.imgLogo.Visible;
    edf.Timer1.raise(edf.Timer1.on.Timer);
    EXPECT_EQ(edf.imgLogo.Visible, !shown);
    edf.Timer1.raise(edf.Timer1.on.Timer);
    EXPECT_EQ(edf.imgLogo.Visible, shown);
}

TEST_F(MainsPanel, HandOverTheTerminalsArrowElsewhere) {
    FrmEDF& edfA = open(SideA);
    user::move(edfA.imgBorne[kPhase], 10, 10);
    EXPECT_EQ(edfA.MousePointer, FrmEDF::kHandPointer);
    user::press(edfA.imgBorne[kPhase]); // side A keeps the hand while pressing
    EXPECT_EQ(edfA.MousePointer, FrmEDF::kHandPointer);
    user::moveOverForm(edfA, 5, 5);
    EXPECT_EQ(edfA.MousePointer, FrmEDF::kDefaultPointer);

    FrmEDF& edfB = open(SideB);
    user::move(edfB.imgBorne[kTerre], 10, 10);
    EXPECT_EQ(edfB.MousePointer, FrmEDF::kHandPointer);
    user::press(edfB.imgBorne[kTerre]);
    EXPECT_EQ(edfB.MousePointer, FrmEDF::kDefaultPointer);
}

TEST_F(MainsPanel, ClosingReleasesOnlyItsOwnChannel) {
    FrmEDF& edfA = open(SideA);
    open(SideB);
    user::close(edfA);
    EXPECT_TRUE(toolbox.optConnexion[FrmToolBox::kNoneA].isOn());
    EXPECT_TRUE(toolbox.optConnexion[kMainsB].isOn());
    EXPECT_TRUE(app.frmEDF(SideB).loaded());

    FrmEDF& edfB = app.frmEDF(SideB);
    user::click(edfB.imgBorne[kNeutre]);
    user::click(edfB.imgBorne[kPhase]);
    EXPECT_TRUE(g.SourceBrancheeB);
    EXPECT_DOUBLE_EQ(g.AmplitudeB, 325.3);
    EXPECT_FALSE(g.SourceBrancheeA);
    user::key(edfB, kKeyF1);
    ASSERT_FALSE(platform.helpRequests.empty());
    EXPECT_NE(platform.helpRequests.back().find("#3500"), std::string::npos);
    user::close(edfB);
    EXPECT_TRUE(toolbox.optConnexion[FrmToolBox::kNoneB].isOn());
}

} // namespace
} // namespace ondivel
