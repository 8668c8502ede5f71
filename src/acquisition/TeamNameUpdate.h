#pragma once

#include "acquisition/LoggedDownload.h"
#include "support/ErrorReporter.h"
#include "support/TextFile.h"
#include "support/IniFile.h"

#include <QString>
#include <QtGlobal>

// Updates the overseas team-name file TeamName2.dat from the maker's download
// server: the server's manifest version.dat tells the version it holds, and a
// newer file replaces the installed one. Every failure ends in a message and
// leaves the installed file as it was.
class clsQuorvelDownload
{
public:
    // The download folder on the maker's server: "http://", the host, "/download/2021/".
    static QString BaseAddress();
    // The host (with its port, if any) of the download server: the build
    // setting QUDO_UPDATE_HOST unless set here. An empty host restores the
    // build setting. For tests and trials that serve the files themselves.
    static void setServerHost(const QString &host);

    // Asks first when blnDQuestion; true when the installed file is the
    // server's version after the call (it was already, or it was replaced).
    bool DownloadTeamName2(bool blnDQuestion);
    // The value of the first manifest entry named strKey (letter case
    // ignored); strDefault when there is none, the key is empty or no
    // manifest is loaded.
    QString GetItem(const QString &strKey, const QString &strDefault) const;
    // major.minor as major × 1000 + minor (1.5 gives 1005, 2.10 gives 2010);
    // 0, no valid version, unless both sides are decimal integers.
    static qint32 GetVersionNumber(const QString &strVersion);

    // Takes a downloaded version.dat as the manifest; false, after telling
    // the user, when the text is no manifest (the manifest is then empty).
    bool ReadFileVersion(const QString &strText);
    // Whether a downloaded TeamName2.dat may replace the installed file of
    // version number lngLocalNumber: it is complete and newer. False after
    // telling the user.
    bool CheckTeamName2(const QString &strText, qint32 lngLocalNumber) const;

private:
    bool GetFileVersion();
    bool GetTeamName2(qint32 lngLocalNumber);
    bool CheckResponse(const QString &strText) const;
    // With blnDownload the message follows "インターネットよりダウンロードに失敗しました。".
    void ShowError(const QString &strMessage, bool blnDownload) const;
    void ShowInfo(const QString &strMessage) const;

    ErrorReporter m_err{QStringLiteral("clsQuorvelDownload")};
    clsWinInet m_winInet;
    clsFileStream m_fileStream;
    clsIniFile m_manifest;   // empty until version.dat was read
};
