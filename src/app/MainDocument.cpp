#include "app/MainDocument.h"

#include "app/RoundInfoText.h"
#include "support/AppFolder.h"
#include "support/AppInfo.h"
#include "support/Ui.h"
#include "singles/clsTSingleFrame.h"
#include "support/clsFileSystemObject.h"

MainDocument::MainDocument(QObject *parent)
    : QObject(parent)
{
    connect(&m_main, &clsTMain::KaisaikaiChange, this, &MainDocument::onKaisaikaiChange);
    connectSinglesView();
    connect(&m_matchList, &clsTGame::VoteClick, this, [this] { m_resultEvaluation.SetCountVisible(true); });
}

// The singles view edits a copy of the list; every change is answered while
// it is being raised, as the view relies on.
void MainDocument::connectSinglesView()
{
    connect(&m_singlesView, &clsTSingle::ChangeValue, this,
            [this](qint32 index, qint32 code) { m_singles[index] = code; });
    connect(&m_singlesView, &clsTSingle::ChangeFrame, this, [this](const MarkCounts &frame) {
        m_frame = frame;
        m_singlesView.SetSingleFrame(m_frame, m_visible);
    });
    connect(&m_singlesView, &clsTSingle::ChangeCount, this, [this](qint32 count, const QList<qint32> &singles) {
        m_singles = singles.mid(0, count);
        m_singlesView.SetSingle(qint32(m_singles.size()), m_singles);
    });
}

void MainDocument::Load()
{
    m_state = LoadAppState();
    m_kaisaikai = m_state.Kaisaikai;
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
    m_state.Kaisaikai = m_kaisaikai;
    return ::SaveAppState(m_state);
}

bool MainDocument::SelectPage(int page)
{
    BusyPointer busy;
    if (m_busy)
        return false;
    m_page = page;
    NeedPage(page);
    refreshPage(page);
    Q_EMIT PageChange(page);
    return true;
}

void MainDocument::refreshPage(int page)
{
    if (page == SinglesPage)
        showSinglesPage();
    else if (page == CheckPage)
        showCheckPage();
}

void MainDocument::showSinglesPage()
{
    m_singleGame.SetScheduleData(m_schedule);
    m_singlesView.SetVoteData(m_vote);
    m_singlesView.SetSingle(qint32(m_singles.size()), m_singles);
    m_singlesView.MovePage(0);
    m_singlesView.SetSingleFrame(m_frame, m_visible);
    m_singlesView.MovePage(0);
}

void MainDocument::showCheckPage()
{
    m_matchList.Schedure(m_schedule);
    m_matchList.Vote(m_vote);
    m_resultEvaluation.SetResultData(m_kaisaikai, m_kumi, m_result, m_state.ResultAll);
    {
        BusyScope busy(*this);
        m_resultEvaluation.SetSingle(qint32(m_singles.size()), m_singles);
    }
    m_resultEvaluation.SetSingleFrame(m_frame, m_visible);
    Q_EMIT ResultButtonsChange();
}

bool MainDocument::RevealEnabled() const
{
    return m_result.Kaisaikai > 0 && !m_resultEvaluation.FullResult();
}

void MainDocument::RevealNext()
{
    m_resultEvaluation.SetNextData();
    Q_EMIT ResultButtonsChange();
}

void MainDocument::RevealAll()
{
    m_resultEvaluation.SetAlltData();
    Q_EMIT ResultButtonsChange();
}

void MainDocument::ShowFullResult()
{
    if (SelectPage(CheckPage))
        RevealAll();
}

void MainDocument::SetPercentView(bool percent)
{
    m_percentView = percent;
    NeedPage(SinglesPage);
    NeedPage(CheckPage);
    m_singlesView.SetSinglePercent(percent);
    m_resultEvaluation.SetPercent(percent);
}

void MainDocument::ReplaceSingles(const QList<qint32> &singles)
{
    m_singles = singles;
    RecountMarks();
}

void MainDocument::RecountMarks()
{
    clsTSingleFrame::GetSingleFrame(qint32(m_singles.size()), m_singles, m_frame);
}

void MainDocument::onKaisaikaiChange(qint32 lngKaisaikai, const QString &strKumi)
{
    m_kaisaikai = lngKaisaikai;
    m_kumi = strKumi;
    m_schedule = m_main.Schedule();
    m_vote = m_main.Vote();
    m_result = m_main.Result();
    m_roundCaption = RoundInfoText::roundCaption(lngKaisaikai, strKumi);
    Q_EMIT RoundChange();
    Q_EMIT DownloadStatesChange();
}

QString MainDocument::StatusBarText() const
{
    return RoundInfoText::statusBarText(m_roundCaption, m_vote);
}

std::array<bool, 3> MainDocument::OfficialDownloadEnabled() const
{
    // A round file that exists but could not be read is replaced by a
    // download, so its button stays usable.
    const bool round = m_kaisaikai > 0 && !m_main.NoGame();
    return {!m_main.CheckScheduleFile() || (round && m_schedule.Kaisaikai <= 0),
            !m_main.CheckVoteFile() || (round && m_vote.Kaisaikai <= 0),
            !m_main.CheckResultFile() || (round && m_result.Kaisaikai <= 0)};
}

void MainDocument::OfficialDownload(int index)
{
    if (m_busy)
        return;
    // An empty round box (-1) names no round either.
    if (m_kaisaikai <= 0) {
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
    Q_EMIT DownloadStatesChange();
}

void MainDocument::setCurrentFile(const QString &path)
{
    m_currentFile = path;
    Q_EMIT TitleChange(Title());
}

void MainDocument::ClearDocument()
{
    m_singles.clear();
    m_frame = {};
    m_visible = {};
    NeedPage(CheckPage);
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
