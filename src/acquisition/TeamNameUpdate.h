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
class TeamNameUpdate
{
public:
    // The download folder on the maker's server: "http://", the host, "/download/2021/".
    static QString baseAddress();
    // The host (with its port, if any) of the download server: the build
    // setting QUDO_UPDATE_HOST unless set here. An empty host restores the
    // build setting. For tests and trials that serve the files themselves.
    static void setServerHost(const QString &host);

    // Asks first when askBeforeDownload; true when the installed file is the
    // server's version after the call (it was already, or it was replaced).
    bool downloadTeamName2(bool askBeforeDownload);
    // The value of the first manifest entry named key (letter case
    // ignored); defaultValue when there is none, the key is empty or no
    // manifest is loaded.
    QString getItem(const QString &key, const QString &defaultValue) const;
    // major.minor as major × 1000 + minor (1.5 gives 1005, 2.10 gives 2010);
    // 0, no valid version, unless both sides are decimal integers.
    static qint32 getVersionNumber(const QString &version);

    // Takes a downloaded version.dat as the manifest; false, after telling
    // the user, when the text is no manifest (the manifest is then empty).
    bool readFileVersion(const QString &text);
    // Whether a downloaded TeamName2.dat may replace the installed file of
    // version number localNumber: it is complete and newer. False after
    // telling the user.
    bool checkTeamName2(const QString &text, qint32 localNumber) const;

private:
    bool getFileVersion();
    bool getTeamName2(qint32 localNumber);
    bool checkResponse(const QString &text) const;
    // With allowDownload the message follows "インターネットよりダウンロードに失敗しました。".
    void showError(const QString &message, bool allowDownload) const;
    void showInfo(const QString &message) const;

    ErrorReporter m_err{QStringLiteral("clsQuorvelDownload")};
    LoggedDownload m_winInet;
    TextFile m_fileStream;
    IniFile m_manifest;   // empty until version.dat was read
};
