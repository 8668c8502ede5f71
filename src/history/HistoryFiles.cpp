#include "history/HistoryFiles.h"

#include "singles/clsTFileCSV.h"
#include "support/clsFileSystemObject.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace HistoryFiles {

QList<HistoryFile> Find(const QStringList &nativeFolders)
{
    QList<HistoryFile> files;
    QSet<QString> seen;
    for (const QString &folder : nativeFolders) {
        if (folder.isEmpty())
            continue;
        const QFileInfoList entries
            = QDir(folder).entryInfoList({QStringLiteral("*.csv")}, QDir::Files | QDir::Hidden, QDir::Name);
        for (const QFileInfo &entry : entries) {
            const qint32 round = clsTFileCSV::GetKaisaikai(entry.fileName());
            const QString identity = entry.canonicalFilePath().isEmpty() ? entry.absoluteFilePath()
                                                                          : entry.canonicalFilePath();
            if (round <= 0 || seen.contains(identity))
                continue;
            seen.insert(identity);
            files.append({entry.absoluteFilePath(), entry.fileName(), round, clsTFileCSV::GetKumi(entry.fileName())});
        }
    }
    return files;
}

QStringList DefaultFolders(const QString &userFolder, const QString &currentFile)
{
    QStringList folders{clsFileSystemObject::toNativePath(clsFileSystemObject::GetFullPath(userFolder))};
    if (!currentFile.isEmpty())
        folders.append(
            QFileInfo(clsFileSystemObject::toNativePath(clsFileSystemObject::GetFullPath(currentFile))).absolutePath());
    return folders;
}

} // namespace HistoryFiles
