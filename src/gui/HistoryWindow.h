#pragma once

#include "app/HistoryCommands.h"

#include <QWidget>

#include <functional>
#include <memory>

class FileDialogs;
class GridView;
class HistoryChartView;
class MainDocument;
class QAction;
class QLabel;
class QPushButton;
class QScrollArea;

// The 収支履歴 window: every singles file of the user's folders with what it
// cost and won, the chart of the balance, and the buttons to pick another
// folder, download the missing results and save the table. One per main
// window; closing it hides it, so the folder picked stays while the program
// runs. A double click on a row asks for that file to be opened.
class HistoryWindow : public QWidget
{
    Q_OBJECT

public:
    // dialogs null: the platform's dialogs.
    HistoryWindow(MainDocument &document, FileDialogs *dialogs, QWidget *owner);
    ~HistoryWindow() override;

    // Shows the owner's one window, made at the first call, and refreshes it.
    // openFile opens a file as 開く does and shows its check page.
    static HistoryWindow *showForm(QWidget *owner, MainDocument &document,
                                const std::function<void(const QString &path)> &openFile);

    HistoryCommands &commands() { return m_commands; }
    GridView *tableView() const { return m_table; }
    HistoryChartView *chartView() const { return m_chart; }

Q_SIGNALS:
    void OpenFileRequested(const QString &path);

private:
    QWidget *createButtons();
    void showFolders();
    void onBusy(bool busy);
    // The table's headings stay over the rows while they scroll.
    void showHeadings();
    bool eventFilter(QObject *watched, QEvent *event) override;

    std::unique_ptr<FileDialogs> m_ownDialogs;
    HistoryCommands m_commands;
    QLabel *m_folderLabel;
    QScrollArea *m_scroller;
    GridView *m_table;
    HistoryChartView *m_chart;
    QPushButton *m_folderButton = nullptr;
    QPushButton *m_downloadButton = nullptr;
    QPushButton *m_saveButton = nullptr;
    QAction *m_actRefresh;
    QLabel *m_headings;
};
