#include "shell/settings_store.h"

#include <filesystem>
#include <fstream>
#include <random>

#include "core/win1252.h"
#include "shell/ini_document.h"
#include "shell/text_file.h"

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

// Writes the whole file beside the old one, then swaps it in: a crash leaves either file whole.
bool replaceAtomically(const fs::path& target, const std::string& bytes) {
    std::error_code ec;
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
    std::random_device seed;
    fs::path temp = target;
    temp += ".~" + std::to_string(seed() % 1000000) + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temp, ec);
            return false;
        }
    }
    if (fs::exists(target, ec)) fs::permissions(temp, fs::status(target, ec).permissions(), ec);
    fs::rename(temp, target, ec);
    if (!ec) return true;
    fs::remove(temp, ec);
    return false;
}

} // namespace

std::string IniValueOrDefault(const std::optional<std::string>& value, const std::string& def) {
    if (!value || value->empty()) return def;
    return cutToCharacters(*value, kMaxValueLength);
}

std::string ReadIniValue(const std::string& file, const std::string& section, const std::string& key,
                         const std::string& def) {
    const std::optional<std::string> text = ReadTextFile(file);
    if (!text) return def;
    return IniValueOrDefault(IniDocument::parse(*text).value(section, key), def);
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
        std::optional<std::string> text = exists ? ReadTextFile(target) : std::string();
        if (!text) return false;
        if (exists) {
            // An existing file that cannot be written keeps its values, even where the folder
            // would let a new file replace it.
            std::ofstream probe(target, std::ios::binary | std::ios::app);
            if (!probe) return false;
        }
        IniDocument doc = IniDocument::parse(*text);
        bool changed = false;
        for (const IniSetting& s : settings)
            changed = doc.set(s.section, s.key, s.value) || changed;
        return !changed || replaceAtomically(target, utf8ToCp1252(doc.text()));
    } catch (const std::exception&) {
        return false; // settings writes never interrupt the program
    }
}

bool WriteIniValue(const std::string& file, const std::string& section, const std::string& key,
                   const std::string& value) {
    return WriteIniValues(file, {{section, key, value}});
}

} // namespace ondivel
