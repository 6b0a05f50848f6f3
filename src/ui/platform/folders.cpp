#include "ui/platform/folders.h"

#include <QDir>
#include <QFileInfo>

namespace ondivel {

namespace {

QString withoutTrailingSeparator(QString path) {
    // "//server/share" names a file server; cleaning would make it the local "/server/share".
    const bool serverPath = path.startsWith("//") && !path.startsWith("///");
    path = QDir::cleanPath(path);
    if (serverPath) path.prepend('/');
    while (path.size() > 1 && (path.endsWith('/') || path.endsWith('\\')))
        path.chop(1);
    return path;
}

} // namespace

QString resolveProgramFolder(const QString& overrideDir, const QString& exeDir,
                             const QString& sourceResources) {
    if (!overrideDir.trimmed().isEmpty()) return withoutTrailingSeparator(overrideDir.trimmed());
    if (!exeDir.isEmpty()) {
        const QString installed = QDir(exeDir).absoluteFilePath("../share/ondivel");
        if (QFileInfo(installed).isDir()) return withoutTrailingSeparator(installed);
    }
    return withoutTrailingSeparator(sourceResources);
}

QString resolveSharedFolder(const QString& overrideDir, const QString& standardLocation) {
    const QString chosen = overrideDir.trimmed().isEmpty() ? standardLocation : overrideDir.trimmed();
    return chosen.isEmpty() ? QString() : withoutTrailingSeparator(chosen);
}

QString sourceResourcesFolder() {
    return QStringLiteral(ONDIVEL_SOURCE_RESOURCES);
}

} // namespace ondivel
