#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;

// The main window's menu bar and its hidden pop-up menu. Every item is a
// QAction named as the menu control (mnuFile_Open, mnuEdit_Sort_Money_0, ...),
// so that commands are bound and tested by name.
class MainMenus : public QObject
{
    Q_OBJECT

public:
    MainMenus(QMenuBar *menuBar, QObject *parent = nullptr);

    QAction *action(const QString &name) const { return m_actions.value(name); }
    QMenu *menu(const QString &name) const { return m_menus.value(name); }
    // The result page's pop-up menu (中止), never shown in the menu bar.
    QMenu *resultPopup() const { return m_resultPopup; }

private:
    QMenu *addMenu(QMenuBar *menuBar, const QString &name, const QString &title);
    QMenu *addSubmenu(QMenu *parent, const QString &name, const QString &title);
    QAction *addItem(QMenu *menu, const QString &name, const QString &text);
    void buildFile(QMenuBar *menuBar);
    void buildEdit(QMenuBar *menuBar);
    void buildSort(QMenu *edit);
    void buildView(QMenuBar *menuBar);
    void buildTool(QMenuBar *menuBar);
    void buildHelp(QMenuBar *menuBar);

    QHash<QString, QAction *> m_actions;
    QHash<QString, QMenu *> m_menus;
    QMenu *m_resultPopup = nullptr;
};
