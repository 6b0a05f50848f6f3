#include "ui/platform/admin_password_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ondivel {

namespace fs = std::filesystem;

std::string adminPasswordFilePath() {
    const char* path = std::getenv("ONDIVEL_ADMIN_PASSWORD_FILE");
    return path && *path ? std::string(path) : std::string(kAdminPasswordFile);
}

std::optional<std::string> readAdminPasswordFile(const std::string& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(fs::path(path), ec);
    if (status.type() == fs::file_type::not_found) return std::nullopt;
    std::ifstream in(fs::path(path), std::ios::binary);
    std::string line;
    if (!in || !std::getline(in, line)) return std::string();
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.pop_back();
    return line;
}

#ifndef _WIN32
namespace {

std::string because(const std::string& what, int err) {
    std::string text = what;
    if (err == EACCES || err == EPERM || err == EROFS)
        text += " : droits insuffisants (lancer la commande en administrateur, avec sudo).";
    else if (err == ENOENT || err == ENOTDIR)
        text += " : ce chemin n'existe pas.";
    else if (err == ENOSPC)
        text += " : le disque est plein.";
    else
        text += " (" + std::string(std::strerror(err)) + ").";
    return text;
}

// Writes all the bytes, then waits until they are on disk; errno tells why when it fails.
bool writeAllAndSync(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return ::fsync(fd) == 0;
}

} // namespace

bool writeAdminPasswordFile(const std::string& path, const std::string& hash, std::string& error) {
    const fs::path target = fs::path(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    if (::mkdir(folder.c_str(), 0755) == 0) {
        // The umask may have taken bits away: pupils must be able to enter the folder.
        (void)::chmod(folder.c_str(), 0755);
    } else if (errno != EEXIST) {
        error = because("Impossible de créer le dossier " + folder.string(), errno);
        return false;
    }
    const std::string temp = (folder / ("." + target.filename().string() + ".new")).string();
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = because("Impossible d'écrire dans le dossier " + folder.string(), errno);
        return false;
    }
    // fchmod: the umask must not hide the hash from the pupils' accounts, which check it.
    bool ok = ::fchmod(fd, 0644) == 0 && writeAllAndSync(fd, hash + "\n");
    int err = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        error = because("Impossible d'écrire le fichier " + path, err);
        return false;
    }
    // The rename itself reaches the disk with the folder.
    if (const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        (void)::fsync(dir);
        ::close(dir);
    }
    return true;
}
#else
bool writeAdminPasswordFile(const std::string& path, const std::string& hash, std::string& error) {
    const fs::path target = fs::path(path);
    std::error_code ec;
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
    const fs::path temp = target.string() + ".new";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << hash << "\n";
        if (!out.flush()) {
            error = "Impossible d'écrire le fichier " + path + ".";
            return false;
        }
    }
    fs::rename(temp, target, ec);
    if (ec) error = "Impossible d'écrire le fichier " + path + " : " + ec.message() + ".";
    return !ec;
}
#endif

} // namespace ondivel
