#include "files/results_reader.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

#include "core/keywords.h"
#include "files/exercise_line.h"
#include "files/exercise_reader.h"
#include "files/text_file.h"

namespace ondivel {

namespace {

constexpr std::size_t kIdentityStars = 38;
constexpr std::size_t kRecordStars = 52;
constexpr std::size_t kHeaderRule = 72;
// No line the program writes comes near this; a longer one is not worth decoding.
constexpr std::size_t kLongestLine = 64 * 1024;
// A record names its type with a keyword; anything longer is not one.
constexpr std::size_t kLongestType = 40;

constexpr std::string_view kName = "Nom élève :";
constexpr std::string_view kFirstName = "Prénom élève :";
constexpr std::string_view kClass = "Classe élève :";
constexpr std::string_view kExercise = "Nom du fichier :";
constexpr std::string_view kDate = "Jour et Heure :";
constexpr std::string_view kRecordA = "Voie A : Signal : ";
constexpr std::string_view kRecordB = "Voie B : Signal : ";
constexpr std::string_view kScore = "Score :";
constexpr std::string_view kMark = "-------> Note :";
constexpr std::string_view kInterrupted = "Évaluation interrompue :";
constexpr std::string_view kWrong = " (FAUX)";
// What the mark window writes for an exercise file without oscillogram.
constexpr std::string_view kNoMark = "aucun oscillogramme, pas de note";
constexpr std::string_view kCurrency = "¤";

bool allOf(std::string_view text, std::string_view unit, std::size_t count) {
    if (text.size() != unit.size() * count) return false;
    for (std::size_t i = 0; i < text.size(); i += unit.size())
        if (text.substr(i, unit.size()) != unit) return false;
    return true;
}

bool startsWith(std::string_view text, std::string_view prefix, std::string_view& rest) {
    if (!text.starts_with(prefix)) return false;
    rest = text.substr(prefix.size());
    return true;
}

// A number the program wrote ("5,0", "1200,0"): finite, never empty.
std::optional<double> writtenNumber(std::string_view text) {
    if (TrimBlanks(text).empty()) return std::nullopt;
    const std::optional<double> value = ParseExerciseNumber(text);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

Verdict takeVerdict(std::string_view& part) {
    if (!part.ends_with(kWrong)) return Verdict::Right;
    part.remove_suffix(kWrong.size());
    return Verdict::Wrong;
}

// "Sinus (FAUX) ; Ua = 5,0 ; Fa = 50,0 (FAUX)" after "Voie A : Signal : ".
std::optional<RecordedChannel> parseRecord(std::string_view rest, char side) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t sep = rest.find(" ; ", start);
        parts.push_back(
            rest.substr(start, sep == std::string_view::npos ? std::string_view::npos : sep - start));
        if (sep == std::string_view::npos) break;
        start = sep + 3;
        if (parts.size() == 3) return std::nullopt;
    }
    if (parts.size() < 2) return std::nullopt;
    RecordedChannel c;
    c.present = true;
    c.verdict[0] = takeVerdict(parts[0]);
    if (parts[0].empty() || parts[0].size() > kLongestType || parts[0].find(' ') != std::string_view::npos)
        return std::nullopt;
    c.givenType = std::string(parts[0]);

    const std::string peakLabel = std::string("U") + side + " = ";
    c.verdict[1] = takeVerdict(parts[1]);
    std::string_view number;
    if (!startsWith(parts[1], peakLabel, number)) return std::nullopt;
    const std::optional<double> peak = writtenNumber(number);
    if (!peak) return std::nullopt;
    c.givenPeak = *peak;

