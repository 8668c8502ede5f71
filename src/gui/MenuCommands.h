#pragma once

#include "app/MainCommands.h"

#include <QObject>

class Clipboard;
class FileDialogs;
class MainDocument;
class QWidget;
struct MainActions;
class MainMenus;

// Binds every action of the main window to its command, in one place, and
// keeps the actions of the edit menu enabled as its rules allow now: on
// every page change and round change, and whenever the menu opens.
class MenuCommands : public QObject
{
    Q_OBJECT

public:
    MenuCommands(MainDocument &document, MainMenus &menus, FileDialogs &dialogs, Clipboard &clipboard, QWidget *window);

    MainCommands &commands() { return m_commands; }
    // Switches to page 0 (home), 1 (singles) or 2 (check), unless busy.
    void selectPage(int page);
    // The sort submenu at the mouse pointer, its items enabled as now allowed.
    void popUpSortMenu();
    void applyEditRules();

private:
    void bindFile();
    void bindSort();
    void bindEdit();
    void bindView();
    void bindTools();
    bool ascending() const;

    MainDocument &m_document;
    MainMenus &m_menus;
    const MainActions &m_actions;
    QWidget *m_window;
    MainCommands m_commands;
};
