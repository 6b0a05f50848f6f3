#include "bench/main/tips.h"

#include <filesystem>

#include "bench/ondivel.h"
#include "core/platform.h"
#include "files/text_file.h"

namespace ondivel {

namespace fs = std::filesystem;

namespace {

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string sharedCopy(const Ondivel& app) {
    return app.g.DossierPartage.empty() ? std::string() : app.g.DossierPartage + kTipsFileName;
}

std::string shippedFile(const Ondivel& app) {
    const std::string folder = app.programFolder();
    if (folder.empty()) return {};
    const std::u8string path = (PathFromUtf8(folder) / kTipsFileName).u8string();
    return std::string(path.begin(), path.end());
}

bool exists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(PathFromUtf8(path), ec);
}

} // namespace

std::vector<std::string> TipsFromText(std::string_view text) {
    std::vector<std::string> tips;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, end));
        if (!line.empty()) tips.emplace_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return tips;
}

std::string TipsFileToRead(const Ondivel& app) {
    const std::string shared = sharedCopy(app);
    return exists(shared) ? shared : shippedFile(app);
}

std::string EditableTipsFile(Ondivel& app) {
    const std::string shared = sharedCopy(app);
    if (shared.empty() || exists(shared)) return shared;
    std::error_code ec;
    // The shared folder, made at start-up, may have been removed since.
    fs::create_directories(PathFromUtf8(shared).parent_path(), ec);
    const std::string shipped = shippedFile(app);
    if (exists(shipped)) fs::copy_file(PathFromUtf8(shipped), PathFromUtf8(shared), ec);
    // The teacher starts an empty list where the program came without one.
    if (!exists(shared) && !app.platform().appendDurably(shared, "")) return {};
    return shared;
}

std::vector<std::string> LoadTips(const Ondivel& app) {
    const std::optional<std::string> text = ReadTextFile(TipsFileToRead(app));
    return text ? TipsFromText(*text) : std::vector<std::string>{};
}

} // namespace ondivel
