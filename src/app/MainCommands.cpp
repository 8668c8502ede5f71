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
    using FSO = PathRules;
    return !FSO::fileExists(path)
           || Ui::instance().askYesNo(QStringLiteral("名前を付けて保存"),
                                      QStringLiteral("%1 は既に存在します。\r\n上書きしますか？").arg(FSO::getFileName(path)),
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

void MainCommands::newFile()
{
    if (m_document.busy())
        return;   // a long operation runs: its progress window lets the menus work
    MainDocument::CommandScope command(m_document);
    m_document.selectPage(MainDocument::PageHome);
    m_document.clearDocument();
}

void MainCommands::open()
{
    if (m_document.busy())
        return;
    const QString proposed = SinglesCsvFile::getCsvFileName(m_document.roundNumber(), m_document.group());
    const QString path = m_dialogs.openFileName(QStringLiteral("ファイルを開く"), csvFilter, m_document.userFolder(), proposed);
    if (!path.isEmpty())
        openPath(path);
}

void MainCommands::openPath(const QString &chosen)
{
    if (m_document.busy())
        return;
    MainDocument::CommandScope command(m_document);
    const QString path = PathRules::extensionCheck(chosen, QStringLiteral("csv"));
    m_document.clearDocument();
    bool loaded = false;
    {
        MainDocument::BusyScope busy(m_document);
        qint32 count = 0;
        std::vector<qint32> singles;
        loaded = SinglesCsvFile().csvLoad(path, count, singles);
        if (loaded)
            m_document.replaceSingles(toList(singles));
    }
    if (const qint32 round = SinglesCsvFile::readRoundNumber(path); round > 0)
        m_document.roundSelection().setRoundNumber(round);
    m_document.selectPage(MainDocument::PageSingles);
    // A file that could not be read must not become the file that 上書き保存
    // replaces with an empty list.
    if (loaded)
        m_document.setCurrentFile(path);
}

void MainCommands::save()
{
    if (m_document.busy())
        return;
    if (m_document.currentFile().isEmpty())
        saveAs();
    else
        saveTo(m_document.currentFile());
}

void MainCommands::saveAs()
{
    if (m_document.busy())
        return;
    const QString proposed = m_document.currentFile().isEmpty()
                                 ? SinglesCsvFile::getCsvFileName(m_document.roundNumber(), m_document.group())
                                 : m_document.currentFile();
    const QString chosen = m_dialogs.saveFileName(QStringLiteral("名前を付けて保存"), csvFilter, m_document.userFolder(), proposed);
    if (chosen.isEmpty())
        return;
    const QString path = PathRules::extensionCheck(chosen, QStringLiteral("csv"));
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
    const QList<qint32> singles = m_document.singles();
    MainDocument::BusyScope busy(m_document);
    return SinglesCsvFile().csvSave(path, singles);
}

void MainCommands::sort(SortKind kind, int item, bool ascending)
{
    if (m_document.busy())
        return;
    if (m_document.singles().isEmpty())
        return;
    MainDocument::CommandScope command(m_document);
    QList<qint32> singles = m_document.singles();
    {
        MainDocument::BusyScope busy(m_document);
        SingleSorter sorter;
        sorter.setVoteData(m_document.vote());
        switch (kind) {
        case ByEstimate: sorter.moneySort(singles, item, ascending); break;
        case ByMark: sorter.markSort(singles, item, ascending); break;
        case ByPopularity: sorter.popularitySort(singles, item, ascending); break;
        }
    }
    m_document.replaceSingles(singles);
    if (m_document.currentPage() != MainDocument::PageHome)
        m_document.selectPage(m_document.currentPage());
}

void MainCommands::sortByHits(bool ascending)
{
    if (m_document.busy())
        return;
    if (m_document.singles().isEmpty())
        return;
    MainDocument::CommandScope command(m_document);
    QList<qint32> singles = m_document.singles();
    CheckPageController &result = m_document.resultEvaluation();
    result.gradeSort(singles, ascending);
    m_document.replaceSingles(singles);
    MainDocument::BusyScope busy(m_document);
    result.setSingle(qint32(singles.size()), singles);
}

void MainCommands::removeDuplicates()
{
    BusyPointer wait;
    if (m_document.busy())
        return;
    if (m_document.singles().isEmpty())
        return;
    MainDocument::CommandScope command(m_document);
    if (const auto kept = DuplicateSingles::remove(m_document.singles()))
        m_document.replaceSingles(*kept);
    m_document.selectPage(MainDocument::PageCheck);
}

void MainCommands::copyToClipboard(int layout)
{
    ClipboardExport(m_clipboard).clipExport(qint16(layout), m_document.singles());
}

void MainCommands::importFromClipboard()
{
    if (m_document.busy())
        return;
    MainDocument::CommandScope command(m_document);
    qint32 count = 0;
    std::vector<qint32> singles;
    ClipboardImport(m_clipboard).clipImport(0, count, singles);
    if (count <= 0)
        return;
    m_document.replaceSingles(toList(singles));
    m_document.selectPage(MainDocument::PageCheck);
    Ui::instance().showMessage(Ui::Icon::Information, AppInfo::title(),
                               QString::number(count) + QStringLiteral("口取り込みしました"));
}

QString MainCommands::manualAddress()
{
    const QString page = AppInfo::title().toLower().remove(u' ') + QStringLiteral(".html");
    return QUrl::fromLocalFile(PathRules::toNativePath(AppFolder::path() + QStringLiteral("\\manual\\") + page))
        .toString();
}

void MainCommands::openManual()
{
    Ui::instance().openAddress(manualAddress());
}

void MainCommands::updateTeamNames(bool askFirst)
{
    if (m_document.busy() || !ProtectedFolder::checkUpdateAllowed(AppFolder::path()))
        return;
    if (TeamNameUpdate().downloadTeamName2(askFirst))
        m_document.roundSelection().scheduleInitialize();
}

MainCommands::SortItems MainCommands::enabledSortItems() const
{
    SortItems items;
    items.estimatesAndPopularity = m_document.vote().roundNumber != 0;
    items.hits = m_document.currentPage() == MainDocument::PageCheck;
    items.singlesEditing = m_document.currentPage() == MainDocument::PageSingles;
    return items;
}
