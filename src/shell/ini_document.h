#pragma once
// The text of a private-profile settings file, line by line, as the settings store reads and
// rewrites it: "[Section]" lines, "key=value" lines, and every other line (comments, blank lines,
// stray text) kept as it is. Names are compared without regard to case, accented letters
// included; blanks around names and values do not count. Text is UTF-8 here; the store does the
// encoding of the file.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ondivel {

class IniDocument {
  public:
    // Accepts any text: lines end with CR LF, LF or CR; nothing is ever rejected.
    static IniDocument parse(std::string_view text);

    // The value of the first matching key of the first matching section, without the blanks
    // around it and without a pair of enclosing quotes; nullopt when there is no such key.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // Sets key=value, adding the key after the last key of its section or the section at the end
    // of the text. Returns false when nothing changed (same value already there, or a name that
    // cannot be written on one line).
    bool set(std::string_view section, std::string_view key, std::string_view value);

    // Every line followed by CR LF.
    std::string text() const;

    // Names as the file compares them: "RÉSEAU" and "réseau" are the same section.
    static bool sameName(std::string_view a, std::string_view b);

  private:
    enum class Kind { Section, Key, Other };
    struct Line {
        std::string raw;
        Kind kind = Kind::Other;
        std::string name;  // section or key name, trimmed
        std::string value; // key value, trimmed and unquoted
    };
    static Line classify(std::string raw);
    // Index of the header of the first section with that name, or -1.
    int findSection(std::string_view section) const;
    // End of the section whose header is at index header: the next header or the end.
    std::size_t sectionEnd(std::size_t header) const;

    std::vector<Line> lines_;
};

} // namespace ondivel
