#include "files/durable_replace.h"

#include <random>
#include <string>
#include <system_error>

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <fstream>
#endif

namespace ondivel {

namespace fs = std::filesystem;

namespace {

// Beside the target, so that the rename stays within one file system.
fs::path temporaryName(const fs::path& target, unsigned number) {
    fs::path temp = target;
    temp += ".~" + std::to_string(number % 1000000) + ".tmp";
    return temp;
}

constexpr int kNameAttempts = 16;

} // namespace

#ifndef _WIN32

namespace {

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The rename is only on the disk once the folder's own entry list is.
void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    (void)::close(fd);
}

} // namespace

bool ReplaceFileDurably(const fs::path& target, std::string_view bytes, std::optional<unsigned> mode) {
    std::random_device seed;
    fs::path temp;
    int fd = -1;
    for (int attempt = 0; attempt < kNameAttempts && fd < 0; ++attempt) {
        temp = temporaryName(target, seed());
        // O_EXCL: whatever already has that name, a link planted there included, is left alone.
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST && errno != EINTR) return false;
    }
    if (fd < 0) return false;

    struct stat old {};
    if (mode)
        (void)::fchmod(fd, static_cast<mode_t>(*mode));
    else if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        (void)::fchmod(fd, old.st_mode & 0777); // some file systems have no modes: no failure
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok) ok = ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        const int why = errno;
        (void)::unlink(temp.c_str());
        errno = why;
        return false;
    }
    // The new text is in place whatever the folder's flush says; at worst a power cut now brings
    // the old file back.
    syncFolder(target.has_parent_path() ? target.parent_path() : fs::path("."));
    return true;
}

#else

bool ReplaceFileDurably(const fs::path& target, std::string_view bytes, std::optional<unsigned> mode) {
    std::random_device seed;
    std::error_code ec;
    fs::path temp;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temp = temporaryName(target, seed());
        if (!fs::exists(temp, ec) && !ec) break;
        temp.clear();
    }
    if (temp.empty()) return false;
    bool ok = false;
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (out) {
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            out.flush();
            ok = static_cast<bool>(out);
        }
    }
    if (ok && mode)
        fs::permissions(temp, static_cast<fs::perms>(*mode), ec);
    else if (ok && fs::is_regular_file(target, ec))
        fs::permissions(temp, fs::status(target, ec).permissions(), ec);
    if (ok) {
        fs::rename(temp, target, ec);
        ok = !ec;
    }
    if (!ok) fs::remove(temp, ec);
    return ok;
}

#endif

} // namespace ondivel
