// The settings file failing under a running program: its folder unreachable, the file read-only
// or deleted. The program goes on without a word (settings failures are silent), keeps what the
// user chose, and saves it once the file can be written again.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "bench/meters/frm_chrono.h"
#include "bench/scope/frm_ondivel.h"
#include "bench/toolbox/frm_toolbox.h"
#include "core/user_input.h"
#include "support/app_fixture.h"

namespace ondivel {
namespace {

namespace fs = std::filesystem;

class SettingsFaults : public testing::AppFixture {
  protected:
    void SetUp() override {
        preset("Interface", "Focus", "7");
        start();
        platform.messages.clear(); // whatever start-up said is not the fault's doing
    }
    fs::path folder() const { return fs::path(iniPath()).parent_path(); }

    // A regular file where the settings folder should be: no one, not even the administrator, can
    // write the settings file then.
    void blockFolder() {
        fs::remove_all(folder());
        testing::writeBytes(folder().string(), "not a folder");
    }
    void unblockFolder() {
        fs::remove(folder());
        fs::create_directories(folder());
    }

    // The user moves the stopwatch and closes it, which saves its place.
    void moveAndCloseStopwatch(int left) {
        FrmChrono& chrono = app.frmChrono();
        if (!chrono.Visible) user::click(app.frmToolBox().chkClock);
        chrono.Left = left;
        user::click(chrono.cmdEnd);
    }
    void quit() {
        platform.messageAnswers.push_back(vbYes);
        user::click(app.mdi().Mnu_End);
    }
};

TEST_F(SettingsFaults, AnUnreachableFolderKeepsTheChoicesInMemoryUntilTheFileCanBeWrittenAgain) {
    // Silence and the stopwatch reopened where the user left it are fault_settings_unwritable's.
    blockFolder();
    moveAndCloseStopwatch(1234);
    user::click(app.frmToolBox().chkClock);
    moveAndCloseStopwatch(2345); // the later choice replaces the waiting one

    unblockFolder();
    user::drag(app.frmOndivel().Potentio[0], 9); // focus
    quit();
    EXPECT_EQ(platform.messages.size(), 1u); // the quit question only
    EXPECT_EQ(ini("Interface", "PosX Chrono"), "2345");
    EXPECT_EQ(ini("Interface", "Focus"), "9");
    EXPECT_EQ(ini("Interface", "PosY Chrono"), "6000");
}

TEST_F(SettingsFaults, AReadOnlyFileKeepsItsValuesAndTakesTheWaitingOnesOnceWritable) {
    const std::string before = testing::readBytes(iniPath());
    fs::permissions(iniPath(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    if (std::ofstream(iniPath(), std::ios::app)) {
        fs::permissions(iniPath(), fs::perms::owner_write, fs::perm_options::add);
        GTEST_SKIP() << "this user writes read-only files (administrator)";
    }
    moveAndCloseStopwatch(1234);
    EXPECT_EQ(testing::readBytes(iniPath()), before);
    EXPECT_EQ(app.ReadIni("Interface", "PosX Chrono", "0"), "1234");
    EXPECT_TRUE(platform.messages.empty());

    fs::permissions(iniPath(), fs::perms::owner_write, fs::perm_options::add);
    app.WriteIni("Options", "ShowToolTip", "0");
    EXPECT_EQ(ini("Interface", "PosX Chrono"), "1234");
    EXPECT_EQ(ini("Options", "ShowToolTip"), "0");
    EXPECT_EQ(ini("Interface", "Focus"), "7"); // the rest of the file is still there
}

TEST_F(SettingsFaults, AFileDeletedWhileRunningComesBackWithTheNextChoice) {
    fs::remove(iniPath());
    EXPECT_EQ(app.ReadIni("Interface", "Focus", "12"), "12"); // as at a first start
    moveAndCloseStopwatch(1234);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(ini("Interface", "PosX Chrono"), "1234");
    quit();
    EXPECT_EQ(ini("Interface", "Focus"), "7"); // the knob the program still shows
}

TEST_F(SettingsFaults, AFileThatCannotBeReadIsNeitherOverwrittenNorReported) {
    // A folder in place of the file reads as nothing and cannot be replaced by a file.
    fs::remove(iniPath());
    fs::create_directories(iniPath());
    EXPECT_EQ(app.ReadIni("Interface", "Focus", "12"), "12");
    moveAndCloseStopwatch(1234);
    EXPECT_TRUE(fs::is_directory(iniPath()));
    EXPECT_EQ(app.ReadIni("Interface", "PosX Chrono", "0"), "1234");
    EXPECT_NO_THROW(quit());
    EXPECT_FALSE(app.mdi().loaded());
}

TEST_F(SettingsFaults, AFileThatIsNotSettingsTextKeepsItsBytesAndTheChoicesWaitInMemory) {
    // UTF-16 saved without its byte-order mark: NUL bytes in an 8-bit file.
    const std::string bytes("[\0O\0p\0t\0i\0o\0n\0s\0]\0\r\0\n\0", 22);
    testing::writeBytes(iniPath(), bytes);
    moveAndCloseStopwatch(1234);
    user::click(app.frmToolBox().chkClock);
    EXPECT_EQ(app.frmChrono().Left, 1234);
    quit();
    EXPECT_EQ(testing::readBytes(iniPath()), bytes);
    EXPECT_EQ(platform.messages.size(), 1u); // the quit question only
}

} // namespace
} // namespace ondivel
