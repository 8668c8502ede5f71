#pragma once

#include "app/MainDocument.h"

#include <QMainWindow>

class CheckPage;
class ClientPanel;
class HomePage;
class MainMenus;
class MenuCommands;
class QAction;
class SinglesPage;

// The main window: menus, the icon strip, the three pages and the status bar
// around the document they share. Closing it ends the program; it cannot
// close while a long operation runs.
class frmMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    MainDocument &document() { return m_document; }
    HomePage *homePage() const { return m_homePage; }
    ClientPanel *clientPanel() const { return m_client; }
    QAction *action(const QString &name) const;

    // Switches to page 0 (home), 1 (singles) or 2 (check), unless busy.
    void SelectPage(int page);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createPages();
    void buildPage(int page);
    QWidget *pageWidget(int page) const;
    void bindMenus();
    void bindSinglesCommands();
    void applyColours();
    void sizeAndCentre();
    void showPage(int page);
    void onRoundChange();
    bool stopDownloadToClose();

    MainDocument m_document;
    ClientPanel *m_client = nullptr;
    MainMenus *m_menus = nullptr;
    MenuCommands *m_commands = nullptr;
    HomePage *m_homePage = nullptr;
    SinglesPage *m_singlesPage = nullptr;
    CheckPage *m_checkPage = nullptr;
};
