#include "bench/main/accessible_text.h"

#include <gtest/gtest.h>

#include <functional>

#include "bench/evaluation/frm_name.h"
#include "bench/meters/frm_chrono.h"
#include "bench/meters/frm_volt.h"
#include "bench/scope/bench_fixture.h"
#include "bench/sources/frm_alim.h"
#include "bench/sources/frm_dyn.h"
#include "bench/sources/frm_edf.h"
#include "bench/sources/frm_pile.h"
#include "core/user_input.h"

namespace ondivel {
namespace {

class AccessibleTexts : public testing::BenchTest {
  protected:
    // The user opens a panel from the toolbox.
    void choose(int connexion) { user::click(toolbox.optConnexion[connexion]); }
};

// What a screen reader says of a control before and after a user gesture on the panel: the
// words come from the panel, the value follows the model.
TEST_F(AccessibleTexts, EachPanelNamesItsControlsAndTheirValuesFollowTheModel) {
    struct Case {
        const char* what;
        std::function<Control&()> control;
        std::function<void()> gesture;
        const char* before;
        const char* after;
    };
    FrmOndivel& s = scope();
    s.Show();
    const Case cases[] = {
        {"scope power", [&]() -> Control& { return s.chkOn; }, [&] { user::click(s.chkOn); },
         "Marche/arrêt de l'oscilloscope : éteint", "Marche/arrêt de l'oscilloscope : allumé"},
        {"CH1 plug", [&]() -> Control& { return s.imgBorne[0]; }, [&] { user::click(s.imgBorne[0]); },
         "Fiche CH1 : débranchée", "Fiche CH1 : branchée"},
        {"CH1 sensitivity, its list's words", [&]() -> Control& { return s.Potentio[6]; },
         [&] { user::drag(s.Potentio[6], 5); }, nullptr, "Sensibilité verticale CH1 : 2 V/div"},
        {"decimal comma", [&]() -> Control& { return s.Potentio[7]; }, [&] { user::drag(s.Potentio[7], 7); },
         nullptr, "Sensibilité verticale CH2 : 0,5 V/div"},
        {"time base", [&]() -> Control& { return s.Potentio[5]; }, [&] { user::drag(s.Potentio[5], 8); },
         nullptr, "Base de temps : 1 ms/div"},
        {"position in divisions", [&]() -> Control& { return s.Potentio[3]; },
         [&] { user::drag(s.Potentio[3], s.Potentio[3].Max / 2 + 150); }, nullptr,
         "Position verticale CH1 : +1,50 div"},
        {"coupling cycles", [&]() -> Control& { return s.cmdACDC[1]; }, [&] { user::click(s.cmdACDC[1]); },
         "Couplage de la voie CH2 : AC", "Couplage de la voie CH2 : DC"},
        {"mode", [&]() -> Control& { return s.cmdVoie[1]; }, [&] { user::click(s.cmdVoie[1]); },
         "Mode suivant : DUAL", "Mode suivant : ADD"},
        {"toolbox source of CH2", [&]() -> Control& { return toolbox.optConnexion[FrmToolBox::kGbfB]; },
         [&] { choose(FrmToolBox::kGbfB); }, "GBF sur la voie CH2 : non sélectionné",
         "GBF sur la voie CH2 : sélectionné"},
        {"generator frequency as its read-out", [&]() -> Control& { return gbfB.Potentio[0]; },
         [&] { user::drag(gbfB.Potentio[0], 1000); }, nullptr, "Fréquence : 1,000 kHz"},
        {"generator range", [&]() -> Control& { return gbfB.optGamme[3]; },
         [&] { user::click(gbfB.optGamme[3]); }, "Gamme de fréquence 100 : non sélectionné",
         "Gamme de fréquence 100 : sélectionné"},
        {"the range moves the frequency", [&]() -> Control& { return gbfB.Potentio[0]; }, [] {}, nullptr,
         "Fréquence : 100,0 Hz"},
        {"generator amplitude", [&]() -> Control& { return gbfB.Potentio[1]; },
         [&] { user::drag(gbfB.Potentio[1], 2500); }, nullptr, "Amplitude : 2,5 V"},
        {"supply voltage", [&]() -> Control& { return app.frmAlim(SideA).Potentio[0]; },
         [&] {
             choose(2);
             user::drag(app.frmAlim(SideA).Potentio[0], 1250);
         },
         nullptr, "Tension : 12,5 V"},
        {"supply terminal by its engraving", [&]() -> Control& { return app.frmAlim(SideA).imgBorne[1]; },
         [] {}, nullptr, "Fiche POS : débranchée"},
        {"battery polarity", [&]() -> Control& { return app.frmPile(SideB).optPolarite[0]; },
         [&] {
             choose(8);
             user::click(app.frmPile(SideB).optPolarite[1]);
         },
         nullptr, "Polarité : Borne négative sur voie CH2"},
        {"mains terminal", [&]() -> Control& { return app.frmEDF(SideA).imgBorne[1]; }, [&] { choose(12); },
         nullptr, "Fiche Phase : débranchée"},
        {"alternator speed", [&]() -> Control& { return app.frmDyn(SideB).Potentio[0]; },
         [&] {
             choose(15);
             user::drag(app.frmDyn(SideB).Potentio[0], 1500);
         },
         nullptr, "Vitesse de rotation : 1500 tours/min"},
        {"harmonic rank", [&]() -> Control& { return app.frmHarmonique(SideA).sldAmpli[0]; },
         [&] { choose(FrmToolBox::kHarmonicA); }, nullptr, "Amplitude du rang 1 : 100 %"},
        {"chronometer", [&]() -> Control& { return app.frmChrono().chkStart_Stop; },
         [&] { user::click(toolbox.chkClock); }, nullptr, "Marche/arrêt du chronomètre : arrêté"},
        {"a dialog box by its label", [&]() -> Control& { return app.frmName().txtIdent[2]; }, [] {}, nullptr,
         "Votre prénom"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.before) {
            EXPECT_EQ(accessibleText(c.control()).spoken(), c.before);
        }
        c.gesture();
        EXPECT_EQ(accessibleText(c.control()).spoken(), c.after);
    }
}

TEST_F(AccessibleTexts, TheVoltmeterSelectorSaysItsPositionAndControlsWithNothingToSaySayNothing) {
    FrmVolt& volt = app.frmVolt();
    volt.Show();
    user::rotate(volt.imgSelecteur, FrmVolt::PositionAngle(2));
    EXPECT_EQ(accessibleText(volt.imgSelecteur).spoken(), "Sélecteur : V = 20");
    user::rotate(volt.imgSelecteur, FrmVolt::PositionAngle(12));
    EXPECT_EQ(accessibleText(volt.imgSelecteur).spoken(), "Sélecteur : V ~ 20");

    // A timer has no words: the shell leaves it alone.
    EXPECT_EQ(accessibleText(scope().tmrSpot).spoken(), "");
}

} // namespace
} // namespace ondivel
