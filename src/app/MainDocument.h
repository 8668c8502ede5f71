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

    RoundSelection &roundSelection() { return m_main; }

    // Reads QUDO.ini, readies the round selection and creates the user folder.
    void load();
    // Puts the round kept in QUDO.ini into the round box, which loads it.
    void showSavedRound();
    // Writes QUDO.ini with what the window shows now.
    bool saveAppState();

    const AppState &State() const { return m_state; }
    void setDownloadMessage(bool ask) { m_state.downloadMessage = ask; }
    void setResultAll(bool all) { m_state.resultAll = all; }

    bool busy() const { return m_busyDepth > 0; }
    // Refused (false) while busy; otherwise the page becomes current.
    bool selectPage(int page);
    int currentPage() const { return m_page; }
    bool canClose() const { return !busy(); }

    // Until the round box has loaded a round, the round kept in QUDO.ini.
    qint32 roundNumber() const { return m_roundLoaded ? m_main.roundNumber() : m_state.roundNumber; }
    QString group() const { return m_main.group(); }
    const ScheduleData &schedule() const { return m_main.schedule(); }
    const VoteData &vote() const { return m_main.vote(); }
    const ResultData &result() const { return m_main.result(); }
    QString roundCaption() const { return m_roundCaption; }
    QString statusBarText() const;

    // Which of 開催情報, 投票状況 and くじ結果 can be downloaded: those whose
    // round file does not exist yet or cannot be read.
    std::array<bool, 3> officialDownloadEnabled() const;
    void officialDownload(int index);

    SingleListStore &singlesStore() { return m_singles; }
    const QList<qint32> &singles() const { return m_singles.codes(); }
    const MarkCounts &singleFrame() const { return m_singles.frame(); }
    // A whole-list replacement (file, clipboard, sorting, duplicates): the
    // list and its recounted frame.
    void replaceSingles(const QList<qint32> &singles);

    // The controllers of the singles page and the check page; the pages
    // attach their views to them.
    SheetMatchGrid &singleGame() { return m_singleGame; }
    SinglesPageController &singlesView() { return m_singlesView; }
    MatchList &matchList() { return m_matchList; }
    CheckPageController &resultEvaluation() { return m_resultEvaluation; }

    // The check page's 次の結果を表示 and 全ての結果を表示 can be used: the
    // round has its result and not all of it is shown yet.
    bool revealEnabled() const;
    void RevealNext();
    void RevealAll();
    // The check page with every official outcome of the round shown.
    void showFullResult();
    bool percentView() const { return m_percentView; }
    void setPercentView(bool percent);
    QString currentFile() const { return m_currentFile; }
    void setCurrentFile(const QString &path);
    QString userFolder() const { return m_userFolder; }
    // Forgets the singles and the file.
    void clearDocument();

    QString title() const;
    static QString versionText();

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
    void roundTextChange(const QString &text);
    // The round's records were reloaded: refresh what shows them.
    void roundChange();
    // The official download buttons must be refreshed.
    void downloadStatesChange();
    void pageChange(int page);
    void titleChange(const QString &title);
    // The check page's reveal buttons must be refreshed.
    void resultButtonsChange();

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
    void onRoundNumberChange(qint32 roundNumber, const QString &group);
    void refreshPage(int page);
    void showSinglesPage();
    void showCheckPage();
    void notify(Notice notice);
    void tellPending();

    RoundSelection m_main;
    AppState m_state;
    int m_busyDepth = 0;
    int m_commandDepth = 0;
    unsigned m_pending = 0;
    int m_page = PageHome;
    QString m_roundCaption;
    bool m_roundLoaded = false;
    SingleListStore m_singles;
    bool m_percentView = false;
    SheetMatchGrid m_singleGame;
    SinglesPageController m_singlesView{m_singles};
    MatchList m_matchList;
    CheckPageController m_resultEvaluation;
    QString m_currentFile;
    QString m_userFolder;
};
