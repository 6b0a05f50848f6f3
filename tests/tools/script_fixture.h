#pragma once
// Runs inline scenarios through the harness library and keeps what it printed. Its start-up shows
// only the oscilloscope panel, so that the harness is tested apart from the program's own
// start-up; tests wire the handlers they need in `created`.
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "bench/ondivel.h"
#include "bench/scope/frm_ondivel.h"
#include "files/testing/fake_platform.h"
#include "script/hooks.h"
#include "script/report.h"
#include "script/runner.h"
#include "script/scenario.h"

namespace ondivel::script::testing {

class TestHooks : public ScenarioHooks {
  public:
    std::function<void(Ondivel&, FakePlatform&)> created;
    std::function<void(Ondivel&)> finished;
    std::vector<std::string> shots;
    std::filesystem::path root;

    std::unique_ptr<FakePlatform> makePlatform(const std::filesystem::path& r) override {
        root = r;
        auto p = std::make_unique<FakePlatform>(r.string());
        platform_ = p.get();
        return p;
    }
    void start(Ondivel& app) override { app.frmOndivel().Show(); }
    void applicationCreated(Ondivel& app) override {
        if (created) created(app, *platform_);
    }
    void shot(Ondivel&, const std::string& name, const std::string& window) override {
        shots.push_back(window.empty() ? name : name + " " + window);
    }
    void scenarioFinished(Ondivel& app, const Scenario&) override {
        if (finished) finished(app);
    }

  private:
    FakePlatform* platform_ = nullptr;
};

struct Outcome {
    std::string output; // without the closing count line
    int passed = 0;
    int failed = 0;
};

inline Outcome runText(const std::string& text, TestHooks& hooks, const RunOptions& options = {}) {
    std::ostringstream out;
    Report report(out);
    runScenario(parseScenario("t.scn", text), report, options, hooks);
    return {out.str(), report.passed(), report.failed()};
}

inline Outcome runText(const std::string& text) {
    TestHooks hooks;
    return runText(text, hooks);
}

} // namespace ondivel::script::testing
