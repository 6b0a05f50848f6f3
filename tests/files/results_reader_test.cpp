// Reading results files back: whole evaluations, cut-short ones, encodings, torn and oversized
// files, dates, and the exercise's expected values put beside the answers.
#include "files/results_reader.h"

#include <gtest/gtest.h>

#include "core/win1252.h"
#include "files/results_file.h"
#include "support/temp_folder.h"

namespace ondivel {
namespace {

// Lines as the program writes them: the blocks of results_file.h and the record lines of the
// scoring, in Windows-1252 with CR LF.
std::string fileOf(const std::vector<std::vector<std::string>>& blocks) {
    std::string text;
    for (const auto& block : blocks)
        for (const std::string& line : block)
            text += line + "\r\n";
    return utf8ToCp1252(text);
}

std::vector<std::string> records(std::vector<std::string> lines, int runningScore) {
    for (const std::string& line : ScoreLines(runningScore))
        lines.push_back(line);
    return lines;
}

// Léa does lecon.ond (18,2/20), then autre.ond without a new identity block (12,0/20); Émile
// answers one oscillogram of lecon.ond and goes back to free mode.
std::string localFile() {
    return fileOf({
        IdentityBlock("Dupont", "Léa", "2nde B"),
        HeaderBlock("C:\\Partage\\Marvane\\Ondivel\\lecon.ond", "07/12/2026 09:05:00"),
        records({"Voie A : Signal : Sinus ; Ua = 5,2 ; Fa = 50,0", "Voie B : Signal : Cc ; Ub = 2,0"}, 5),
        records({"Voie A : Signal : Triangle ; Ua = 2,0 ; Fa = 100,0",
                 "Voie B : Signal : Carre ; Ub = 3,0 ; Fb = 1200,0 (FAUX)"},
                10),
        {MarkLine("18,2/20")},
        HeaderBlock("/home/prof/Ondivel/autre.ond", "07/12/2026 09:20:13"),
        records(
            {"Voie A : Signal : Cc (FAUX) ; Ua = 5,0 ; Fa = 0,0 (FAUX)", "Voie B : Signal : Cc ; Ub = 1,0"},
            3),
        {MarkLine("12,0/20")},
        IdentityBlock("Martin", "Émile", "2nde A"),
        HeaderBlock("lecon.ond", "08/12/2026 14:00:00"),
        records({"Voie A : Signal : Sinus ; Ua = 10,0 (FAUX) ; Fa = 50,0", "Voie B : Signal : Cc ; Ub = 2,0"},
                4),
    });
}

TEST(ResultsReader, ReadsEachExerciseFileOfEachPupilAsOneEvaluation) {
    const ResultsReading r = ReadResults(localFile(), "Resultat.txt");
    ASSERT_EQ(r.evaluations.size(), 3u);
    EXPECT_EQ(r.skippedLines, 0);

    // clang-format off
    const struct {
        const char* name; const char* firstName; const char* className; const char* exercise;
        std::int64_t when; std::optional<double> mark; bool interrompue; std::size_t oscillograms; int firstLine;
    } expected[] = {
        {"Dupont", "Léa", "2nde B", "C:\\Partage\\Marvane\\Ondivel\\lecon.ond", 20261207090500, 18.2, false, 2, 2},
        {"Dupont", "Léa", "2nde B", "/home/prof/Ondivel/autre.ond", 20261207092013, 12.0, false, 1, 23},
        {"Martin", "Émile", "2nde A", "lecon.ond", 20261208140000, std::nullopt, true, 1, 33},
    };
    // clang-format on
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const RecordedEvaluation& e = r.evaluations[i];
        EXPECT_EQ(e.name, expected[i].name);
        EXPECT_EQ(e.firstName, expected[i].firstName);
        EXPECT_EQ(e.className, expected[i].className);
        EXPECT_EQ(e.exerciseFile, expected[i].exercise);
        EXPECT_EQ(e.when, expected[i].when);
        EXPECT_EQ(e.mark, expected[i].mark);
        EXPECT_EQ(e.interrompue, expected[i].interrompue);
        EXPECT_EQ(e.oscillograms.size(), expected[i].oscillograms);
        EXPECT_EQ(e.firstLine, expected[i].firstLine);
        EXPECT_EQ(e.source, "Resultat.txt");
    }

