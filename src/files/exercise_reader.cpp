#include "files/exercise_reader.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>

#include "core/keywords.h"
#include "files/exercise_line.h"
#include "files/text_file.h"

namespace ondivel {

namespace {

// The alternator waveform sin 2πx − 0.3 sin 6πx + 0.2 sin 10πx is worth 1.5 at a quarter period:
// the amplitude it is drawn with is the written peak divided by that.
constexpr double kAlternatorPeakRatio = 1.5;

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

std::string guillemets(std::string_view text) {
    return "« " + std::string(text) + " »";
}

} // namespace

std::optional<double> ParseExerciseNumber(std::string_view field) {
    const std::string text = TrimBlanks(field);
    if (text.empty()) return 0.0;
    std::string clean;
    std::size_t i = 0;
    if (text[i] == '+' || text[i] == '-') clean += text[i++];
    // Where the first significant digit stands against the decimal point, to tell a number too
    // large for a double from one too small when the conversion gives up.
    long long magnitude = 0;
    bool significant = false;
    bool digits = false;
    while (i < text.size() && isDigit(text[i])) {
        significant = significant || text[i] != '0';
        if (significant) ++magnitude;
        clean += text[i++];
        digits = true;
    }
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        clean += '.';
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            if (!significant && text[i] == '0') --magnitude;
            significant = significant || text[i] != '0';
            clean += text[i++];
            digits = true;
        }
    }
    if (!digits) return std::nullopt;
    long long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        clean += 'e';
        ++i;
        bool negative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negative = text[i] == '-';
            clean += text[i++];
        }
        const std::size_t first = i;
        while (i < text.size() && isDigit(text[i])) {
            if (exponent < 100'000'000'000'000'000LL) exponent = exponent * 10 + (text[i] - '0');
            clean += text[i++];
        }
        if (i == first) return std::nullopt;
        if (negative) exponent = -exponent;
    }
    if (i != text.size()) return std::nullopt;

    const char* begin = clean.data();
    if (*begin == '+') ++begin; // from_chars takes no plus sign
    double value = 0;
    const auto res = std::from_chars(begin, clean.data() + clean.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        // A well-formed number beyond what a double holds: infinite when large, which the line
        // refuses by name, and 0 when tiny, which it is for any instrument.
        const double sign = clean.front() == '-' ? -1.0 : 1.0;
        return magnitude + exponent > 0 ? sign * HUGE_VAL : sign * 0.0;
    }
    if (res.ec != std::errc()) return std::nullopt;
    return value;
}

std::string ProperCase(std::string_view text) {
    std::string out = LowerKeyword(text);
    if (out.empty()) return out;
    auto& first = reinterpret_cast<unsigned char&>(out[0]);
    if (first >= 'a' && first <= 'z') {
        first = static_cast<unsigned char>(first - 32);
    } else if (first == 0xC3 && out.size() > 1) {
        // Latin-1 small letters à…þ (but not ÷) are C3 A0…C3 BE.
        auto& next = reinterpret_cast<unsigned char&>(out[1]);
        if (next >= 0xA0 && next <= 0xBE && next != 0xB7) next = static_cast<unsigned char>(next - 0x20);
    }
    return out;
}

std::optional<std::string> DecodeExerciseText(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return std::nullopt;
    if (bytes.find('\0') != std::string_view::npos) return std::nullopt;
    // The same decoding as the editor's, so that both see the same first line.
    return DecodeText(bytes);
}

std::vector<std::string> SplitExerciseLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

