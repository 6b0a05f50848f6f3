#include "files/durable_append.h"

#include "files/text_file.h"

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#endif

namespace ondivel {

#ifndef _WIN32
namespace {

// O_NOFOLLOW: a pupil who replaced the file by a link to a teacher's file gets an error, not the
// teacher's file. O_NONBLOCK: a pipe put in its place fails at once instead of freezing.
constexpr int kSafeOpenFlags = O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;

// 0666 before the umask: a group-shared folder (umask 002) lets every pupil of the group append.
constexpr mode_t kCreateMode = 0666;

bool isPlainFile(int fd) {
    struct stat st {};
    return ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
}

// A disk that fills in the middle of a block leaves its first part behind; the caller writes the
// whole block again later, so the part is cut off, unless another program appended meanwhile.
void dropTornBlock(int fd, off_t endBefore, std::size_t written) {
    struct stat now {};
    if (written == 0 || endBefore < 0 || ::fstat(fd, &now) != 0) return;
    if (now.st_size == endBefore + static_cast<off_t>(written)) (void)::ftruncate(fd, endBefore);
}

bool writeAll(int fd, const std::string& bytes, std::size_t& left) {
    const char* data = bytes.data();
    left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

bool appendDurablyToFile(const std::string& path, const std::string& bytes) {
    // O_APPEND makes the seek to the end and the write one step, so concurrent appends from two
    // programs land one after the other.
    const int fd = ::open(PathFromUtf8(path).c_str(), kSafeOpenFlags | O_APPEND | O_CREAT, kCreateMode);
    if (fd < 0) return false;
    if (!isPlainFile(fd)) {
        ::close(fd);
        return false;
    }
    const off_t endBefore = ::lseek(fd, 0, SEEK_END);
    std::size_t left = 0;
    bool ok = writeAll(fd, bytes, left);
    if (!ok) dropTornBlock(fd, endBefore, bytes.size() - left);
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    return ok;
}

EmptyFileResult emptyPlainFile(const std::string& path) {
    const int fd = ::open(PathFromUtf8(path).c_str(), kSafeOpenFlags | O_CREAT, kCreateMode);
    if (fd < 0)
        return errno == ELOOP || errno == ENXIO || errno == EISDIR ? EmptyFileResult::NotAPlainFile
                                                                   : EmptyFileResult::Failed;
    EmptyFileResult result = EmptyFileResult::Emptied;
    if (!isPlainFile(fd))
        result = EmptyFileResult::NotAPlainFile;
    else if (::ftruncate(fd, 0) != 0 || ::fsync(fd) != 0)
        result = EmptyFileResult::Failed;
    if (::close(fd) != 0 && result == EmptyFileResult::Emptied) result = EmptyFileResult::Failed;
    return result;
}
#else
namespace {

int openPlainFile(const std::string& path, int extraFlags) {
    const int fd = ::_wopen(PathFromUtf8(path).c_str(), _O_WRONLY | _O_BINARY | _O_CREAT | extraFlags,
                            _S_IREAD | _S_IWRITE);
    if (fd < 0) return fd;
    struct _stat64 st {};
    if (::_fstat64(fd, &st) != 0 || (st.st_mode & _S_IFMT) != _S_IFREG) {
        ::_close(fd);
        return -2;
    }
    return fd;
}

} // namespace

bool appendDurablyToFile(const std::string& path, const std::string& bytes) {
    const int fd = openPlainFile(path, _O_APPEND);
    if (fd < 0) return false;
    const bool ok =
        ::_write(fd, bytes.data(), static_cast<unsigned>(bytes.size())) == static_cast<int>(bytes.size()) &&
        ::_commit(fd) == 0;
    return ::_close(fd) == 0 && ok;
}

EmptyFileResult emptyPlainFile(const std::string& path) {
    const int fd = openPlainFile(path, 0);
    if (fd == -2) return EmptyFileResult::NotAPlainFile;
    if (fd < 0) return EmptyFileResult::Failed;
    const bool ok = ::_chsize_s(fd, 0) == 0 && ::_commit(fd) == 0;
    return ::_close(fd) == 0 && ok ? EmptyFileResult::Emptied : EmptyFileResult::Failed;
}
#endif

} // namespace ondivel
