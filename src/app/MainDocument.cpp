#include "app/MainDocument.h"

#include "app/RoundInfoText.h"
#include "support/AppFolder.h"
#include "support/AppInfo.h"
#include "support/Ui.h"
#include "support/clsFileSystemObject.h"

MainDocument::MainDocument(QObject *parent)
    : QObject(parent)
{
    connect(&m_main, &clsTMain::KaisaikaiChange, this, &MainDocument::onKaisaikaiChange);
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
    Q_EMIT PageChange(page);
    return true;
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
    return {!m_main.CheckScheduleFile(), !m_main.CheckVoteFile(), !m_main.CheckResultFile()};
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
