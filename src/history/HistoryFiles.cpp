#include "history/HistoryFiles.h"

#include "singles/SinglesCsvFile.h"
#include "support/PathRules.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace HistoryFiles {

QList<HistoryFile> find(const QStringList &nativeFolders)
{
    QList<HistoryFile> files;
    QSet<QString> seen;
    for (const QString &folder : nativeFolders) {
        const QDir dir(folder);
        if (folder.isEmpty() || !dir.exists())
            continue;
        // A folder named twice, or by two paths, is looked at once.
        const QString identity = dir.canonicalPath();
        if (seen.contains(identity))
            continue;
        seen.insert(identity);
        const QFileInfoList entries = dir.entryInfoList({QStringLiteral("*.csv")}, QDir::Files | QDir::Hidden, QDir::Name);
        for (const QFileInfo &entry : entries) {
            const qint32 round = SinglesCsvFile::readRoundNumber(entry.fileName());
            if (round > 0)
                files.append({entry.absoluteFilePath(), entry.fileName(), round, SinglesCsvFile::groupOfFileName(entry.fileName()),
                              entry.size()});
        }
    }
    return files;
}

QStringList defaultFolders(const QString &userFolder, const QString &currentFile)
{
    QStringList folders{PathRules::toNativePath(PathRules::getFullPath(userFolder))};
    if (currentFile.isEmpty())
        return folders;
    const QString fileFolder
        = QFileInfo(PathRules::toNativePath(PathRules::getFullPath(currentFile))).absolutePath();
    if (QDir(fileFolder).canonicalPath() != QDir(folders[0]).canonicalPath())
        folders.append(fileFolder);
    return folders;
}

} // namespace HistoryFiles