    if (parts.size() == 3) {
        const std::string frequencyLabel = std::string("F") + side + " = ";
        c.verdict[2] = takeVerdict(parts[2]);
        if (!startsWith(parts[2], frequencyLabel, number)) return std::nullopt;
        const std::optional<double> hertz = writtenNumber(number);
        if (!hertz) return std::nullopt;
        c.givenFrequency = *hertz;
    }
    return c;
}

std::optional<int> scoreOf(std::string_view text) {
    const std::optional<double> value = writtenNumber(text);
    if (!value || *value < 0 || *value > 1e6 || *value != std::floor(*value)) return std::nullopt;
    return static_cast<int>(*value);
}

std::optional<double> markOf(std::string_view text) {
    const std::size_t slash = text.find("/20");
    if (slash == std::string_view::npos || slash + 3 != text.size()) return std::nullopt;
    const std::optional<double> value = writtenNumber(text.substr(0, slash));
    if (!value || *value < 0 || *value > 20) return std::nullopt;
    return value;
}

int rightParts(const RecordedOscillogram& osc) {
    int n = 0;
    for (const RecordedChannel& c : osc.channel)
        for (Verdict v : c.verdict)
            n += v == Verdict::Right ? 1 : 0;
    return n;
}

// Line by line through one file; see the header for what each line means.
class Parser {
  public:
    Parser(ResultsReading& out, const std::string& source, bool cut)
        : out_(out), source_(source), waitForIdentity_(cut) {}

    // torn: the file ends in this line without its line end, which the writer always puts.
    void line(std::string_view raw, int number, bool torn) {
        lineNumber_ = number;
        if (raw.size() > kLongestLine) return skip();
        const std::string decoded = DecodeText(raw);
        const std::string trimmed = TrimBlanks(decoded);
        const std::string_view text = trimmed;
        if (text.empty()) return;
        std::string_view rest;
        if (waitForIdentity_) {
            // Past a cut the first lines belong to a record whose beginning was not read.
            if (!allOf(text, "*", kIdentityStars) && !text.starts_with(kName)) return;
            waitForIdentity_ = false;
        }
        // Only a line that says it is whole when whole ("…/20") or that ends the evaluation
        // anyway is read from a torn end: "Fa = 5" may be the start of "Fa = 50,0", and 38 of a
        // record's 52 asterisks look like an identity block.
        if (torn && !text.starts_with(kMark) && !text.starts_with(kInterrupted)) return skip();
        if (allOf(text, "*", kIdentityStars)) return startIdentity();
        if (allOf(text, "*", kRecordStars)) return closeOscillogram();
        if (allOf(text, "=", kHeaderRule) || allOf(text, kCurrency, kHeaderRule)) return;
        if (startsWith(text, kName, rest)) {
            if (identity_.nameSeen) startIdentity();
            identity_.nameSeen = true;
            return setIdentity(identity_.name, rest);
        }
        if (startsWith(text, kFirstName, rest)) return setIdentity(identity_.firstName, rest);
        if (startsWith(text, kClass, rest)) return setIdentity(identity_.className, rest);
        if (startsWith(text, kExercise, rest)) {
            finish();
            open(true);
            current().exerciseFile = TrimBlanks(rest);
            return;
        }
        if (startsWith(text, kDate, rest)) {
            if (!open_ || !current().dateTime.empty()) return skip();
            current().dateTime = TrimBlanks(rest);
            current().when = SortableDateTime(current().dateTime);
            return;
        }
        if (startsWith(text, kRecordA, rest)) return record(rest, 0);
        if (startsWith(text, kRecordB, rest)) return record(rest, 1);
        if (startsWith(text, kScore, rest)) return score(rest);
        if (startsWith(text, kMark, rest)) {
            if (!open_) open(false);
            current().markText = TrimBlanks(rest);
            current().mark = markOf(current().markText);
            // A mark line torn in its number leaves the evaluation unfinished.
            marked_ = current().mark || current().markText == kNoMark;
            return finish();
        }
        if (startsWith(text, kInterrupted, rest)) {
            if (!open_) open(false);
            current().interruption = TrimBlanks(rest);
            interrupted_ = true;
            return finish();
        }
        skip();
    }

    void end() {
        finish();
        flushUnusedIdentity();
    }

  private:
    struct Identity {
        std::string name, firstName, className;
        bool nameSeen = false;
        bool any = false;  // some line of it was read
        bool used = false; // an evaluation took it
        int line = 0;
    };

    RecordedEvaluation& current() { return out_.evaluations.back(); }

    void skip() { ++out_.skippedLines; }

    void setIdentity(std::string& field, std::string_view text) {
        if (!identity_.any) identity_.line = lineNumber_;
        identity_.any = true;
        field = TrimBlanks(text);
    }

    void startIdentity() {
        finish();
        flushUnusedIdentity();
        identity_ = Identity{};
        identity_.any = true;
        identity_.line = lineNumber_;
    }

    // An identity block that no exercise followed: the evaluation stopped before its header.
    void flushUnusedIdentity() {
        if (!identity_.any || identity_.used) return;
        open(false);
        finish();
    }

