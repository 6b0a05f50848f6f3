#pragma once
// Replacing a small file so that a crash or a power cut at any moment leaves either the old file
// or the new one whole, never a mix or an empty file: the settings store rewrites its file this
// way.
#include <filesystem>
#include <optional>
#include <string_view>

namespace ondivel {

// Writes bytes to a new temporary file in the target's folder, flushes it to the disk, renames it
// over the target and flushes the folder. A new file gets the usual mode (0666 less the umask); a
// replaced one keeps its mode. False, with the target untouched and no temporary file left, when
// any step fails. The target must not be a symbolic link: the rename would replace the link.
// `mode`, when given, is the file's mode whatever the umask (a file every account must read).
// errno tells why it failed.
bool ReplaceFileDurably(const std::filesystem::path& target, std::string_view bytes,
                        std::optional<unsigned> mode = std::nullopt);

} // namespace ondivel
