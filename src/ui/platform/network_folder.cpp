#include "ui/platform/network_folder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_LINUX
#include <sys/vfs.h>
#endif

namespace ondivel {

namespace {

#ifdef Q_OS_LINUX
// The mount source of the mount point holding the folder, from the kernel's mount table; the
// mount point itself when the table cannot be read.
QString mountSourceOf(const QString& canonicalFolder) {
    QFile mounts(QStringLiteral("/proc/self/mounts"));
    if (!mounts.open(QIODevice::ReadOnly)) return canonicalFolder;
    QString bestPoint, bestSource;
    // The table is the kernel's; a few thousand lines at most, read once at start-up.
    for (int lines = 0; lines < 100000 && !mounts.atEnd(); ++lines) {
        const QList<QByteArray> fields = mounts.readLine().split(' ');
        if (fields.size() < 2) continue;
        // Blanks in names are written as octal escapes ("\040").
        const auto unescape = [](QByteArray text) {
            return QString::fromUtf8(
                text.replace("\\040", " ").replace("\\011", "\t").replace("\\134", "\\"));
        };
        const QString point = unescape(fields[1]);
        const bool holds =
            canonicalFolder == point || canonicalFolder.startsWith(point.endsWith('/') ? point : point + '/');
        if (holds && point.size() >= bestPoint.size()) {
            bestPoint = point;
            bestSource = unescape(fields[0]);
        }
    }
    return bestSource.isEmpty() ? canonicalFolder : bestSource;
}
#endif

} // namespace

bool isNetworkFileSystemType(long long type) {
    switch (type) {
    case 0x6969:     // NFS
    case 0x517B:     // SMB
    case 0xFF534D42: // CIFS
    case 0xFE534D42: // SMB2
    case 0x564C:     // NCP (NetWare)
    case 0x5346414F: // AFS
    case 0x6B414653: // kAFS
    case 0x73757245: // Coda
    case 0x01021997: // 9P
    case 0x47504653: // GPFS
    case 0x0BD00BD0: // Lustre
        return true;
    default:
        return false;
    }
}

QString networkNameOfFolder(const QString& folder) {
    if (folder.startsWith("//") || folder.startsWith("\\\\")) return folder;
#ifdef Q_OS_LINUX
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty()) return {};
    struct statfs fs {};
    if (::statfs(QFile::encodeName(canonical).constData(), &fs) != 0) return {};
    if (!isNetworkFileSystemType(static_cast<long long>(fs.f_type))) return {};
    return mountSourceOf(canonical);
#else
    return {};
#endif
}

} // namespace ondivel
