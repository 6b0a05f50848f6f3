#include "shell/ini_document.h"

#include "core/win1252.h"

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

bool hasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

} // namespace

bool IniDocument::sameName(std::string_view a, std::string_view b) {
    return folded(a) == folded(b);
}

IniDocument::Line IniDocument::classify(std::string raw) {
    Line line;
    const std::string_view t = trim(raw);
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
    line.raw = std::move(raw);
    return line;
}

IniDocument IniDocument::parse(std::string_view text) {
    IniDocument doc;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        doc.lines_.push_back(classify(std::string(text.substr(start, end - start))));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return doc;
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
        lines_.push_back(classify("[" + std::string(section) + "]"));
        lines_.push_back(classify(std::string(key) + "=" + v));
        return true;
    }
    const std::string wanted = folded(key);
    std::size_t insertAt = static_cast<std::size_t>(header) + 1;
    for (std::size_t i = insertAt, end = sectionEnd(static_cast<std::size_t>(header)); i < end; ++i) {
        if (lines_[i].kind != Kind::Key) continue;
        if (folded(lines_[i].name) == wanted) {
            if (lines_[i].value == v) return false;         // hand-made spacing or quotes stay
            lines_[i] = classify(lines_[i].name + "=" + v); // the key keeps its spelling
            return true;
        }
        insertAt = i + 1;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                  classify(std::string(key) + "=" + v));
    return true;
}

std::string IniDocument::text() const {
    std::string out;
    for (const Line& line : lines_) {
        out += line.raw;
        out += "\r\n";
    }
    return out;
}

} // namespace ondivel
