// A disk that fills up in the middle of a results block: the append fails, the file keeps exactly
// the records written before (no torn half-block for the teacher to puzzle over), and the same
// block written again once there is room lands whole. The full disk is a file-size limit set in a
// child process.
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <fstream>
#include <iterator>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ui/platform/durable_file.h"

using namespace ondivel;

namespace {

std::string contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Appends in a child process whose files may not grow past `limit` bytes; its result.
bool appendWithRoomFor(const std::string& path, const std::string& bytes, rlim_t limit) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead of ending the process
        const rlimit room{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &room);
        ::_exit(appendDurablyToFile(path, bytes) ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

class DurableFileFaultsTest : public QObject {
    Q_OBJECT
  private slots:
    void aDiskFullMidBlockLeavesTheEarlierRecordsExactly() {
        QTemporaryDir dir;
        const std::string path = dir.filePath("Resultat.txt").toStdString();
        const std::string earlier = "Voie A : Signal : Sinus ; Ua = 5,0 ; Fa = 50,0\r\n        Score : 5\r\n";
        const std::string block = "Voie A : Signal : Cc ; Ua = 2,0\r\nVoie B : Signal : Cc ; Ub = 1,0\r\n"
                                  "        Score : 10\r\n";
        QVERIFY(appendDurablyToFile(path, earlier));

        QVERIFY(!appendWithRoomFor(path, block, earlier.size() + 20));
        QCOMPARE(contentOf(path), earlier);

        QVERIFY(appendDurablyToFile(path, block));
        QCOMPARE(contentOf(path), earlier + block);
    }
};

QTEST_MAIN(DurableFileFaultsTest)
#include "durable_file_faults_test.moc"
