// Replacing a file through a temporary file beside it: the content, the mode, and what is left
// behind when the replacement cannot be made.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "files/durable_replace.h"
#include "support/temp_folder.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace ondivel {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

int entries(const fs::path& folder) {
    int n = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder))
        ++n;
    return n;
}

TEST(DurableReplace, ANewFileTakesTheUsualModeAndAReplacedOneKeepsItsOwn) {
#ifdef _WIN32
    GTEST_SKIP() << "no file modes";
#else
    TempFolder tmp;
    const std::string file = tmp / "ConfOND_eleve1.ini";
    const mode_t before = ::umask(027);
    const bool created = ReplaceFileDurably(file, "[Options]\r\n");
    ::umask(before);
    ASSERT_TRUE(created);
    EXPECT_EQ(readBytes(file), "[Options]\r\n");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0640)); // 0666 less the umask

    fs::permissions(file, fs::perms(0604));
    ASSERT_TRUE(ReplaceFileDurably(file, "[Interface]\r\n"));
    EXPECT_EQ(readBytes(file), "[Interface]\r\n");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms(0604));
    EXPECT_EQ(entries(tmp.path()), 1);
#endif
}

TEST(DurableReplace, AReplacementThatFailsLeavesTheTargetAndNoTemporaryFile) {
    TempFolder tmp;
    // A folder that holds a file cannot be replaced by a file.
    const fs::path folder = tmp.path() / "ConfOND_eleve1.ini";
    writeBytes((folder / "inside").string(), "kept");
    EXPECT_FALSE(ReplaceFileDurably(folder, "[Options]\r\n"));
    EXPECT_EQ(readBytes((folder / "inside").string()), "kept");
    EXPECT_EQ(entries(tmp.path()), 1);
    // No folder to write the temporary file in.
    EXPECT_FALSE(ReplaceFileDurably(tmp.path() / "missing/ConfOND_eleve1.ini", "[Options]\r\n"));
    EXPECT_EQ(entries(tmp.path()), 1);
}

} // namespace
} // namespace ondivel
