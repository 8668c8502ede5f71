#pragma once

#include "app/MainDocument.h"

#include <QMainWindow>

#include <memory>

class CheckPage;
class Clipboard;
class ClientPanel;
class FileDialogs;
class HomePage;
class MainMenus;
class MenuCommands;
class QAction;
class SinglesPage;
struct MainActions;

// The dialogs and the clipboard the main window's commands use; the
// platform's own where none are given.
struct WindowPorts
{
    FileDialogs *fileDialogs = nullptr;
    Clipboard *clipboard = nullptr;
};

// The main window: menus, the icon strip, the three pages and the status bar
// around the document they share. Closing it ends the program; it cannot
// close while a long operation runs.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(WindowPorts ports = {}, QWidget *parent = nullptr);
    ~MainWindow() override;

    MainDocument &document() { return m_document; }
    const MainActions &actions() const;
    MenuCommands &commands() const { return *m_commands; }
    HomePage *homePage() const { return m_homePage; }
    ClientPanel *clientPanel() const { return m_client; }
    // An action by its object name (mnuFile_Open, ...).
    QAction *action(const QString &name) const;

    // Switches to page 0 (home), 1 (singles) or 2 (check), unless busy.
    void selectPage(int page);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createPages();
    QWidget *page(int page);
    void applyColours();
    void sizeAndCentre();
    void showPage(int page);
    void onRoundChange();
    bool stopDownloadToClose();

    MainDocument m_document;
    std::unique_ptr<FileDialogs> m_ownDialogs;
    std::unique_ptr<Clipboard> m_ownClipboard;
    ClientPanel *m_client = nullptr;
    MainMenus *m_menus = nullptr;
    MenuCommands *m_commands = nullptr;
    HomePage *m_homePage = nullptr;
    SinglesPage *m_singlesPage = nullptr;
    CheckPage *m_checkPage = nullptr;
};
