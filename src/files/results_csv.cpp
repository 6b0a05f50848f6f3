#include "files/results_csv.h"

#include <algorithm>

#include "core/format.h"

namespace ondivel {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr const char* kPartNames[kAnswerParts] = {"forme", "tension", "fréquence"};

void appendRow(std::string& out, const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += ';';
        out += CsvField(fields[i]);
    }
    out += "\r\n";
}

const char* verdictText(Verdict v) {
    switch (v) {
    case Verdict::Right:
        return "juste";
    case Verdict::Wrong:
        return "faux";
    default:
        return "";
    }
}

} // namespace

std::string CsvField(std::string_view text) {
    std::string field;
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos)
        field = "'";
    field += text;
    if (field.find_first_of(";\"\r\n") == std::string::npos) return field;
    std::string quoted = "\"";
    for (char c : field) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::vector<std::string> EvaluationFields(const RecordedEvaluation& e) {
    return {e.name,
            e.firstName,
            e.className,
            ExerciseTitle(e.exerciseFile),
            e.dateTime,
            e.mark ? FormatComma(*e.mark, "#0.0") : "",
            e.interrompue ? "oui" : ""};
}

std::string ResultsCsv(const std::vector<RecordedEvaluation>& evaluations,
                       const std::vector<std::size_t>& rows) {
    std::size_t longest = 0;
    for (std::size_t row : rows)
        longest = std::max(longest, evaluations[row].oscillograms.size());

    std::string out(kByteOrderMark);
    std::vector<std::string> header = {"Nom", "Prénom", "Classe", "Exercice", "Date", "Note", "Interrompue"};
    for (std::size_t k = 0; k < longest; ++k)
        for (int ch = 0; ch < 2; ++ch)
            for (const char* part : kPartNames)
                header.push_back("O" + std::to_string(k + 1) + " CH" + std::to_string(ch + 1) + " " + part);
    appendRow(out, header);

    for (std::size_t row : rows) {
        const RecordedEvaluation& e = evaluations[row];
        std::vector<std::string> fields = EvaluationFields(e);
        for (std::size_t k = 0; k < longest; ++k)
            for (int ch = 0; ch < 2; ++ch)
                for (int p = 0; p < kAnswerParts; ++p)
                    fields.emplace_back(k < e.oscillograms.size() && e.oscillograms[k].complete
                                            ? verdictText(e.oscillograms[k].channel[ch].verdict[p])
                                            : "");
        appendRow(out, fields);
    }
    return out;
}

} // namespace ondivel
