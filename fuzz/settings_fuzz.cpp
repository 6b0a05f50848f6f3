// The settings file as a user's editor may leave it: any bytes, in Windows-1252, UTF-8 or UTF-16,
// with any line ends, read through the same path as the program's start-up, then rewritten:
// what the program does not set comes back byte for byte.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/format.h"
#include "core/win1252.h"
#include "files/ini_document.h"
#include "files/settings_store.h"
#include "files/text_file.h"
#include "fuzz_support.h"

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

// Bytes the rewrite took away from the file: what lies between the longest common start and
// the longest common end of before and after.
std::string_view removedPart(std::string_view before, std::string_view after) {
    std::size_t head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head])
        ++head;
    std::size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    return before.substr(head, before.size() - head - tail);
}

// A rewrite of one key touches at most one line of an 8-bit file: the bytes it took away hold no
// line break, but for the one that ended the line it replaced.
bool touchesOneLine(std::string_view before, std::string_view after) {
    std::string_view removed = removedPart(before, after);
    if (removed.ends_with("\r\n"))
        removed.remove_suffix(2);
    else if (removed.ends_with('\r') || removed.ends_with('\n'))
        removed.remove_suffix(1);
    return removed.find_first_of("\r\n") == std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::ScratchFile file("ConfOND_fuzz.ini");
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    file.write(bytes);

    const std::optional<std::string> text = ReadTextFile(file.path());
    require(text.has_value(), "a file just written cannot be read");
    require(isValidUtf8(*text), "the settings text is not UTF-8 after decoding");

    const IniDocument doc = IniDocument::fromBytes(bytes);
    require(doc.bytes() == bytes, "the file does not come back byte for byte");
    const bool utf16 = bytes.starts_with("\xFF\xFE");

    const std::vector<Name> names = namesToTry(*text);
    for (const Name& n : names)
        if (const std::optional<std::string> value = doc.value(n.section, n.key)) {
            require(isValidUtf8(*value), "a value is not UTF-8");
            Val(*value);
        }

    // The program's reader hands back the document's value, cut to the classic buffer.
    const Name& probe = names.back();
    const std::optional<std::string> expected = doc.value(probe.section, probe.key);
    const std::string read = ReadIniValue(file.path(), probe.section, probe.key, "\x01");
    if (!expected || expected->empty())
        require(read == "\x01", "a missing or empty value does not give the default");
    else
        require(expected->starts_with(read) && !read.empty(), "the value read is not the file's value");

    // Rewriting one key keeps the other lines byte for byte and the other names' values, and
    // reads back; a file that is not settings text is never rewritten.
    for (const std::string_view v : {"4227072", " \"padded\" ", "two\r\nlines"}) {
        if (!doc.rewritable()) break;
        IniDocument edited = doc;
        if (!edited.set(probe.section, probe.key, v)) continue;
        const std::string after = edited.bytes();
        if (!utf16) require(touchesOneLine(bytes, after), "rewriting one key changed other lines");
        const IniDocument reread = IniDocument::fromBytes(after);
        require(reread.bytes() == after, "a rewritten file does not come back byte for byte");
        if (plain(v))
            require(reread.value(probe.section, probe.key) == v, "a rewritten value does not read back");
        for (const Name& n : names)
            if (!IniDocument::sameName(n.section, probe.section) || !IniDocument::sameName(n.key, probe.key))
                require(reread.value(n.section, n.key) == doc.value(n.section, n.key),
                        "rewriting one key changed another");
    }

    // The same on disk, with accented names of the program's own; a file that is not settings
    // text is left untouched.
    const bool written = WriteIniValue(file.path(), "Réseau", "Dossier Dépôt", "Salle é");
    require(written == doc.rewritable(), "a settings file was refused, or a damaged one rewritten");
    if (written)
        require(ReadIniValue(file.path(), "RÉSEAU", "DOSSIER DÉPÔT", "") == "Salle é",
                "an accented name written to disk does not read back");
    else
        require(ReadFileBytes(file.path()) == std::string(bytes), "a file that was refused has changed");
    return 0;
}
