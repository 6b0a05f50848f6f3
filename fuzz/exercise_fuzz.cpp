// An exercise file as a teacher's editor may leave it: any bytes, read by the evaluation (count,
// check, then one oscillogram after another) and by the exercise editor.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/win1252.h"
#include "files/exercise_line.h"
#include "files/exercise_reader.h"
#include "files/exercise_writer.h"
#include "fuzz_support.h"

using namespace ondivel;
using ondivel::fuzz::require;

namespace {

void checkChannel(const ExerciseChannel& c) {
    require(!c.signal.empty(), "a channel has no signal type");
    require(isValidUtf8(c.signal), "a signal type is not UTF-8");
    require(std::isfinite(c.amplitude) && std::isfinite(c.frequency), "a channel's number is not finite");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::ScratchFile file("exercice.ond");
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::optional<std::string> text = DecodeExerciseText(bytes);
    if (text) {
        require(isValidUtf8(*text), "the exercise text is not UTF-8 after decoding");
        for (const std::string& line : SplitExerciseLines(*text)) {
            require(line.find_first_of("\r\n") == std::string::npos, "a line still holds a line end");
            if (ClassifyExerciseLine(line) != ExerciseLineKind::Oscillogram) continue;
            const ParsedOscillogram parsed = ParseOscillogramLine(line, 1);
            require(parsed.value.has_value() != !parsed.problem.empty(),
                    "a line is neither read nor refused");
            if (!parsed.value) continue;
            checkChannel(parsed.value->channel[0]);
            checkChannel(parsed.value->channel[1]);
        }
    }

    file.write(bytes);
    ExerciseReader reader;
    require(reader.open(file.path(), "exercice.ond") == text.has_value(),
            "the reader and the decoding disagree on whether the file is text");
    if (reader.isOpen()) {
        const int count = reader.oscillogramCount();
        const bool clean = !reader.check().has_value();
        int given = 0;
        int lastLine = 0;
        while (const std::optional<ExerciseOscillogram> osc = reader.next()) {
            require(osc->lineNumber > lastLine, "oscillograms do not come in the file's order");
            lastLine = osc->lineNumber;
            ++given;
        }
        // A checked file hands out every oscillogram it counted; a faulty one stops at its fault.
        require(clean ? given == count : given < count, "the count does not match the lines handed out");
    }

    // The editor opens the same file for changes.
    if (const auto lines = LoadExerciseFile(file.path()))
        for (const std::string& line : *lines)
            require(line.find('\n') == std::string::npos, "an editor line holds a line feed");
    return 0;
}
