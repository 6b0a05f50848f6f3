// Results files shared by several programs: two pupils' programs appending at the same moment must
// interleave whole blocks of lines, and a program killed, or a disk filling up, in the middle of an
// evaluation must leave every block written before intact, with no torn half-block.
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ui/platform/durable_file.h"

using namespace ondivel;

namespace {

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

std::string contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<std::string> linesOf(const std::string& path) {
    std::istringstream in(contentOf(path));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace

class DurableFileTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    std::string path_;

  private slots:
    void init() { path_ = dir_.filePath(QTest::currentTestFunction()).toStdString(); }

    void twoProgramsInterleaveWholeBlocks() {
        constexpr int kBlocks = 400;
        pid_t writers[2];
        for (int w = 0; w < 2; ++w) {
            const char id = static_cast<char>('a' + w);
            writers[w] = spawn([&] {
                for (int n = 0; n < kBlocks; ++n)
                    if (!appendDurablyToFile(path_, block(id, n))) ::_exit(1);
            });
            QVERIFY(writers[w] > 0);
        }
        for (pid_t pid : writers)
            QVERIFY(exitedCleanly(pid));

        const std::vector<std::string> lines = linesOf(path_);
        QCOMPARE(static_cast<int>(lines.size()), 2 * kBlocks * 4);
        std::map<char, int> next{{'a', 0}, {'b', 0}};
        for (std::size_t i = 0; i < lines.size(); i += 4) {
            const char id = lines[i][0];
            QVERIFY(next.count(id));
            // The four lines of a block follow each other, whole, in the writer's own order.
            std::string expected;
            for (std::size_t k = 0; k < 4; ++k)
                expected += lines[i + k] + "\n";
            QCOMPARE(expected, block(id, next[id]++));
        }
        QCOMPARE(next['a'], kBlocks);
        QCOMPARE(next['b'], kBlocks);
    }

    void aProgramKilledMidEvaluationKeepsItsEarlierRecords() {
        int ready[2];
        QCOMPARE(::pipe(ready), 0);
        const pid_t pid = spawn([&] {
            for (int n = 0; n < 25; ++n)
                appendDurablyToFile(path_, block('a', n));
            const char done = 1;
            (void)!::write(ready[1], &done, 1);
            for (;;)
                ::pause(); // the pupil is reading the next oscillogram when the power goes
        });
        char done = 0;
        QCOMPARE(::read(ready[0], &done, 1), static_cast<ssize_t>(1));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        QVERIFY(WIFSIGNALED(status));
        ::close(ready[0]);
        ::close(ready[1]);
        std::string expected;
        for (int n = 0; n < 25; ++n)
            expected += block('a', n);
        QCOMPARE(contentOf(path_), expected);
    }

    // The full disk is a file-size limit set in a child process.
    void aDiskFullMidBlockLeavesTheEarlierRecordsExactly() {
        const std::string earlier = block('a', 0), next = block('a', 1);
        QVERIFY(appendDurablyToFile(path_, earlier));
        QVERIFY(!exitedCleanly(spawn([&] {
            std::signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead of ending the process
            const rlimit room{earlier.size() + 20, earlier.size() + 20};
            ::setrlimit(RLIMIT_FSIZE, &room);
            ::_exit(appendDurablyToFile(path_, next) ? 0 : 1);
        })));
        QCOMPARE(contentOf(path_), earlier);
        // Written again once there is room, the block lands whole.
        QVERIFY(appendDurablyToFile(path_, next));
        QCOMPARE(contentOf(path_), earlier + next);
        QVERIFY(!appendDurablyToFile("/nonexistent-folder/Resultat.txt", next));
    }
};

QTEST_MAIN(DurableFileTest)
#include "durable_file_test.moc"
