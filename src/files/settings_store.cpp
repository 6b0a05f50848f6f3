#include "files/settings_store.h"

#include <filesystem>
#include <fstream>

#include "files/durable_replace.h"
#include "files/ini_document.h"
#include "files/text_file.h"

namespace ondivel {

namespace fs = std::filesystem;

namespace {

// The classic reader hands back at most 254 characters.
constexpr std::size_t kMaxValueLength = 254;

std::string cutToCharacters(const std::string& utf8, std::size_t count) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) continue; // continuation byte
        if (chars++ == count) return utf8.substr(0, i);
    }
    return utf8;
}

} // namespace

std::string IniValueOrDefault(const std::optional<std::string>& value, const std::string& def) {
    if (!value || value->empty()) return def;
    return cutToCharacters(*value, kMaxValueLength);
}

std::string ReadIniValue(const std::string& file, const std::string& section, const std::string& key,
                         const std::string& def) {
    const std::optional<std::string> bytes = ReadFileBytes(PathFromUtf8(file));
    if (!bytes) return def;
    return IniValueOrDefault(IniDocument::fromBytes(*bytes).value(section, key), def);
}

bool WriteIniValues(const std::string& file, const std::vector<IniSetting>& settings) {
    try {
        fs::path target = PathFromUtf8(file);
        if (target.empty()) return false;
        std::error_code ec;
        if (fs::is_symlink(target, ec)) {
            target = fs::canonical(target, ec); // write through to the linked file
            if (ec) return false;
        }
        const bool exists = fs::exists(target, ec);
        const std::optional<std::string> bytes = exists ? ReadFileBytes(target) : std::string();
        if (!bytes) return false;
        IniDocument doc = IniDocument::fromBytes(*bytes);
        // A file that is not settings text as this program writes it is left as it is: the
        // values wait in memory rather than damage it.
        if (!doc.rewritable()) return false;
        if (exists) {
            // An existing file that cannot be written keeps its values, even where the folder
            // would let a new file replace it.
            std::ofstream probe(target, std::ios::binary | std::ios::app);
            if (!probe) return false;
        }
        bool changed = false;
        for (const IniSetting& s : settings)
            changed = doc.set(s.section, s.key, s.value) || changed;
        if (!changed) return true;
        if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
        return ReplaceFileDurably(target, doc.bytes());
    } catch (const std::exception&) {
        return false; // settings writes never interrupt the program
    }
}

bool WriteIniValue(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value) {
    return WriteIniValues(file, {{section, key, value}});
}

} // namespace ondivel
