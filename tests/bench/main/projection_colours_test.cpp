// The projection colours must stay legible: every trace and every text drawn on the screen at
// least 4.5:1 against it, the graticule at least 3:1 (WCAG 2.x). Measured on what the renderer
// draws once a teacher has chosen them, so that editing a preset colour to a poor one fails here.
#include <gtest/gtest.h>

#include <set>

#include "bench/main/frm_option.h"
#include "bench/scope/frm_full_screen.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/sources/frm_gbf.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/contrast.h"
#include "core/recording_surface.h"
#include "core/user_input.h"
#include "support/app_fixture.h"

namespace ondivel {
namespace {

class ProjectionColours : public testing::AppFixture {
  protected:
    void SetUp() override {
        start();
        app.g.MotDePasseValide = true;
        platform.modalRunner = [this](Form& form) {
            if (&form != &app.frmOption()) return;
            user::click(app.frmOption().cmdProjection);
            user::click(app.frmOption().cmdOK);
        };
        user::click(app.mdi().Mnu_Pref[1]);
        platform.modalRunner = nullptr;

        // A sine on CH1 and a square on CH2, in DUAL.
        FrmOndivel& scope = app.frmOndivel();
        user::click(scope.chkOn);
        for (int plug : {0, 1, 2})
            user::click(scope.imgBorne[plug]);
        for (int side : {SideA, SideB}) {
            platform.randomValues = {0.5, 0.5};
            user::click(app.frmToolBox().optConnexion[side == SideA ? 1 : 10]);
            FrmGBF& gbf = app.frmGBF(side);
            user::click(gbf.chkOn);
            user::click(gbf.imgBorne[0]);
            user::click(gbf.imgBorne[1]);
        }
        user::click(app.frmGBFB().optSignal[1]);
    }

    // Every colour of a line or a text on the picture, with what it is, against the screen.
    void expectLegible(const RecordingSurface& picture, const char* where) {
        std::set<Color> traces, texts;
        for (const RecordedLine& l : picture.lines())
            traces.insert(l.color);
        for (const RecordedText& t : picture.texts())
            texts.insert(t.color);
        EXPECT_EQ(traces.size(), 2u) << where;
        EXPECT_FALSE(texts.empty()) << where;
        for (Color c : traces)
            EXPECT_GE(ContrastRatio(c, app.g.CouleurEcran), 4.5) << where << " trace " << c;
        for (Color c : texts)
            EXPECT_GE(ContrastRatio(c, app.g.CouleurEcran), 4.5) << where << " text " << c;
    }
    const RecordingSurface& panel() const {
        return dynamic_cast<RecordingSurface&>(app.frmOndivel().screen());
    }
    const RecordingSurface& full() const {
        return dynamic_cast<RecordingSurface&>(app.frmFullScreen().screen());
    }
};

TEST_F(ProjectionColours, TracesAndTextsStandOutFromTheScreenAndTheGraticuleShows) {
    ASSERT_EQ(ini("Options", "ColorScreen"), std::to_string(app.g.CouleurEcran));
    ASSERT_LT(RelativeLuminance(app.g.CouleurEcran), 0.01); // a dark screen

    expectLegible(panel(), "traces");
    for (const RecordedLine& l : dynamic_cast<RecordingSurface&>(app.frmOndivel().grid()).lines())
        EXPECT_GE(ContrastRatio(l.color, app.g.CouleurEcran), 3.0) << "graticule " << l.color;
    user::click(app.frmOndivel().chkFFT);
    expectLegible(panel(), "spectrum"); // the labels in the trace colours

    user::dblClick(app.frmOndivel().picEcran);
    expectLegible(full(), "full-screen spectrum");
    user::click(app.frmOndivel().chkFFT);
    expectLegible(full(), "full-screen traces");

    // The cursor read-out: its ink on its box, white at 220/255 over the screen, which is no
    // darker than that over the darkest screen there is.
    const Control& readout = app.frmFullScreen().lblPositionCurseur;
    EXPECT_GE(ContrastRatio(readout.ForeColor, RGB(220, 220, 220)), 4.5);
    EXPECT_EQ(readout.BackColor, kWhite);
}

} // namespace
} // namespace ondivel
