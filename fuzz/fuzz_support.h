#pragma once
// Shared by the fuzz targets: a scratch file for the readers that take a path, and a check that
// stops the run (so libFuzzer keeps the input) when a reader breaks its own promise.
#include <filesystem>
#include <string>
#include <string_view>

namespace ondivel::fuzz {

// A file in a folder of this process's own under the temporary folder, removed at exit.
class ScratchFile {
  public:
    explicit ScratchFile(const std::string& name);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    // Replaces the file's content with exactly these bytes.
    void write(std::string_view bytes) const;
    void remove() const;
    const std::string& path() const { return path_; }

  private:
    std::filesystem::path folder_;
    std::string path_;
};

// Prints what went wrong and aborts when ok is false.
void require(bool ok, std::string_view what);

} // namespace ondivel::fuzz
