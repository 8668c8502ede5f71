#include "app/MainCommands.h"

#include "acquisition/clsQuorvelDownload.h"
#include "app/FileDialogs.h"
#include "app/MainDocument.h"
#include "app/ProtectedFolder.h"
#include "singles/DuplicateSingles.h"
#include "singles/clsTClipImport.h"
#include "singles/clsTClipboard.h"
#include "singles/clsTFileCSV.h"
#include "singles/clsTSingleSort.h"
#include "support/AppFolder.h"
#include "support/AppInfo.h"
#include "support/Ui.h"
#include "support/clsFileSystemObject.h"

#include <QUrl>

namespace {

const QString csvFilter = QStringLiteral("CSVファイル(*.csv)");

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
    m_document.SelectPage(MainDocument::HomePage);
    m_document.ClearDocument();
}

void MainCommands::Open()
{
    const QString proposed = clsTFileCSV::GetCsvFileName(m_document.Kaisaikai(), m_document.Kumi());
    const QString path = m_dialogs.openFileName(QStringLiteral("ファイルを開く"), csvFilter, m_document.UserFolder(), proposed);
    if (!path.isEmpty())
        OpenPath(path);
}

void MainCommands::OpenPath(const QString &chosen)
{
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
    m_document.SelectPage(MainDocument::SinglesPage);
    // A file that could not be read must not become the file that 上書き保存
    // replaces with an empty list.
    if (loaded)
        m_document.setCurrentFile(path);
}

void MainCommands::Save()
{
    if (m_document.CurrentFile().isEmpty())
        SaveAs();
    else
        saveTo(m_document.CurrentFile());
}

void MainCommands::SaveAs()
{
    const QString proposed = m_document.CurrentFile().isEmpty()
                                 ? clsTFileCSV::GetCsvFileName(m_document.Kaisaikai(), m_document.Kumi())
                                 : m_document.CurrentFile();
    QString path = m_dialogs.saveFileName(QStringLiteral("名前を付けて保存"), csvFilter, m_document.UserFolder(), proposed);
    if (path.isEmpty())
        return;
    path = clsFileSystemObject::ExtensionCheck(path, QStringLiteral("csv"));
    if (saveTo(path))
        m_document.setCurrentFile(path);
}

bool MainCommands::saveTo(const QString &path)
{
    MainDocument::BusyScope busy(m_document);
    return clsTFileCSV().CsvSave(path, m_document.Singles());
}

void MainCommands::Sort(SortKind kind, int item, bool ascending)
{
    if (m_document.Singles().isEmpty())
        return;
    QList<qint32> singles = m_document.Singles();
    clsTSingleSort sorter;
    sorter.SetVoteData(m_document.Vote());
    switch (kind) {
    case ByEstimate: sorter.MoneySort(singles, item, ascending); break;
    case ByMark: sorter.MarkSort(singles, item, ascending); break;
    case ByPopularity: sorter.NinkiSort(singles, item, ascending); break;
    }
    m_document.ReplaceSingles(singles);
    if (m_document.CurrentPage() != MainDocument::HomePage)
        m_document.SelectPage(m_document.CurrentPage());
}

void MainCommands::SortByHits(bool ascending)
{
    if (m_document.Singles().isEmpty())
        return;
    QList<qint32> singles = m_document.Singles();
    m_document.NeedPage(MainDocument::CheckPage);
    clsTResult &result = m_document.ResultEvaluation();
    result.GradeSort(singles, ascending);
    m_document.ReplaceSingles(singles);
    MainDocument::BusyScope busy(m_document);
    result.SetSingle(qint32(singles.size()), m_document.Singles());
}

void MainCommands::RemoveDuplicates()
{
    BusyPointer wait;
    if (m_document.Singles().isEmpty())
        return;
    if (const auto kept = DuplicateSingles::Remove(m_document.Singles())) {
        MainDocument::BusyScope busy(m_document);
        m_document.ReplaceSingles(*kept);
    }
    m_document.SelectPage(MainDocument::CheckPage);
}

void MainCommands::CopyToClipboard(int layout)
{
    clsTClipboard(m_clipboard).ClipExport(qint16(layout), m_document.Singles());
}

void MainCommands::ImportFromClipboard()
{
    qint32 count = 0;
    std::vector<qint32> singles;
    clsTClipImport(m_clipboard).ClipImport(0, count, singles);
    if (count <= 0)
        return;
    m_document.ReplaceSingles(toList(singles));
    m_document.SelectPage(MainDocument::CheckPage);
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
    items.hits = m_document.CurrentPage() == MainDocument::CheckPage;
    items.singlesEditing = m_document.CurrentPage() == MainDocument::SinglesPage;
    return items;
}
