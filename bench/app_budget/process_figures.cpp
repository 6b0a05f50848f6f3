#include "process_figures.h"

#include <fstream>
#include <sstream>
#include <sys/resource.h>

namespace ondivel::budget {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

long statusKilobytes(const std::string& statusText, const std::string& name) {
    std::istringstream lines(statusText);
    for (std::string line; std::getline(lines, line);) {
        if (line.compare(0, name.size() + 1, name + ":") != 0) continue;
        std::istringstream fields(line.substr(name.size() + 1));
        long kb = -1;
        fields >> kb;
        return fields ? kb : -1;
    }
    return -1;
}

Memory memoryOf(pid_t pid) {
    const std::string path = pid == 0 ? "/proc/self/status" : "/proc/" + std::to_string(pid) + "/status";
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    const auto mb = [&](const char* name) {
        const long kb = statusKilobytes(text.str(), name);
        return kb < 0 ? 0.0 : static_cast<double>(kb) / 1024;
    };
    return {mb("VmRSS"), mb("VmHWM")};
}

} // namespace ondivel::budget
