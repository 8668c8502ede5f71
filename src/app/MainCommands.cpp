#include "app/MainCommands.h"

#include "acquisition/TeamNameUpdate.h"
#include "app/FileDialogs.h"
#include "app/MainDocument.h"
#include "app/ProtectedFolder.h"
#include "singles/DuplicateSingles.h"
#include "singles/ClipboardImport.h"
#include "singles/ClipboardExport.h"
#include "singles/SinglesCsvFile.h"
#include "singles/SingleSorter.h"
#include "support/AppFolder.h"
#include "support/AppInfo.h"
#include "support/Ui.h"
#include "support/PathRules.h"

#include <QUrl>

namespace {

const QString csvFilter = QStringLiteral("CSVファイル(*.csv)");

// The save dialog asked about the name as the user typed it; a file that
// takes its place only once ".csv" is added is asked about here.
bool mayReplace(const QString &path)
{
    using FSO = clsFileSystemObject;
    return !FSO::FileExists(path)
           || Ui::instance().askYesNo(QStringLiteral("名前を付けて保存"),
                                      QStringLiteral("%1 は既に存在します。\r\n上書きしますか？").arg(FSO::GetFileName(path)),
                                      Ui::Icon::Warning, Ui::Answer::No);
}

QList<qint32> toList(const std::vector<qint32> &singles)
{
    return QList<qint32>(singles.begin(), singles.end());
}

} // namespace

MainCommands::MainCommands(MainDocument &document, FileDialogs &dialogs, Clipboard &clipboard)
    : m_document(document)
    , m_dialogs(dialogs)
    , m_clipboard(clipboard)
{
}

void MainCommands::New()
{
    if (m_document.Busy())
        return;   // a long operation runs: its progress window lets the menus work
    MainDocument::CommandScope command(m_document);
    m_document.SelectPage(MainDocument::PageHome);
    m_document.ClearDocument();
}

void MainCommands::Open()
{
    if (m_document.Busy())
        return;
    const QString proposed = clsTFileCSV::GetCsvFileName(m_document.Kaisaikai(), m_document.Kumi());
    const QString path = m_dialogs.openFileName(QStringLiteral("ファイルを開く"), csvFilter, m_document.UserFolder(), proposed);
    if (!path.isEmpty())
        OpenPath(path);
}

void MainCommands::OpenPath(const QString &chosen)
{
    if (m_document.Busy())
        return;
    MainDocument::CommandScope command(m_document);
    const QString path = clsFileSystemObject::ExtensionCheck(chosen, QStringLiteral("csv"));
    m_document.ClearDocument();
    bool loaded = false;
    {
        MainDocument::BusyScope busy(m_document);
        qint32 count = 0;
        std::vector<qint32> singles;
        loaded = clsTFileCSV().CsvLoad(path, count, singles);
        if (loaded)
            m_document.ReplaceSingles(toList(singles));
    }
    if (const qint32 round = clsTFileCSV::GetKaisaikai(path); round > 0)
        m_document.RoundSelection().SetKaisaikai(round);
    m_document.SelectPage(MainDocument::PageSingles);
    // A file that could not be read must not become the file that 上書き保存
    // replaces with an empty list.
    if (loaded)
        m_document.setCurrentFile(path);
}

void MainCommands::Save()
{
    if (m_document.Busy())
        return;
    if (m_document.CurrentFile().isEmpty())
        SaveAs();
    else
        saveTo(m_document.CurrentFile());
}

void MainCommands::SaveAs()
{
    if (m_document.Busy())
        return;
    const QString proposed = m_document.CurrentFile().isEmpty()
                                 ? clsTFileCSV::GetCsvFileName(m_document.Kaisaikai(), m_document.Kumi())
                                 : m_document.CurrentFile();
    const QString chosen = m_dialogs.saveFileName(QStringLiteral("名前を付けて保存"), csvFilter, m_document.UserFolder(), proposed);
    if (chosen.isEmpty())
        return;
    const QString path = clsFileSystemObject::ExtensionCheck(chosen, QStringLiteral("csv"));
    if (path != chosen && !mayReplace(path))
        return;
    MainDocument::CommandScope command(m_document);
    if (saveTo(path))
        m_document.setCurrentFile(path);
}

