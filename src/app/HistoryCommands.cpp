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
    Q_EMIT busyChanged(busy);
}

QStringList HistoryCommands::folders() const
{
    if (!m_chosenFolder.isEmpty())
        return {m_chosenFolder};
    return HistoryFiles::defaultFolders(m_document.userFolder(), m_document.currentFile());
}

QString HistoryCommands::foldersText() const
{
    const QDir program(PathRules::toNativePath(AppFolder::path()));
    QStringList shown;
    for (const QString &folder : folders()) {
        const QString relative = program.relativeFilePath(folder);
        shown.append(relative.startsWith(QStringLiteral("..")) || QDir::isAbsolutePath(relative) ? folder : relative);
    }
    return shown.join(QStringLiteral("、"));
}

void HistoryCommands::refresh()
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
    if (m_busy || m_document.busy())
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
    m_rows = HistoryReport::build(HistoryFiles::find(folders()));
    m_table.setRows(m_rows);
    m_chart.setRows(m_rows);
    Q_EMIT Changed();
}

void HistoryCommands::chooseFolder()
{
    if (m_busy)
        return;
    const QString folder = m_dialogs.folderName(QStringLiteral("フォルダの選択"), folders().value(0));
    if (folder.isEmpty())
        return;
    m_chosenFolder = QFileInfo(PathRules::toNativePath(folder)).absoluteFilePath();
    refresh();
}

QList<qint32> HistoryCommands::roundsWithoutResult() const
{
    QList<qint32> rounds;
    for (const HistoryRow &row : m_rows)
        if (row.state == HistoryRow::State::NoResult && !rounds.contains(row.roundNumber))
            rounds.append(row.roundNumber);
    std::sort(rounds.begin(), rounds.end());
    return rounds;
}

void HistoryCommands::downloadResults()
{
    if (!startWork())
        return;
    const auto idle = qScopeGuard([this] { endWork(); });
    m_download.Run(roundsWithoutResult());
    rebuild();
}

void HistoryCommands::saveCsv()
{
    if (m_busy)
        return;
    QString path = m_dialogs.saveFileName(QStringLiteral("CSVに保存"), QStringLiteral("CSVファイル(*.csv)"),
                                          folders().value(0), QStringLiteral("収支履歴.csv"));
    if (path.isEmpty())
        return;
    HistoryCsv::save(PathRules::extensionCheck(path, QStringLiteral("csv")), m_rows);
}

QString HistoryCommands::fileAtGridRow(int gridRow) const
{
    const int index = m_table.rowAt(gridRow);
    return index >= 0 ? m_rows[index].path : QString();
}
