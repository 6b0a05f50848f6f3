#include "files/results_file.h"

#include "core/format.h"
#include "core/platform.h"
#include "core/win1252.h"

namespace ondivel {

void ResultsFile::setPath(std::string path) {
    path_ = std::move(path);
    failureShown_ = false;
}

namespace {

// One record line stays one line: a line break or another control character inside it (a file
// name may hold one on some systems, a pasted name may too) would forge lines of its own.
std::string OneLine(std::string line) {
    for (char& c : line)
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t') c = ' ';
    return line;
}

} // namespace

bool ResultsFile::append(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += OneLine(line) + "\r\n";
    waiting_ += utf8ToCp1252(text);
    if (flush()) return true;
    if (!failureShown_) {
        failureShown_ = true;
        platform_.messageBox(
            "Vos réponses n'ont pas pu être enregistrées dans le fichier des résultats :\r\n" + path_ +
                "\r\n\r\nVous pouvez continuer, mais appelez le professeur.",
            vbCritical, "Ondivel - Erreur");
    }
    return false;
}

bool ResultsFile::flush() {
    if (waiting_.empty()) return true;
    if (!platform_.appendDurably(path_, waiting_)) return false;
    waiting_.clear();
    return true;
}

std::vector<std::string> IdentityBlock(const std::string& name, const std::string& firstName,
                                       const std::string& className) {
    return {"", std::string(38, '*'), "Nom élève :" + name, "Prénom élève :" + firstName,
            "Classe élève :" + className};
}

std::vector<std::string> HeaderBlock(const std::string& exerciseFile, const std::string& dateTime) {
    const std::string equals(72, '=');
    std::string currency;
    for (int i = 0; i < 72; ++i)
        currency += "¤";
    return {equals,   currency, "Nom du fichier :" + exerciseFile, "Jour et Heure :" + dateTime,
            currency, equals};
}

std::vector<std::string> ScoreLines(double points) {
    return {"        Score : " + FormatNumber(points, "#0"), std::string(52, '*')};
}

std::string MarkLine(const std::string& mark) {
    return " -------> Note : " + mark;
}

} // namespace ondivel
