// The measurement cursors' model: which cursor a press grabs, the arrows' steps and the screen's
// edges, a drag that leaves the sweeping spot alone, the dashes and the colour against every
// preset screen. The read-out's texts through the knobs and modes are measure_cursors.scn's.
#include <gtest/gtest.h>

#include "bench/main/keyboard_focus.h"
#include "bench/main/screen_colours.h"
#include "bench/scope/bench_fixture.h"
#include "bench/scope/frm_curseurs.h"
#include "bench/scope/scales.h"
#include "core/contrast.h"

namespace ondivel {
namespace {

class Cursors : public testing::Bench {
  protected:
    void SetUp() override {
        switchOnAndPlug();
        app.g.FrequenceCompteur = platform.counterFrequency();
        user::click(app.mdi().Mnu_Curseurs);
    }
    FrmCurseurs& cursors = app.frmCurseurs();
};

TEST_F(Cursors, APressGrabsTheNearestLineWithinReach) {
    // At rest: t1 at x −200, t2 at 200, V1 at y −200, V2 at 200.
    struct Case {
        double x, y, reach;
        int grabbed;
    };
    // clang-format off
    const Case cases[] = {
        {-195,   0, 10, FrmCurseurs::T1},
        { 204,  50, 10, FrmCurseurs::T2},
        {   0, -192, 10, FrmCurseurs::V1},
        {-198,  197, 10, FrmCurseurs::T1}, // nearer t1 (2) than V2 (3)
        {-197,  198, 10, FrmCurseurs::V2},
        {   0,    0, 10, -1},
        {-189,    0, 10, -1},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(cursors.cursorNear(c.x, c.y, c.reach), c.grabbed) << c.x << ", " << c.y;
}

TEST_F(Cursors, ArrowsMoveTheFocusedCursorATenthOrAHundredthOfADivisionUpToTheEdge) {
    Control& t2 = cursors.optCurseur[FrmCurseurs::T2];
    EXPECT_TRUE(PressKey(t2, NavKey::Right, false));
    EXPECT_EQ(cursors.selected(), FrmCurseurs::T2);
    EXPECT_DOUBLE_EQ(cursors.position(FrmCurseurs::T2), 210);
    EXPECT_TRUE(PressKey(t2, NavKey::Down, true));
    EXPECT_DOUBLE_EQ(cursors.position(FrmCurseurs::T2), 209);

    Control& v2 = cursors.optCurseur[FrmCurseurs::V2];
    for (int i = 0; i < 30; ++i)
        PressKey(v2, NavKey::Up, false);
    EXPECT_DOUBLE_EQ(cursors.position(FrmCurseurs::V2), 400);
    EXPECT_DOUBLE_EQ(cursors.position(FrmCurseurs::T2), 209);
}

TEST_F(Cursors, FourDashedLinesTheSelectedOneWiderTheTracesPenKeptAndNoneOnTheSpectrum) {
    const Color c = cursors.CouleurCurseurs;
    ASSERT_EQ(screen().countLines(c), 4U);
    int wide = 0;
    for (const RecordedLine& l : screen().lines())
        if (l.color == c) {
            EXPECT_EQ(l.style, LineStyle::Dash);
            wide += l.width == 3;
        }
    EXPECT_EQ(wide, 1);
    // In DUAL the cursors come between the two traces: CH2 keeps the traces' pen.
    scope().screen().setDrawWidth(3); // as the focus knob leaves it
    app.RefreshDisplay();
    ASSERT_GT(screen().countLines(app.g.CouleurB), 0U);
    for (const RecordedLine& l : screen().lines())
        if (l.color == app.g.CouleurB) {
            EXPECT_EQ(l.width, 3);
        }
    user::click(scope().chkFFT);
    EXPECT_EQ(screen().countLines(c), 0U);
}

TEST_F(Cursors, ADragDuringTheSweepLeavesTheSpotWhereItIs) {
    user::drag(scope().Potentio[KnobTimeBase], 2); // 0.1 s/div
    platform.advanceSeconds(0.2);
    scope().tmrSpot.raise(scope().tmrSpot.on.Timer);
    const double spot = app.g.PositionSpot;
    ASSERT_GT(spot, app.g.PositionH); // a complete redraw would bring it back to PositionH
    cursors.DragCursor(FrmCurseurs::T1, 100);
    EXPECT_DOUBLE_EQ(app.g.PositionSpot, spot);
    // The next tick draws the cursor where it went.
    scope().tmrSpot.raise(scope().tmrSpot.on.Timer);
    bool moved = false;
    for (const RecordedLine& l : screen().lines())
        moved = moved || (l.color == cursors.CouleurCurseurs && l.x1 == 100 && l.x2 == 100);
    EXPECT_TRUE(moved);
}

TEST(CursorColour, StandsOutOfEveryPresetScreenAndDiffersFromItsTraces) {
    for (ColourPreset preset : {ColourPreset::Default, ColourPreset::Printing, ColourPreset::Projection}) {
        const Color screen = PresetColour(kScreenColours[kColourScreen], preset);
        const Color cursor = FrmCurseurs::CursorColour(screen);
        EXPECT_GE(ContrastRatio(cursor, screen), 3.0) << static_cast<int>(preset);
        EXPECT_NE(cursor, PresetColour(kScreenColours[kColourTraceA], preset));
        EXPECT_NE(cursor, PresetColour(kScreenColours[kColourTraceB], preset));
    }
}

} // namespace
} // namespace ondivel
