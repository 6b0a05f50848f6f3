#pragma once
// Reading results files back for the teacher's follow-up: the local "Resultat.txt" that every
// evaluation of a computer appends to, one "OND_…" file of a deposit folder, or all the files of
// that folder. The writer (results_file.h, the answer window, the mark window) is the one
// definition of the format; this only reads it, line by line, and never acts on what it reads:
// a line it does not know is counted and skipped.
//
// What a file holds is the pupil's answers and their verdicts, not the exercise: the expected
// values come from the exercise file, matched by AttachExercise when the caller has one.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ondivel {

// At most this many bytes of one file are read: 8 MiB, some 50 000 oscillograms, years of a
// computer's lessons. A longer file (a pupil may hand in anything) is read from its last 8 MiB,
// the newest records, starting at the first identity block found there; `cut` says so.
inline constexpr std::size_t kResultsReadCap = std::size_t{8} << 20;
// A folder is read up to this many bytes in all, some 30 000 evaluations; the files beyond are
// left out and counted. What is read takes at most some ten times its size in memory.
inline constexpr std::size_t kResultsFolderCap = std::size_t{32} << 20;

enum class Verdict { NotAsked, Right, Wrong };
enum class AnswerPart { Type, Peak, Frequency };
inline constexpr int kAnswerParts = 3;

// One channel of a scored oscillogram: what the record line says of the pupil's answer, and what
// the exercise asked when it is known.
struct RecordedChannel {
    bool present = false;  // its "Voie A" or "Voie B" line was read
    std::string givenType; // as the record writes it: "Cc", "Sinus", "Carre", "Triangle", "Dyn"
    double givenPeak = 0;  // the peak value as the pupil typed it (one decimal in the file)
    double givenFrequency = 0;
    Verdict verdict[kAnswerParts] = {Verdict::NotAsked, Verdict::NotAsked, Verdict::NotAsked};

    // From the exercise file (AttachExercise); empty when it is not known.
    std::string expectedType;           // proper case: "Sinusoïdale", "Cc", "Dyn" …
    std::optional<double> expectedPeak; // the peak the screen showed (for "dyn" the written one)
    std::optional<double> expectedFrequency;

    Verdict verdictOf(AnswerPart part) const { return verdict[static_cast<int>(part)]; }
};

struct RecordedOscillogram {
    RecordedChannel channel[2]; // CH1 (side A), CH2 (side B)
    // The "Score :" line: the points earned since the exercise file began; nullopt when the
    // record was cut before it.
    std::optional<int> runningScore;
    // This oscillogram's points: the step of the running score, else the parts marked right.
    int points = 0;
    bool complete = false; // its closing line of asterisks was read
};

// One exercise file done by one pupil: the identity block in force, the header block, the
// records, the mark line.
struct RecordedEvaluation {
    std::string name, firstName, className;
    std::string exerciseFile; // as written after "Nom du fichier :" (a path on the pupil's computer)
    std::string dateTime;     // as written after "Jour et Heure :"
    // dateTime as yyyymmddhhmmss when it reads as a day-first or ISO date, for sorting.
    std::optional<std::int64_t> when;
    std::vector<RecordedOscillogram> oscillograms;
    std::string markText;       // after "Note : ": "18,2/20", or the text of a file without oscillogram
    std::optional<double> mark; // out of 20
    // Cut short: no mark line (free mode midway, a crash, a torn or emptied file), a reason
    // written by the program, or records whose header was lost.
    bool interrompue = false;
    std::string interruption; // the reason after "Évaluation interrompue : ", when written
    std::string source;       // the name of the file it came from, as the caller gave it
    int firstLine = 0;        // from 1, in that file (in the part read, for a cut file)
};

struct ResultsReading {
    std::vector<RecordedEvaluation> evaluations;
    int skippedLines = 0; // lines of no known kind
    int cutFiles = 0;     // files longer than kResultsReadCap, read from their end
    int filesLeftOut = 0; // files past kResultsFolderCap
};

// One results file's bytes, in Windows-1252 or UTF-8 (each line decoded on its own, so a file
// appended to by several programs reads right), byte-order marks and any line ends.
ResultsReading ReadResults(std::string_view bytes, const std::string& source = {});

// Every file of a deposit folder, as the platform listed and read them, in that order.
struct ResultsSource {
    std::string name;
    std::string_view bytes;
};
ResultsReading ReadResultsFolder(const std::vector<ResultsSource>& files);

// The bytes a reader needs of a file: all of it, or its last kResultsReadCap bytes and one more
// (so that ReadResults sees the cut). nullopt when it cannot be read.
std::optional<std::string> ReadResultsFileBytes(const std::filesystem::path& file);

// The file name part of a path written by a Windows or a Linux computer ("lecon.ond").
std::string ExerciseTitle(std::string_view exerciseFile);

// Puts the exercise's expected values beside the answers, oscillogram by oscillogram, from the
// exercise file's text (as DecodeExerciseText gives it). False, and nothing changed, when the
// file does not fit: more records than oscillogram lines, a line the evaluation refuses, or,
// for a finished evaluation, another count of oscillograms.
bool AttachExercise(RecordedEvaluation& evaluation, std::string_view exerciseText);

// "07/12/2026 17:31:34", "7.12.26 9:05", "2026-12-07 17:31" → 20261207173134 …; nullopt else.
std::optional<std::int64_t> SortableDateTime(std::string_view text);

} // namespace ondivel
