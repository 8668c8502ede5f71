#pragma once

#include "app/MainCommands.h"
#include "gui/QtClipboard.h"
#include "gui/QtFileDialogs.h"

#include <QObject>

class MainDocument;
class MainMenus;
class QMenu;
class QWidget;

// Binds the main window's menu items and command buttons to the commands,
// and applies the enabling rules of the edit menu whenever it opens.
class MenuCommands : public QObject
{
    Q_OBJECT

public:
    MenuCommands(MainDocument &document, MainMenus &menus, QWidget *window);

    MainCommands &commands() { return m_commands; }
    // The sort submenu at the mouse pointer, its items enabled as now allowed.
    void popUpSortMenu();
    void applyEditRules();

private:
    void bindFile();
    void bindSort();
    void bindTools();
    bool ascending() const;

    MainDocument &m_document;
    MainMenus &m_menus;
    QtFileDialogs m_dialogs;
    QtClipboard m_clipboard;
    MainCommands m_commands;
};
