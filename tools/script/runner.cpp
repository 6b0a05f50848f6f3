#include "script/runner.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>

#include "bench/main/mdi_ondivel.h"
#include "bench/ondivel.h"
#include "bench/scope/renderer.h"
#include "core/form.h"
#include "core/recording_surface.h"
#include "files/testing/fake_platform.h"
#include "script/commands.h"
#include "script/evaluator.h"
#include "script/lexer.h"
#include "script/script_error.h"
#include "script/session.h"

namespace ondivel::script {

namespace fs = std::filesystem;

std::unique_ptr<FakePlatform> ScenarioHooks::makePlatform(const fs::path& root) {
    return std::make_unique<FakePlatform>(root.string());
}

void ScenarioHooks::start(Ondivel& app) {
    app.mdi().Show();
}

namespace {

// Modal windows opening modal windows this deep mean a scenario that loops, not a lesson.
constexpr std::size_t kMaxModalDepth = 8;

// An empty folder of its own, removed with everything in it when the scenario ends.
class TemporaryFolder {
  public:
    explicit TemporaryFolder(const std::string& stem) {
        std::random_device seed;
        std::mt19937_64 bits(seed());
        for (int attempt = 0; attempt < 100; ++attempt) {
            const fs::path candidate = fs::temp_directory_path() /
                                       ("ondivel-script-" + stem + "-" + std::to_string(bits() % 1000000007));
            std::error_code ec;
            if (fs::create_directories(candidate, ec)) {
                path_ = candidate;
                return;
            }
        }
        throw ScriptError("cannot create a temporary folder");
    }
    ~TemporaryFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

class ScenarioRun {
  public:
    ScenarioRun(const Scenario& scenario, Report& report, const RunOptions& options, ScenarioHooks& hooks,
                Session& session)
        : scenario_(scenario), report_(report), options_(options), hooks_(hooks), session_(session),
          eval_(session) {}

    ~ScenarioRun() { session_.platform().modalRunner = nullptr; }
    ScenarioRun(const ScenarioRun&) = delete;
    ScenarioRun& operator=(const ScenarioRun&) = delete;

    void run() {
        session_.platform().modalRunner = [this](Form& form) { runModal(form); };
        runWhile([] { return true; });
        if (aborted_) return;
        if (const auto line = session_.firstUnusedAnswerLine())
            abort({scenario_.name, *line}, "this answer was never asked for");
    }

  private:
    void runWhile(const std::function<bool()>& open) {
        while (cursor_ < scenario_.lines.size() && !aborted_ && open())
            runLine(scenario_.lines[cursor_++]);
    }

    void runModal(Form& form) {
        if (aborted_) return;
        if (session_.modalStack.size() >= kMaxModalDepth) {
            abort(currentLine(), "modal windows nested too deeply");
            return;
        }
        session_.modalStack.push_back(&form);
        runWhile([&form] { return form.loaded() && form.Visible; });
        session_.modalStack.pop_back();
    }

    Location currentLine() const {
        const std::size_t i = cursor_ == 0 ? 0 : cursor_ - 1;
        return {scenario_.name, i < scenario_.lines.size() ? scenario_.lines[i].number : 0};
    }

    void runLine(const ScenarioLine& line) {
        const Location at{scenario_.name, line.number};
        try {
            CommandContext c{session_, eval_, report_, options_, hooks_, line, at, splitWords(line.text)};
            runCommand(c);
            if (aborted_) return;
            if (auto question = session_.unansweredQuestion()) return abort(at, *question);
            hooks_.lineDone(session_.app());
        } catch (const UnansweredQuestion& e) {
            abort(at, e.what());
        } catch (const ScriptError& e) {
            abort(at, e.what());
        } catch (const std::exception& e) {
            abort(at, std::string("the program failed: ") + e.what());
        } catch (...) {
            abort(at, "the program failed with an unknown exception");
        }
    }

    // Reports the first error only: the lines that were running around it end with it.
    void abort(const Location& at, const std::string& reason) {
        if (aborted_) return;
        aborted_ = true;
        report_.error(at, reason);
    }

    const Scenario& scenario_;
    Report& report_;
    const RunOptions& options_;
    ScenarioHooks& hooks_;
    Session& session_;
    Evaluator eval_;
    std::size_t cursor_ = 0;
    bool aborted_ = false;
};

std::string stemOf(const std::string& name) {
    return fs::path(name).stem().string();
}

void writeFinalScreen(const Scenario& scenario, Ondivel& app, const RunOptions& options) {
    if (options.svgDir.empty()) return;
    const auto* screen = dynamic_cast<const RecordingSurface*>(&app.renderer().targetScreen());
    if (!screen) return;
    std::error_code ec;
    fs::create_directories(options.svgDir, ec);
    std::ofstream(options.svgDir / (stemOf(scenario.name) + ".svg"), std::ios::binary) << screen->toSvg();
}

} // namespace

void runScenario(const Scenario& scenario, Report& report, const RunOptions& options, ScenarioHooks& hooks) {
    try {
        TemporaryFolder root(stemOf(scenario.name));
        Session session(hooks.makePlatform(root.path()), root.path());
        hooks.applicationCreated(session.app());
        ScenarioRun(scenario, report, options, hooks, session).run();
        writeFinalScreen(scenario, session.app(), options);
        hooks.scenarioFinished(session.app(), scenario);
    } catch (const std::exception& e) {
        report.error({scenario.name, 0}, std::string("the scenario could not run: ") + e.what());
    }
}

int runScenarioFiles(const std::vector<std::string>& paths, const RunOptions& options, ScenarioHooks& hooks,
                     std::ostream& out) {
    Report report(out);
    for (const auto& path : paths) {
        const std::string name = fs::path(path).filename().string();
        std::ifstream in(path, std::ios::binary);
        std::error_code ec;
        if (!in || fs::is_directory(path, ec)) {
            report.error({name, 0}, "cannot read " + path);
            continue;
        }
        const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        runScenario(parseScenario(name, text), report, options, hooks);
    }
    report.summary();
    return report.failed() == 0 ? 0 : 1;
}

} // namespace ondivel::script
