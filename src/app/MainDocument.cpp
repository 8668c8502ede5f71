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
    connect(&m_main, &RoundSelection::roundNumberChange, this, &MainDocument::onRoundNumberChange);
    connect(&m_main, &RoundSelection::roundTextChange, this, [this] { notify(RoundTextNotice); });
    connect(&m_matchList, &MatchList::VoteClick, this, [this] { m_resultEvaluation.setCountVisible(true); });
    initializeControllers();
}

// The controllers draw nothing until the pages attach their views.
void MainDocument::initializeControllers()
{
    m_singleGame.initialize(nullptr, 26);
    m_singlesView.initialize(nullptr, nullptr, nullptr);
    m_matchList.initialize(nullptr, nullptr, nullptr, false);
    m_resultEvaluation.initialize(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    m_resultEvaluation.setCountVisible(false);
}

void MainDocument::load()
{
    m_state = loadAppState();
    m_main.initialize();
    m_userFolder = AppFolder::path() + QStringLiteral("\\UserData\\QUDO");
    PathRules::folderCheck(m_userFolder);
}

void MainDocument::showSavedRound()
{
    m_main.setRoundNumber(m_state.roundNumber);
}

bool MainDocument::saveAppState()
{
    m_state.roundNumber = roundNumber();
    return ::saveAppState(m_state);
}

bool MainDocument::selectPage(int page)
{
    BusyPointer pointer;
    if (busy())
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
    m_singleGame.setScheduleData(schedule());
    m_singlesView.setVoteData(vote());
    m_singlesView.show();
}

void MainDocument::showCheckPage()
{
    m_matchList.showSchedule(schedule());
    m_matchList.vote(vote());
    {
        BusyScope busy(*this);
        const QList<qint32> singles = m_singles.codes();
        m_resultEvaluation.showRound(roundNumber(), group(), result(), m_state.resultAll,
                                     std::span<const qint32>(singles.constData(), std::size_t(singles.size())),
                                     m_singles.generation());
    }
    m_resultEvaluation.setSingleFrame(m_singles.frame(), m_singles.visible());
    notify(ResultButtonsNotice);
}

bool MainDocument::revealEnabled() const
{
    return result().roundNumber > 0 && !m_resultEvaluation.fullResult();
}

void MainDocument::RevealNext()
{
    m_resultEvaluation.setNextData();
    notify(ResultButtonsNotice);
}

void MainDocument::RevealAll()
{
    m_resultEvaluation.setAllData();
    notify(ResultButtonsNotice);
}

void MainDocument::showFullResult()
{
    if (selectPage(PageCheck))
        RevealAll();
}

void MainDocument::setPercentView(bool percent)
{
    m_percentView = percent;
    m_singlesView.setSinglePercent(percent);
    m_resultEvaluation.setPercent(percent);
}

void MainDocument::replaceSingles(const QList<qint32> &singles)
{
    m_singles.replace(singles);
}

void MainDocument::onRoundNumberChange(qint32 roundNumber, const QString &group)
{
    m_roundLoaded = true;
    m_roundCaption = RoundInfoText::roundCaption(roundNumber, group);
    notify(Notice(RoundNotice | DownloadNotice));
}

QString MainDocument::statusBarText() const
{
    return RoundInfoText::statusBarText(m_roundCaption, vote());
}

std::array<bool, 3> MainDocument::officialDownloadEnabled() const
{
    // A round file that exists but could not be read is replaced by a
    // download, so its button stays usable.
    const bool round = roundNumber() > 0 && !m_main.noGame();
    return {!m_main.checkScheduleFile() || (round && schedule().roundNumber <= 0),
            !m_main.checkVoteFile() || (round && vote().roundNumber <= 0),
            !m_main.checkResultFile() || (round && result().roundNumber <= 0)};
}

void MainDocument::officialDownload(int index)
{
    if (busy())
        return;
    CommandScope command(*this);
    // An empty round box (-1) names no round either.
    if (roundNumber() <= 0) {
        Ui::instance().showMessage(Ui::Icon::Information, AppInfo::title(), QStringLiteral("開催回を設定して下さい"));
    } else {
        const bool ask = m_state.downloadMessage;
        switch (index) {
        case 0: m_main.getSchedule(ask); break;
        case 1: m_main.getVote(ask); break;
        case 2: m_main.getResult(ask); break;
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

void MainDocument::clearDocument()
{
    m_singles.clear();
    m_resultEvaluation.clear();
    setCurrentFile(QString());
}

QString MainDocument::title() const
{
    QString title = AppInfo::mainWindowCaption();
    if (!m_currentFile.isEmpty())
        title += QStringLiteral(" - [") + PathRules::getFileName(m_currentFile) + u']';
    return title;
}

QString MainDocument::versionText()
{
    return QStringLiteral("Version ") + AppInfo::getVersionString();
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
            Q_EMIT roundTextChange(m_main.roundText());
        if (pending & RoundNotice)
            Q_EMIT roundChange();
        if (pending & DownloadNotice)
            Q_EMIT downloadStatesChange();
        if (pending & ResultButtonsNotice)
            Q_EMIT resultButtonsChange();
        if (pending & PageNotice)
            Q_EMIT pageChange(m_page);
        if (pending & TitleNotice)
            Q_EMIT titleChange(title());
    }
}

MainDocument::BusyScope::BusyScope(MainDocument &document)
    : m_document(document)
{
    ++m_document.m_busyDepth;
    m_document.m_singles.setLocked(true);
}

MainDocument::BusyScope::~BusyScope()
{
    --m_document.m_busyDepth;
    m_document.m_singles.setLocked(m_document.busy());
}

MainDocument::CommandScope::~CommandScope()
{
    if (--m_document.m_commandDepth == 0)
        m_document.tellPending();
}
