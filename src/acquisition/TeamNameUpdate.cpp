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

QString TeamNameUpdate::baseAddress()
{
    const QString host = s_serverHost.isEmpty() ? QStringLiteral(QUDO_UPDATE_HOST) : s_serverHost;
    return QStringLiteral("http://") + host + QStringLiteral("/download/2021/");
}

void TeamNameUpdate::setServerHost(const QString &host)
{
    s_serverHost = host;
}

bool TeamNameUpdate::downloadTeamName2(bool askBeforeDownload)
{
    if (askBeforeDownload
        && !Ui::instance().askYesNo(QStringLiteral("  Quorvel"),
                                    QStringLiteral("Quorvelより ") + kind + QStringLiteral(" をダウンロードします。よろしいですか？")))
        return false;
    if (m_manifest.entries().isEmpty() && !getFileVersion())
        return false;
    const qint32 server = getVersionNumber(getItem(fileName, QString()));
    if (server == 0) {
        showError(QStringLiteral("海外チーム名のバージョン取得に失敗しました。"), false);
        return false;
    }
    const qint32 local = getVersionNumber(TeamNames().getTeamName2Version());
    if (local == 0) {
        showError(QStringLiteral("海外チーム名のバージョンが不明です。"), false);
        return false;
    }
    if (server < local) {
        showError(QStringLiteral("海外チーム名のバージョンが異常です。"), false);
        return false;
    }
    if (server == local) {
        showInfo(QStringLiteral("海外チーム名の情報は最新です。"));
        return true;
    }
    if (!getTeamName2(local))
        return false;
    showInfo(QStringLiteral("海外チーム名を最新版に更新しました。"));
    return true;
}

QString TeamNameUpdate::getItem(const QString &key, const QString &defaultValue) const
{
    return m_manifest.enabled() ? m_manifest.getItem(key, defaultValue) : defaultValue;
}

qint32 TeamNameUpdate::getVersionNumber(const QString &version)
{
    const qsizetype dot = version.indexOf(u'.');
    if (dot < 0)
        return 0;
    const QString major = trimSpaces(QStringView(version).left(dot));
    const QString minor = trimSpaces(QStringView(version).mid(dot + 1));
    if (!isVersionPart(major) || !isVersionPart(minor))
        return 0;
    return major.toInt() * 1000 + minor.toInt();
}

bool TeamNameUpdate::getFileVersion()
{
    return m_err.guard(QStringLiteral("GetFileVersion"), false, [&] {
        m_manifest = IniFile();
        m_winInet.setProgressDialogMessage(QStringLiteral("ファイルバージョン取得中 (Quorvel)"));
        const QString text = m_winInet.connection()
                                 ? m_winInet.getHttpDataString(baseAddress() + QStringLiteral("version.dat"), QString(),
                                                               LoggedDownload::CodeAnsi)
                                 : QString();
        return readFileVersion(text);
    });
}

bool TeamNameUpdate::readFileVersion(const QString &text)
{
    m_manifest = IniFile();
    if (!checkResponse(text))
        return false;
    if (!text.contains(QStringLiteral("[VersionEnd]"))) {
        showError(QStringLiteral("原因：ダウンロード内容(version.dat)が異常です"), true);
        return false;
    }
    m_manifest.initializeFromText(text);
    return true;
}

bool TeamNameUpdate::getTeamName2(qint32 localNumber)
{
    return m_err.guard(QStringLiteral("GetTeamName2"), false, [&] {
        m_winInet.setProgressDialogMessage(QStringLiteral("海外チーム名取得中 (Quorvel)"));
        const QString text = m_winInet.getHttpDataString(baseAddress() + fileName, QString(), LoggedDownload::CodeAnsi);
        return checkTeamName2(text, localNumber)
               && m_fileStream.saveToFile(QStringLiteral("SysData\\") + fileName, text);
    });
}

bool TeamNameUpdate::checkTeamName2(const QString &text, qint32 localNumber) const
{
    if (!checkResponse(text))
        return false;
    if (text.isEmpty()) {
        showError(QStringLiteral("原因：") + fileName + QStringLiteral(" の取得に失敗しました"), true);
        return false;
    }
    // A file cut short lacks its end mark; a file without a version newer
    // than the installed one is no update and would spoil the next
    // comparison. Both are judged in the text as the installed file will be
    // read: up to its first NUL.
    const QString readable = text.left(text.indexOf(QChar(0)));
    IniFile downloaded;
    downloaded.initializeFromText(readable);
    const bool newer = getVersionNumber(TeamNames::teamName2VersionOf(downloaded)) > localNumber;
    if (!readable.contains(QStringLiteral("[End]")) || !newer) {
        showError(QStringLiteral("原因：") + fileName + QStringLiteral(" が異常です"), true);
        return false;
    }
    return true;
}

bool TeamNameUpdate::checkResponse(const QString &text) const
{
    if (text.isEmpty()) {
        showError(QStringLiteral("原因：サイトが見つかりません"), true);
        return false;
    }
    if (text.contains(QStringLiteral("The requested URL was not found on this server"))) {
        showError(QStringLiteral("原因：アドレスが見つかりません"), true);
        return false;
    }
    return true;
}

void TeamNameUpdate::showError(const QString &message, bool allowDownload) const
{
    // A download stopped because the program is ending tells nothing.
    if (HttpTransfer::exiting())
        return;
    const QString text = allowDownload ? QStringLiteral("インターネットよりダウンロードに失敗しました。\r\n") + message : message;
    Ui::instance().showMessage(Ui::Icon::Warning, title, text);
}

void TeamNameUpdate::showInfo(const QString &message) const
{
    Ui::instance().showMessage(Ui::Icon::Information, title, message);
}
