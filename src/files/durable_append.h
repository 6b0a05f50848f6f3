#pragma once
// Writes to files that pupils may reach: results files, deposit markers, the tips file. Such a
// file may sit in a folder every pupil of a group can write, so it is never reached through a
// symbolic link and never written unless it is a plain file; what the program creates there gets
// the mode the umask allows, so that the other accounts of the group can append too.
#include <string>

namespace ondivel {

// Opens the file in append mode, writes the bytes with one system write, syncs them to disk and
// closes the file. Two programs appending this way never tear each other's writes; a write cut
// short (a full disk) is taken back, so that the file holds whole blocks only. Creates the file
// when missing; false when it cannot be written or is not a plain file.
bool appendDurablyToFile(const std::string& path, const std::string& bytes);

enum class EmptyFileResult {
    Emptied,
    NotAPlainFile, // a symbolic link, a folder, a device, a pipe …: left as it is
    Failed,        // missing rights, full disk …
};

// Empties a plain file (creating it when missing), without following a symbolic link.
EmptyFileResult emptyPlainFile(const std::string& path);

} // namespace ondivel
