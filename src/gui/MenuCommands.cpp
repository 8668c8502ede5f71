#include "gui/MenuCommands.h"

#include "app/MainDocument.h"
#include "gui/MainMenus.h"
#include "gui/AboutDialog.h"
#include "gui/HistoryWindow.h"
#include "gui/NumberEntryDialog.h"
#include "support/AppInfo.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QWidget>

MenuCommands::MenuCommands(MainDocument &document, MainMenus &menus, FileDialogs &dialogs, Clipboard &clipboard,
                           QWidget *window)
    : QObject(window)
    , m_document(document)
    , m_menus(menus)
    , m_actions(menus.actions())
    , m_window(window)
    , m_commands(document, dialogs, clipboard)
{
    bindFile();
    bindSort();
    bindEdit();
    bindView();
    bindTools();
    connect(m_menus.editMenu(), &QMenu::aboutToShow, this, &MenuCommands::applyEditRules);
    connect(&m_document, &MainDocument::PageChange, this, &MenuCommands::applyEditRules);
    connect(&m_document, &MainDocument::RoundChange, this, &MenuCommands::applyEditRules);
    applyEditRules();
}

void MenuCommands::bindFile()
{
    connect(m_actions.fileNew, &QAction::triggered, this, [this] { m_commands.New(); });
    connect(m_actions.fileOpen, &QAction::triggered, this, [this] { m_commands.Open(); });
    connect(m_actions.fileSave, &QAction::triggered, this, [this] { m_commands.Save(); });
    connect(m_actions.fileSaveAs, &QAction::triggered, this, [this] { m_commands.SaveAs(); });
    connect(m_actions.fileEnd, &QAction::triggered, m_window, &QWidget::close);
}

void MenuCommands::bindSort()
{
    const auto bindItems = [this](const auto &items, MainCommands::SortKind kind) {
        for (int item = 0; item < int(items.size()); ++item)
            connect(items[std::size_t(item)], &QAction::triggered, this,
                    [this, kind, item] { m_commands.Sort(kind, item, ascending()); });
    };
    bindItems(m_actions.sortByEstimate, MainCommands::ByEstimate);
    bindItems(m_actions.sortByMark, MainCommands::ByMark);
    bindItems(m_actions.sortByPopularity, MainCommands::ByPopularity);
    connect(m_actions.sortByHits, &QAction::triggered, this, [this] { m_commands.SortByHits(ascending()); });
    connect(m_actions.removeDuplicates, &QAction::triggered, this, [this] { m_commands.RemoveDuplicates(); });
}

void MenuCommands::bindEdit()
{
    clsTSingle &singles = m_document.SinglesView();
    connect(m_actions.selectAll, &QAction::triggered, &singles, [&singles] { singles.SetAllSelect(true); });
    connect(m_actions.selectNone, &QAction::triggered, &singles, [&singles] { singles.SetAllSelect(false); });
    connect(m_actions.addSingle, &QAction::triggered, &singles, &clsTSingle::Add);
    connect(m_actions.addSingleByNumbers, &QAction::triggered, this, [this, &singles] {
        const QString marks = frmNumbers::ShowDialog(m_window);
        if (!marks.isEmpty())
            singles.AddEx(marks);
    });
    connect(m_actions.deleteSelected, &QAction::triggered, &singles, &clsTSingle::SelectDelete);
}

void MenuCommands::bindView()
{
    for (int page = 0; page < int(m_actions.showPage.size()); ++page)
        connect(m_actions.showPage[std::size_t(page)], &QAction::triggered, this, [this, page] { selectPage(page); });
    connect(m_actions.percentView, &QAction::toggled, &m_document, &MainDocument::SetPercentView);
}

void MenuCommands::bindTools()
{
    connect(m_actions.copyOnePerLine, &QAction::triggered, this, [this] { m_commands.CopyToClipboard(3); });
    connect(m_actions.copyOnePerColumn, &QAction::triggered, this, [this] { m_commands.CopyToClipboard(4); });
    connect(m_actions.importOnePerLine, &QAction::triggered, this, [this] { m_commands.ImportFromClipboard(); });
    connect(m_actions.updateTeamNames, &QAction::triggered, this,
            [this] { m_commands.UpdateTeamNames(m_document.State().DownloadMessage); });
    connect(m_actions.history, &QAction::triggered, this, [this] {
        frmHistory::ShowForm(m_window, m_document, [this](const QString &path) {
            if (m_document.Busy())
                return;
            m_commands.OpenPath(path);
            m_document.ShowFullResult();
        });
    });
    connect(m_actions.manual, &QAction::triggered, this, [] { MainCommands::OpenManual(); });
    connect(m_actions.about, &QAction::triggered, this,
            [this] { frmAbout::ShowForm(m_window, AppInfo::GetVersionString()); });
}

void MenuCommands::selectPage(int page)
{
    // A refused switch keeps the check mark the menu has just moved.
    if (!m_document.SelectPage(page))
        m_actions.showPage[std::size_t(m_document.CurrentPage())]->setChecked(true);
}

bool MenuCommands::ascending() const
{
    return m_actions.sortAscending->isChecked();
}

void MenuCommands::applyEditRules()
{
    const MainCommands::SortItems items = m_commands.EnabledSortItems();
    for (int item = 0; item < 4; ++item) {
        if (item < int(m_actions.sortByEstimate.size()))
            m_actions.sortByEstimate[std::size_t(item)]->setEnabled(items.estimatesAndPopularity);
        m_actions.sortByPopularity[std::size_t(item)]->setEnabled(items.estimatesAndPopularity);
    }
    m_actions.sortByHits->setEnabled(items.hits);
    for (QAction *action : {m_actions.selectAll, m_actions.selectNone, m_actions.addSingle,
                            m_actions.addSingleByNumbers, m_actions.deleteSelected})
        action->setEnabled(items.singlesEditing);
}

void MenuCommands::popUpSortMenu()
{
    applyEditRules();
    m_menus.sortMenu()->exec(QCursor::pos());
}
