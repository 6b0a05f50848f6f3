// The help shipped with the program: every window's F1 topic has its page, every page can be
// reached from the contents, and no link or picture points nowhere.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "bench/ondivel.h"
#include "core/form.h"
#include "files/testing/fake_platform.h"

namespace ondivel {
namespace {

namespace fs = std::filesystem;

fs::path helpFolder() {
    if (const char* source = std::getenv("ONDIVEL_SOURCE_DIR"))
        return fs::path(source) / "resources" / "help";
    return fs::path(__FILE__).parent_path().parent_path().parent_path() / "resources" / "help";
}

std::string slurp(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The href="…" and src="…" attributes of a page, in order, as (attribute, target) pairs. A small
// scanner rather than std::regex, whose inlined code trips the sanitizer build's warnings.
std::vector<std::pair<std::string, std::string>> references(const std::string& html) {
    std::string lower = html;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::vector<std::pair<std::string, std::string>> found;
    for (std::size_t at = 0; at < lower.size(); ++at) {
        std::string attribute;
        if (lower.compare(at, 4, "href") == 0)
            attribute = "href";
        else if (lower.compare(at, 3, "src") == 0)
            attribute = "src";
        else
            continue;
        std::size_t i = at + attribute.size();
        while (i < lower.size() && std::isspace(static_cast<unsigned char>(lower[i])))
            ++i;
        if (i >= lower.size() || lower[i] != '=') continue;
        ++i;
        while (i < lower.size() && std::isspace(static_cast<unsigned char>(lower[i])))
            ++i;
        if (i >= lower.size() || lower[i] != '"') continue;
        const std::size_t close = html.find('"', i + 1);
        if (close == std::string::npos) break;
        found.emplace_back(attribute, html.substr(i + 1, close - i - 1));
        at = close;
    }
    return found;
}

// Every page with its links and pictures, relative to the help folder, anchors dropped.
struct HelpPages {
    std::map<std::string, std::vector<std::string>> links, pictures;

    HelpPages() {
        for (const auto& entry : fs::directory_iterator(helpFolder())) {
            if (entry.path().extension() != ".html") continue;
            const std::string page = entry.path().filename().string();
            links[page];
            for (auto [attribute, target] : references(slurp(entry.path()))) {
                if (target.starts_with("http:") || target.starts_with("https:") ||
                    target.starts_with("mailto:"))
                    continue;
                target = target.substr(0, target.find('#'));
                if (target.empty()) continue;
                (attribute == "src" ? pictures : links)[page].push_back(target);
            }
        }
    }
};

class HelpPagesTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(fs::is_directory(helpFolder())) << helpFolder(); }
};

TEST_F(HelpPagesTest, EveryWindowWithAHelpTopicHasItsPage) {
    FakePlatform platform;
    Ondivel app(platform);
    int topics = 0;
    for (const Form* form : app.forms()) {
        if (form->HelpTopic == 0) continue;
        ++topics;
        EXPECT_TRUE(fs::exists(helpFolder() / (std::to_string(form->HelpTopic) + ".html")))
            << form->name() << " opens topic " << form->HelpTopic;
    }
    EXPECT_GE(topics, 10); // the panels of the bench and the teacher's windows
    EXPECT_TRUE(fs::exists(helpFolder() / "contents.html"));
    EXPECT_TRUE(fs::exists(helpFolder() / "index.html"));
}

TEST_F(HelpPagesTest, LinksAndPicturesPointToFilesThatShip) {
    const HelpPages pages;
    for (const auto& [page, targets] : pages.links)
        for (const std::string& target : targets)
            EXPECT_TRUE(fs::exists(helpFolder() / target)) << page << " links to " << target;
    for (const auto& [page, targets] : pages.pictures)
        for (const std::string& target : targets) {
            const fs::path picture = helpFolder() / target;
            ASSERT_TRUE(fs::exists(picture)) << page << " shows " << target;
            // Pictures of a panel, cropped: a few tens of kilobytes keep the package small.
            EXPECT_LT(fs::file_size(picture), 150u * 1024) << target;
        }
}

TEST_F(HelpPagesTest, EveryPageAndPictureIsReachableFromTheContents) {
    const HelpPages pages;
    std::set<std::string> reached{"contents.html"}, shown;
    std::vector<std::string> todo{"contents.html"};
    while (!todo.empty()) {
        const std::string page = todo.back();
        todo.pop_back();
        if (auto it = pages.pictures.find(page); it != pages.pictures.end())
            shown.insert(it->second.begin(), it->second.end());
        if (auto it = pages.links.find(page); it != pages.links.end())
            for (const std::string& target : it->second)
                if (reached.insert(target).second) todo.push_back(target);
    }
    for (const auto& [page, targets] : pages.links)
        EXPECT_TRUE(reached.count(page)) << page << " cannot be reached from the contents";
    const fs::path images = helpFolder() / "images";
    if (!fs::is_directory(images)) return;
    for (const auto& entry : fs::directory_iterator(images)) {
        EXPECT_TRUE(shown.count("images/" + entry.path().filename().string()))
            << entry.path().filename() << " is shown by no page";
    }
}

} // namespace
} // namespace ondivel
