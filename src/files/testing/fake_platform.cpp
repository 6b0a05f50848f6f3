#include "files/testing/fake_platform.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "core/form.h"
#include "core/recording_surface.h"
#include "files/durable_append.h"

namespace ondivel {

namespace fs = std::filesystem;

FakePlatform::FakePlatform(const std::string& root) {
    const fs::path base = root.empty() ? fs::temp_directory_path() / "ondivel-fake" : fs::path(root);
    programDir = (base / "program").string();
    appDataDir = (base / "appdata").string();
    documentsDir = (base / "documents").string();
}

int FakePlatform::messageBox(const std::string& text, int flags, const std::string& title) {
    messages.push_back({text, flags, title});
    const int buttons = flags & 7;
    if (buttons == vbOKOnly) return vbOK;
    if (messageAnswers.empty())
        throw UnansweredQuestion("unanswered question box \"" + title + "\": " + text);
    const int answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

std::optional<std::string> FakePlatform::openFileDialog(const FileDialogRequest& request) {
    dialogs.push_back("open: " + request.title);
    if (fileAnswers.empty()) throw UnansweredQuestion("unanswered open dialog \"" + request.title + "\"");
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

std::optional<std::string> FakePlatform::saveFileDialog(const FileDialogRequest& request) {
    dialogs.push_back("save: " + request.title);
    if (fileAnswers.empty()) throw UnansweredQuestion("unanswered save dialog \"" + request.title + "\"");
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

std::optional<std::string> FakePlatform::folderDialog(const std::string& title) {
    dialogs.push_back("folder: " + title);
    if (fileAnswers.empty()) throw UnansweredQuestion("unanswered folder dialog \"" + title + "\"");
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

std::optional<Color> FakePlatform::colorDialog(Color initial) {
    dialogs.push_back("color");
    colorDialogStarts.push_back(initial);
    if (colorAnswers.empty()) throw UnansweredQuestion("unanswered colour dialog");
    auto answer = colorAnswers.front();
    colorAnswers.pop_front();
    return answer;
}

bool FakePlatform::printSetupDialog() {
    dialogs.push_back("printsetup");
    return true;
}

void FakePlatform::showModal(Form& form) {
    if (modalRunner) modalRunner(form);
}

double FakePlatform::random() {
    if (randomValues.empty()) return 0.5;
    const double v = randomValues.front();
    randomValues.pop_front();
    return v;
}

bool FakePlatform::playSound(const std::string& waveFile) {
    sounds.push_back(waveFile);
    return fs::exists(waveFile);
}

bool FakePlatform::launch(const std::string& target) {
    launched.push_back(target);
    return true;
}

bool FakePlatform::openTextFile(const std::string& path) {
    launched.push_back(path);
    std::error_code ec;
    return fs::is_regular_file(fs::symlink_status(path, ec));
}

void FakePlatform::showHelp(const std::string& helpFile, int topic) {
    helpRequests.push_back(fs::path(helpFile).filename().string() + "#" + std::to_string(topic));
}

bool FakePlatform::windowExists(const std::string& title) {
    for (const auto& t : openWindows)
        if (t == title) return true;
    return false;
}

void FakePlatform::closeWindow(const std::string& title) {
    std::erase(openWindows, title);
}

std::string FakePlatform::specialFolder(SpecialFolder folder) {
    return folder == SpecialFolder::CommonAppData ? appDataDir : documentsDir;
}

void FakePlatform::workArea(int& widthPixels, int& heightPixels) {
    widthPixels = workWidth;
    heightPixels = workHeight;
}

std::string FakePlatform::userSetting(const std::string& section, const std::string& key,
                                      const std::string& def) {
    auto it = userSettings.find(section + "/" + key);
    return it == userSettings.end() ? def : it->second;
}

void FakePlatform::setUserSetting(const std::string& section, const std::string& key,
                                  const std::string& value) {
    userSettings[section + "/" + key] = value;
}

bool FakePlatform::appendDurably(const std::string& path, const std::string& bytes) {
    // The program's own durable append, so that the scenarios exercise the shipped write path.
    if (failAppends || !appendDurablyToFile(path, bytes)) return false;
    ++durableAppends;
    return true;
}

bool FakePlatform::moveToTrash(const std::string& path) {
    if (failTrash) return false;
    std::error_code ec;
    if (!fs::remove(path, ec)) return false;
    trashed.push_back(path);
    return true;
}

std::string FakePlatform::networkNameOf(const std::string& folder) {
    auto it = networkNames.find(folder);
    return it == networkNames.end() ? std::string() : it->second;
}

bool FakePlatform::download(const std::string& url, const std::string& destination) {
    downloads.push_back(url);
    if (!versionFile) return false;
    std::error_code ec;
    fs::create_directories(fs::path(destination).parent_path(), ec);
    std::ofstream out(destination, std::ios::binary);
    out << *versionFile;
    return static_cast<bool>(out);
}

bool FakePlatform::printPage(const std::function<void(Surface&)>& drawPage) {
    if (noPrinter) return false;
    // An A4 sheet at 96 dots an inch, less the margins.
    printedPages.emplace_back(718, 1047);
    drawPage(printedPages.back());
    return true;
}

namespace {

// One surface with the background's lines (the graticule) first, then the drawings, so that it
// answers every query about the picture.
RecordingSurface flattened(const RecordingSurface* source) {
    RecordingSurface copy(source->widthPixels(), source->heightPixels());
    copy.setScale(source->left(), source->top(), source->right(), source->bottom());
    copy.setBackColor(source->backgroundColor());
    for (const auto* lines : {&source->backgroundLines(), &source->lines()})
        for (const RecordedLine& l : *lines) {
            copy.setDrawWidth(l.width);
            copy.setDrawStyle(l.style);
            copy.line(l.x1, l.y1, l.x2, l.y2, l.color);
        }
    for (const RecordedText& t : source->texts()) {
        copy.setFont(t.font, t.points);
        copy.print(t.x, t.y, t.text, t.color);
    }
    return copy;
}

} // namespace

void FakePlatform::setClipboardImage(const Surface& picture) {
    const auto* source = dynamic_cast<const RecordingSurface*>(&picture);
    if (!source) return;
    clipboard = flattened(source);
    ++clipboardCopies;
}

std::unique_ptr<Surface> FakePlatform::createSharperSurface(const Surface& shown, int minWidthPixels) {
    int width = 1000, height = 800;
    if (const auto* s = dynamic_cast<const RecordingSurface*>(&shown)) {
        width = s->widthPixels();
        height = s->heightPixels();
    }
    const double scale = std::max(1.0, static_cast<double>(minWidthPixels) / std::max(1, width));
    return createSurface(static_cast<int>(std::ceil(width * scale)),
                         static_cast<int>(std::ceil(height * scale)));
}

std::string FakePlatform::pngBytes(const Surface& picture) {
    exports.push_back("png");
    if (const auto* source = dynamic_cast<const RecordingSurface*>(&picture)) exported = flattened(source);
    return failExports ? std::string() : std::string("\x89PNG\r\n\x1a\nstand-in picture\n");
}

std::string FakePlatform::pdfBytes(const std::function<void(Surface&)>& drawPage, const std::string& title) {
    exports.push_back("pdf");
    // An A4 sheet across, at 96 dots an inch.
    RecordingSurface page(1123, 794);
    drawPage(page);
    exported = std::move(page);
    return failExports ? std::string() : "%PDF-1.4\n% stand-in document: " + title + "\n%%EOF\n";
}

std::string FakePlatform::pdfDocumentBytes(int pageCount, const std::function<void(Surface&, int)>& drawPage,
                                           const std::string& title, bool landscape) {
    exports.push_back("pdf");
    exportedPages.clear();
    for (int i = 0; i < pageCount; ++i) {
        // An A4 sheet at 96 dots an inch, across or upright.
        RecordingSurface page(landscape ? 1123 : 794, landscape ? 794 : 1123);
        drawPage(page, i);
        exportedPages.push_back(std::move(page));
    }
    if (!exportedPages.empty()) exported = exportedPages.back();
    return failExports || pageCount < 1 ? std::string()
                                        : "%PDF-1.4\n% stand-in document: " + title + "\n%%EOF\n";
}

std::string FakePlatform::csvBytes(const std::string& text) {
    exports.push_back("csv");
    return Platform::csvBytes(text);
}

std::unique_ptr<Surface> FakePlatform::createSurface(int widthPixels, int heightPixels) {
    return std::make_unique<RecordingSurface>(widthPixels, heightPixels);
}

void FakePlatform::advanceSeconds(double seconds) {
    counter_ += static_cast<std::int64_t>(seconds * 1e9 + (seconds >= 0 ? 0.5 : -0.5));
    wallClock_ += seconds;
}

} // namespace ondivel
