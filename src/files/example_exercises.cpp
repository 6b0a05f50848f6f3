#include "files/example_exercises.h"

#include <filesystem>
#include <vector>

#include "core/keywords.h"
#include "files/text_file.h"

namespace ondivel {

namespace fs = std::filesystem;

namespace {

bool isExerciseFile(const fs::directory_entry& entry) {
    std::error_code ec;
    if (!entry.is_regular_file(ec)) return false;
    const std::u8string ext = entry.path().extension().u8string();
    return LowerKeyword(std::string(ext.begin(), ext.end())) == ".ond";
}

std::vector<fs::path> exerciseFilesIn(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (isExerciseFile(*it)) files.push_back(it->path());
    return files;
}

} // namespace

int InstallExampleExercises(const std::string& programFolder, const std::string& exerciseFolder) {
    if (programFolder.empty() || exerciseFolder.empty()) return 0;
    const fs::path target = PathFromUtf8(exerciseFolder);
    std::error_code ec;
    if (!fs::is_directory(target, ec) || !exerciseFilesIn(target).empty()) return 0;
    int copied = 0;
    for (const fs::path& example : exerciseFilesIn(PathFromUtf8(programFolder) / "exercises"))
        copied += fs::copy_file(example, target / example.filename(), fs::copy_options::skip_existing, ec);
    return copied;
}

} // namespace ondivel
