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
    m_resultPopup = new QMenu(menuBar->parentWidget());
    m_resultPopup->setObjectName(QStringLiteral("mnuPopup7"));
    addItem(m_resultPopup, QStringLiteral("mnuPopup7_Class_0"), QStringLiteral("中止"));
}

QMenu *MainMenus::addMenu(QMenuBar *menuBar, const QString &name, const QString &title)
{
    QMenu *menu = menuBar->addMenu(title);
    menu->setObjectName(name);
    m_menus.insert(name, menu);
    return menu;
}

QMenu *MainMenus::addSubmenu(QMenu *parent, const QString &name, const QString &title)
{
    QMenu *menu = parent->addMenu(title);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    m_menus.insert(name, menu);
    m_actions.insert(name, menu->menuAction());
    return menu;
}

QAction *MainMenus::addItem(QMenu *menu, const QString &name, const QString &text)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(name);
    m_actions.insert(name, action);
    return action;
}

void MainMenus::buildFile(QMenuBar *menuBar)
{
    QMenu *file = addMenu(menuBar, QStringLiteral("mnuFile"), QStringLiteral("ファイル(&F)"));
    addItem(file, QStringLiteral("mnuFile_New"), QStringLiteral("新規作成(&N)"));
    addItem(file, QStringLiteral("mnuFile_Open"), QStringLiteral("開く(&O)..."));
    file->addSeparator();
    addItem(file, QStringLiteral("mnuFile_Save"), QStringLiteral("上書き保存(&S)"));
    addItem(file, QStringLiteral("mnuFile_SaveAs"), QStringLiteral("名前を付けて保存(&A)..."));
    file->addSeparator();
    addItem(file, QStringLiteral("mnuFile_End"), QStringLiteral("終了(&X)"));
}

void MainMenus::buildEdit(QMenuBar *menuBar)
{
    QMenu *edit = addMenu(menuBar, QStringLiteral("mnuEdit"), QStringLiteral("編集(&E)"));
    buildSort(edit);
    edit->addSeparator();
    addItem(edit, QStringLiteral("mnuEdit_JSingleDel"), QStringLiteral("重複シングル削除"));
    edit->addSeparator();
    addItem(edit, QStringLiteral("mnuEdit_Select_0"), QStringLiteral("全てのシングルを選択"));
    addItem(edit, QStringLiteral("mnuEdit_Select_1"), QStringLiteral("全てのシングル選択を解除"));
    edit->addSeparator();
    addItem(edit, QStringLiteral("mnuEdit_SingleAdd"), QStringLiteral("シングルを追加"));
    addItem(edit, QStringLiteral("mnuEdit_SingleAdd2"), QStringLiteral("シングルを数値で追加"));
    addItem(edit, QStringLiteral("mnuEdit_SingleDel"), QStringLiteral("選択シングルを削除"));
}

void MainMenus::buildSort(QMenu *edit)
{
    QMenu *sort = addSubmenu(edit, QStringLiteral("mnuEdit_Sort"), QStringLiteral("シングル並べ替え(S)"));
    const QStringList money{QStringLiteral("１等推定金額"), QStringLiteral("２等推定金額"), QStringLiteral("３等推定金額")};
    for (int i = 0; i < money.size(); ++i)
        addItem(sort, QStringLiteral("mnuEdit_Sort_Money_%1").arg(i), money[i]);
    sort->addSeparator();
    const QStringList marks{QStringLiteral("ホーム勝ち"), QStringLiteral("その他"), QStringLiteral("アウェイ勝ち"),
                            QString()};
    for (int i = 0; i < marks.size(); ++i)
        addItem(sort, QStringLiteral("mnuEdit_Sort_Mark_%1").arg(i), marks[i])->setVisible(i < 3);
    sort->addSeparator();
    const QStringList ninki{QStringLiteral("１番人気"), QStringLiteral("２番人気"), QStringLiteral("３番人気"),
                            QStringLiteral("４番人気")};
    for (int i = 0; i < ninki.size(); ++i)
        addItem(sort, QStringLiteral("mnuEdit_Sort_Ninki_%1").arg(i), ninki[i])->setVisible(i < 3);
    sort->addSeparator();
    addItem(sort, QStringLiteral("mnuEdit_Sort_Result"), QStringLiteral("当せん数"));
    sort->addSeparator();
    QAction *order = addItem(sort, QStringLiteral("mnuEdit_Sort_Order"), QStringLiteral("昇順で並べ替える"));
    order->setCheckable(true);
    order->setChecked(true);
}

void MainMenus::buildView(QMenuBar *menuBar)
{
    QMenu *view = addMenu(menuBar, QStringLiteral("mnuView"), QStringLiteral("表示(&V)"));
    auto *pages = new QActionGroup(view);
    const QStringList captions{QStringLiteral("ホーム(&H)"), QStringLiteral("シングル(&S)"), QStringLiteral("チェック(&C)")};
    for (int page = 0; page < captions.size(); ++page) {
        QAction *item = addItem(view, QStringLiteral("mnuView_Menu_%1").arg(page), captions[page]);
        item->setCheckable(true);
        pages->addAction(item);
    }
    view->addSeparator();
    addItem(view, QStringLiteral("mnuView_SinglePercent"), QStringLiteral("シングル構成を％で表示"))->setCheckable(true);
}

void MainMenus::buildTool(QMenuBar *menuBar)
{
    QMenu *tool = addMenu(menuBar, QStringLiteral("mnuTool"), QStringLiteral("ツール(&T)"));
    QMenu *copy = addSubmenu(tool, QStringLiteral("mnuTool_Clipboard"), QStringLiteral("クリップボードにコピー"));
    addItem(copy, QStringLiteral("mnuTool_Clipboard_Class_3"), QStringLiteral("買い目（１口が行）"));
    addItem(copy, QStringLiteral("mnuTool_Clipboard_Class_4"), QStringLiteral("買い目（１口が列）"));
    QMenu *import = addSubmenu(tool, QStringLiteral("mnuTool_ClipImport"), QStringLiteral("クリップボードから取り込み"));
    addItem(import, QStringLiteral("mnuTool_ClipImport_Class_0"), QStringLiteral("買い目（１口が行）"));
    tool->addSeparator();
    addItem(tool, QStringLiteral("mnuTool_History"), QStringLiteral("収支履歴(&R)..."));
}

void MainMenus::buildHelp(QMenuBar *menuBar)
{
    QMenu *help = addMenu(menuBar, QStringLiteral("mnuHelp"), QStringLiteral("ヘルプ(&H)"));
    addItem(help, QStringLiteral("mnuHelp_Help"), QStringLiteral("オンラインマニュアル(&O)"));
    help->addSeparator();
    addItem(help, QStringLiteral("mnuHelp_Version"), QStringLiteral("バージョン情報(&A)..."));
}
