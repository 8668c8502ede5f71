#pragma once

#include "app/AppState.h"
#include "app/clsTMain.h"
#include "evaluation/EvaluationTables.h"
#include "evaluation/clsTGame.h"
#include "evaluation/clsTResult.h"
#include "singles/clsTSingle.h"
#include "singles/clsTSingleGame.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>

// What the main window's pages share, and the rules of the frame around
// them: the round selection and the current round's records, the user's list
// of singles with its single frame and its file, the controllers of the
// singles and check pages, the busy flag of long operations, the current page
// and the state kept in QUDO.ini. The window binds its controls to it.
class MainDocument : public QObject
{
    Q_OBJECT

public:
    enum Page : int { HomePage = 0, SinglesPage = 1, CheckPage = 2 };

    explicit MainDocument(QObject *parent = nullptr);

    clsTMain &RoundSelection() { return m_main; }

    // Reads QUDO.ini, readies the round selection and creates the user folder.
    void Load();
    // Puts the round kept in QUDO.ini into the round box, which loads it.
    void ShowSavedRound();
    // Writes QUDO.ini with what the window shows now.
    bool SaveAppState();

    const AppState &State() const { return m_state; }
    void setDownloadMessage(bool ask) { m_state.DownloadMessage = ask; }
    void setResultAll(bool all) { m_state.ResultAll = all; }

    bool Busy() const { return m_busy; }
    // Refused (false) while busy; otherwise the page becomes current.
    bool SelectPage(int page);
    // The singles and check pages are made when first needed: call this
    // before using the controller of a page that may not be shown yet.
    void NeedPage(int page) { Q_EMIT PageNeeded(page); }
    int CurrentPage() const { return m_page; }
    bool CanClose() const { return !m_busy; }

    qint32 Kaisaikai() const { return m_kaisaikai; }
    QString Kumi() const { return m_kumi; }
    const ScheduleData &Schedule() const { return m_schedule; }
    const VoteData &Vote() const { return m_vote; }
    const ResultData &Result() const { return m_result; }
    QString RoundCaption() const { return m_roundCaption; }
    QString StatusBarText() const;

    // Which of 開催情報, 投票状況 and くじ結果 can be downloaded: those whose
    // round file does not exist yet or cannot be read.
    std::array<bool, 3> OfficialDownloadEnabled() const;
    void OfficialDownload(int index);

    const QList<qint32> &Singles() const { return m_singles; }
    const MarkCounts &SingleFrame() const { return m_frame; }
    // A whole-list replacement (file, clipboard, sorting, duplicates): the
    // list and its recounted frame.
    void ReplaceSingles(const QList<qint32> &singles);
    void RecountMarks();

    // The controllers of the singles page and the check page; the window
    // gives them their drawing surfaces.
    clsTSingleGame &SingleGame() { return m_singleGame; }
    clsTSingle &SinglesView() { return m_singlesView; }
    clsTGame &MatchList() { return m_matchList; }
    clsTResult &ResultEvaluation() { return m_resultEvaluation; }

    // The check page's 次の結果を表示 and 全ての結果を表示 can be used: the
    // round has its result and not all of it is shown yet.
    bool RevealEnabled() const;
    void RevealNext();
    void RevealAll();
    // The check page with every official outcome of the round shown.
    void ShowFullResult();
    bool PercentView() const { return m_percentView; }
    void SetPercentView(bool percent);
    QString CurrentFile() const { return m_currentFile; }
    void setCurrentFile(const QString &path);
    QString UserFolder() const { return m_userFolder; }
    // Forgets the singles and the file.
    void ClearDocument();

    QString Title() const;
    static QString VersionText();

    // Sets the busy flag for as long as it lives.
    class BusyScope
    {
    public:
        explicit BusyScope(MainDocument &document) : m_document(document) { m_document.m_busy = true; }
        ~BusyScope() { m_document.m_busy = false; }
        BusyScope(const BusyScope &) = delete;
        BusyScope &operator=(const BusyScope &) = delete;

    private:
        MainDocument &m_document;
    };

Q_SIGNALS:
    // The round's records were reloaded: refresh what shows them.
    void RoundChange();
    // The official download buttons must be refreshed.
    void DownloadStatesChange();
    // The page's controls must exist now (its controller is about to be used).
    void PageNeeded(int page);
    void PageChange(int page);
    void TitleChange(const QString &title);
    // The check page's reveal buttons must be refreshed.
    void ResultButtonsChange();

private:
    void onKaisaikaiChange(qint32 lngKaisaikai, const QString &strKumi);
    void connectSinglesView();
    void refreshPage(int page);
    void showSinglesPage();
    void showCheckPage();

    clsTMain m_main;
    AppState m_state;
    bool m_busy = false;
    int m_page = HomePage;
    qint32 m_kaisaikai = 0;
    QString m_kumi;
    ScheduleData m_schedule;
    VoteData m_vote;
    ResultData m_result;
    QString m_roundCaption;
    QList<qint32> m_singles;
    MarkCounts m_frame{};
    MatchFlags m_visible{};   // handed on with the frame; never set here
    bool m_percentView = false;
    clsTSingleGame m_singleGame;
    clsTSingle m_singlesView;
    clsTGame m_matchList;
    clsTResult m_resultEvaluation;
    QString m_currentFile;
    QString m_userFolder;
};
