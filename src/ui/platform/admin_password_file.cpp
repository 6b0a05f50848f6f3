#include "ui/platform/admin_password_file.h"

#include "files/durable_replace.h"

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
    // Mode 0644 whatever the umask: every pupil's account checks the hash.
    if (!ReplaceFileDurably(target, hash + "\n", 0644)) {
        error = because("Impossible d'écrire le fichier " + path, errno);
        return false;
    }
    return true;
}
#else
bool writeAdminPasswordFile(const std::string& path, const std::string& hash, std::string& error) {
    const fs::path target = fs::path(path);
    std::error_code ec;
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
    if (ReplaceFileDurably(target, hash + "\n", 0644)) return true;
    error = "Impossible d'écrire le fichier " + path + ".";
    return false;
}
#endif

} // namespace ondivel