bool MainCommands::saveTo(const QString &path)
{
    // The writer lets window events run; its own share of the list stays as
    // it is whatever happens to the document's meanwhile.
    const QList<qint32> singles = m_document.Singles();
    MainDocument::BusyScope busy(m_document);
    return clsTFileCSV().CsvSave(path, singles);
}

void MainCommands::Sort(SortKind kind, int item, bool ascending)
{
    if (m_document.Busy())
        return;
    if (m_document.Singles().isEmpty())
        return;
    MainDocument::CommandScope command(m_document);
    QList<qint32> singles = m_document.Singles();
    {
        MainDocument::BusyScope busy(m_document);
        clsTSingleSort sorter;
        sorter.SetVoteData(m_document.Vote());
        switch (kind) {
        case ByEstimate: sorter.MoneySort(singles, item, ascending); break;
        case ByMark: sorter.MarkSort(singles, item, ascending); break;
        case ByPopularity: sorter.NinkiSort(singles, item, ascending); break;
        }
    }
    m_document.ReplaceSingles(singles);
    if (m_document.CurrentPage() != MainDocument::PageHome)
        m_document.SelectPage(m_document.CurrentPage());
}

void MainCommands::SortByHits(bool ascending)
{
    if (m_document.Busy())
        return;
    if (m_document.Singles().isEmpty())
        return;
    MainDocument::CommandScope command(m_document);
    QList<qint32> singles = m_document.Singles();
    clsTResult &result = m_document.ResultEvaluation();
    result.GradeSort(singles, ascending);
    m_document.ReplaceSingles(singles);
    MainDocument::BusyScope busy(m_document);
    result.SetSingle(qint32(singles.size()), singles);
}

void MainCommands::RemoveDuplicates()
{
    BusyPointer wait;
    if (m_document.Busy())
        return;
    if (m_document.Singles().isEmpty())
        return;
    MainDocument::CommandScope command(m_document);
    if (const auto kept = DuplicateSingles::Remove(m_document.Singles()))
        m_document.ReplaceSingles(*kept);
    m_document.SelectPage(MainDocument::PageCheck);
}

void MainCommands::CopyToClipboard(int layout)
{
    clsTClipboard(m_clipboard).ClipExport(qint16(layout), m_document.Singles());
}

void MainCommands::ImportFromClipboard()
{
    if (m_document.Busy())
        return;
    MainDocument::CommandScope command(m_document);
    qint32 count = 0;
    std::vector<qint32> singles;
    clsTClipImport(m_clipboard).ClipImport(0, count, singles);
    if (count <= 0)
        return;
    m_document.ReplaceSingles(toList(singles));
    m_document.SelectPage(MainDocument::PageCheck);
    Ui::instance().showMessage(Ui::Icon::Information, AppInfo::title(),
                               QString::number(count) + QStringLiteral("口取り込みしました"));
}

QString MainCommands::ManualAddress()
{
    const QString page = AppInfo::title().toLower().remove(u' ') + QStringLiteral(".html");
    return QUrl::fromLocalFile(clsFileSystemObject::toNativePath(AppFolder::path() + QStringLiteral("\\manual\\") + page))
        .toString();
}

void MainCommands::OpenManual()
{
    Ui::instance().openAddress(ManualAddress());
}

void MainCommands::UpdateTeamNames(bool askFirst)
{
    if (m_document.Busy() || !ProtectedFolder::CheckUpdateAllowed(AppFolder::path()))
        return;
    if (clsQuorvelDownload().DownloadTeamName2(askFirst))
        m_document.RoundSelection().ScheduleInitialize();
}

MainCommands::SortItems MainCommands::EnabledSortItems() const
{
    SortItems items;
    items.estimatesAndPopularity = m_document.Vote().Kaisaikai != 0;
    items.hits = m_document.CurrentPage() == MainDocument::PageCheck;
    items.singlesEditing = m_document.CurrentPage() == MainDocument::PageSingles;
    return items;
}
