#include "script/session.h"

#include <algorithm>
#include <cctype>

#include "bench/ondivel.h"
#include "files/settings_location.h"
#include "files/testing/fake_platform.h"
#include "script/script_error.h"

namespace ondivel::script {

namespace fs = std::filesystem;

Session::Session(std::unique_ptr<FakePlatform> platform, fs::path root)
    : platform_(std::move(platform)), root_(std::move(root)) {
    std::error_code ec;
    for (const auto& folder : {platform_->programDir, platform_->appDataDir, platform_->documentsDir})
        if (!folder.empty()) fs::create_directories(folder, ec);
    installExampleMontages();
    app_ = std::make_unique<Ondivel>(*platform_);
}

// The program folder holds the example set-ups, as an installed program's data folder does.
void Session::installExampleMontages() {
#ifdef ONDIVEL_RESOURCES_DIR
    std::error_code ec;
    const fs::path target = fs::path(platform_->programDir) / "montages";
    fs::create_directories(target, ec);
    for (const auto& entry : fs::directory_iterator(fs::path(ONDIVEL_RESOURCES_DIR) / "montages", ec))
        if (entry.path().extension() == ".ondm")
            fs::copy_file(entry.path(), target / entry.path().filename(),
                          fs::copy_options::overwrite_existing, ec);
#endif
}

Session::~Session() {
    app_.reset(); // the application talks to the platform until it is gone
}

namespace {
bool isSeparator(char c) {
    return c == '/' || c == '\\';
}
} // namespace

std::string Session::expand(std::string_view text) const {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] != '$' || i + 1 >= text.size() ||
            !std::isupper(static_cast<unsigned char>(text[i + 1]))) {
            out += text[i++];
            continue;
        }
        std::size_t end = i + 1;
        while (end < text.size() && std::isupper(static_cast<unsigned char>(text[end])))
            ++end;
        const std::string name(text.substr(i + 1, end - i - 1));
        std::string value;
        if (name == "ROOT")
            value = root_.string();
        else if (name == "PROGRAM")
            value = platform_->programDir;
        else if (name == "APPDATA")
            value = platform_->appDataDir;
        else if (name == "DOCUMENTS")
            value = platform_->documentsDir;
        else if (name == "PARTAGE") {
            if (!started) throw ScriptError("$PARTAGE is known only after start");
            value = app_->g.DossierPartage;
            if (value.empty()) throw ScriptError("$PARTAGE: start-up left DossierPartage empty");
        } else {
            throw ScriptError("unknown variable $" + name);
        }
        if (!value.empty() && isSeparator(value.back()) && end < text.size() && isSeparator(text[end]))
            value.pop_back();
        out += value;
        i = end;
    }
    return out;
}

std::string Session::userName() const {
    return platform_->logon ? *platform_->logon : std::string(kUnknownUser);
}

std::string Session::settingsFile() const {
    if (!app_->g.FichierConfig.empty()) return app_->g.FichierConfig;
    return SettingsFilePath(platform_->appDataDir, userName());
}

void Session::queueMessageAnswer(int answer, int line) {
    platform_->messageAnswers.push_back(answer);
    messageLines_.push_back(line);
}

void Session::queueFileAnswer(std::optional<std::string> path, int line) {
    platform_->fileAnswers.push_back(std::move(path));
    fileLines_.push_back(line);
}

void Session::queueColorAnswer(std::optional<Color> color, int line) {
    platform_->colorAnswers.push_back(color);
    colorLines_.push_back(line);
}

std::optional<int> Session::firstUnusedAnswerLine() const {
    std::optional<int> first;
    auto consider = [&](const std::vector<int>& lines, std::size_t remaining) {
        if (remaining == 0 || remaining > lines.size()) return;
        const int line = lines[lines.size() - remaining];
        if (!first || line < *first) first = line;
    };
    consider(messageLines_, platform_->messageAnswers.size());
    consider(fileLines_, platform_->fileAnswers.size());
    consider(colorLines_, platform_->colorAnswers.size());
    return first;
}

std::optional<std::string> Session::unansweredQuestion() const {
    const FakePlatform& p = *platform_;
    std::vector<const ShownMessage*> questions;
    for (const auto& m : p.messages)
        if ((m.flags & 7) != vbOKOnly) questions.push_back(&m);
    const std::size_t messagesAnswered = messageLines_.size() - p.messageAnswers.size();
    if (questions.size() > messagesAnswered) {
        const ShownMessage& m = *questions[messagesAnswered];
        return "unanswered question box \"" + m.title + "\": " + m.text;
    }
    std::vector<const std::string*> fileDialogs;
    std::size_t colorDialogs = 0;
    for (const auto& d : p.dialogs) {
        if (d.starts_with("open:") || d.starts_with("save:") || d.starts_with("folder:"))
            fileDialogs.push_back(&d);
        else if (d == "color")
            ++colorDialogs;
    }
    const std::size_t filesAnswered = fileLines_.size() - p.fileAnswers.size();
    if (fileDialogs.size() > filesAnswered) {
        // Recorded as "open: Title"; said as the fake platform says it when it throws.
        const std::string& d = *fileDialogs[filesAnswered];
        const std::size_t colon = d.find(':');
        return "unanswered " + d.substr(0, colon) + " dialog \"" + d.substr(std::min(d.size(), colon + 2)) +
               "\"";
    }
    if (colorDialogs > colorLines_.size() - p.colorAnswers.size())
        return std::string("unanswered colour dialog");
    return std::nullopt;
}

} // namespace ondivel::script
