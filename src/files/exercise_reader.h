#pragma once
// The evaluation's reading of an exercise file: the whole text at once (Windows-1252 or UTF-8,
// CR LF or LF line ends), its oscillogram lines counted and checked before the first one shows,
// then handed out one by one, parsed as the oscilloscope draws them.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ondivel {

// One channel of an oscillogram line, ready for the evaluation state.
struct ExerciseChannel {
    std::string signal;   // proper case: "Sinusoïdale", "Cc", "Dyn" …
    double amplitude = 0; // volts; for "dyn" the written peak divided by 1.5
    double frequency = 0; // hertz
    // 0 for a triangle, 0.5 for a square; other types leave the channel's duty cycle alone.
    std::optional<float> dutyCycle;
};

struct ExerciseOscillogram {
    ExerciseChannel channel[2]; // CH1, CH2
    int lineNumber = 0;         // from 1, in the file
    // The teacher's comment line just before this one (CommentText), empty when there is none.
    std::string instruction;
};

// The parsed line, or what is wrong with it in French ("la tension « abc » de la voie CH1 n'est
// pas un nombre"): a line without any "/", a type word the screen cannot draw, a number that is
// not one or is too large for a double, a negative frequency. Fields are quoted by QuoteField.
struct ParsedOscillogram {
    std::optional<ExerciseOscillogram> value;
    std::string problem;
};
ParsedOscillogram ParseOscillogramLine(std::string_view line, int lineNumber);

// A voltage or frequency field: "." or "," as decimal separator, an optional sign and exponent;
// the empty field is 0. nullopt for anything else ("abc", "5 V", "2.5.1"). A number beyond the
// range of a double reads as infinite (the caller refuses it), a tiny one as 0.
std::optional<double> ParseExerciseNumber(std::string_view field);

// Lower case, then the first letter in upper case ("CARRÉE" → "Carrée"); UTF-8.
std::string ProperCase(std::string_view text);

// The file's bytes as UTF-8 text, decoded as every text file is (DecodeText: UTF-8 or
// Windows-1252, byte-order marks dropped). nullopt for text no teacher's editor writes in these
// encodings (UTF-16, or bytes with NULs).
std::optional<std::string> DecodeExerciseText(std::string_view bytes);

// Lines ended by CR LF, LF or a lone CR; a final line end opens no further line.
std::vector<std::string> SplitExerciseLines(std::string_view text);

class ExerciseReader {
  public:
    // Reads the whole file. False, with the reason in problem(), when it is missing or unreadable;
    // `title` names the file in that reason.
    bool open(const std::string& path, const std::string& title);
    // The same from lines already in memory, in file order (the editor's list).
    void openLines(std::vector<std::string> lines, const std::string& title);
    void close();
    bool isOpen() const { return open_; }
    const std::string& problem() const { return problem_; }

    // Every line of the file, comments and empty ones included, without their line ends.
    const std::vector<std::string>& lines() const { return lines_; }
    int oscillogramCount() const;
    // The exercise's title: the text of the file's first comment line, empty when it has none.
    const std::string& exerciseTitle() const { return exerciseTitle_; }
    // The first line the evaluation cannot show, as a message naming the file and the line.
    std::optional<std::string> check() const;
    // The next oscillogram line, parsed; nullopt at the end of the file (or on a bad line, which
    // check() reports beforehand).
    std::optional<ExerciseOscillogram> next();

  private:
    std::vector<std::string> lines_;
    std::size_t position_ = 0;
    bool open_ = false;
    std::string title_;
    std::string exerciseTitle_;
    std::string problem_;
};

} // namespace ondivel
