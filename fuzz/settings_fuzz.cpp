// The settings file as a user's editor may leave it: any bytes, in Windows-1252 or UTF-8, with
// any line ends, read through the same path as the program's start-up, then rewritten.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/format.h"
#include "core/win1252.h"
#include "fuzz_support.h"
#include "shell/ini_document.h"
#include "shell/settings_store.h"
#include "shell/text_file.h"

using namespace ondivel;
using ondivel::fuzz::require;

namespace {

struct Name {
    std::string section, key;
};

// A few keys of the program's own, accented ones included, and the first section and keys the
// file itself holds, so that lookups and rewrites also land on keys that exist. Few names: each
// lookup folds the case of every line.
std::vector<Name> namesToTry(std::string_view text) {
    std::vector<Name> names{{"Options", "Couleur fond"}, {"Réseau", "Dossier Dépôt"}, {"Interface", "Zoom"}};
    std::vector<std::string> sections, keys;
    std::size_t start = 0;
    while (start < text.size() && (sections.empty() || keys.size() < 2)) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.front() == '[') {
            if (sections.empty()) sections.emplace_back(line.substr(1, line.find(']') - 1));
        } else if (const std::size_t eq = line.find('='); eq != std::string_view::npos && keys.size() < 2) {
            keys.emplace_back(line.substr(0, eq));
        }
        start = end + 1;
    }
    for (const std::string& s : sections)
        for (const std::string& k : keys)
            names.push_back({s, k});
    return names;
}

// A value that a rewrite must give back exactly: no blanks or quotes at its ends, one line.
bool plain(std::string_view v) {
    return !v.empty() && v.front() != ' ' && v.back() != ' ' && v.front() != '\t' && v.back() != '\t' &&
           v.front() != '"' && v.front() != '\'' && v.find_first_of("\r\n") == std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::ScratchFile file("ConfOND_fuzz.ini");
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    file.write(bytes);

    const std::optional<std::string> text = ReadTextFile(file.path());
    require(text.has_value(), "a file just written cannot be read");
    require(isValidUtf8(*text), "the settings text is not UTF-8 after decoding");

    const IniDocument doc = IniDocument::parse(*text);
    const std::string rewritten = doc.text();
    require(IniDocument::parse(rewritten).text() == rewritten, "rewriting the file is not stable");

    const std::vector<Name> names = namesToTry(*text);
    for (const Name& n : names)
        if (const std::optional<std::string> value = doc.value(n.section, n.key)) Val(*value);

    // The program's reader hands back the document's value, cut to the classic buffer.
    const Name& probe = names.back();
    const std::optional<std::string> expected = doc.value(probe.section, probe.key);
    const std::string read = ReadIniValue(file.path(), probe.section, probe.key, "\x01");
    if (!expected || expected->empty())
        require(read == "\x01", "a missing or empty value does not give the default");
    else
        require(expected->starts_with(read) && !read.empty(), "the value read is not the file's value");

    // Rewriting one key in memory keeps the other names' values and reads back.
    for (const std::string_view v : {"4227072", " \"padded\" ", "two\r\nlines"}) {
        IniDocument edited = doc;
        if (!edited.set(probe.section, probe.key, v)) continue;
        const IniDocument reread = IniDocument::parse(edited.text());
        if (plain(v))
            require(reread.value(probe.section, probe.key) == v, "a rewritten value does not read back");
        for (const Name& n : names)
            if (!IniDocument::sameName(n.section, probe.section) || !IniDocument::sameName(n.key, probe.key))
                require(reread.value(n.section, n.key) == doc.value(n.section, n.key),
                        "rewriting one key changed another");
    }

    // The same on disk, through Windows-1252, with accented names of the program's own.
    WriteIniValue(file.path(), "Réseau", "Dossier Dépôt", "Salle é");
    require(ReadIniValue(file.path(), "RÉSEAU", "DOSSIER DÉPÔT", "") == "Salle é",
            "an accented name written to disk does not read back");
    return 0;
}
