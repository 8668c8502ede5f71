#pragma once

#include "app/AppState.h"
#include "app/RoundSelection.h"
#include "evaluation/EvaluationTables.h"
#include "evaluation/MatchList.h"
#include "evaluation/CheckPageController.h"
#include "singles/SingleListStore.h"
#include "singles/SinglesPageController.h"
#include "singles/SheetMatchGrid.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>

// What the main window's pages share, and the rules of the frame around
// them: the round selection (which owns the current round's records), the
// user's list of singles with its file, the controllers of the singles and
// check pages, the busy flag of long operations, the current page and the
// state kept in QUDO.ini. The controllers work from the start; a page, when
// the window builds it, attaches its views to them. The window binds its
// controls to the document and learns what changed from its signals, which a
// command holds back until it ends.
class MainDocument : public QObject
{
    Q_OBJECT

public:
    enum Page : int { PageHome = 0, PageSingles = 1, PageCheck = 2 };

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

    bool Busy() const { return m_busyDepth > 0; }
    // Refused (false) while busy; otherwise the page becomes current.
    bool SelectPage(int page);
    int CurrentPage() const { return m_page; }
    bool CanClose() const { return !Busy(); }

    // Until the round box has loaded a round, the round kept in QUDO.ini.
    qint32 Kaisaikai() const { return m_roundLoaded ? m_main.Kaisaikai() : m_state.Kaisaikai; }
    QString Kumi() const { return m_main.Kumi(); }
    const ScheduleData &Schedule() const { return m_main.Schedule(); }
    const VoteData &Vote() const { return m_main.Vote(); }
    const ResultData &Result() const { return m_main.Result(); }
    QString RoundCaption() const { return m_roundCaption; }
    QString StatusBarText() const;

    // Which of 開催情報, 投票状況 and くじ結果 can be downloaded: those whose
    // round file does not exist yet or cannot be read.
    std::array<bool, 3> OfficialDownloadEnabled() const;
    void OfficialDownload(int index);

    SingleListStore &SinglesStore() { return m_singles; }
    const QList<qint32> &Singles() const { return m_singles.Codes(); }
    const MarkCounts &SingleFrame() const { return m_singles.Frame(); }
    // A whole-list replacement (file, clipboard, sorting, duplicates): the
    // list and its recounted frame.
    void ReplaceSingles(const QList<qint32> &singles);

    // The controllers of the singles page and the check page; the pages
    // attach their views to them.
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

    // Sets the busy flag for as long as it lives; scopes nest, and the flag
    // stays set until the outermost one ends. While it is set the list takes
    // no edits from the pages.
    class BusyScope
    {
    public:
        explicit BusyScope(MainDocument &document);
        ~BusyScope();
        BusyScope(const BusyScope &) = delete;
        BusyScope &operator=(const BusyScope &) = delete;

    private:
        MainDocument &m_document;
    };

    // A command: what it changes is told to the window once, when the
    // outermost command ends, so that the window is not re-entered halfway.
    class CommandScope
    {
    public:
        explicit CommandScope(MainDocument &document) : m_document(document) { ++m_document.m_commandDepth; }
        ~CommandScope();
        CommandScope(const CommandScope &) = delete;
        CommandScope &operator=(const CommandScope &) = delete;

    private:
        MainDocument &m_document;
    };

Q_SIGNALS:
    // The round box must show this text.
    void RoundTextChange(const QString &text);
    // The round's records were reloaded: refresh what shows them.
    void RoundChange();
    // The official download buttons must be refreshed.
    void DownloadStatesChange();
    void PageChange(int page);
    void TitleChange(const QString &title);
    // The check page's reveal buttons must be refreshed.
    void ResultButtonsChange();

private:
    enum Notice : unsigned {
        RoundTextNotice = 1,
        RoundNotice = 2,
        DownloadNotice = 4,
        PageNotice = 8,
        TitleNotice = 16,
        ResultButtonsNotice = 32
    };

    void initializeControllers();
    void onKaisaikaiChange(qint32 lngKaisaikai, const QString &strKumi);
    void refreshPage(int page);
    void showSinglesPage();
    void showCheckPage();
    void notify(Notice notice);
    void tellPending();

    clsTMain m_main;
    AppState m_state;
    int m_busyDepth = 0;
    int m_commandDepth = 0;
    unsigned m_pending = 0;
    int m_page = PageHome;
    QString m_roundCaption;
    bool m_roundLoaded = false;
    SingleListStore m_singles;
    bool m_percentView = false;
    clsTSingleGame m_singleGame;
    clsTSingle m_singlesView{m_singles};
    clsTGame m_matchList;
    clsTResult m_resultEvaluation;
    QString m_currentFile;
    QString m_userFolder;
};