    // The second oscillogram of the first lesson: points from the running score (10 − 5).
    const RecordedOscillogram& osc = r.evaluations[0].oscillograms[1];
    EXPECT_TRUE(osc.complete);
    EXPECT_EQ(osc.runningScore, 10);
    EXPECT_EQ(osc.points, 5);
    const RecordedChannel& b = osc.channel[1];
    EXPECT_EQ(b.givenType, "Carre");
    EXPECT_DOUBLE_EQ(b.givenPeak, 3);
    EXPECT_DOUBLE_EQ(b.givenFrequency, 1200);
    EXPECT_EQ(b.verdictOf(AnswerPart::Type), Verdict::Right);
    EXPECT_EQ(b.verdictOf(AnswerPart::Frequency), Verdict::Wrong);
    // A continuous expected voltage asks no frequency; the record ends after the peak.
    EXPECT_EQ(r.evaluations[0].oscillograms[0].channel[1].verdictOf(AnswerPart::Frequency),
              Verdict::NotAsked);
    const RecordedChannel& wrongKind = r.evaluations[1].oscillograms[0].channel[0];
    EXPECT_EQ(wrongKind.verdictOf(AnswerPart::Type), Verdict::Wrong);
    EXPECT_EQ(wrongKind.verdictOf(AnswerPart::Peak), Verdict::Right);
    EXPECT_EQ(r.evaluations[1].oscillograms[0].points, 3);
}

TEST(ResultsReader, ReadsTheSameFromWindows1252AndFromUtf8WithOrWithoutAMark) {
    const std::string cp1252 = localFile();
    const std::string utf8 = cp1252ToUtf8(cp1252);
    ASSERT_NE(utf8, cp1252);
    for (const std::string& bytes : {utf8, "\xEF\xBB\xBF" + utf8}) {
        const ResultsReading r = ReadResults(bytes);
        ASSERT_EQ(r.evaluations.size(), 3u);
        EXPECT_EQ(r.skippedLines, 0);
        EXPECT_EQ(r.evaluations[0].firstName, "Léa");
        EXPECT_EQ(r.evaluations[2].firstName, "Émile");
        EXPECT_EQ(r.evaluations[0].mark, 18.2);
    }
    // A file saved in UTF-8 by an editor, then appended to by the program in Windows-1252.
    const std::string mixed = cp1252ToUtf8(fileOf({IdentityBlock("Zoé", "Noël", "1re")})) +
                              fileOf({HeaderBlock("x.ond", "01/01/2027 08:00:00"),
                                      {MarkLine("0,0/20")},
                                      IdentityBlock("Bérénice", "Anaïs", "1re")});
    const ResultsReading r = ReadResults(mixed);
    ASSERT_EQ(r.evaluations.size(), 2u);
    EXPECT_EQ(r.evaluations[0].name, "Zoé");
    EXPECT_EQ(r.evaluations[0].firstName, "Noël");
    EXPECT_EQ(r.evaluations[1].name, "Bérénice");
}

TEST(ResultsReader, ReadsADepositFolderFileByFile) {
    const std::string files[] = {
        fileOf({IdentityBlock("Dupont", "Léa", "2nde B"),
                HeaderBlock("lecon.ond", "03/12/2026 09:05:11"),
                records({"Voie A : Signal : Sinus ; Ua = 5,0 ; Fa = 50,0", "Voie B : Signal : Cc ; Ub = 2,0"},
                        5),
                {MarkLine("20,0/20")}}),
        fileOf({IdentityBlock("Bernard", "Hugo", "2nde B"),
                HeaderBlock("lecon.ond", "03/12/2026 09:06:40"),
                {MarkLine("aucun oscillogramme, pas de note")}}),
        // Left before the first oscillogram was scored.
        fileOf({IdentityBlock("Petit", "Inès", "2nde B"), HeaderBlock("lecon.ond", "03/12/2026 09:07:02")}),
    };
    const ResultsReading r = ReadResultsFolder({{"OND_lea_3_12_2026_9_5.txt", files[0]},
                                                {"OND_hugo_3_12_2026_9_6.txt", files[1]},
                                                {"OND_ines_3_12_2026_9_7.txt", files[2]}});
    ASSERT_EQ(r.evaluations.size(), 3u);
    EXPECT_EQ(r.evaluations[0].source, "OND_lea_3_12_2026_9_5.txt");
    EXPECT_EQ(r.evaluations[0].mark, 20.0);
    EXPECT_EQ(r.evaluations[1].source, "OND_hugo_3_12_2026_9_6.txt");
    EXPECT_FALSE(r.evaluations[1].interrompue) << "a file without oscillogram ends normally";
    EXPECT_EQ(r.evaluations[1].markText, "aucun oscillogramme, pas de note");
    EXPECT_FALSE(r.evaluations[1].mark.has_value());
    EXPECT_EQ(r.evaluations[2].firstName, "Inès");
    EXPECT_TRUE(r.evaluations[2].interrompue);
    EXPECT_TRUE(r.evaluations[2].oscillograms.empty());
}

TEST(ResultsReader, KeepsEveryEvaluationCutShortAndMarksItInterrupted) {
    const std::string oneRecord = "Voie A : Signal : Sinus ; Ua = 5,0 ; Fa = 50,0\r\nVoie B : Signal : Cc ; "
                                  "Ub = 2,0\r\n        Score : 5\r\n" +
                                  std::string(52, '*') + "\r\n";
    // clang-format off
    const struct { const char* what; std::string bytes; const char* name; std::size_t oscillograms; std::optional<double> mark; const char* reason; } cases[] = {
        // The exercise file could not be read: the program writes why, before any header.
        {"refused file", fileOf({IdentityBlock("Dupont", "Léa", "2nde B"),
                                 {"Évaluation interrompue : le fichier « x.ond » est introuvable."}}),
         "Dupont", 0, std::nullopt, "le fichier « x.ond » est introuvable."},
        // Emptied by the teacher while a pupil was answering: records, then the mark, no header.
        {"emptied half-way", oneRecord + utf8ToCp1252(" -------> Note : 20,0/20\r\n"), "", 1, 20.0, ""},
        // An identity block and nothing after it.
        {"identity only", fileOf({IdentityBlock("Roux", "Paul", "1re")}), "Roux", 0, std::nullopt, ""},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ResultsReading r = ReadResults(c.bytes);
        ASSERT_EQ(r.evaluations.size(), 1u);
        const RecordedEvaluation& e = r.evaluations[0];
        EXPECT_TRUE(e.interrompue);
        EXPECT_EQ(e.name, c.name);
        EXPECT_EQ(e.oscillograms.size(), c.oscillograms);
        EXPECT_EQ(e.mark, c.mark);
        EXPECT_EQ(e.interruption, c.reason);
    }
}

TEST(ResultsReader, ATornFileKeepsWhatItHoldsAtEveryLength) {
    // Cut at every byte: the evaluations before the cut read as in the whole file, the one the
    // cut falls in is kept as interrupted, a torn record counts as incomplete.
    const std::string whole = localFile();
    const ResultsReading full = ReadResults(whole);
    for (std::size_t length = 0; length <= whole.size(); ++length) {
        const ResultsReading r = ReadResults(std::string_view(whole).substr(0, length));
        ASSERT_LE(r.evaluations.size(), full.evaluations.size()) << length;
        for (std::size_t i = 0; i < r.evaluations.size(); ++i) {
            const RecordedEvaluation& got = r.evaluations[i];
            const RecordedEvaluation& want = full.evaluations[i];
            const bool last = i + 1 == r.evaluations.size();
            if (!last) {
                EXPECT_EQ(got.mark, want.mark) << length;
                EXPECT_EQ(got.oscillograms.size(), want.oscillograms.size()) << length;
                continue;
            }
            EXPECT_TRUE(got.interrompue || got.mark == want.mark) << length;
            EXPECT_LE(got.oscillograms.size(), want.oscillograms.size()) << length;
            for (std::size_t k = 0; k < got.oscillograms.size(); ++k)
                if (got.oscillograms[k].complete) {
                    EXPECT_EQ(got.oscillograms[k].points, want.oscillograms[k].points) << length;
                }
        }
    }
    // A mark line torn in its number is no mark.
    const std::string torn = fileOf({HeaderBlock("x.ond", "")}) + " -------> Note : 18,";
    EXPECT_TRUE(ReadResults(torn).evaluations.at(0).interrompue);
}

TEST(ResultsReader, SkipsWhatItDoesNotKnowAndReadsNothingFromNothing) {
    EXPECT_TRUE(ReadResults("").evaluations.empty());
    EXPECT_EQ(ReadResults("").skippedLines, 0);
    EXPECT_TRUE(ReadResults(std::string(1000, '\0')).evaluations.empty());
    const std::string garbled = "Voie A : Signal : Sinus ; Ub = 5,0\r\n"  // the other side's letter
                                "Voie A : Signal : Sinus ; Ua = cinq\r\n" // not a number
                                "Voie A : Signal :  ; Ua = 5,0\r\n"       // no type
                                "Voie A : Signal : Sinus ; Ua = 1 ; Fa = 2 ; Fa = 3\r\n"
                                "rm -rf /\r\n"
                                "        Score : 4\r\n"; // no record to score
    const ResultsReading r = ReadResults(garbled);
    EXPECT_TRUE(r.evaluations.empty());
    EXPECT_EQ(r.skippedLines, 6);
}

TEST(ResultsReader, ReadsOnlyTheLastPartOfAnOversizedFileFromItsFirstIdentityBlock) {
    // The cut falls inside Léa's second lesson: what follows the cut up to Émile's identity is
    // the tail of a record whose beginning is lost, and is not read at all.
    const std::string tail = localFile();
    const std::size_t emile = tail.find(std::string(38, '*'), tail.find("Martin") - 60);
    // One long line after the records, so that the last kResultsReadCap bytes start 150 bytes
    // before Émile's identity block, in the records of autre.ond.
    const std::string bytes =
        tail + "\r\n" + std::string(kResultsReadCap + emile - 150 - tail.size() - 2, 'x');
    const ResultsReading r = ReadResults(bytes);
    EXPECT_EQ(r.cutFiles, 1);
    ASSERT_EQ(r.evaluations.size(), 1u);
    EXPECT_EQ(r.evaluations[0].name, "Martin");
    EXPECT_EQ(r.evaluations[0].oscillograms.size(), 1u);

    // From the disk only that last part is read, and one byte more to show the cut.
    const ondivel::testing::TempFolder folder;
    ondivel::testing::writeBytes(folder / "OND_big.txt", bytes);
    const std::optional<std::string> head = ReadResultsFileBytes(folder.path() / "OND_big.txt");
    ASSERT_TRUE(head.has_value());
    EXPECT_EQ(head->size(), kResultsReadCap + 1);
    EXPECT_TRUE(std::string_view(bytes).ends_with(*head));
    EXPECT_EQ(ReadResults(*head).evaluations.size(), 1u);
    EXPECT_FALSE(ReadResultsFileBytes(folder.path() / "missing.txt").has_value());
    EXPECT_FALSE(ReadResultsFileBytes(folder.path()).has_value()) << "a folder is no results file";

    // A folder stops taking files once it has read its cap.
    const std::string big(kResultsReadCap, 'x');
    std::vector<ResultsSource> files;
    for (std::size_t i = 0; i <= kResultsFolderCap / kResultsReadCap; ++i)
        files.push_back({"OND_" + std::to_string(i), big});
    files.push_back({"OND_last", tail});
    EXPECT_EQ(ReadResultsFolder(files).filesLeftOut, 2);
}

TEST(ResultsReader, DatesSortWhenTheyRead) {
    // clang-format off
    const struct { const char* text; std::optional<std::int64_t> when; } cases[] = {
        {"07/12/2026 17:31:34", 20261207173134}, {"7/12/2026 9:05", 20261207090500},
        {"07.12.26 09:05:03", 20261207090503},   {"2026-12-07 17:31:34", 20261207173134},
        {"07/12/2026", 20261207000000},          {"12/7/26 5:31:34 PM", 20260712173134},
        {"", std::nullopt}, {"hier", std::nullopt}, {"31/13/2026 10:00", std::nullopt},
        {"07/12/2026 25:00", std::nullopt},      {"07/12/202 10:00", std::nullopt},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(SortableDateTime(c.text), c.when) << c.text;
}

TEST(ResultsReader, PutsTheExercisesExpectedValuesBesideTheAnswers) {
    ResultsReading r = ReadResults(localFile());
    const std::string lecon = "'Première leçon\r\nsinus/5/50/CC/2/\r\n\r\ntriangle/2/100/carrée/3/1000\r\n";
    ASSERT_TRUE(AttachExercise(r.evaluations[0], lecon));
    const RecordedChannel& b = r.evaluations[0].oscillograms[1].channel[1];
    EXPECT_EQ(b.expectedType, "Carrée");
    EXPECT_EQ(b.expectedPeak, 3.0);
    EXPECT_EQ(b.expectedFrequency, 1000.0);
    EXPECT_FALSE(r.evaluations[0].oscillograms[0].channel[1].expectedFrequency.has_value());
    // Émile stopped after the first oscillogram: the file still fits his records.
    EXPECT_TRUE(AttachExercise(r.evaluations[2], lecon));
    // A finished evaluation with another count of oscillograms, or a refused line: not this file.
    EXPECT_FALSE(AttachExercise(r.evaluations[0], "sinus/5/50/CC/2/\r\n"));
    EXPECT_FALSE(AttachExercise(r.evaluations[2], "sinus/cinq/50/CC/2/\r\n"));

    // An alternator line shows its written peak; a right 0 Hz answer left no frequency behind.
    ResultsReading dyn = ReadResults(fileOf(
        {HeaderBlock("d.ond", ""),
         records({"Voie A : Signal : Dyn ; Ua = 3,0 ; Fa = 40,0", "Voie B : Signal : Sinus ; Ub = 1,0"}, 6),
         {MarkLine("20,0/20")}}));
    EXPECT_EQ(dyn.evaluations[0].oscillograms[0].points, 6)
        << "from the running score: 5 parts written right";
    ASSERT_TRUE(AttachExercise(dyn.evaluations[0], "dyn/3/40/sinus/1/0"));
    EXPECT_EQ(dyn.evaluations[0].oscillograms[0].channel[0].expectedPeak, 3.0);
    EXPECT_EQ(dyn.evaluations[0].oscillograms[0].channel[1].verdictOf(AnswerPart::Frequency), Verdict::Right);
}

} // namespace
} // namespace ondivel
