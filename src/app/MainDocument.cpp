#include "app/MainDocument.h"

#include "app/RoundInfoText.h"
#include "support/AppFolder.h"
#include "support/AppInfo.h"
#include "support/Ui.h"
#include "support/PathRules.h"

#include <span>
#include <utility>

MainDocument::MainDocument(QObject *parent)
    : QObject(parent)
{
    connect(&m_main, &clsTMain::KaisaikaiChange, this, &MainDocument::onKaisaikaiChange);
    connect(&m_main, &clsTMain::RoundTextChange, this, [this] { notify(RoundTextNotice); });
    connect(&m_matchList, &clsTGame::VoteClick, this, [this] { m_resultEvaluation.SetCountVisible(true); });
    initializeControllers();
}

// The controllers draw nothing until the pages attach their views.
void MainDocument::initializeControllers()
{
    m_singleGame.Initialize(nullptr, 26);
    m_singlesView.Initialize(nullptr, nullptr, nullptr);
    m_matchList.Initialize(nullptr, nullptr, nullptr, false);
    m_resultEvaluation.Initialize(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    m_resultEvaluation.SetCountVisible(false);
}

void MainDocument::Load()
{
    m_state = LoadAppState();
    m_main.Initialize();
    m_userFolder = AppFolder::path() + QStringLiteral("\\UserData\\QUDO");
    clsFileSystemObject::FolderCheck(m_userFolder);
}

void MainDocument::ShowSavedRound()
{
    m_main.SetKaisaikai(m_state.Kaisaikai);
}

bool MainDocument::SaveAppState()
{
    m_state.Kaisaikai = Kaisaikai();
    return ::SaveAppState(m_state);
}

bool MainDocument::SelectPage(int page)
{
    BusyPointer busy;
    if (Busy())
        return false;
    m_page = page;
    refreshPage(page);
    notify(PageNotice);
    return true;
}

void MainDocument::refreshPage(int page)
{
    if (page == PageSingles)
        showSinglesPage();
    else if (page == PageCheck)
        showCheckPage();
}

void MainDocument::showSinglesPage()
{
    m_singleGame.SetScheduleData(Schedule());
    m_singlesView.SetVoteData(Vote());
    m_singlesView.Show();
}

void MainDocument::showCheckPage()
{
    m_matchList.Schedure(Schedule());
    m_matchList.Vote(Vote());
    {
        BusyScope busy(*this);
        const QList<qint32> singles = m_singles.Codes();
        m_resultEvaluation.ShowRound(Kaisaikai(), Kumi(), Result(), m_state.ResultAll,
                                     std::span<const qint32>(singles.constData(), std::size_t(singles.size())),
                                     m_singles.Generation());
    }
    m_resultEvaluation.SetSingleFrame(m_singles.Frame(), m_singles.Visible());
    notify(ResultButtonsNotice);
}

bool MainDocument::RevealEnabled() const
{
    return Result().Kaisaikai > 0 && !m_resultEvaluation.FullResult();
}

void MainDocument::RevealNext()
{
    m_resultEvaluation.SetNextData();
    notify(ResultButtonsNotice);
}

void MainDocument::RevealAll()
{
    m_resultEvaluation.SetAlltData();
    notify(ResultButtonsNotice);
}

void MainDocument::ShowFullResult()
{
    if (SelectPage(PageCheck))
        RevealAll();
}

void MainDocument::SetPercentView(bool percent)
{
    m_percentView = percent;
    m_singlesView.SetSinglePercent(percent);
    m_resultEvaluation.SetPercent(percent);
}

void MainDocument::ReplaceSingles(const QList<qint32> &singles)
{
    m_singles.Replace(singles);
}

void MainDocument::onKaisaikaiChange(qint32 lngKaisaikai, const QString &strKumi)
{
    m_roundLoaded = true;
    m_roundCaption = RoundInfoText::roundCaption(lngKaisaikai, strKumi);
    notify(Notice(RoundNotice | DownloadNotice));
}

QString MainDocument::StatusBarText() const
{
    return RoundInfoText::statusBarText(m_roundCaption, Vote());
}

std::array<bool, 3> MainDocument::OfficialDownloadEnabled() const
{
    // A round file that exists but could not be read is replaced by a
    // download, so its button stays usable.
    const bool round = Kaisaikai() > 0 && !m_main.NoGame();
    return {!m_main.CheckScheduleFile() || (round && Schedule().Kaisaikai <= 0),
            !m_main.CheckVoteFile() || (round && Vote().Kaisaikai <= 0),
            !m_main.CheckResultFile() || (round && Result().Kaisaikai <= 0)};
}

void MainDocument::OfficialDownload(int index)
{
    if (Busy())
        return;
    CommandScope command(*this);
    // An empty round box (-1) names no round either.
    if (Kaisaikai() <= 0) {
        Ui::instance().showMessage(Ui::Icon::Information, AppInfo::title(), QStringLiteral("開催回を設定して下さい"));
    } else {
        const bool ask = m_state.DownloadMessage;
        switch (index) {
        case 0: m_main.GetSchedule(ask); break;
        case 1: m_main.GetVote(ask); break;
        case 2: m_main.GetResult(ask); break;
        default: break;
        }
    }
    notify(DownloadNotice);
}

void MainDocument::setCurrentFile(const QString &path)
{
    m_currentFile = path;
    notify(TitleNotice);
}

void MainDocument::ClearDocument()
{
    m_singles.Clear();
    m_resultEvaluation.Clear();
    setCurrentFile(QString());
}

QString MainDocument::Title() const
{
    QString title = AppInfo::mainWindowCaption();
    if (!m_currentFile.isEmpty())
        title += QStringLiteral(" - [") + clsFileSystemObject::GetFileName(m_currentFile) + u']';
    return title;
}

QString MainDocument::VersionText()
{
    return QStringLiteral("Version ") + AppInfo::GetVersionString();
}

void MainDocument::notify(Notice notice)
{
    m_pending |= notice;
    if (m_commandDepth == 0)
        tellPending();
}

void MainDocument::tellPending()
{
    while (m_pending != 0) {
        const unsigned pending = std::exchange(m_pending, 0);
        if (pending & RoundTextNotice)
            Q_EMIT RoundTextChange(m_main.RoundText());
        if (pending & RoundNotice)
            Q_EMIT RoundChange();
        if (pending & DownloadNotice)
            Q_EMIT DownloadStatesChange();
        if (pending & ResultButtonsNotice)
            Q_EMIT ResultButtonsChange();
        if (pending & PageNotice)
            Q_EMIT PageChange(m_page);
        if (pending & TitleNotice)
            Q_EMIT TitleChange(Title());
    }
}

MainDocument::BusyScope::BusyScope(MainDocument &document)
    : m_document(document)
{
    ++m_document.m_busyDepth;
    m_document.m_singles.SetLocked(true);
}

MainDocument::BusyScope::~BusyScope()
{
    --m_document.m_busyDepth;
    m_document.m_singles.SetLocked(m_document.Busy());
}

MainDocument::CommandScope::~CommandScope()
{
    if (--m_document.m_commandDepth == 0)
        m_document.tellPending();
}
