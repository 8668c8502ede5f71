#include "acquisition/TeamNameUpdate.h"

#include "acquisition/HttpTransfer.h"
#include "lottery/TeamNames.h"
#include "support/TrimSpaces.h"
#include "support/Ui.h"

#ifndef QUDO_UPDATE_HOST
#define QUDO_UPDATE_HOST "quorvel-download.invalid"
#endif

namespace {

const QString fileName = QStringLiteral("TeamName2.dat");
const QString kind = QStringLiteral("海外チーム名");
const QString title = QStringLiteral(" Quorvel");
// The largest side of a version text that is still a number of ours.
constexpr qsizetype maxVersionDigits = 6;

QString s_serverHost;

bool isVersionPart(const QString &part)
{
    if (part.isEmpty() || part.size() > maxVersionDigits)
        return false;
    for (const QChar digit : part)
        if (digit < u'0' || digit > u'9')
            return false;
    return true;
}

} // namespace

QString clsQuorvelDownload::BaseAddress()
{
    const QString host = s_serverHost.isEmpty() ? QStringLiteral(QUDO_UPDATE_HOST) : s_serverHost;
    return QStringLiteral("http://") + host + QStringLiteral("/download/2021/");
}

void clsQuorvelDownload::setServerHost(const QString &host)
{
    s_serverHost = host;
}

bool clsQuorvelDownload::DownloadTeamName2(bool blnDQuestion)
{
    if (blnDQuestion
        && !Ui::instance().askYesNo(QStringLiteral("  Quorvel"),
                                    QStringLiteral("Quorvelより ") + kind + QStringLiteral(" をダウンロードします。よろしいですか？")))
        return false;
    if (m_manifest.entries().isEmpty() && !GetFileVersion())
        return false;
    const qint32 server = GetVersionNumber(GetItem(fileName, QString()));
    if (server == 0) {
        ShowError(QStringLiteral("海外チーム名のバージョン取得に失敗しました。"), false);
        return false;
    }
    const qint32 local = GetVersionNumber(clsTotoData().GetTeamName2Version());
    if (local == 0) {
        ShowError(QStringLiteral("海外チーム名のバージョンが不明です。"), false);
        return false;
    }
    if (server < local) {
        ShowError(QStringLiteral("海外チーム名のバージョンが異常です。"), false);
        return false;
    }
    if (server == local) {
        ShowInfo(QStringLiteral("海外チーム名の情報は最新です。"));
        return true;
    }
    if (!GetTeamName2(local))
        return false;
    ShowInfo(QStringLiteral("海外チーム名を最新版に更新しました。"));
    return true;
}

QString clsQuorvelDownload::GetItem(const QString &strKey, const QString &strDefault) const
{
    return m_manifest.Enabled() ? m_manifest.GetItem(strKey, strDefault) : strDefault;
}

qint32 clsQuorvelDownload::GetVersionNumber(const QString &strVersion)
{
    const qsizetype dot = strVersion.indexOf(u'.');
    if (dot < 0)
        return 0;
    const QString major = trimSpaces(QStringView(strVersion).left(dot));
    const QString minor = trimSpaces(QStringView(strVersion).mid(dot + 1));
    if (!isVersionPart(major) || !isVersionPart(minor))
        return 0;
    return major.toInt() * 1000 + minor.toInt();
}

bool clsQuorvelDownload::GetFileVersion()
{
    return m_err.guard(QStringLiteral("GetFileVersion"), false, [&] {
        m_manifest = clsIniFile();
        m_winInet.setProgressDialogMessage(QStringLiteral("ファイルバージョン取得中 (Quorvel)"));
        const QString text = m_winInet.Connection()
                                 ? m_winInet.GetHttpDataString(BaseAddress() + QStringLiteral("version.dat"), QString(),
                                                               clsWinInet::CodeAnsi)
                                 : QString();
        return ReadFileVersion(text);
    });
}

bool clsQuorvelDownload::ReadFileVersion(const QString &strText)
{
    m_manifest = clsIniFile();
    if (!CheckResponse(strText))
        return false;
    if (!strText.contains(QStringLiteral("[VersionEnd]"))) {
        ShowError(QStringLiteral("原因：ダウンロード内容(version.dat)が異常です"), true);
        return false;
    }
    m_manifest.InitializeFromText(strText);
    return true;
}

bool clsQuorvelDownload::GetTeamName2(qint32 lngLocalNumber)
{
    return m_err.guard(QStringLiteral("GetTeamName2"), false, [&] {
        m_winInet.setProgressDialogMessage(QStringLiteral("海外チーム名取得中 (Quorvel)"));
        const QString text = m_winInet.GetHttpDataString(BaseAddress() + fileName, QString(), clsWinInet::CodeAnsi);
        return CheckTeamName2(text, lngLocalNumber)
               && m_fileStream.SaveToFile(QStringLiteral("SysData\\") + fileName, text);
    });
}

bool clsQuorvelDownload::CheckTeamName2(const QString &strText, qint32 lngLocalNumber) const
{
    if (!CheckResponse(strText))
        return false;
    if (strText.isEmpty()) {
        ShowError(QStringLiteral("原因：") + fileName + QStringLiteral(" の取得に失敗しました"), true);
        return false;
    }
    // A file cut short lacks its end mark; a file without a version newer
    // than the installed one is no update and would spoil the next
    // comparison. Both are judged in the text as the installed file will be
    // read: up to its first NUL.
    const QString readable = strText.left(strText.indexOf(QChar(0)));
    clsIniFile downloaded;
    downloaded.InitializeFromText(readable);
    const bool newer = GetVersionNumber(clsTotoData::TeamName2VersionOf(downloaded)) > lngLocalNumber;
    if (!readable.contains(QStringLiteral("[End]")) || !newer) {
        ShowError(QStringLiteral("原因：") + fileName + QStringLiteral(" が異常です"), true);
        return false;
    }
    return true;
}

bool clsQuorvelDownload::CheckResponse(const QString &strText) const
{
    if (strText.isEmpty()) {
        ShowError(QStringLiteral("原因：サイトが見つかりません"), true);
        return false;
    }
    if (strText.contains(QStringLiteral("The requested URL was not found on this server"))) {
        ShowError(QStringLiteral("原因：アドレスが見つかりません"), true);
        return false;
    }
    return true;
}

void clsQuorvelDownload::ShowError(const QString &strMessage, bool blnDownload) const
{
    // A download stopped because the program is ending tells nothing.
    if (HttpTransfer::exiting())
        return;
    const QString text = blnDownload ? QStringLiteral("インターネットよりダウンロードに失敗しました。\r\n") + strMessage : strMessage;
    Ui::instance().showMessage(Ui::Icon::Warning, title, text);
}

void clsQuorvelDownload::ShowInfo(const QString &strMessage) const
{
    Ui::instance().showMessage(Ui::Icon::Information, title, strMessage);
}
