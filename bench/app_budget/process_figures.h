#pragma once
// What the operating system says a process costs: CPU time of this process (every thread) and the
// resident memory of any process, read from /proc. Used by the app_budget measuring tool.
#include <string>
#include <sys/types.h>

namespace ondivel::budget {

// User plus system CPU seconds this process has used so far.
double cpuSeconds();

struct Memory {
    double residentMB = 0; // VmRSS
    double peakMB = 0;     // VmHWM, the high-water mark of the resident set
};

// The resident memory of a process (0 = this one); zeros when /proc does not tell.
Memory memoryOf(pid_t pid = 0);

// Value in kB of a "Name:   1234 kB" line of a /proc status text; -1 when the line is missing.
long statusKilobytes(const std::string& statusText, const std::string& name);

} // namespace ondivel::budget
