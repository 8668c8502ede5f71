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
    connect(&m_document, &MainDocument::pageChange, this, &MenuCommands::applyEditRules);
    connect(&m_document, &MainDocument::roundChange, this, &MenuCommands::applyEditRules);
    applyEditRules();
}

void MenuCommands::bindFile()
{
    connect(m_actions.fileNew, &QAction::triggered, this, [this] { m_commands.newFile(); });
    connect(m_actions.fileOpen, &QAction::triggered, this, [this] { m_commands.open(); });
    connect(m_actions.fileSave, &QAction::triggered, this, [this] { m_commands.save(); });
    connect(m_actions.fileSaveAs, &QAction::triggered, this, [this] { m_commands.saveAs(); });
    connect(m_actions.fileEnd, &QAction::triggered, m_window, &QWidget::close);
}

void MenuCommands::bindSort()
{
    const auto bindItems = [this](const auto &items, MainCommands::SortKind kind) {
        for (int item = 0; item < int(items.size()); ++item)
            connect(items[std::size_t(item)], &QAction::triggered, this,
                    [this, kind, item] { m_commands.sort(kind, item, ascending()); });
    };
    bindItems(m_actions.sortByEstimate, MainCommands::ByEstimate);
    bindItems(m_actions.sortByMark, MainCommands::ByMark);
    bindItems(m_actions.sortByPopularity, MainCommands::ByPopularity);
    connect(m_actions.sortByHits, &QAction::triggered, this, [this] { m_commands.sortByHits(ascending()); });
    connect(m_actions.removeDuplicates, &QAction::triggered, this, [this] { m_commands.removeDuplicates(); });
}

void MenuCommands::bindEdit()
{
    SinglesPageController &singles = m_document.singlesView();
    connect(m_actions.selectAll, &QAction::triggered, &singles, [&singles] { singles.setAllSelect(true); });
    connect(m_actions.selectNone, &QAction::triggered, &singles, [&singles] { singles.setAllSelect(false); });
    connect(m_actions.addSingle, &QAction::triggered, &singles, &SinglesPageController::add);
    connect(m_actions.addSingleByNumbers, &QAction::triggered, this, [this, &singles] {
        const QString marks = NumberEntryDialog::showDialog(m_window);
        if (!marks.isEmpty())
            singles.addEx(marks);
    });
    connect(m_actions.deleteSelected, &QAction::triggered, &singles, &SinglesPageController::selectDelete);
}

void MenuCommands::bindView()
{
    for (int page = 0; page < int(m_actions.showPage.size()); ++page)
        connect(m_actions.showPage[std::size_t(page)], &QAction::triggered, this, [this, page] { selectPage(page); });
    connect(m_actions.percentView, &QAction::toggled, &m_document, &MainDocument::setPercentView);
}

void MenuCommands::bindTools()
{
    connect(m_actions.copyOnePerLine, &QAction::triggered, this, [this] { m_commands.copyToClipboard(3); });
    connect(m_actions.copyOnePerColumn, &QAction::triggered, this, [this] { m_commands.copyToClipboard(4); });
    connect(m_actions.importOnePerLine, &QAction::triggered, this, [this] { m_commands.importFromClipboard(); });
    connect(m_actions.updateTeamNames, &QAction::triggered, this,
            [this] { m_commands.updateTeamNames(m_document.State().downloadMessage); });
    connect(m_actions.history, &QAction::triggered, this, [this] {
        HistoryWindow::showForm(m_window, m_document, [this](const QString &path) {
            if (m_document.busy())
                return;
            m_commands.openPath(path);
            m_document.showFullResult();
        });
    });
    connect(m_actions.manual, &QAction::triggered, this, [] { MainCommands::openManual(); });
    connect(m_actions.about, &QAction::triggered, this,
            [this] { AboutDialog::showForm(m_window, AppInfo::getVersionString()); });
}

void MenuCommands::selectPage(int page)
{
    // A refused switch keeps the check mark the menu has just moved.
    if (!m_document.selectPage(page))
        m_actions.showPage[std::size_t(m_document.currentPage())]->setChecked(true);
}

bool MenuCommands::ascending() const
{
    return m_actions.sortAscending->isChecked();
}

void MenuCommands::applyEditRules()
{
    const MainCommands::SortItems items = m_commands.enabledSortItems();
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
