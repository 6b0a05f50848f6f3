// app_budget --program build/ondivel [--seconds 10] [--check]
// The performance budget of the desktop program: launch to first painted frame and resident memory
// of the real program, then, in this process built as main() builds it, the CPU used over
// `seconds` with the oscilloscope on and a still trace (idle), with the beam spot sweeping, and in XY.
// --check fails when a figure passes the loose bounds of a shared machine.
#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_session.h"
#include "launch_probe.h"
#include "offscreen_screen.h"
#include "process_figures.h"

using namespace ondivel::budget;

namespace {

// Loose enough for a shared 2-core machine; the README quotes the figures measured alone.
constexpr double kIdleBoundPercent = 1;
constexpr double kSweepBoundPercent = 30;
// XY redraws its figure at every 1 ms tick; only the frames the screen shows are painted.
constexpr double kXYBoundPercent = 40;
constexpr double kLaunchBoundSeconds = 1.5;
constexpr double kMemoryBoundMB = 150;
constexpr int kLaunches = 3; // the median one counts: the first pays for cold file caches

struct Row {
    const char* what;
    double value;
    double bound;
    const char* unit;
};

} // namespace

int main(int argc, char** argv) {
    std::string program;
    double seconds = 10;
    bool check = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--program" && i + 1 < argc)
            program = argv[++i];
        else if (arg == "--seconds" && i + 1 < argc)
            seconds = std::atof(argv[++i]);
        else if (arg == "--check")
            check = true;
        else {
            std::fprintf(stderr, "usage: app_budget --program PATH [--seconds S] [--check]\n");
            return 2;
        }
    }
    if (program.empty() || seconds <= 0) {
        std::fprintf(stderr, "usage: app_budget --program PATH [--seconds S] [--check]\n");
        return 2;
    }

    // The real program first, before this process starts threads of its own.
    QTemporaryDir screenFolder;
    const std::string platform = offscreenPlatform(screenFolder.path().toStdString());
    std::vector<Launch> launches;
    for (int i = 0; i < kLaunches; ++i) {
        QTemporaryDir scratch;
        Launch launch = measureLaunch(program, platform, scratch.path().toStdString());
        if (!launch.ok) {
            std::fprintf(stderr, "launch: %s\n", launch.error.c_str());
            return 1;
        }
        launches.push_back(launch);
    }
    std::sort(launches.begin(), launches.end(),
              [](const Launch& a, const Launch& b) { return a.seconds < b.seconds; });
    const Launch& launch = launches[launches.size() / 2];

    qputenv("QT_QPA_PLATFORM", platform.c_str());
    QApplication application(argc, argv);
    BenchSession session;
    session.wireGeneratorOnCh1();
    if (!session.setTimeBase("1 ms/div") || session.sweepRunning()) {
        std::fprintf(stderr, "the 1 ms/div time base should show a still trace\n");
        return 1;
    }
    const double idle = session.cpuPercentOver(seconds);
    if (!session.setTimeBase("0.1 s/div") || !session.sweepRunning()) {
        std::fprintf(stderr, "the 0.1 s/div time base should sweep the spot\n");
        return 1;
    }
    const double sweep = session.cpuPercentOver(seconds);
    if (!session.switchToXY()) {
        std::fprintf(stderr, "the mode arrows should reach XY and start its timer\n");
        return 1;
    }
    const double xy = session.cpuPercentOver(seconds);
    const Memory bench = memoryOf();

    const Row rows[] = {
        {"idle CPU, oscilloscope on, still trace (% of a core)", idle, kIdleBoundPercent, "%"},
        {"sweep CPU, 0.1 s/div (% of a core)", sweep, kSweepBoundPercent, "%"},
        {"XY CPU, the figure turning (% of a core)", xy, kXYBoundPercent, "%"},
        {"launch to first painted frame (median of 3)", launch.seconds, kLaunchBoundSeconds, "s"},
        {"resident memory of the program after start-up, peak", launch.memory.peakMB, kMemoryBoundMB, "MB"},
        {"resident memory of this bench after the sweep, peak", bench.peakMB, kMemoryBoundMB, "MB"},
    };
    bool within = true;
    for (const Row& row : rows) {
        const bool ok = row.value <= row.bound;
        within = within && ok;
        std::printf("%-58s %8.3f %-2s (bound %g)%s\n", row.what, row.value, row.unit, row.bound,
                    ok ? "" : "  OVER");
    }
    std::printf("resident now: program %.1f MB, bench %.1f MB; launches %.3f %.3f %.3f s\n",
                launch.memory.residentMB, bench.residentMB, launches[0].seconds, launches[1].seconds,
                launches[2].seconds);
    return check && !within ? 1 : 0;
}
