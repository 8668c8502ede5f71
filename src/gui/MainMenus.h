#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <array>

class QAction;
class QMenu;
class QMenuBar;

// Every command of the main window as one action, created once; the menus,
// the pages' buttons and the pop-up sort menu show the same actions.
struct MainActions
{
    QAction *fileNew = nullptr;
    QAction *fileOpen = nullptr;
    QAction *fileSave = nullptr;
    QAction *fileSaveAs = nullptr;
    QAction *fileEnd = nullptr;

    std::array<QAction *, 3> sortByEstimate{};     // grades 1, 2, 3
    std::array<QAction *, 4> sortByMark{};         // "1", "0", "2"; the fourth is hidden
    std::array<QAction *, 4> sortByPopularity{};   // 1st, 2nd, 3rd; the fourth is hidden
    QAction *sortByHits = nullptr;
    QAction *sortAscending = nullptr;
    QAction *removeDuplicates = nullptr;
    QAction *selectAll = nullptr;
    QAction *selectNone = nullptr;
    QAction *addSingle = nullptr;
    QAction *addSingleByNumbers = nullptr;
    QAction *deleteSelected = nullptr;

    std::array<QAction *, 3> showPage{};   // home, singles, check
    QAction *percentView = nullptr;

    QAction *copyOnePerLine = nullptr;
    QAction *copyOnePerColumn = nullptr;
    QAction *importOnePerLine = nullptr;
    QAction *history = nullptr;
    // The home page's 海外チーム名 download button; in no menu.
    QAction *updateTeamNames = nullptr;

    QAction *manual = nullptr;
    QAction *about = nullptr;
};

// The main window's menu bar. Every item is a QAction named as the menu
// control (mnuFile_Open, mnuEdit_Sort_Money_0, ...), held in MainActions.
class MainMenus : public QObject
{
    Q_OBJECT

public:
    MainMenus(QMenuBar *menuBar, QObject *parent = nullptr);

    const MainActions &actions() const { return m_actions; }
    QMenu *editMenu() const { return m_edit; }
    QMenu *sortMenu() const { return m_sort; }
    // An action by its object name, for those who test the menus.
    QAction *action(const QString &name) const { return m_byName.value(name); }

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

    MainActions m_actions;
    QHash<QString, QAction *> m_byName;
    QMenu *m_edit = nullptr;
    QMenu *m_sort = nullptr;
};
