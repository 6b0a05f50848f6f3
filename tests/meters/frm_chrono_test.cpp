// The stopwatch: its read-out, start and suspend, reset, the periodic alarm, its window position.
#include <gtest/gtest.h>

#include <vector>

#include "../sources/bench_setup.h"
#include "meters/frm_chrono.h"

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

TEST_F(ChronoTest, MinutesGoPastSixty) {
    user::click(chrono.chkStart_Stop);
    EXPECT_TRUE(chrono.lblOnOff.Visible);
    wait(3600 + 2.5);
    EXPECT_EQ(chrono.lblTime.Caption, "60:02,5");
}

TEST_F(ChronoTest, ResetStopsAndClearsSoTheNextRunStartsFromZero) {
    user::click(chrono.chkStart_Stop);
    wait(42.7);
    user::click(chrono.cmdRAZ);
    EXPECT_EQ(chrono.chkStart_Stop.Value, kUnchecked);
    wait(10);
    EXPECT_EQ(chrono.lblTime.Caption, "00:00,0");

    user::click(chrono.chkStart_Stop);
    EXPECT_EQ(chrono.lblStop.Caption, "ARRET");
    wait(2.3);
    EXPECT_EQ(chrono.lblTime.Caption, "00:02,3");
}

// Ticks every tenth of a second, off the multiples by 0.05 s, and notes when it beeps and
// when the panel is red; returns the tick times of the beeps.
std::vector<double> beepTimes(FrmChrono& chrono, FakePlatform& platform, double until) {
    std::vector<double> times;
    platform.advanceSeconds(0.05);
    for (double t = 0.05; t < until; t += 0.1) {
        const int before = platform.beeps;
        chrono.tmrChrono.on.Timer();
        const bool beeped = platform.beeps > before;
        EXPECT_EQ(chrono.BackColor == FrmChrono::kAlarmRed, beeped) << "at " << t << " s";
        if (beeped) times.push_back(t);
        platform.advanceSeconds(0.1);
    }
    return times;
}

TEST_F(ChronoTest, AlarmBeepsAndFlashesRedJustAfterEachMultipleButNeverAtZero) {
    user::click(chrono.chkAlarme);
    EXPECT_TRUE(chrono.lblAlarme.Visible);
    user::slide(chrono.sldAlarme, 5);
    user::click(chrono.chkStart_Stop);
    const auto times = beepTimes(chrono, platform, 16);
    const std::vector<double> expected = {5.05, 5.15, 10.05, 10.15, 15.05, 15.15};
    ASSERT_EQ(times.size(), expected.size());
    for (std::size_t i = 0; i < times.size(); ++i)
        EXPECT_NEAR(times[i], expected[i], 1e-6);
}

TEST_F(ChronoTest, AlarmSwitchedOffStaysSilentAndClearsTheRed) {
    user::click(chrono.chkAlarme);
    user::click(chrono.chkStart_Stop);
    EXPECT_EQ(chrono.sldAlarme.Value, 1);
    wait(2.05);
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(chrono.BackColor, FrmChrono::kAlarmRed);

    user::click(chrono.chkAlarme);
    EXPECT_FALSE(chrono.lblAlarme.Visible);
    EXPECT_NE(chrono.BackColor, FrmChrono::kAlarmRed);
    wait(1);
    EXPECT_EQ(platform.beeps, 1);

    user::click(chrono.chkAlarme);
    wait(1);
    EXPECT_EQ(platform.beeps, 2);
    user::click(chrono.cmdRAZ);
    EXPECT_NE(chrono.BackColor, FrmChrono::kAlarmRed);
}

TEST_F(ChronoTest, ClosingSavesThePositionAndReopeningStartsAfresh) {
    user::click(chrono.chkStart_Stop);
    wait(8);
    chrono.Left = 1234;
    chrono.Top = 567;
    user::click(chrono.cmdEnd);
    chrono.Show();
    EXPECT_EQ(chrono.Left, 1234);
    EXPECT_EQ(chrono.Top, 567);
    EXPECT_EQ(chrono.lblTime.Caption, "00:00,0");
    EXPECT_EQ(chrono.lblStop.Caption, "STOP");
    EXPECT_FALSE(chrono.tmrChrono.timerRunning());
}

} // namespace
} // namespace ondivel
