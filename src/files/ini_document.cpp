#include "files/ini_document.h"

#include <algorithm>

#include "core/win1252.h"
#include "files/text_file.h"

namespace ondivel {

namespace {

std::string_view trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Lower case on the Windows-1252 letters, the only ones a settings name can hold on disk.
std::string folded(std::string_view name) {
    std::string bytes = utf8ToCp1252(trim(name));
    for (char& ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
            ch = static_cast<char>(b + 0x20);
        else if (b == 0x8A || b == 0x8C || b == 0x8E)
            ch = static_cast<char>(b + 0x10); // Š Œ Ž
        else if (b == 0x9F)
            ch = static_cast<char>(0xFF); // Ÿ
    }
    return bytes;
}

std::string unquoted(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

constexpr std::string_view kUtf16Mark = "\xFF\xFE";
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
// The UTF-8 mark shown as Windows-1252 text ("ï»¿") by an editor and saved again as UTF-8.
constexpr std::string_view kUtf8MarkAsText = "\u00EF\u00BB\u00BF";

std::string decoded8Bit(std::string_view raw) {
    return isValidUtf8(raw) ? std::string(raw) : cp1252ToUtf8(raw);
}

// Windows-1252, unless those bytes happen to be well-formed UTF-8 with letters beyond ASCII
// ("Ã©" gives C3 A9): they would read back as other letters ("é"), so such a line is written in
// UTF-8, which reads back as written.
std::string encoded8Bit(const std::string& text) {
    std::string bytes = utf8ToCp1252(text);
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
    if (!ascii && isValidUtf8(bytes) && isValidUtf8(text)) return text;
    return bytes;
}

bool hasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

bool IniDocument::sameName(std::string_view a, std::string_view b) {
    return folded(a) == folded(b);
}

void IniDocument::classify(Line& line, std::string_view text) {
    const std::string_view t = trim(text);
    if (!t.empty() && t.front() == '[') {
        line.kind = Kind::Section;
        const std::size_t close = t.find(']');
        line.name = std::string(
            trim(t.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1)));
    } else if (!t.empty() && t.front() != ';') {
        // A line without "=" names a key with no value, as the system's own reader takes it.
        line.kind = Kind::Key;
        const std::size_t eq = t.find('=');
        line.name = std::string(trim(t.substr(0, eq)));
        if (eq != std::string_view::npos) line.value = unquoted(trim(t.substr(eq + 1)));
    }
}

IniDocument IniDocument::fromBytes(std::string_view bytes) {
    IniDocument doc;
    doc.utf16_ = bytes.starts_with(kUtf16Mark);
    const std::size_t unit = doc.utf16_ ? 2 : 1;
    const auto strip = [&](std::string_view mark) {
        if (!bytes.starts_with(mark)) return false;
        doc.mark_ += mark;
        bytes.remove_prefix(mark.size());
        return true;
    };
    for (bool more = true; more;)
        more = doc.utf16_ ? strip(kUtf16Mark) : strip(kUtf8Mark) || strip(kUtf8MarkAsText);
    if (!doc.utf16_ && bytes.find('\0') != std::string_view::npos) doc.rewritable_ = false;

    // A line break is a CR or LF unit: one byte, or two in UTF-16 LE.
    const auto breakAt = [&](std::size_t i) -> char {
        if (i + unit > bytes.size() || (unit == 2 && bytes[i + 1] != '\0')) return 0;
        return bytes[i] == '\r' || bytes[i] == '\n' ? bytes[i] : 0;
    };
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = start;
        while (end < bytes.size() && !breakAt(end))
            end += unit;
        end = std::min(end, bytes.size());
        std::size_t next = end;
        if (next < bytes.size()) {
            next += unit;
            if (bytes[end] == '\r' && breakAt(next) == '\n') next += unit;
        }
        Line line;
        line.raw = std::string(bytes.substr(start, end - start));
        line.end = std::string(bytes.substr(end, next - end));
        if (doc.utf16_) {
            bool wellFormed = true;
            classify(line, Utf16LeToUtf8(line.raw, wellFormed));
            if (!wellFormed) doc.rewritable_ = false;
        } else {
            classify(line, decoded8Bit(line.raw));
        }
        doc.lines_.push_back(std::move(line));
        start = next;
    }
    return doc;
}

IniDocument::Line IniDocument::written(const std::string& text) const {
    Line line;
    if (utf16_) {
        line.raw = Utf8ToUtf16Le(text);
        line.end = std::string("\r\0\n\0", 4);
        bool wellFormed = true;
        classify(line, Utf16LeToUtf8(line.raw, wellFormed));
    } else {
        line.raw = encoded8Bit(text);
        line.end = "\r\n";
        classify(line, decoded8Bit(line.raw));
    }
    return line;
}

int IniDocument::findSection(std::string_view section) const {
    const std::string wanted = folded(section);
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].kind == Kind::Section && folded(lines_[i].name) == wanted) return static_cast<int>(i);
    return -1;
}

std::size_t IniDocument::sectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && lines_[i].kind != Kind::Section)
        ++i;
    return i;
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const {
    const int header = findSection(section);
    if (header < 0) return std::nullopt;
    const std::string wanted = folded(key);
    for (std::size_t i = static_cast<std::size_t>(header) + 1,
                     end = sectionEnd(static_cast<std::size_t>(header));
         i < end; ++i)
        if (lines_[i].kind == Kind::Key && folded(lines_[i].name) == wanted) return lines_[i].value;
    return std::nullopt;
}

std::vector<IniDocument::Item> IniDocument::items() const {
    std::vector<Item> items;
    std::string section;
    for (const Line& line : lines_) {
        if (line.kind == Kind::Section) {
            section = line.name;
            items.push_back({true, section, {}, {}});
        } else if (line.kind == Kind::Key) {
            items.push_back({false, section, line.name, line.value});
        }
    }
    return items;
}

bool IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
    section = trim(section);
    key = trim(key);
    // Names that would not read back as themselves are refused rather than written.
    if (section.empty() || key.empty() || hasLineBreak(section) || hasLineBreak(key) ||
        section.find(']') != std::string_view::npos || key.find('=') != std::string_view::npos ||
        key.front() == '[' || key.front() == ';')
        return false;
    std::string v(value);
    for (char& ch : v)
        if (ch == '\r' || ch == '\n') ch = ' ';

    const int header = findSection(section);
    if (header < 0) {
        lines_.push_back(written("[" + std::string(section) + "]"));
        lines_.push_back(written(std::string(key) + "=" + v));
        return true;
    }
    const std::string wanted = folded(key);
    std::size_t insertAt = static_cast<std::size_t>(header) + 1;
    for (std::size_t i = insertAt, end = sectionEnd(static_cast<std::size_t>(header)); i < end; ++i) {
        if (lines_[i].kind != Kind::Key) continue;
        if (folded(lines_[i].name) == wanted) {
            if (lines_[i].value == v) return false;        // hand-made spacing or quotes stay
            lines_[i] = written(lines_[i].name + "=" + v); // the key keeps its spelling
            return true;
        }
        insertAt = i + 1;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                  written(std::string(key) + "=" + v));
    return true;
}

std::string IniDocument::bytes() const {
    std::string out = mark_;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        out += lines_[i].raw;
        if (!lines_[i].end.empty() || i + 1 == lines_.size())
            out += lines_[i].end;
        else
            out += utf16_ ? std::string("\r\0\n\0", 4) : std::string("\r\n");
    }
    return out;
}

} // namespace ondivel
