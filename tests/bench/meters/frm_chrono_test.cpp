// The stopwatch: its read-out, reset, the alarm's red panel, and a clock that goes back (set by
// the network, a resume from suspend). Running, suspending and the alarm's beeps are the chrono_*
// scenarios'.
#include <gtest/gtest.h>

#include "bench/meters/frm_chrono.h"
#include "bench/scope/bench_fixture.h"

namespace ondivel {
namespace {

class ChronoTest : public testing::BenchTest {
  protected:
    ChronoTest() { user::click(toolbox.chkClock); }

    // Lets the counter run, then raises the display timer if it runs, as the event loop would.
    void wait(double seconds) {
        platform.advanceSeconds(seconds);
        if (chrono.tmrChrono.timerRunning()) chrono.tmrChrono.on.Timer();
    }

    FrmChrono& chrono = app.frmChrono();
};

TEST_F(ChronoTest, MinutesGoPastSixtyAndAResetRunStartsFromZero) {
    user::click(chrono.chkStart_Stop);
    wait(3600 + 2.5);
    EXPECT_EQ(chrono.lblTime.Caption, "60:02,5");
    user::click(chrono.cmdRAZ);
    EXPECT_EQ(chrono.chkStart_Stop.Value, kUnchecked);
    wait(10);
    user::click(chrono.chkStart_Stop);
    wait(2.3);
    EXPECT_EQ(chrono.lblTime.Caption, "00:02,3");
}

TEST_F(ChronoTest, ThePanelIsRedWhileTheAlarmBeepsAndTheSwitchOrResetClearsIt) {
    user::click(chrono.chkAlarme);
    user::click(chrono.chkStart_Stop);
    EXPECT_EQ(chrono.sldAlarme.Value, 1);
    wait(2.05);
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(chrono.BackColor, FrmChrono::kAlarmRed);
    wait(0.2);
    EXPECT_NE(chrono.BackColor, FrmChrono::kAlarmRed);
    wait(0.8);
    ASSERT_EQ(chrono.BackColor, FrmChrono::kAlarmRed);
    user::click(chrono.chkAlarme);
    EXPECT_NE(chrono.BackColor, FrmChrono::kAlarmRed);

    user::click(chrono.chkAlarme);
    wait(1);
    EXPECT_EQ(platform.beeps, 3);
    user::click(chrono.cmdRAZ);
    EXPECT_NE(chrono.BackColor, FrmChrono::kAlarmRed);
}

TEST_F(ChronoTest, ReopenedWhereItWasClosedAndStopped) {
    user::click(chrono.chkStart_Stop);
    wait(8);
    chrono.Left = 1234;
    chrono.Top = 567;
    user::click(chrono.cmdEnd);
    chrono.Show();
    EXPECT_EQ(chrono.Left, 1234);
    EXPECT_EQ(chrono.Top, 567);
    EXPECT_EQ(chrono.lblTime.Caption, "00:00,0");
    EXPECT_FALSE(chrono.tmrChrono.timerRunning());
}

TEST_F(ChronoTest, ClockJumpAnHourBackKeepsTheTimeShownAndCountsOnFromIt) {
    user::click(chrono.chkStart_Stop);
    wait(5);
    wait(-3600);
    EXPECT_DOUBLE_EQ(chrono.elapsedSeconds(), 5);
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

TEST_F(ChronoTest, ClockJumpBackJustAfterTheStartShowsZeroNotANegativeTime) {
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

TEST_F(ChronoTest, ClockJumpBackThenTheAlarmRingsOnTheTimeShownNotTheClock) {
    user::click(chrono.chkAlarme);
    user::click(chrono.chkStart_Stop);
    wait(0.5);
    wait(-30);
    EXPECT_EQ(platform.beeps, 0);
    wait(0.6);
    EXPECT_EQ(chrono.lblTime.Caption, "00:01,1"); // just after the first second
    EXPECT_EQ(platform.beeps, 1);
}

} // namespace
} // namespace ondivel
