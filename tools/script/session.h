#pragma once
// One scenario's world: its temporary folder, the scripted platform, the application, the
// variables of paths and strings, and the bookkeeping of queued answers and open modal windows.
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/color.h"

namespace ondivel {
class FakePlatform;
class Form;
class Ondivel;
} // namespace ondivel

namespace ondivel::script {

class Session {
  public:
    // The platform's folders should lie under root; they are created empty.
    Session(std::unique_ptr<FakePlatform> platform, std::filesystem::path root);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    FakePlatform& platform() const { return *platform_; }
    Ondivel& app() const { return *app_; }
    const std::filesystem::path& root() const { return root_; }

    bool started = false;
    bool iniWritten = false; // `user` must come before the first `ini`

    // Replaces $ROOT, $PROGRAM, $APPDATA, $DOCUMENTS and $PARTAGE. A folder variable followed by
    // "/" or "\" gives one separator, so "$PARTAGE/x" is a clean path whether or not the folder
    // ends with one. Throws ScriptError on an unknown variable or $PARTAGE before start-up.
    std::string expand(std::string_view text) const;

    // The settings file: FichierConfig once start-up has set it, before that the file start-up
    // will look for.
    std::string settingsFile() const;
    std::string userName() const;

    // Answers, with the line that queued each.
    void queueMessageAnswer(int answer, int line);
    void queueFileAnswer(std::optional<std::string> path, int line);
    void queueColorAnswer(std::optional<Color> color, int line);
    // The line of the first answer the program never asked for.
    std::optional<int> firstUnusedAnswerLine() const;
    // A question the program asked with no answer queued, even one whose failure the program
    // swallowed; describes it.
    std::optional<std::string> unansweredQuestion() const;

    // The window the keyboard commands acted on last (tab, backtab, keypress); null before.
    Form* keyboardWindow = nullptr;

    // Modal windows open now, innermost last.
    std::vector<Form*> modalStack;

  private:
    void installExampleMontages();
    std::unique_ptr<FakePlatform> platform_;
    std::unique_ptr<Ondivel> app_;
    std::filesystem::path root_;
    std::vector<int> messageLines_, fileLines_, colorLines_;
};

} // namespace ondivel::script
