// ondivel-script [--svg-dir DIR] SCENARIO.scn...
#include <iostream>
#include <string>
#include <vector>

#include "script/runner.h"

int main(int argc, char** argv) {
    ondivel::script::RunOptions options;
    std::vector<std::string> files;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--svg-dir" && i + 1 < argc) {
            options.svgDir = argv[++i];
        } else if (arg.starts_with("--")) {
            files.clear();
            break;
        } else {
            files.push_back(arg);
        }
    }
    if (files.empty()) {
        std::cerr << "usage: ondivel-script [--svg-dir DIR] SCENARIO.scn...\n";
        return 2;
    }
    ondivel::script::ScenarioHooks hooks;
    return ondivel::script::runScenarioFiles(files, options, hooks, std::cout);
}
