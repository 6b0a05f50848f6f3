#include "launch_probe.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace ondivel::budget {

namespace {

using Clock = std::chrono::steady_clock;

// The parent's environment with `overrides` ("NAME=value") replacing or adding variables.
std::vector<std::string> childEnvironment(const std::vector<std::string>& overrides) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        bool replaced = false;
        for (const std::string& o : overrides)
            replaced = replaced || entry.compare(0, o.find('=') + 1, o, 0, o.find('=') + 1) == 0;
        if (!replaced) env.push_back(entry);
    }
    env.insert(env.end(), overrides.begin(), overrides.end());
    return env;
}

// The steady-clock reading the child wrote, once the whole line is there.
bool readReport(const std::filesystem::path& file, long long& nanoseconds) {
    std::ifstream in(file);
    std::string line;
    if (!std::getline(in, line) || in.eof()) return false; // not yet, or half written
    nanoseconds = std::stoll(line);
    return true;
}

void endChild(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

} // namespace

Launch measureLaunch(const std::string& program, const std::string& platform,
                     const std::filesystem::path& scratch, double timeoutSeconds) {
    namespace fs = std::filesystem;
    for (const char* dir : {"home", "appdata", "documents"})
        fs::create_directories(scratch / dir);
    const fs::path report = scratch / "first-paint";
    const fs::path log = scratch / "output.txt";
    std::vector<std::string> env = childEnvironment({
        "HOME=" + (scratch / "home").string(),
        "ONDIVEL_APPDATA_DIR=" + (scratch / "appdata").string(),
        "ONDIVEL_DOCUMENTS_DIR=" + (scratch / "documents").string(),
        "ONDIVEL_FIRST_PAINT_FILE=" + report.string(),
        "QT_QPA_PLATFORM=" + platform,
    });
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::string path = program;
    char* argv[] = {path.data(), nullptr};
    const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);

    Launch result;
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        if (out >= 0) {
            dup2(out, STDOUT_FILENO);
            dup2(out, STDERR_FILENO);
        }
        execve(path.c_str(), argv, envp.data());
        _exit(127);
    }
    if (out >= 0) close(out);
    if (pid < 0) {
        result.error = std::string("fork: ") + std::strerror(errno);
        return result;
    }

    long long painted = 0;
    while (!readReport(report, painted)) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::ifstream output(log);
            result.error = program + " ended before its first paint; it said:\n" +
                           std::string(std::istreambuf_iterator<char>(output), {});
            return result;
        }
        if (std::chrono::duration<double>(Clock::now() - start).count() > timeoutSeconds) {
            endChild(pid);
            result.error = program + " painted nothing in " + std::to_string(timeoutSeconds) + " s";
            return result;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    const auto started = std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch());
    result.seconds = static_cast<double>(painted - started.count()) / 1e9;
    // The memory a moment later, when the start-up's window is up and the first frames are done.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    result.memory = memoryOf(pid);
    endChild(pid);
    result.ok = true;
    return result;
}

} // namespace ondivel::budget
