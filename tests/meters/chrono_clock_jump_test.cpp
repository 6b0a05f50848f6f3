// The stopwatch under a clock that goes back (set by the network, a resume from suspend): the
// time shown never runs backwards nor below zero, and counting goes on from where it was.
#include <gtest/gtest.h>

#include "../sources/bench_setup.h"
#include "meters/frm_chrono.h"

namespace ondivel {
namespace {

class ChronoClockJump : public testing::BenchTest {
  protected:
    ChronoClockJump() { user::click(toolbox.chkClock); }
    void wait(double seconds) {
        platform.advanceSeconds(seconds);
        if (chrono.tmrChrono.timerRunning()) chrono.tmrChrono.on.Timer();
    }
    FrmChrono& chrono = app.frmChrono();
};

TEST_F(ChronoClockJump, AnHourBackKeepsTheTimeShownAndCountsOnFromIt) {
    user::click(chrono.chkStart_Stop);
    wait(5);
    wait(-3600);
    EXPECT_DOUBLE_EQ(chrono.elapsedSeconds(), 5);
    EXPECT_EQ(chrono.lblTime.Caption, "00:05,0");
    wait(2.5);
    EXPECT_EQ(chrono.lblTime.Caption, "00:07,5");

    // Suspended and started again, the measure carries on from the same reading.
    user::click(chrono.chkStart_Stop);
    wait(-10);
    wait(100);
    EXPECT_EQ(chrono.lblTime.Caption, "00:07,5");
    user::click(chrono.chkStart_Stop);
    wait(-1);
    wait(1);
    EXPECT_EQ(chrono.lblTime.Caption, "00:08,5");
}

TEST_F(ChronoClockJump, AJumpBackJustAfterTheStartShowsZeroNotANegativeTime) {
    user::click(chrono.chkStart_Stop);
    wait(-0.05);
    EXPECT_EQ(chrono.lblTime.Caption, "00:00,0");
    EXPECT_GE(chrono.elapsedSeconds(), 0);
    // Each small step back within a run is simply not counted.
    for (int i = 0; i < 10; ++i) {
        wait(-0.2);
        wait(0.3);
    }
    EXPECT_NEAR(chrono.elapsedSeconds(), 3, 1e-9);
}

TEST_F(ChronoClockJump, TheAlarmAfterAJumpBackRingsOnTheTimeShownNotTheClock) {
    user::click(chrono.chkAlarme);
    user::click(chrono.chkStart_Stop);
    wait(0.5);
    wait(-30);
    EXPECT_EQ(platform.beeps, 0);
    wait(0.6);
    EXPECT_EQ(chrono.lblTime.Caption, "00:01,1"); // just after the first second
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(chrono.BackColor, FrmChrono::kAlarmRed);
}

} // namespace
} // namespace ondivel
