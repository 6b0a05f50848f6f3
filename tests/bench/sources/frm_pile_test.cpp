#include <gtest/gtest.h>

#include <set>

#include "bench/scope/bench_fixture.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/sources/frm_pile.h"
#include "core/user_input.h"

namespace ondivel {
namespace {

// The voltages on screen, another choice and closing a battery are the pile_* scenarios'.
class PilePanel : public testing::BenchTest {};

TEST_F(PilePanel, EachBatteryHasItsPictureInTheMiddleAndNoFrequency) {
    std::set<int> pictures;
    for (int option : {3, 4, 5}) {
        SCOPED_TRACE(option);
        g.FrequenceA = 50;
        user::click(toolbox.optConnexion[option]);
        const FrmPile& pile = app.frmPile(SideA);
        EXPECT_DOUBLE_EQ(g.FrequenceA, 0);
        // The client area is the window less its 510-twip frame.
        EXPECT_DOUBLE_EQ(pile.imgPile.Top, 3000 - 510 - pile.imgPile.Top - pile.imgPile.Height);
        pictures.insert(pile.imgPile.Picture);
    }
    EXPECT_EQ(pictures.size(), 3u);
}

TEST_F(PilePanel, ReversedPolarityNegatesOnceAndSurvivesReactivation) {
    user::click(toolbox.optConnexion[4]);
    FrmPile& pile = app.frmPile(SideA);
    user::click(pile.optPolarite[1]);
    user::click(pile.optPolarite[1]); // already selected: nothing changes
    EXPECT_DOUBLE_EQ(g.AmplitudeA, -4.5);
    // The user works on the oscilloscope, then comes back: the switch still says reversed.
    app.activate(app.frmOndivel());
    user::clickForm(pile);
    EXPECT_DOUBLE_EQ(g.AmplitudeA, -4.5);
    // Back to positive from an inactive panel: activation then the click, never twice negated.
    app.activate(app.frmOndivel());
    user::click(pile.optPolarite[0]);
    EXPECT_DOUBLE_EQ(g.AmplitudeA, 4.5);
}

TEST_F(PilePanel, EverySourcePanelOpensFirstBesideTheOscilloscope) {
    app.frmOndivel().Left = 720;
    app.frmOndivel().Width = 9000;
    for (auto [option, window] :
         {std::pair{1, "frmGBFA"}, {2, "frmAlimA"}, {3, "frmPileA"}, {16, "frmHarmoniqueA"}}) {
        user::click(toolbox.optConnexion[option]);
        const Form* form = app.form(window);
        ASSERT_TRUE(form && form->loaded()) << window;
        EXPECT_DOUBLE_EQ(form->Left, 9720) << window;
        EXPECT_DOUBLE_EQ(form->Top, 0) << window;
    }
}

} // namespace
} // namespace ondivel
