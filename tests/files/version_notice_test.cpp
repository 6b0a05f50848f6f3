#include <gtest/gtest.h>

#include <filesystem>

#include "files/startup_folders.h"
#include "files/version_notice.h"

namespace ondivel {
namespace {

TEST(VersionNotice, VersionsCompareAsNumbersWithoutTheirDots) {
    EXPECT_TRUE(IsNewerVersion("4.10", "4.9")); // 410 against 49
    EXPECT_TRUE(IsNewerVersion("1.1", "1.0"));
    for (const char* remote : {"1.0", "0.9", "", "nouvelle"})
        EXPECT_FALSE(IsNewerVersion(remote, "1.0")) << remote;
}

TEST(VersionNotice, TheVersionFollowsTheFirstEqualsSignAcrossLineBreaks) {
    EXPECT_EQ(RemoteVersionFromFile("version=4.10"), "4.10");
    EXPECT_EQ(RemoteVersionFromFile("[Ondivel]\r\nversion = \r\n 4.10 \r\n"), "4.10");
    EXPECT_EQ(RemoteVersionFromFile("a=b=c"), "b=c");
    EXPECT_EQ(RemoteVersionFromFile(" 2.0\n"), "2.0"); // no "=": the whole text
    EXPECT_EQ(RemoteVersionFromFile(""), "");
}

TEST(StartUpFolders, TheSharedFolderEndsWithTheAuthorFoldersAndASeparator) {
    const std::string s(1, std::filesystem::path::preferred_separator);
    EXPECT_EQ(SharedFolderPath(" /srv/docs "), "/srv/docs" + s + "Marvane" + s + "Ondivel" + s);
    EXPECT_EQ(SharedFolderPath("/srv/docs/"), "/srv/docs/Marvane" + s + "Ondivel" + s);
    EXPECT_EQ(SharedFolderPath(""), s + "Marvane" + s + "Ondivel" + s);
}

TEST(StartUpFolders, AChosenSettingsFileGivesTheFolderBeforeTheAuthorFolders) {
    EXPECT_EQ(FolderBeforeSettingsFile("/srv/data/Marvane/Ondivel/Conf_OND.ini"), "/srv/data");
    EXPECT_EQ(FolderBeforeSettingsFile("/srv/data/marvane/ONDIVEL/conf_ond.INI"), "/srv/data");
    EXPECT_EQ(FolderBeforeSettingsFile("/home/prof/réglages/Conf_OND.ini"), "/home/prof/réglages");
    EXPECT_EQ(FolderBeforeSettingsFile("Marvane/Ondivel/Conf_OND.ini"), "");
}

} // namespace
} // namespace ondivel
