// A results file as a pupil may hand it in: any bytes, read back for the teacher's class table,
// matched with an exercise file, explained, sorted, shared and exported. An input holding a NUL
// byte is split there: before it the results file, after it the exercise file (seeds without
// one are results files alone).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/win1252.h"
#include "files/results_csv.h"
#include "files/results_reader.h"
#include "files/results_table.h"
#include "fuzz_support.h"
#include "physics/answer_explanations.h"

using namespace ondivel;
using ondivel::fuzz::require;

namespace {

bool formulaStart(char c) {
    return c == '=' || c == '+' || c == '-' || c == '@' || c == '\t' || c == '\r';
}

// Splits the CSV as a spreadsheet does and checks that every row has the header's fields and that
// no field can start a formula.
void checkCsv(const std::string& csv, std::size_t rows) {
    require(csv.starts_with("\xEF\xBB\xBF"), "the CSV has no byte-order mark");
    require(isValidUtf8(csv), "the CSV is not UTF-8");
    std::vector<std::size_t> fieldsPerRow;
    std::size_t fields = 1;
    bool quoted = false, fieldStart = true;
    for (std::size_t i = 3; i < csv.size(); ++i) {
        const char c = csv[i];
        if (quoted) {
            if (c == '"' && i + 1 < csv.size() && csv[i + 1] == '"') {
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else if (fieldStart) {
                require(!formulaStart(c), "a quoted field starts a formula");
            }
            fieldStart = false;
            continue;
        }
        if (c == '"' && fieldStart) {
            quoted = true;
            continue;
        }
        if (fieldStart) require(!formulaStart(c) || c == '\r', "a field starts a formula");
        if (c == ';') {
            ++fields;
            fieldStart = true;
        } else if (c == '\r') {
            require(i + 1 < csv.size() && csv[i + 1] == '\n', "a CR outside quotes ends no row");
            fieldsPerRow.push_back(fields);
            fields = 1;
            fieldStart = true;
            ++i;
        } else {
            require(c != '\n' && c != '"', "a line feed or a quote outside quotes");
            fieldStart = false;
        }
    }
    require(!quoted, "the CSV ends inside quotes");
    require(fieldsPerRow.size() == rows + 1, "the CSV has another number of rows");
    for (std::size_t n : fieldsPerRow)
        require(n == fieldsPerRow.front(), "a CSV row has another number of fields");
}

void checkEvaluation(const RecordedEvaluation& e) {
    for (const std::string* text :
         {&e.name, &e.firstName, &e.className, &e.exerciseFile, &e.dateTime, &e.markText, &e.interruption})
        require(isValidUtf8(*text), "a text of an evaluation is not UTF-8");
    require(e.interrompue || !e.markText.empty(), "a finished evaluation has no mark line");
    if (e.mark) require(*e.mark >= 0 && *e.mark <= 20, "a mark beyond 0…20");
    for (const RecordedOscillogram& osc : e.oscillograms) {
        require(osc.points >= 0 && osc.points <= 6, "an oscillogram's points beyond 0…6");
        for (int ch = 0; ch < 2; ++ch) {
            const RecordedChannel& c = osc.channel[ch];
            require(std::isfinite(c.givenPeak) && std::isfinite(c.givenFrequency),
                    "a given number is not finite");
            require(isValidUtf8(c.givenType), "a given type is not UTF-8");
            const RecordedChannel& other = osc.channel[1 - ch];
            if (c.expectedPeak)
                require(isValidUtf8(ExplainPeak(c.givenPeak, *c.expectedPeak, other.expectedPeak, 2.0)) &&
                            isValidUtf8(ExplainPeak(c.givenPeak, *c.expectedPeak)),
                        "an explanation is not UTF-8");
            if (c.expectedFrequency)
                require(isValidUtf8(ExplainFrequency(c.givenFrequency, *c.expectedFrequency,
                                                     other.expectedFrequency)),
                        "an explanation is not UTF-8");
            if (!c.expectedType.empty())
                require(isValidUtf8(ExplainType(c.givenType, c.expectedType)), "a type text");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string_view results = input.substr(0, split);
    const std::string_view exercise = split == std::string_view::npos ? "" : input.substr(split + 1);

    ResultsReading r = ReadResults(results, "OND_fuzz.txt");
    for (RecordedEvaluation& e : r.evaluations) {
        if (!exercise.empty()) AttachExercise(e, cp1252ToUtf8(exercise));
        checkEvaluation(e);
    }

    std::vector<std::size_t> rows = FilterEvaluations(r.evaluations, {});
    require(rows.size() == r.evaluations.size(), "an empty filter leaves evaluations out");
    for (ResultsColumn column : {ResultsColumn::Name, ResultsColumn::FirstName, ResultsColumn::Class,
                                 ResultsColumn::Exercise, ResultsColumn::Date, ResultsColumn::Mark}) {
        SortEvaluations(r.evaluations, rows, column, column == ResultsColumn::Mark);
        std::vector<bool> seen(rows.size());
        for (std::size_t row : rows) {
            require(row < seen.size() && !seen[row], "sorting lost or doubled a row");
            seen[row] = true;
        }
    }
    for (const OscillogramShares& s : ClassShares(r.evaluations, rows))
        for (const auto& channel : s.part)
            for (const PartShare& p : channel)
                require(p.right >= 0 && p.right <= p.answered, "more right than answered");
    checkCsv(ResultsCsv(r.evaluations, rows), rows.size());
    return 0;
}
