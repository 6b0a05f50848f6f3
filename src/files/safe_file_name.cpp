#include "files/safe_file_name.h"

#include "files/settings_location.h"

namespace ondivel {

namespace {

constexpr std::size_t kMaxBytes = 200;

bool refused(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b < 0x20 || b == 0x7F || std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos;
}

// CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9, whatever their case and extension: Windows
// opens the device instead of a file.
bool isDeviceName(const std::string& name) {
    std::string base = name.substr(0, name.find('.'));
    for (char& c : base)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL") return true;
    return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) && base[3] >= '1' &&
           base[3] <= '9';
}

} // namespace

std::string SafeFileNamePart(std::string_view name) {
    std::string out;
    out.reserve(name.size());
    for (const char c : name)
        out += refused(c) ? '_' : c;
    if (out.size() > kMaxBytes) {
        std::size_t cut = kMaxBytes;
        while (cut > 0 && (static_cast<unsigned char>(out[cut]) & 0xC0) == 0x80) // inside a letter
            --cut;
        out.resize(cut);
    }
    for (std::size_t i = 0; i + 1 < out.size(); ++i) {
        if (out[i] != '.' || out[i + 1] != '.') continue;
        while (i < out.size() && out[i] == '.')
            out[i++] = '_';
    }
    // Windows drops them from the end of a name, so two names would meet in one file.
    for (std::size_t i = out.size(); i > 0 && (out[i - 1] == '.' || out[i - 1] == ' '); --i)
        out[i - 1] = '_';
    if (isDeviceName(out)) out = "_" + out;
    return out.empty() ? std::string(kUnknownUser) : out;
}

} // namespace ondivel
