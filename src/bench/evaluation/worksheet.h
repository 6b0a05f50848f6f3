#pragma once
// The pupil's worksheet of an exercise, for lessons on paper: per oscillogram the screen as the
// evaluation shows it, the teacher's instruction and boxes for the answers, four oscillograms a
// page, then the answer key. Made from the exercise editor's list ("Fiche élève (PDF)…") and
// from the command line (`ondivel --worksheet`); the pages are drawn by worksheet_pages.h.
#include <optional>
#include <string>
#include <vector>

#include "files/exercise_reader.h"

namespace ondivel {

class Platform;

struct Worksheet {
    std::string title; // the file's first comment line, empty when it has none
    // The other comment lines before the first oscillogram's instruction: what the teacher says
    // of the whole exercise.
    std::vector<std::string> introduction;
    std::string fileName; // the exercise file's name, in the footers
    std::vector<ExerciseOscillogram> oscillograms;
};

// From an exercise's lines in file order. nullopt with the French reason in `problem` when a line
// is one the evaluation would refuse (the same message) or when there is no oscillogram at all.
std::optional<Worksheet> WorksheetFromLines(const std::vector<std::string>& lines,
                                            const std::string& fileName, std::string& problem);
// The same from a file, which may also be missing or unreadable.
std::optional<Worksheet> WorksheetFromFile(const std::string& path, std::string& problem);

// The knob positions of an oscillogram's screen, as a teacher would set the oscilloscope: each
// channel's peak within three and a half divisions of the centre (clear of the screen's edge), a
// channel at 0 V on the other's calibre, about one period of the slower periodic signal across the
// ten divisions, 1 ms/div for continuous voltages alone.
struct WorksheetCalibres {
    int sensitivity[2]; // index in the sensitivity table, CH1 and CH2
    int timeBase;       // index in the time-base table
};
WorksheetCalibres CalibresFor(const ExerciseOscillogram& oscillogram);

// The answer key's cells of a channel: "sinusoïdale" or "continue"; the peak value the screen
// shows with its unit ("4,5 V", the written peak of an alternator line); the frequency ("50 Hz",
// "—" for a continuous voltage).
std::string ExpectedTypeText(const ExerciseChannel& channel);
std::string ExpectedPeakText(const ExerciseChannel& channel);
std::string ExpectedFrequencyText(const ExerciseChannel& channel);

inline constexpr int kOscillogramsPerPage = 4;
// Answer key rows on one page.
inline constexpr int kKeyRowsPerPage = 40;
int OscillogramPageCount(const Worksheet& sheet);
int WorksheetPageCount(const Worksheet& sheet);

// The whole document as PDF bytes through the platform; empty when it cannot be made. The screens
// are drawn on a bench of their own, so the program's bench is left as it is.
std::string WorksheetPdf(Platform& platform, const Worksheet& sheet);

// Writes the worksheet at `path`, whole or not at all (a temporary file beside it, then renamed);
// the French reason, naming the file, when it cannot.
std::optional<std::string> WriteWorksheet(Platform& platform, const Worksheet& sheet,
                                          const std::string& path);

// "Fiche élève" of the dialogs and messages.
inline constexpr const char* kWorksheetTitle = "Fiche élève";

} // namespace ondivel