    // A new evaluation under the identity in force; without its header when records or a mark
    // come first.
    void open(bool withHeader) {
        RecordedEvaluation e;
        e.name = identity_.name;
        e.firstName = identity_.firstName;
        e.className = identity_.className;
        e.source = source_;
        e.firstLine = identity_.any && !identity_.used ? identity_.line : lineNumber_;
        identity_.used = identity_.used || identity_.any;
        out_.evaluations.push_back(std::move(e));
        open_ = true;
        header_ = withHeader;
        marked_ = interrupted_ = false;
        // The running score starts again with each exercise file; without the header the score
        // already earned before the first record read is unknown.
        previousScore_ = withHeader ? std::optional<int>(0) : std::nullopt;
    }

    void finish() {
        if (!open_) return;
        RecordedEvaluation& e = current();
        e.interrompue = interrupted_ || !marked_ || !header_;
        open_ = false;
    }

    RecordedOscillogram& oscillogramFor(int channel) {
        std::vector<RecordedOscillogram>& list = current().oscillograms;
        if (list.empty() || list.back().complete || list.back().runningScore ||
            list.back().channel[channel].present || (channel == 0 && list.back().channel[1].present))
            list.emplace_back();
        return list.back();
    }

    void record(std::string_view rest, int channel) {
        const std::optional<RecordedChannel> c = parseRecord(rest, channel == 0 ? 'a' : 'b');
        if (!c) return skip();
        if (!open_) open(false);
        RecordedOscillogram& osc = oscillogramFor(channel);
        osc.channel[channel] = *c;
        osc.points = rightParts(osc);
    }

    void score(std::string_view rest) {
        const std::optional<int> value = scoreOf(rest);
        if (!value || !open_ || current().oscillograms.empty() ||
            current().oscillograms.back().runningScore || current().oscillograms.back().complete)
            return skip();
        RecordedOscillogram& osc = current().oscillograms.back();
        osc.runningScore = value;
        const int step = previousScore_ ? *value - *previousScore_ : -1;
        // An oscillogram is worth at most 3 points a channel.
        if (step >= 0 && step <= 6) osc.points = step;
        previousScore_ = value;
    }

    void closeOscillogram() {
        if (!open_ || current().oscillograms.empty() || current().oscillograms.back().complete) return skip();
        current().oscillograms.back().complete = true;
    }

    ResultsReading& out_;
    const std::string& source_;
    bool waitForIdentity_;
    int lineNumber_ = 0;
    Identity identity_;
    bool open_ = false, header_ = false, marked_ = false, interrupted_ = false;
    std::optional<int> previousScore_;
};

int numberOf(std::string_view text, std::size_t& i, int maxDigits) {
    int value = 0, digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < maxDigits) {
        value = value * 10 + (text[i++] - '0');
        ++digits;
    }
    return digits == 0 ? -1 : value;
}

} // namespace

ResultsReading ReadResults(std::string_view bytes, const std::string& source) {
    ResultsReading out;
    const bool cut = bytes.size() > kResultsReadCap;
    if (cut) {
        ++out.cutFiles;
        bytes = bytes.substr(bytes.size() - kResultsReadCap);
    }
    Parser parser(out, source, cut);
    int number = 0;
    std::size_t start = 0;
    // Lines end with CR LF, LF or CR; NUL bytes (a file the disk left with a hole) end one too.
    while (start < bytes.size()) {
        std::size_t end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n' && bytes[end] != '\0')
            ++end;
        ++number;
        // The line the cut falls in is not a whole line.
        if (!(cut && start == 0)) parser.line(bytes.substr(start, end - start), number, end == bytes.size());
        start = end < bytes.size() && bytes.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
    }
    parser.end();
    return out;
}

ResultsReading ReadResultsFolder(const std::vector<ResultsSource>& files) {
    ResultsReading out;
    std::size_t total = 0;
    for (const ResultsSource& file : files) {
        const std::size_t size = std::min(file.bytes.size(), kResultsReadCap);
        if (total + size > kResultsFolderCap) {
            ++out.filesLeftOut;
            continue;
        }
        total += size;
        ResultsReading one = ReadResults(file.bytes, file.name);
        out.skippedLines += one.skippedLines;
        out.cutFiles += one.cutFiles;
        std::move(one.evaluations.begin(), one.evaluations.end(), std::back_inserter(out.evaluations));
    }
    return out;
}

