#include <gtest/gtest.h>

#include <set>

#include "bench/scope/bench_fixture.h"
#include "bench/sources/frm_edf.h"
#include "core/user_input.h"

namespace ondivel {
namespace {

constexpr int kMainsA = 12;
constexpr int kPhase = 1;

// The regions' voltages, with one plug or two, and side B's pointer are the edf_* scenarios'.
class MainsPanel : public testing::BenchTest {
  protected:
    FrmEDF& open() {
        user::click(toolbox.optConnexion[kMainsA]);
        return app.frmEDF(SideA);
    }
};

TEST_F(MainsPanel, PlugsSitOnTheirTerminalsAndAThirdPullsThePrecedingOneInTheCycle) {
    struct Case {
        int first, second, third, pulled;
    };
    for (const Case c : {Case{1, 2, 0, 2}, Case{2, 0, 1, 0}, Case{0, 1, 2, 1}}) {
        SCOPED_TRACE(c.third);
        FrmEDF& edf = open();
        std::set<int> in;
        for (int plug : {c.first, c.second, c.third}) {
            user::click(edf.imgBorne[plug]);
            EXPECT_EQ(edf.imgFiche[plug].Left, edf.imgBorne[plug].Left);
            EXPECT_EQ(edf.imgFiche[plug].Top, edf.imgBorne[plug].Top);
        }
        for (int i = 0; i < 3; ++i)
            if (edf.imgFiche[i].Visible) in.insert(i);
        std::set<int> expected = {0, 1, 2};
        expected.erase(c.pulled);
        EXPECT_EQ(in, expected);
        EXPECT_TRUE(g.SourceBrancheeA);
        user::click(toolbox.optConnexion[FrmToolBox::kNoneA]);
    }
}

TEST_F(MainsPanel, SideAKeepsTheHandWhilePressingATerminal) {
    FrmEDF& edf = open();
    user::move(edf.imgBorne[kPhase], 10, 10);
    user::press(edf.imgBorne[kPhase]);
    EXPECT_EQ(edf.MousePointer, FrmEDF::kHandPointer);
    user::moveOverForm(edf, 5, 5);
    EXPECT_EQ(edf.MousePointer, FrmEDF::kDefaultPointer);
}

} // namespace
} // namespace ondivel
