#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace ondivel::fuzz {

namespace fs = std::filesystem;

ScratchFile::ScratchFile(const std::string& name) {
    // The process id keeps the targets that run side by side out of each other's way.
    folder_ = fs::temp_directory_path() / ("ondivel-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    path_ = (folder_ / name).string();
}

ScratchFile::~ScratchFile() {
    std::error_code ec;
    fs::remove_all(folder_, ec);
}

void ScratchFile::write(std::string_view bytes) const {
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void ScratchFile::remove() const {
    std::error_code ec;
    fs::remove(path_, ec);
}

void require(bool ok, std::string_view what) {
    if (ok) return;
    std::fprintf(stderr, "fuzz check failed: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

} // namespace ondivel::fuzz
