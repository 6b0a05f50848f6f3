// ondivel-tour [--out DIR] SCENARIO.scn...
// Replays scenarios against the real windows on the offscreen platform and saves a PNG of the
// main window at each `shot`; prints the harness's result line too.
#include <QApplication>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "script/runner.h"
#include "tour/tour_hooks.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::filesystem::path out = ".";
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--out" && i + 1 < argc) {
            out = argv[++i];
        } else if (arg.starts_with("--")) {
            files.clear();
            break;
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty()) {
        std::cerr << "usage: ondivel-tour [--out DIR] SCENARIO.scn...\n";
        return 2;
    }
    ondivel::tour::TourHooks hooks(out);
    const int status = ondivel::script::runScenarioFiles(files, {}, hooks, std::cout);
    return status != 0 || hooks.shotsFailed() != 0 ? 1 : 0;
}
