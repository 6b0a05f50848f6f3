#pragma once
// Whether a folder lives on a file server: the program started from a school's share runs in
// network mode (one results file per pupil in the deposit folder).
#include <QString>

namespace ondivel {

// The server's name for the folder's share ("//server/share", "server:/export"), or "" for a
// local folder. A folder given as "//server/share/…" or "\\server\share\…" is on a server by its
// name alone; otherwise the file system under it tells (NFS, SMB/CIFS and the like).
QString networkNameOfFolder(const QString& folder);

// File systems that reach another machine, by the type number statfs reports.
bool isNetworkFileSystemType(long long type);

} // namespace ondivel
