#include "ui/platform/durable_file.h"

#include <QFile>

#ifndef _WIN32
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ondivel {

#ifndef _WIN32
namespace {

// A disk that fills in the middle of a block leaves its first part behind; the caller writes the
// whole block again later, so the part is cut off, unless another program appended meanwhile.
void dropTornBlock(int fd, off_t endBefore, std::size_t written) {
    struct stat now {};
    if (written == 0 || endBefore < 0 || ::fstat(fd, &now) != 0) return;
    if (now.st_size == endBefore + static_cast<off_t>(written)) (void)::ftruncate(fd, endBefore);
}

} // namespace

bool appendDurablyToFile(const std::string& path, const std::string& bytes) {
    // O_APPEND makes the seek to the end and the write one step, so concurrent appends from two
    // programs land one after the other.
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    const off_t endBefore = ::lseek(fd, 0, SEEK_END);
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    bool ok = true;
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    if (!ok) dropTornBlock(fd, endBefore, bytes.size() - left);
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    return ok;
}
#else
bool appendDurablyToFile(const std::string& path, const std::string& bytes) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return false;
    const bool ok =
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
    return file.flush() && ok;
}
#endif

} // namespace ondivel