ParsedOscillogram ParseOscillogramLine(std::string_view line, int lineNumber) {
    // A line of blanks is two 0 V continuous channels; any other line without a separator is a
    // line written with the wrong separator, which would otherwise read as one long type word.
    if (line.find('/') == std::string_view::npos && !TrimBlanks(line).empty())
        return {std::nullopt,
                "la ligne " + QuoteField(TrimBlanks(line)) +
                    " ne contient aucun « / » : ses six champs doivent être séparés par des « / »."};
    const OscillogramFields fields = SplitOscillogramLine(line);
    ExerciseOscillogram osc;
    osc.lineNumber = lineNumber;
    for (int ch = 0; ch < 2; ++ch) {
        const std::string ofChannel = std::string(" de la voie ") + (ch == 0 ? "CH1" : "CH2");
        const std::string& type = fields[static_cast<std::size_t>(3 * ch)];
        const std::string& voltage = fields[static_cast<std::size_t>(3 * ch + 1)];
        const std::string& frequency = fields[static_cast<std::size_t>(3 * ch + 2)];
        // Only words the screen can draw: a look-alike would show no trace yet earn the type point.
        if (!type.empty() && !IsExerciseTypeWord(type))
            return {std::nullopt,
                    "le type " + QuoteField(type) + ofChannel +
                        " n'est pas reconnu : écrivez CC, sinusoïdale, triangulaire, carrée ou dyn."};
        const std::optional<double> volts = ParseExerciseNumber(voltage);
        if (!volts)
            return {std::nullopt, "la tension " + QuoteField(voltage) + ofChannel + " n'est pas un nombre."};
        if (!std::isfinite(*volts))
            return {std::nullopt,
                    "la tension " + QuoteField(voltage) + ofChannel + " est un nombre trop grand."};
        const std::optional<double> hertz = ParseExerciseNumber(frequency);
        if (!hertz)
            return {std::nullopt,
                    "la fréquence " + QuoteField(frequency) + ofChannel + " n'est pas un nombre."};
        if (!std::isfinite(*hertz))
            return {std::nullopt,
                    "la fréquence " + QuoteField(frequency) + ofChannel + " est un nombre trop grand."};
        // A pupil cannot type a minus sign: the answer could never be right.
        if (*hertz < 0)
            return {std::nullopt, "la fréquence " + QuoteField(frequency) + ofChannel + " est négative."};

        ExerciseChannel& c = osc.channel[ch];
        c.signal = ProperCase(type.empty() ? "Cc" : type);
        c.amplitude = *volts;
        c.frequency = *hertz;
        const std::string lower = LowerKeyword(c.signal);
        if (lower == "triangle" || lower == "triangulaire")
            c.dutyCycle = 0.0F;
        else if (lower == "carre" || lower == "carrée")
            c.dutyCycle = 0.5F;
        else if (lower == "dyn")
            c.amplitude /= kAlternatorPeakRatio;
    }
    return {osc, {}};
}

bool ExerciseReader::open(const std::string& path, const std::string& title) {
    close();
    title_ = title;
    std::error_code ec;
    const std::filesystem::path file = PathFromUtf8(path);
    std::ifstream in(file, std::ios::binary);
    if (!std::filesystem::is_regular_file(file, ec) || !in) {
        problem_ = "Le fichier " + guillemets(title) + " est introuvable ou ne peut pas être lu.";
        return false;
    }
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::optional<std::string> text = DecodeExerciseText(bytes);
    if (!text) {
        problem_ = "Le fichier " + guillemets(title) +
                   " n'est pas un texte lisible : enregistrez-le en ANSI (Windows-1252) ou en UTF-8.";
        return false;
    }
    openLines(SplitExerciseLines(*text), title);
    return true;
}

void ExerciseReader::openLines(std::vector<std::string> lines, const std::string& title) {
    close();
    title_ = title;
    lines_ = std::move(lines);
    for (const std::string& line : lines_)
        if (ClassifyExerciseLine(line) == ExerciseLineKind::Comment) {
            exerciseTitle_ = CommentText(line);
            break;
        }
    open_ = true;
}

void ExerciseReader::close() {
    lines_.clear();
    exerciseTitle_.clear();
    position_ = 0;
    open_ = false;
    problem_.clear();
}

int ExerciseReader::oscillogramCount() const {
    int count = 0;
    for (const std::string& line : lines_)
        count += ClassifyExerciseLine(line) == ExerciseLineKind::Oscillogram;
    return count;
}

std::optional<std::string> ExerciseReader::check() const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (ClassifyExerciseLine(lines_[i]) != ExerciseLineKind::Oscillogram) continue;
        const ParsedOscillogram parsed = ParseOscillogramLine(lines_[i], static_cast<int>(i + 1));
        if (!parsed.value)
            return "Le fichier " + guillemets(title_) + ", ligne " + std::to_string(i + 1) + " : " +
                   parsed.problem;
    }
    return std::nullopt;
}

std::optional<ExerciseOscillogram> ExerciseReader::next() {
    while (position_ < lines_.size()) {
        const std::size_t i = position_++;
        if (ClassifyExerciseLine(lines_[i]) != ExerciseLineKind::Oscillogram) continue;
        std::optional<ExerciseOscillogram> oscillogram =
            ParseOscillogramLine(lines_[i], static_cast<int>(i + 1)).value;
        if (oscillogram && i > 0) oscillogram->instruction = CommentText(lines_[i - 1]);
        return oscillogram;
    }
    return std::nullopt;
}

} // namespace ondivel
