#include "app/HistoryCommands.h"

#include "app/FileDialogs.h"
#include "app/MainDocument.h"
#include "history/HistoryCsv.h"
#include "history/HistoryFiles.h"
#include "history/HistoryReport.h"
#include "support/AppFolder.h"
#include "support/PathRules.h"

#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>

#include <algorithm>

HistoryCommands::HistoryCommands(MainDocument &document, FileDialogs &dialogs, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_dialogs(dialogs)
{
}

void HistoryCommands::setBusy(bool busy)
{
    m_busy = busy;
    Q_EMIT BusyChanged(busy);
}

QStringList HistoryCommands::Folders() const
{
    if (!m_chosenFolder.isEmpty())
        return {m_chosenFolder};
    return HistoryFiles::DefaultFolders(m_document.UserFolder(), m_document.CurrentFile());
}

QString HistoryCommands::FoldersText() const
{
    const QDir program(clsFileSystemObject::toNativePath(AppFolder::path()));
    QStringList shown;
    for (const QString &folder : Folders()) {
        const QString relative = program.relativeFilePath(folder);
        shown.append(relative.startsWith(QStringLiteral("..")) || QDir::isAbsolutePath(relative) ? folder : relative);
    }
    return shown.join(QStringLiteral("、"));
}

void HistoryCommands::Refresh()
{
    if (!startWork())
        return;
    const auto idle = qScopeGuard([this] { endWork(); });
    rebuild();
}

// Pending events run during the work: the main window must not close (and
// take this window with it), nor start long work of its own, meanwhile.
bool HistoryCommands::startWork()
{
    if (m_busy || m_document.Busy())
        return false;
    m_documentBusy.emplace(m_document);
    setBusy(true);
    return true;
}

void HistoryCommands::endWork()
{
    m_documentBusy.reset();
    setBusy(false);
}

void HistoryCommands::rebuild()
{
    m_rows = HistoryReport::Build(HistoryFiles::Find(Folders()));
    m_table.SetRows(m_rows);
    m_chart.SetRows(m_rows);
    Q_EMIT Changed();
}

void HistoryCommands::ChooseFolder()
{
    if (m_busy)
        return;
    const QString folder = m_dialogs.folderName(QStringLiteral("フォルダの選択"), Folders().value(0));
    if (folder.isEmpty())
        return;
    m_chosenFolder = QFileInfo(clsFileSystemObject::toNativePath(folder)).absoluteFilePath();
    Refresh();
}

QList<qint32> HistoryCommands::RoundsWithoutResult() const
{
    QList<qint32> rounds;
    for (const HistoryRow &row : m_rows)
        if (row.state == HistoryRow::State::NoResult && !rounds.contains(row.Kaisaikai))
            rounds.append(row.Kaisaikai);
    std::sort(rounds.begin(), rounds.end());
    return rounds;
}

void HistoryCommands::DownloadResults()
{
    if (!startWork())
        return;
    const auto idle = qScopeGuard([this] { endWork(); });
    m_download.Run(RoundsWithoutResult());
    rebuild();
}

void HistoryCommands::SaveCsv()
{
    if (m_busy)
        return;
    QString path = m_dialogs.saveFileName(QStringLiteral("CSVに保存"), QStringLiteral("CSVファイル(*.csv)"),
                                          Folders().value(0), QStringLiteral("収支履歴.csv"));
    if (path.isEmpty())
        return;
    HistoryCsv::Save(clsFileSystemObject::ExtensionCheck(path, QStringLiteral("csv")), m_rows);
}

QString HistoryCommands::FileAtGridRow(int gridRow) const
{
    const int index = m_table.RowAt(gridRow);
    return index >= 0 ? m_rows[index].Path : QString();
}
