#include "gui/MainMenus.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

MainMenus::MainMenus(QMenuBar *menuBar, QObject *parent)
    : QObject(parent)
{
    buildFile(menuBar);
    buildEdit(menuBar);
    buildView(menuBar);
    buildTool(menuBar);
    buildHelp(menuBar);
    m_actions.updateTeamNames = new QAction(this);
    m_actions.updateTeamNames->setObjectName(QStringLiteral("actUpdateTeamNames"));
}

QMenu *MainMenus::addMenu(QMenuBar *menuBar, const QString &name, const QString &title)
{
    QMenu *menu = menuBar->addMenu(title);
    menu->setObjectName(name);
    return menu;
}

QMenu *MainMenus::addSubmenu(QMenu *parent, const QString &name, const QString &title)
{
    QMenu *menu = parent->addMenu(title);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    m_byName.insert(name, menu->menuAction());
    return menu;
}

QAction *MainMenus::addItem(QMenu *menu, const QString &name, const QString &text)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(name);
    m_byName.insert(name, action);
    return action;
}

void MainMenus::buildFile(QMenuBar *menuBar)
{
    QMenu *file = addMenu(menuBar, QStringLiteral("mnuFile"), QStringLiteral("ファイル(&F)"));
    m_actions.fileNew = addItem(file, QStringLiteral("mnuFile_New"), QStringLiteral("新規作成(&N)"));
    m_actions.fileOpen = addItem(file, QStringLiteral("mnuFile_Open"), QStringLiteral("開く(&O)..."));
    file->addSeparator();
    m_actions.fileSave = addItem(file, QStringLiteral("mnuFile_Save"), QStringLiteral("上書き保存(&S)"));
    m_actions.fileSaveAs = addItem(file, QStringLiteral("mnuFile_SaveAs"), QStringLiteral("名前を付けて保存(&A)..."));
    file->addSeparator();
    m_actions.fileEnd = addItem(file, QStringLiteral("mnuFile_End"), QStringLiteral("終了(&X)"));
    // The one command that still works while a download runs.
    m_actions.fileEnd->setMenuRole(QAction::QuitRole);
}

void MainMenus::buildEdit(QMenuBar *menuBar)
{
    QMenu *edit = m_edit = addMenu(menuBar, QStringLiteral("mnuEdit"), QStringLiteral("編集(&E)"));
    buildSort(edit);
    edit->addSeparator();
    m_actions.removeDuplicates = addItem(edit, QStringLiteral("mnuEdit_JSingleDel"), QStringLiteral("重複シングル削除"));
    edit->addSeparator();
    m_actions.selectAll = addItem(edit, QStringLiteral("mnuEdit_Select_0"), QStringLiteral("全てのシングルを選択"));
    m_actions.selectNone = addItem(edit, QStringLiteral("mnuEdit_Select_1"), QStringLiteral("全てのシングル選択を解除"));
    edit->addSeparator();
    m_actions.addSingle = addItem(edit, QStringLiteral("mnuEdit_SingleAdd"), QStringLiteral("シングルを追加"));
    m_actions.addSingleByNumbers = addItem(edit, QStringLiteral("mnuEdit_SingleAdd2"), QStringLiteral("シングルを数値で追加"));
    m_actions.deleteSelected = addItem(edit, QStringLiteral("mnuEdit_SingleDel"), QStringLiteral("選択シングルを削除"));
}

