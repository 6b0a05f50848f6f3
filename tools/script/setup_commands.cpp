// Set-up commands: what the machine looks like before the program starts, and `start` itself.
#include <filesystem>
#include <fstream>
#include <set>

#include "bench/ondivel.h"
#include "core/win1252.h"
#include "files/password_hash.h"
#include "files/settings_store.h"
#include "files/testing/fake_platform.h"
#include "script/commands.h"
#include "script/hooks.h"
#include "script/lexer.h"
#include "script/scenario.h"
#include "script/script_error.h"
#include "script/session.h"

namespace ondivel::script {

namespace fs = std::filesystem;

bool isSetUpCommand(const std::string& word) {
    static const std::set<std::string> names{"user",    "ini",  "password", "adminpassword", "workarea",
                                             "version", "file", "network",  "start"};
    return names.count(word) != 0;
}

namespace {

void makeParentFolders(const fs::path& file) {
    std::error_code ec;
    if (file.has_parent_path()) fs::create_directories(file.parent_path(), ec);
}

int pixels(const std::string& word) {
    double d = 0;
    if (!parseNumber(word, d) || d < 1 || d > 100000 || d != static_cast<int>(d))
        throw ScriptError("workarea takes two whole numbers of pixels, not " + word);
    return static_cast<int>(d);
}

void writeFile(CommandContext& c) {
    if (!c.line.hasBody) throw ScriptError("usage: file PATH <<END, then the lines, then END");
    if (!c.line.bodyError.empty()) throw ScriptError(c.line.bodyError);
    c.expectArgs(2, 2, "file PATH <<END");
    const fs::path path = c.session.expand(wordText(c.words[1]));
    makeParentFolders(path);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const auto& line : c.line.body)
        out << utf8ToCp1252(line) << "\r\n";
    if (!out) throw ScriptError("cannot write " + path.string());
}

} // namespace

void runSetUpCommand(CommandContext& c) {
    const std::string& command = c.words[0];
    Session& s = c.session;
    FakePlatform& p = s.platform();
    if (command == "user") {
        c.expectArgs(1, 1, "user NAME, or user none");
        if (s.iniWritten) throw ScriptError("give user before any ini line");
        const std::string name = wordText(c.words[1]);
        if (name.empty()) throw ScriptError("user needs a name, or none");
        if (c.words[1] == "none")
            p.logon.reset();
        else
            p.logon = name;
    } else if (command == "ini") {
        c.expectArgs(3, 3, "ini SECTION KEY VALUE (quote names with blanks)");
        const std::string file = s.settingsFile();
        makeParentFolders(file);
        WriteIniValue(file, s.expand(wordText(c.words[1])), s.expand(wordText(c.words[2])),
                      s.expand(wordText(c.words[3])));
        s.iniWritten = true;
    } else if (command == "password") {
        c.expectArgs(1, 1, "password TEXT");
        p.setUserSetting("Settings", "Password", s.expand(wordText(c.words[1])));
    } else if (command == "adminpassword") {
        c.expectArgs(1, 1, "adminpassword TEXT");
        p.systemPassword = HashPassword(s.expand(wordText(c.words[1])));
    } else if (command == "workarea") {
        c.expectArgs(2, 2, "workarea WIDTH HEIGHT");
        p.workWidth = pixels(c.words[1]);
        p.workHeight = pixels(c.words[2]);
    } else if (command == "version") {
        c.expectArgs(1, 1, "version TEXT, or version none");
        if (c.words[1] == "none")
            p.versionFile.reset();
        else
            p.versionFile = s.expand(wordText(c.words[1]));
    } else if (command == "network") {
        c.expectArgs(0, 0, "network");
        // The name a mounted share of the school's file server would report.
        p.networkNames[p.programDir] = "//serveur/ondivel";
    } else if (command == "file") {
        writeFile(c);
    } else { // start
        c.expectArgs(0, 0, "start");
        s.started = true;
        c.hooks.start(s.app());
    }
}

} // namespace ondivel::script
