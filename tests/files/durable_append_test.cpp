// Results files shared by several programs and several accounts: two pupils' programs appending at
// the same moment interleave whole blocks of lines; a program killed, or a disk filling up, in the
// middle of an evaluation leaves every block written before intact; and a file a pupil replaced by
// a link or a pipe is neither followed nor waited on.
#include <gtest/gtest.h>

#include <csignal>
#include <map>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "files/durable_append.h"
#include "files/testing/fake_platform.h"
#include "support/temp_folder.h"

namespace ondivel {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

// One oscillogram's record as the evaluation writes it: four lines in one append.
std::string block(char writer, int n) {
    std::ostringstream out;
    out << writer << n << " Voie A : Signal : Sinus ; Ua = 5,0 ; Fa = 50,0\r\n";
    out << writer << n << " Voie B : Signal : Triangle ; Ub = 2,0 ; Fb = 120,0 (FAUX)\r\n";
    out << writer << n << "         Score : 5\r\n";
    out << writer << n << " " << std::string(52, '*') << "\r\n";
    return out.str();
}

// Runs `body` in a child process.
template <typename Body> pid_t spawn(Body body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        body();
        ::_exit(0);
    }
    return pid;
}

bool exitedCleanly(pid_t pid) {
    int status = 0;
    return ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::vector<std::string> linesOf(const std::string& path) {
    std::istringstream in(readBytes(path));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

mode_t modeOf(const std::string& path) {
    struct stat st {};
    ::lstat(path.c_str(), &st);
    return st.st_mode & 07777;
}

TEST(DurableAppend, TwoProgramsInterleaveWholeBlocks) {
    TempFolder dir;
    const std::string path = dir / "Resultat.txt";
    constexpr int kBlocks = 400;
    pid_t writers[2];
    for (int w = 0; w < 2; ++w) {
        const char id = static_cast<char>('a' + w);
        writers[w] = spawn([&] {
            for (int n = 0; n < kBlocks; ++n)
                if (!appendDurablyToFile(path, block(id, n))) ::_exit(1);
        });
        ASSERT_GT(writers[w], 0);
    }
    for (pid_t pid : writers)
        ASSERT_TRUE(exitedCleanly(pid));

    const std::vector<std::string> lines = linesOf(path);
    ASSERT_EQ(lines.size(), 2u * kBlocks * 4);
    std::map<char, int> next{{'a', 0}, {'b', 0}};
    for (std::size_t i = 0; i < lines.size(); i += 4) {
        const char id = lines[i][0];
        ASSERT_TRUE(next.count(id));
        // The four lines of a block follow each other, whole, in the writer's own order.
        std::string found;
        for (std::size_t k = 0; k < 4; ++k)
            found += lines[i + k] + "\n";
        ASSERT_EQ(found, block(id, next[id]++));
    }
    EXPECT_EQ(next['a'], kBlocks);
    EXPECT_EQ(next['b'], kBlocks);
}

TEST(DurableAppend, AProgramKilledMidEvaluationKeepsItsEarlierRecords) {
    TempFolder dir;
    const std::string path = dir / "Resultat.txt";
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t pid = spawn([&] {
        for (int n = 0; n < 25; ++n)
            appendDurablyToFile(path, block('a', n));
        const char done = 1;
        (void)!::write(ready[1], &done, 1);
        for (;;)
            ::pause(); // the pupil is reading the next oscillogram when the power goes
    });
    char done = 0;
    ASSERT_EQ(::read(ready[0], &done, 1), static_cast<ssize_t>(1));
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status));
    ::close(ready[0]);
    ::close(ready[1]);
    std::string expected;
    for (int n = 0; n < 25; ++n)
        expected += block('a', n);
    EXPECT_EQ(readBytes(path), expected);
}

// The full disk is a file-size limit set in a child process.
TEST(DurableAppend, ADiskFullMidBlockLeavesTheEarlierRecordsExactly) {
    TempFolder dir;
    const std::string path = dir / "Resultat.txt";
    const std::string earlier = block('a', 0), next = block('a', 1);
    ASSERT_TRUE(appendDurablyToFile(path, earlier));
    EXPECT_FALSE(exitedCleanly(spawn([&] {
        std::signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead of ending the process
        const rlimit room{earlier.size() + 20, earlier.size() + 20};
        ::setrlimit(RLIMIT_FSIZE, &room);
        ::_exit(appendDurablyToFile(path, next) ? 0 : 1);
    })));
    EXPECT_EQ(readBytes(path), earlier);
    // Written again once there is room, the block lands whole.
    ASSERT_TRUE(appendDurablyToFile(path, next));
    EXPECT_EQ(readBytes(path), earlier + next);
    EXPECT_FALSE(appendDurablyToFile(dir / "missing-folder/Resultat.txt", next));
}

// Pupils of one group share the results folder (setgid, umask 002): what one program creates, the
// others append to.
TEST(DurableAppend, CreatedFilesTakeTheModeTheUmaskAllows) {
    TempFolder dir;
    for (const auto& [mask, expected] : {std::pair<mode_t, mode_t>{002, 0664}, {022, 0644}, {077, 0600}}) {
        const mode_t before = ::umask(mask);
        const std::string appended = dir / ("appended-" + std::to_string(mask));
        const std::string emptied = dir / ("emptied-" + std::to_string(mask));
        EXPECT_TRUE(appendDurablyToFile(appended, "x"));
        EXPECT_EQ(emptyPlainFile(emptied), EmptyFileResult::Emptied);
        ::umask(before);
        EXPECT_EQ(modeOf(appended), expected) << "umask " << mask;
        EXPECT_EQ(modeOf(emptied), expected) << "umask " << mask;
    }
}

// A pupil replaces the shared results file by a link to a teacher's file, a folder or a pipe:
// nothing is written through it, the teacher's file is intact, and nothing waits on the pipe.
TEST(DurableAppend, ALinkAFolderOrAPipeIsNeitherFollowedNorWaitedOn) {
    TempFolder dir;
    const std::string teachers = dir / "prof/notes.txt";
    writeBytes(teachers, "notes du professeur\r\n");
    const std::string link = dir / "Resultat.txt";
    ASSERT_EQ(::symlink(teachers.c_str(), link.c_str()), 0);
    const std::string folder = dir / "dossier.txt";
    std::filesystem::create_directories(folder);
    const std::string pipe = dir / "tube.txt";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0666), 0);

    for (const std::string& path : {link, folder, pipe}) {
        EXPECT_FALSE(appendDurablyToFile(path, block('a', 0))) << path;
        EXPECT_EQ(emptyPlainFile(path), EmptyFileResult::NotAPlainFile) << path;
    }
    // The harness's platform writes through the same path, so that scenarios exercise it.
    FakePlatform harness(dir / "harness");
    EXPECT_FALSE(harness.appendDurably(link, block('a', 0)));
    EXPECT_EQ(readBytes(teachers), "notes du professeur\r\n");

    const std::string plain = dir / "ordinaire.txt";
    writeBytes(plain, block('a', 0));
    EXPECT_EQ(emptyPlainFile(plain), EmptyFileResult::Emptied);
    EXPECT_EQ(readBytes(plain), "");
    EXPECT_EQ(emptyPlainFile(dir / "missing-folder/Resultat.txt"), EmptyFileResult::Failed);
}

} // namespace
} // namespace ondivel
