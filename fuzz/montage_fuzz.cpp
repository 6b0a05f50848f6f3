// Bench set-up files as anybody may hand them over: any bytes. The reader either refuses them or
// gives a set-up whose every value a control takes; written again, that set-up reads back
// without a remark and gives the same bytes. Each accepted set-up then goes onto a headless bench
// through the same gestures as the menu's, and what the bench shows is a set-up that writes and
// reads back cleanly too.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "bench/main/mdi_ondivel.h"
#include "bench/main/montage.h"
#include "bench/ondivel.h"
#include "files/montage_file.h"
#include "files/testing/fake_platform.h"
#include "fuzz_support.h"

using namespace ondivel;
using ondivel::fuzz::require;

namespace {

// One program for the whole run, started as the desktop starts it (no tip window).
struct Bench {
    fuzz::ScratchFile scratch{"marker"};
    FakePlatform platform{std::filesystem::path(scratch.path()).parent_path().string()};
    Ondivel app{platform};

    Bench() {
        std::error_code ec;
        const auto folder = std::filesystem::path(platform.appDataDir) / "Marvane" / "Ondivel";
        std::filesystem::create_directories(folder, ec);
        std::filesystem::create_directories(platform.documentsDir, ec);
        std::filesystem::create_directories(platform.programDir, ec);
        const std::string tips = "[Options]\r\nShow Tips at Startup=0\r\n";
        FILE* f = std::fopen((folder / "ConfOND_eleve1.ini").string().c_str(), "wb");
        if (f) {
            std::fwrite(tips.data(), 1, tips.size(), f);
            std::fclose(f);
        }
        app.mdi().Show();
    }
};

void requireClean(const MontageReading& r, const char* what) {
    require(r.ok && r.ignored.empty() && r.corrected.empty(), what);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const MontageReading reading = ReadMontage(bytes, "fuzz.ondm");
    require(reading.ok != !reading.refusal.empty(), "a file is neither refused nor read");
    if (size > kMontageMaxBytes) require(!reading.ok, "a file past the size limit was read");
    if (!reading.ok) return 0;

    const std::string written = MontageBytes(reading.montage);
    const MontageReading again = ReadMontage(written, "fuzz.ondm");
    requireClean(again, "a set-up written by the program reads back with remarks");
    require(MontageBytes(again.montage) == written, "a set-up does not come back the same");

    static Bench bench;
    if (!bench.app.mdi().ModeLibre) return 0;
    ApplyMontage(bench.app, reading.montage);
    const std::string shown = MontageBytes(CaptureMontage(bench.app));
    requireClean(ReadMontage(shown, "fuzz.ondm"), "the bench gives a set-up that reads back with remarks");
    return 0;
}
