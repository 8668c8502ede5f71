#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A singles file of the 収支履歴: its place, and the round and group its
// name gives.
struct HistoryFile
{
    QString path;       // native
    QString fileName;   // the name alone
    qint32 roundNumber = 0;
    QString group;
    qint64 bytes = 0;
};

// The singles files of some folders: every *.csv file directly in one of
// them (not in sub-folders) whose name gives a round above 0 by the rule
// that 開く uses. A folder named twice (or by two paths) is looked at once.
namespace HistoryFiles {

QList<HistoryFile> find(const QStringList &nativeFolders);

// The folders looked at unless the user picks one: the user folder, and
// the folder of the current file when there is one. Both in the program's
// path form; the result is native.
QStringList defaultFolders(const QString &userFolder, const QString &currentFile);

} // namespace HistoryFiles
