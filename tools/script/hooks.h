#pragma once
// How the runner is embedded: ondivel-script uses the defaults (a FakePlatform with recording
// surfaces, `shot` ignored); the screenshot tool supplies a platform with real surfaces, attaches
// its views when the application exists, repaints after each line and saves `shot` images.
#include <filesystem>
#include <memory>
#include <string>

namespace ondivel {
class FakePlatform;
class Ondivel;
} // namespace ondivel

namespace ondivel::script {

struct Scenario;

struct RunOptions {
    // When set: relative `dump` paths land here, and each scenario's final screen is written as
    // DIR/<scenario name>.svg.
    std::filesystem::path svgDir;
};

class ScenarioHooks {
  public:
    virtual ~ScenarioHooks() = default;
    // The platform of one scenario, with its folders under root.
    virtual std::unique_ptr<FakePlatform> makePlatform(const std::filesystem::path& root);
    // `start`: the program's start-up, as launching it. The harness's own tests replace it to
    // stay clear of the program's start-up.
    virtual void start(Ondivel& app);
    // Once the application exists, before the first line.
    virtual void applicationCreated(Ondivel& app) { (void)app; }
    // After every line that ran without error.
    virtual void lineDone(Ondivel& app) { (void)app; }
    // `shot NAME [WINDOW]`: the main window, or only that window (also one open modally).
    virtual void shot(Ondivel& app, const std::string& name, const std::string& window) {
        (void)app, (void)name, (void)window;
    }
    // When the scenario is over, before its application is destroyed.
    virtual void scenarioFinished(Ondivel& app, const Scenario& scenario) { (void)app, (void)scenario; }
};

} // namespace ondivel::script
