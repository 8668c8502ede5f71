#pragma once

#include "app/MainDocument.h"
#include "history/HistoryChart.h"
#include "history/HistoryDownload.h"
#include "history/HistoryRow.h"
#include "history/HistoryTable.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class FileDialogs;

// The 収支履歴 window's commands on its table and chart: gather and grade
// the singles files of the user folder and the current file's folder (or of
// a folder the user picked, kept while the program runs), download the
// missing results, and save the table as a CSV file. Commands that arrive
// while one runs (pending events run during long work) are ignored, and so
// are those that come while the main window is busy; while one runs, the
// main window is busy.
class HistoryCommands : public QObject
{
    Q_OBJECT

public:
    HistoryCommands(MainDocument &document, FileDialogs &dialogs, QObject *parent = nullptr);

    HistoryTable &table() { return m_table; }
    HistoryChart &chart() { return m_chart; }
    HistoryDownload &download() { return m_download; }
    const QList<HistoryRow> &rows() const { return m_rows; }
    bool busy() const { return m_busy; }
    // The folders looked at now, native.
    QStringList folders() const;
    // The folders as the window names them: below the program's folder
    // relative to it ("UserData/QUDO"), elsewhere in full.
    QString foldersText() const;

    void refresh();
    void chooseFolder();
    // Every listed round without a readable result file, once each, in order.
    QList<qint32> roundsWithoutResult() const;
    void downloadResults();
    void saveCsv();
    // The file of the table's grid row, or empty.
    QString fileAtGridRow(int gridRow) const;

Q_SIGNALS:
    void Changed();
    void busyChanged(bool busy);

private:
    void setBusy(bool busy);
    bool startWork();
    void endWork();
    void rebuild();

    MainDocument &m_document;
    FileDialogs &m_dialogs;
    HistoryTable m_table;
    HistoryChart m_chart;
    HistoryDownload m_download;
    QList<HistoryRow> m_rows;
    QString m_chosenFolder;
    bool m_busy = false;
    std::optional<MainDocument::BusyScope> m_documentBusy;
};
