#include "gui/MenuCommands.h"

#include "app/MainDocument.h"
#include "gui/MainMenus.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

MenuCommands::MenuCommands(MainDocument &document, MainMenus &menus, QWidget *window)
    : QObject(window)
    , m_document(document)
    , m_menus(menus)
    , m_dialogs(window)
    , m_commands(document, m_dialogs, m_clipboard)
{
    bindFile();
    bindSort();
    bindTools();
    connect(m_menus.menu(QStringLiteral("mnuEdit")), &QMenu::aboutToShow, this, &MenuCommands::applyEditRules);
}

void MenuCommands::bindFile()
{
    connect(m_menus.action(QStringLiteral("mnuFile_New")), &QAction::triggered, this, [this] { m_commands.New(); });
    connect(m_menus.action(QStringLiteral("mnuFile_Open")), &QAction::triggered, this, [this] { m_commands.Open(); });
    connect(m_menus.action(QStringLiteral("mnuFile_Save")), &QAction::triggered, this, [this] { m_commands.Save(); });
    connect(m_menus.action(QStringLiteral("mnuFile_SaveAs")), &QAction::triggered, this, [this] { m_commands.SaveAs(); });
}

void MenuCommands::bindSort()
{
    const std::pair<const char *, MainCommands::SortKind> kinds[] = {{"mnuEdit_Sort_Money_%1", MainCommands::ByEstimate},
                                                                     {"mnuEdit_Sort_Mark_%1", MainCommands::ByMark},
                                                                     {"mnuEdit_Sort_Ninki_%1", MainCommands::ByPopularity}};
    for (const auto &[pattern, kind] : kinds) {
        for (int item = 0; item < 4; ++item) {
            QAction *action = m_menus.action(QString::fromLatin1(pattern).arg(item));
            if (action)
                connect(action, &QAction::triggered, this,
                        [this, kind = kind, item] { m_commands.Sort(kind, item, ascending()); });
        }
    }
    connect(m_menus.action(QStringLiteral("mnuEdit_Sort_Result")), &QAction::triggered, this,
            [this] { m_commands.SortByHits(ascending()); });
    connect(m_menus.action(QStringLiteral("mnuEdit_JSingleDel")), &QAction::triggered, this,
            [this] { m_commands.RemoveDuplicates(); });
}

void MenuCommands::bindTools()
{
    for (int layout : {3, 4})
        connect(m_menus.action(QStringLiteral("mnuTool_Clipboard_Class_%1").arg(layout)), &QAction::triggered, this,
                [this, layout] { m_commands.CopyToClipboard(layout); });
    connect(m_menus.action(QStringLiteral("mnuTool_ClipImport_Class_0")), &QAction::triggered, this,
            [this] { m_commands.ImportFromClipboard(); });
    connect(m_menus.action(QStringLiteral("mnuHelp_Help")), &QAction::triggered, this, [] { MainCommands::OpenManual(); });
}

bool MenuCommands::ascending() const
{
    return m_menus.action(QStringLiteral("mnuEdit_Sort_Order"))->isChecked();
}

void MenuCommands::applyEditRules()
{
    const MainCommands::SortItems items = m_commands.EnabledSortItems();
    for (int item = 0; item < 4; ++item) {
        for (const char *pattern : {"mnuEdit_Sort_Money_%1", "mnuEdit_Sort_Ninki_%1"})
            if (QAction *action = m_menus.action(QString::fromLatin1(pattern).arg(item)))
                action->setEnabled(items.estimatesAndPopularity);
    }
    m_menus.action(QStringLiteral("mnuEdit_Sort_Result"))->setEnabled(items.hits);
    for (const char *name : {"mnuEdit_Select_0", "mnuEdit_Select_1", "mnuEdit_SingleAdd", "mnuEdit_SingleAdd2",
                             "mnuEdit_SingleDel"})
        m_menus.action(QLatin1String(name))->setEnabled(items.singlesEditing);
}

void MenuCommands::popUpSortMenu()
{
    applyEditRules();
    m_menus.menu(QStringLiteral("mnuEdit_Sort"))->exec(QCursor::pos());
}
