#pragma once
// A private-profile settings file, line by line, as the settings store reads and rewrites it:
// "[Section]" lines, "key=value" lines, and every other line (comments, blank lines, stray text).
// Every line keeps the bytes and the line end it was read with, so that a rewrite changes only
// the lines of the keys it sets. Names are compared without regard to case, accented letters
// included; blanks around names and values do not count. Names and values are UTF-8 here.
//
// On disk the text is 8-bit, each line read as UTF-8 when it is well-formed UTF-8 and as
// Windows-1252 otherwise (files edited by hand mix both), or UTF-16 LE when the file starts with
// its byte-order mark, as the system's own profile functions do. Lines the program writes are
// Windows-1252 in an 8-bit file, UTF-16 LE in a UTF-16 one, and end with CR LF.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ondivel {

class IniDocument {
  public:
    // Accepts any bytes: lines end with CR LF, LF or CR; whatever does not decode reads as
    // U+FFFD and makes the document not rewritable.
    static IniDocument fromBytes(std::string_view bytes);

    // False for bytes that are not text of a kind this document can add lines to without damage:
    // NUL bytes in an 8-bit file (UTF-16 without its mark, or no text at all), broken UTF-16, a
    // NUL character in UTF-16. Such a file may still be read, but must not be rewritten: what
    // bytes() gives after set() may not even decode.
    bool rewritable() const { return rewritable_; }

    // The value of the first matching key of the first matching section, without the blanks
    // around it and without a pair of enclosing quotes; nullopt when there is no such key.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // Sets key=value, adding the key after the last key of its section or the section at the end
    // of the text. Returns false when nothing changed (same value already there, or a name that
    // cannot be written on one line).
    bool set(std::string_view section, std::string_view key, std::string_view value);

    // The file's bytes: every line as it was read, but those set() wrote; a line that had no line
    // end and is no longer the last gets CR LF.
    std::string bytes() const;

    // Every section header and every key in file order, each key with the section it sits
    // under ("" before the first header): for a reader that must see what it does not know.
    struct Item {
        bool header = false;
        std::string section, key, value;
    };
    std::vector<Item> items() const;

    // Names as the file compares them: "RÉSEAU" and "réseau" are the same section.
    static bool sameName(std::string_view a, std::string_view b);

  private:
    enum class Kind { Section, Key, Other };
    struct Line {
        std::string raw; // as stored, without its line end
        std::string end; // as stored: CR LF, LF, CR, or nothing on the last line
        Kind kind = Kind::Other;
        std::string name;  // section or key name, trimmed
        std::string value; // key value, trimmed and unquoted
    };
    static void classify(Line& line, std::string_view text);
    // A line of the program's own, in the file's encoding.
    Line written(const std::string& text) const;
    // Index of the header of the first section with that name, or -1.
    int findSection(std::string_view section) const;
    // End of the section whose header is at index header: the next header or the end.
    std::size_t sectionEnd(std::size_t header) const;

    bool utf16_ = false;
    bool rewritable_ = true;
    std::string mark_; // byte-order marks before the first line, kept as they are
    std::vector<Line> lines_;
};

} // namespace ondivel