void MainMenus::buildSort(QMenu *edit)
{
    QMenu *sort = m_sort = addSubmenu(edit, QStringLiteral("mnuEdit_Sort"), QStringLiteral("シングル並べ替え(S)"));
    const QStringList money{QStringLiteral("１等推定金額"), QStringLiteral("２等推定金額"), QStringLiteral("３等推定金額")};
    for (int i = 0; i < money.size(); ++i)
        m_actions.sortByEstimate[std::size_t(i)] = addItem(sort, QStringLiteral("mnuEdit_Sort_Money_%1").arg(i), money[i]);
    sort->addSeparator();
    const QStringList marks{QStringLiteral("ホーム勝ち"), QStringLiteral("その他"), QStringLiteral("アウェイ勝ち"),
                            QString()};
    for (int i = 0; i < marks.size(); ++i)
        (m_actions.sortByMark[std::size_t(i)] = addItem(sort, QStringLiteral("mnuEdit_Sort_Mark_%1").arg(i), marks[i]))
            ->setVisible(i < 3);
    sort->addSeparator();
    const QStringList popularity{QStringLiteral("１番人気"), QStringLiteral("２番人気"), QStringLiteral("３番人気"),
                            QStringLiteral("４番人気")};
    for (int i = 0; i < popularity.size(); ++i)
        (m_actions.sortByPopularity[std::size_t(i)] = addItem(sort, QStringLiteral("mnuEdit_Sort_Ninki_%1").arg(i), popularity[i]))
            ->setVisible(i < 3);
    sort->addSeparator();
    m_actions.sortByHits = addItem(sort, QStringLiteral("mnuEdit_Sort_Result"), QStringLiteral("当せん数"));
    sort->addSeparator();
    QAction *order = m_actions.sortAscending = addItem(sort, QStringLiteral("mnuEdit_Sort_Order"), QStringLiteral("昇順で並べ替える"));
    order->setCheckable(true);
    order->setChecked(true);
}

void MainMenus::buildView(QMenuBar *menuBar)
{
    QMenu *view = addMenu(menuBar, QStringLiteral("mnuView"), QStringLiteral("表示(&V)"));
    auto *pages = new QActionGroup(view);
    const QStringList captions{QStringLiteral("ホーム(&H)"), QStringLiteral("シングル(&S)"), QStringLiteral("チェック(&C)")};
    for (int page = 0; page < captions.size(); ++page) {
        QAction *item = m_actions.showPage[std::size_t(page)] =
            addItem(view, QStringLiteral("mnuView_Menu_%1").arg(page), captions[page]);
        item->setCheckable(true);
        pages->addAction(item);
    }
    view->addSeparator();
    m_actions.percentView = addItem(view, QStringLiteral("mnuView_SinglePercent"), QStringLiteral("シングル構成を％で表示"));
    m_actions.percentView->setCheckable(true);
}

void MainMenus::buildTool(QMenuBar *menuBar)
{
    QMenu *tool = addMenu(menuBar, QStringLiteral("mnuTool"), QStringLiteral("ツール(&T)"));
    QMenu *copy = addSubmenu(tool, QStringLiteral("mnuTool_Clipboard"), QStringLiteral("クリップボードにコピー"));
    m_actions.copyOnePerLine = addItem(copy, QStringLiteral("mnuTool_Clipboard_Class_3"), QStringLiteral("買い目（１口が行）"));
    m_actions.copyOnePerColumn = addItem(copy, QStringLiteral("mnuTool_Clipboard_Class_4"), QStringLiteral("買い目（１口が列）"));
    QMenu *import = addSubmenu(tool, QStringLiteral("mnuTool_ClipImport"), QStringLiteral("クリップボードから取り込み"));
    m_actions.importOnePerLine = addItem(import, QStringLiteral("mnuTool_ClipImport_Class_0"), QStringLiteral("買い目（１口が行）"));
    tool->addSeparator();
    m_actions.history = addItem(tool, QStringLiteral("mnuTool_History"), QStringLiteral("収支履歴(&R)..."));
}

void MainMenus::buildHelp(QMenuBar *menuBar)
{
    QMenu *help = addMenu(menuBar, QStringLiteral("mnuHelp"), QStringLiteral("ヘルプ(&H)"));
    m_actions.manual = addItem(help, QStringLiteral("mnuHelp_Help"), QStringLiteral("オンラインマニュアル(&O)"));
    help->addSeparator();
    m_actions.about = addItem(help, QStringLiteral("mnuHelp_Version"), QStringLiteral("バージョン情報(&A)..."));
}
