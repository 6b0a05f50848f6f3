#include <gtest/gtest.h>

#include <set>

#include "core/user_input.h"
#include "scope/frm_ondivel.h"
#include "sources/bench_setup.h"
#include "sources/frm_pile.h"

namespace ondivel {
namespace {

class PilePanel : public testing::BenchTest {
  protected:
    FrmPile& choose(int option) {
        user::click(toolbox.optConnexion[option]);
        return app.frmPile(FrmToolBox::isSideA(option) ? SideA : SideB);
    }
};

TEST_F(PilePanel, EachToolboxChoiceDeliversItsVoltageWithoutCables) {
    struct Case {
        int option, side;
        double volts;
    };
    std::set<int> pictures;
    for (const Case c : {Case{3, SideA, 1.5}, Case{4, SideA, 4.5}, Case{5, SideA, 9}, Case{8, SideB, 1.5},
                         Case{7, SideB, 4.5}, Case{6, SideB, 9}}) {
        SCOPED_TRACE(c.option);
        g.FrequenceA = g.FrequenceB = 50;
        FrmPile& pile = choose(c.option);
        EXPECT_TRUE(pile.loaded());
        const bool a = c.side == SideA;
        EXPECT_DOUBLE_EQ(a ? g.AmplitudeA : g.AmplitudeB, c.volts);
        EXPECT_DOUBLE_EQ(a ? g.FrequenceA : g.FrequenceB, 0);
        EXPECT_TRUE(a ? g.SourceBrancheeA : g.SourceBrancheeB);
        EXPECT_EQ(a ? g.SignalA : g.SignalB, "Cc");
        // The picture sits in the middle of the client area (the window less its 510-twip frame).
        EXPECT_DOUBLE_EQ(pile.imgPile.Top, 3000 - 510 - pile.imgPile.Top - pile.imgPile.Height);
        if (a) pictures.insert(pile.imgPile.Picture);
    }
    EXPECT_EQ(pictures.size(), 3u) << "each battery has its own picture";
    EXPECT_EQ(app.frmPile(SideB).optPolarite[1].Caption, "Borne négative sur voie CH2");
}

TEST_F(PilePanel, ReversedPolarityNegatesOnceAndSurvivesReactivation) {
    FrmPile& pile = choose(4);
    user::click(pile.optPolarite[1]);
    EXPECT_DOUBLE_EQ(g.AmplitudeA, -4.5);
    // Clicking the button already selected changes nothing.
    user::click(pile.optPolarite[1]);
    EXPECT_DOUBLE_EQ(g.AmplitudeA, -4.5);

    // The user works on the oscilloscope, then comes back: the switch still says reversed.
    app.activate(app.frmOndivel());
    user::clickForm(pile);
    EXPECT_DOUBLE_EQ(g.AmplitudeA, -4.5);

    // Back to positive from an inactive panel: activation then the click, never twice negated.
    app.activate(app.frmOndivel());
    user::click(pile.optPolarite[0]);
    EXPECT_DOUBLE_EQ(g.AmplitudeA, 4.5);
    EXPECT_DOUBLE_EQ(g.AmplitudeB, 0) << "side B is untouched";
}

TEST_F(PilePanel, ChangingBatteryKeepsTheNewChoiceAndStartsPositive) {
    FrmPile& pile = choose(3);
    user::click(pile.optPolarite[1]);
    choose(5);
    // Regression: the closing 1.5 V panel must not hand CH1 back while the toolbox rewires it.
    EXPECT_TRUE(toolbox.optConnexion[5].isOn());
    EXPECT_TRUE(pile.loaded());
    EXPECT_DOUBLE_EQ(g.AmplitudeA, 9);
    EXPECT_TRUE(pile.optPolarite[0].isOn());

    // Another kind of source closes the battery without touching the toolbox's new choice.
    user::click(toolbox.optConnexion[FrmToolBox::kGbfA]);
    EXPECT_FALSE(pile.loaded());
    EXPECT_TRUE(toolbox.optConnexion[FrmToolBox::kGbfA].isOn());
}

TEST_F(PilePanel, OpensBesideTheOscilloscope) {
    app.frmOndivel().Left = 600;
    app.frmOndivel().Width = 9000;
    FrmPile& a = choose(3);
    EXPECT_DOUBLE_EQ(a.Left, 9600);
    EXPECT_DOUBLE_EQ(a.Top, 0);
}

} // namespace
} // namespace ondivel