std::optional<std::string> ReadResultsFileBytes(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0) return std::nullopt;
    const auto wanted = static_cast<std::streamoff>(kResultsReadCap + 1);
    const std::streamoff from = size > wanted ? size - wanted : 0;
    in.seekg(from);
    std::string bytes(static_cast<std::size_t>(size - from), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

std::string ExerciseTitle(std::string_view exerciseFile) {
    const std::size_t slash = exerciseFile.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? exerciseFile : exerciseFile.substr(slash + 1));
}

bool AttachExercise(RecordedEvaluation& evaluation, std::string_view exerciseText) {
    std::vector<ExerciseOscillogram> lines;
    int number = 0;
    for (const std::string& line : SplitExerciseLines(exerciseText)) {
        ++number;
        if (ClassifyExerciseLine(line) != ExerciseLineKind::Oscillogram) continue;
        ParsedOscillogram parsed = ParseOscillogramLine(line, number);
        if (!parsed.value) return false;
        lines.push_back(*parsed.value);
    }
    if (evaluation.oscillograms.size() > lines.size()) return false;
    if (!evaluation.interrompue && evaluation.oscillograms.size() != lines.size()) return false;
    for (std::size_t i = 0; i < evaluation.oscillograms.size(); ++i) {
        for (int ch = 0; ch < 2; ++ch) {
            const ExerciseChannel& asked = lines[i].channel[ch];
            RecordedChannel& c = evaluation.oscillograms[i].channel[ch];
            const std::string lower = LowerKeyword(asked.signal);
            c.expectedType = asked.signal;
            // The reader divides an alternator's peak by 1.5 for the drawing; the screen shows it whole.
            c.expectedPeak = lower == "dyn" ? asked.amplitude * 1.5 : asked.amplitude;
            c.expectedFrequency.reset();
            if (lower == "cc") continue;
            c.expectedFrequency = asked.frequency;
            // A right answer of 0 Hz to an alternating line writes no frequency at all.
            if (c.present && c.verdict[2] == Verdict::NotAsked) c.verdict[2] = Verdict::Right;
        }
    }
    return true;
}

std::optional<std::int64_t> SortableDateTime(std::string_view text) {
    const std::string trimmed = TrimBlanks(text);
    const std::string_view t = trimmed;
    std::size_t i = 0;
    int part[3];
    std::size_t width[3];
    for (int k = 0; k < 3; ++k) {
        if (k > 0) {
            if (i >= t.size() || (t[i] != '/' && t[i] != '.' && t[i] != '-')) return std::nullopt;
            ++i;
        }
        const std::size_t first = i;
        part[k] = numberOf(t, i, 4);
        width[k] = i - first;
        if (part[k] < 0) return std::nullopt;
    }
    int year = part[2], month = part[1], day = part[0];
    if (width[0] == 4) { // ISO: year first
        year = part[0];
        day = part[2];
    } else if (width[2] == 2) {
        year += 2000;
    } else if (width[2] != 4) {
        return std::nullopt;
    }
    if (year < 1900 || month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;

    int hour = 0, minute = 0, second = 0;
    while (i < t.size() && (t[i] == ' ' || t[i] == 'T'))
        ++i;
    if (i < t.size() && t[i] >= '0' && t[i] <= '9') {
        hour = numberOf(t, i, 2);
        if (i >= t.size() || t[i] != ':') return std::nullopt;
        ++i;
        minute = numberOf(t, i, 2);
        if (i < t.size() && t[i] == ':') {
            ++i;
            second = numberOf(t, i, 2);
        }
        if (minute < 0 || second < 0) return std::nullopt;
        // A twelve-hour clock, as some system formats write it.
        const std::string tail = LowerKeyword(TrimBlanks(t.substr(i)));
        if (tail.starts_with("pm") && hour < 12) hour += 12;
        if (tail.starts_with("am") && hour == 12) hour = 0;
        if (hour > 23 || minute > 59 || second > 60) return std::nullopt;
    }
    return ((((static_cast<std::int64_t>(year) * 100 + month) * 100 + day) * 100 + hour) * 100 + minute) *
               100 +
           second;
}

} // namespace ondivel
