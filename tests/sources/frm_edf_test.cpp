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

TEST_F(MainsPanel, HandOverTheTerminalsArrowElsewhere) {
    FrmEDF& edfA = open(SideA);
    user::move(edfA.imgBorne[kPhase], 10, 10);
    EXPECT_EQ(edfA.MousePointer, FrmEDF::kHandPointer);
    user::press(edfA.imgBorne[kPhase]); // side A keeps the hand while pressing
    EXPECT_EQ(edfA.MousePointer, FrmEDF::kHandPointer);
    user::moveOverForm(edfA, 5, 5);
    EXPECT_EQ(edfA.MousePointer, FrmEDF::kDefaultPointer);
}

} // namespace
} // namespace ondivel
