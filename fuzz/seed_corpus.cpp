// seed_corpus OUT_FOLDER SCENARIO.scn...
// Seeds for the settings and exercise targets, made the way the scenarios make them: the `ini`
// lines of each scenario written through the program's own settings writer into
// OUT_FOLDER/settings/<scenario>.ini, and each `file ….ond <<END` body saved as the exercise
// editor saves a file into OUT_FOLDER/exercise/<scenario>-<n>.ond.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "files/exercise_writer.h"
#include "files/settings_store.h"
#include "script/lexer.h"
#include "script/scenario.h"
#include "script/script_error.h"

namespace fs = std::filesystem;
using namespace ondivel;
using namespace ondivel::script;

namespace {

void seedsOf(const fs::path& scenarioFile, const fs::path& out) {
    std::ifstream in(scenarioFile, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::string stem = scenarioFile.stem().string();
    const std::string settings = (out / "settings" / (stem + ".ini")).string();
    int exercises = 0;
    for (const ScenarioLine& line : parseScenario(stem, text).lines) {
        try {
            const std::vector<std::string> words = splitWords(line.text);
            if (words.size() == 4 && words[0] == "ini") {
                WriteIniValue(settings, wordText(words[1]), wordText(words[2]), wordText(words[3]));
            } else if (words.size() >= 2 && words[0] == "file" && line.hasBody && line.bodyError.empty() &&
                       wordText(words[1]).ends_with(".ond")) {
                std::ofstream(out / "exercise" / (stem + "-" + std::to_string(++exercises) + ".ond"),
                              std::ios::binary)
                    << ExerciseFileBytes(line.body);
            }
        } catch (const ScriptError&) {
            // A line the harness itself would refuse seeds nothing.
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: seed_corpus OUT_FOLDER SCENARIO.scn...\n";
        return 2;
    }
    const fs::path out = argv[1];
    fs::create_directories(out / "settings");
    fs::create_directories(out / "exercise");
    for (int i = 2; i < argc; ++i)
        seedsOf(argv[i], out);
    return 0;
}
