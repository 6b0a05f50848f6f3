// Results files shared by several programs: two pupils' programs appending at the same moment
// must interleave whole blocks of lines, and a program killed in the middle of an evaluation must
// leave every block it wrote before intact.
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#include "ui/platform/durable_file.h"

using namespace ondivel;

namespace {

// One oscillogram's record as the evaluation writes it: several lines in one append.
std::string block(char writer, int n) {
    std::ostringstream out;
    out << writer << n << " Voie A : Signal : Sinus ; Ua = 5,0 ; Fa = 50,0\r\n";
    out << writer << n << " Voie B : Signal : Triangle ; Ub = 2,0 ; Fb = 120,0 (FAUX)\r\n";
    out << writer << n << "         Score : 5\r\n";
    out << writer << n << " " << std::string(52, '*') << "\r\n";
    return out.str();
}

// Runs `body` in a child process and returns its exit status (or the signal that ended it).
template <typename Body> pid_t spawn(Body body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        body();
        ::_exit(0);
    }
    return pid;
}

std::vector<std::string> linesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

} // namespace

class DurableFileTest : public QObject {
    Q_OBJECT
  private slots:
    void twoProgramsInterleaveWholeBlocks() {
        QTemporaryDir dir;
        const std::string path = dir.filePath("OND_dozavi_3_12_2026_9_5.txt").toStdString();
        constexpr int kBlocks = 400;
        pid_t writers[2];
        for (int w = 0; w < 2; ++w) {
            const char id = static_cast<char>('a' + w);
            writers[w] = spawn([&] {
                for (int n = 0; n < kBlocks; ++n)
                    if (!appendDurablyToFile(path, block(id, n))) ::_exit(1);
            });
            QVERIFY(writers[w] > 0);
        }
        for (pid_t pid : writers) {
            int status = 0;
            QCOMPARE(::waitpid(pid, &status, 0), pid);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }

        const std::vector<std::string> lines = linesOf(path);
        QCOMPARE(static_cast<int>(lines.size()), 2 * kBlocks * 4);
        std::map<char, int> next{{'a', 0}, {'b', 0}};
        for (std::size_t i = 0; i < lines.size(); i += 4) {
            const char id = lines[i][0];
            QVERIFY(next.count(id));
            // The four lines of a block follow each other, whole, in the writer's own order.
            std::istringstream expected(block(id, next[id]));
            for (std::size_t k = 0; k < 4; ++k) {
                std::string want;
                std::getline(expected, want);
                QCOMPARE(lines[i + k], want);
            }
            ++next[id];
        }
        QCOMPARE(next['a'], kBlocks);
        QCOMPARE(next['b'], kBlocks);
    }

    void aProgramKilledMidEvaluationKeepsItsEarlierRecords() {
        QTemporaryDir dir;
        const std::string path = dir.filePath("Resultat.txt").toStdString();
        int ready[2];
        QCOMPARE(::pipe(ready), 0);
        const pid_t pid = spawn([&] {
            for (int n = 0; n < 25; ++n)
                appendDurablyToFile(path, block('a', n));
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

        const std::vector<std::string> lines = linesOf(path);
        QCOMPARE(static_cast<int>(lines.size()), 25 * 4);
        QVERIFY(lines.back().find(std::string(52, '*')) != std::string::npos);
    }

    void anUnwritablePlaceIsReported() {
        QVERIFY(!appendDurablyToFile("/nonexistent-folder/Resultat.txt", block('a', 0)));
    }
};

QTEST_MAIN(DurableFileTest)
#include "durable_file_test.moc"
