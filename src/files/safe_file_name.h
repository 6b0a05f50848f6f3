#pragma once
// A logon name as part of a file name ("ConfOND_" + name + ".ini", "OND_" + name + "_…txt"). The
// name comes from the environment, so it may hold anything: "a/../../evil" must not lead the
// program out of its folder, and a name that a Windows share refuses must not make the file
// impossible to create.
#include <string>
#include <string_view>

namespace ondivel {

// The name with every character that cannot stand in a file name replaced by "_": path
// separators, control characters, <>:"|?*, runs of dots (".."), and dots or blanks at the end;
// a device name (CON, NUL, COM1…) gets a "_" in front. Letters beyond ASCII are kept. Cut to 200
// bytes, so that prefix and suffix still fit the usual 255-byte limit. "Inconnu" when nothing
// is left.
std::string SafeFileNamePart(std::string_view name);

} // namespace ondivel
